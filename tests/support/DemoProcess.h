#ifndef TESTS_SUPPORT_DEMO_PROCESS_H_INCLUDED
#define TESTS_SUPPORT_DEMO_PROCESS_H_INCLUDED

#include <string>
#include <sys/types.h>
#include <vector>

namespace testsupport
{

//! The real demo program, started with a given standard input in a given
//! working directory; what it writes to standard output is kept.
class DemoProcess
{
public:
    //! Starts the demo. stdinText is written and standard input closed.
    DemoProcess(const std::string& stdinText, const std::string& workingDirectory);
    //! The same with another command line (program first), e.g. under Wine.
    DemoProcess(const std::string& stdinText, const std::string& workingDirectory,
                const std::vector<std::string>& command);
    //! Kills the program if it still runs.
    ~DemoProcess();

    //! Waits up to timeoutMs for the end. Returns the exit code, -1 on a
    //! time-out, 128 + signal when a signal ended it.
    int waitForExit(int timeoutMs);
    bool running();
    //! Everything read from standard output so far (after waitForExit: all).
    const std::string& output();

private:
    void drainOutput();

    pid_t Pid;
    int OutputFd;
    std::string Output;
    int ExitCode;
};

} // namespace testsupport

#endif
