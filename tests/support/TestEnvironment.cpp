#include "support/TestEnvironment.h"

#include "harness/IpaFont.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <clocale>
#include <cstdlib>
#include <filesystem>

namespace testsupport
{

const char* ipaFontPath()
{
    const char* path = harness::findIpaFont();
    if (path)
        return path;
    ADD_FAILURE() << harness::missingIpaFontMessage();
    return "";
}

ScopedUserLocale::ScopedUserLocale(const char* name) : HadValue(false)
{
    if (const char* old = getenv("LC_ALL"))
    {
        HadValue = true;
        OldValue = old;
    }
    setenv("LC_ALL", name, 1);
    // Check that the system knows the locale, then go back to "C": the code
    // under test is what switches to the user's locale.
    const char* applied = setlocale(LC_ALL, "");
    EXPECT_TRUE(applied != 0) << "locale " << name
                              << " is not installed (scripts/install-deps.sh generates it)";
    setlocale(LC_ALL, "C");
}

ScopedUserLocale::~ScopedUserLocale()
{
    if (HadValue)
        setenv("LC_ALL", OldValue.c_str(), 1);
    else
        unsetenv("LC_ALL");
    setlocale(LC_ALL, "C");
}

std::string runShell(const std::string& command)
{
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r"))
    {
        char buffer[256];
        size_t n;
        while ((n = fread(buffer, 1, sizeof(buffer), pipe)) > 0)
            out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

TemporaryDirectory::TemporaryDirectory()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "mojiban-test-XXXXXX").string();
    if (mkdtemp(&pattern[0]))
        Path = pattern;
    else
        ADD_FAILURE() << "mkdtemp failed";
}

TemporaryDirectory::~TemporaryDirectory()
{
    if (!Path.empty())
    {
        std::error_code ignored;
        std::filesystem::remove_all(Path, ignored);
    }
}

} // namespace testsupport
