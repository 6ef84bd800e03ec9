#include "support/DemoProcess.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace testsupport
{

DemoProcess::DemoProcess(const std::string& stdinText, const std::string& workingDirectory)
    : DemoProcess(stdinText, workingDirectory, {demoBinaryPath()})
{
}

DemoProcess::DemoProcess(const std::string& stdinText, const std::string& workingDirectory,
                         const std::vector<std::string>& command)
    : Pid(-1), OutputFd(-1), ExitCode(-1)
{
    std::vector<char*> argv;
    for (const std::string& part : command)
        argv.push_back(const_cast<char*>(part.c_str()));
    argv.push_back(0);
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0)
    {
        ADD_FAILURE() << "pipe failed";
        return;
    }
    Pid = fork();
    if (Pid == 0)
    {
        dup2(in[0], 0);
        dup2(out[1], 1);
        close(in[0]);
        close(in[1]);
        close(out[0]);
        close(out[1]);
        if (chdir(workingDirectory.c_str()) != 0)
            _exit(126);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    if (!stdinText.empty())
    {
        ssize_t ignored = write(in[1], stdinText.data(), stdinText.size());
        (void)ignored;
    }
    close(in[1]);
    OutputFd = out[0];
    fcntl(OutputFd, F_SETFL, O_NONBLOCK);
}

DemoProcess::~DemoProcess()
{
    if (running())
    {
        kill(Pid, SIGKILL);
        waitpid(Pid, 0, 0);
    }
    if (OutputFd >= 0)
        close(OutputFd);
}

void DemoProcess::drainOutput()
{
    if (OutputFd < 0)
        return;
    char buffer[4096];
    ssize_t n;
    while ((n = read(OutputFd, buffer, sizeof(buffer))) > 0)
        Output.append(buffer, (size_t)n);
}

bool DemoProcess::running()
{
    if (Pid <= 0 || ExitCode != -1)
        return false;
    int status = 0;
    const pid_t r = waitpid(Pid, &status, WNOHANG);
    if (r == 0)
        return true;
    if (r == Pid)
        ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    drainOutput();
    return false;
}

int DemoProcess::waitForExit(int timeoutMs)
{
    for (int waited = 0; waited <= timeoutMs; waited += 10)
    {
        drainOutput();
        if (!running())
            return ExitCode;
        timespec pause = {0, 10 * 1000 * 1000};
        nanosleep(&pause, 0);
    }
    return -1;
}

const std::string& DemoProcess::output()
{
    drainOutput();
    return Output;
}

} // namespace testsupport
