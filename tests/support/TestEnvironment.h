#ifndef TESTS_SUPPORT_TEST_ENVIRONMENT_H_INCLUDED
#define TESTS_SUPPORT_TEST_ENVIRONMENT_H_INCLUDED

#include <string>

namespace testsupport
{

//! Debian's IPA Gothic, the font the demo ships with. When it is not
//! installed the calling test fails with a message saying what to install,
//! and the result is an empty path that loads nothing.
const char* ipaFontPath();

//! The demo program built beside the tests.
inline const char* demoBinaryPath()
{
    return MOJIBAN_DEMO_BINARY;
}

//! Makes name the user's default locale (what setlocale(LC_ALL, "") picks)
//! while the object lives. Fails the test when the locale is not installed.
class ScopedUserLocale
{
public:
    explicit ScopedUserLocale(const char* name);
    ~ScopedUserLocale();

private:
    bool HadValue;
    std::string OldValue;
};

//! Runs a shell command and gives what it wrote to standard output.
std::string runShell(const std::string& command);

//! A fresh empty directory below the system's temporary directory, removed
//! with everything in it when the object ends.
class TemporaryDirectory
{
public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    const std::string& path() const { return Path; }

private:
    std::string Path;
};

} // namespace testsupport

#endif
