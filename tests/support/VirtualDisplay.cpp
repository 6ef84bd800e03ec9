#include "support/VirtualDisplay.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport
{
namespace
{
pid_t ServerPid = 0;
std::string DisplayName;

void stopServer()
{
    if (ServerPid > 0)
    {
        kill(ServerPid, SIGTERM);
        waitpid(ServerPid, 0, 0);
        ServerPid = 0;
    }
}

bool startServer()
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0)
    {
        close(fds[0]);
        char fdText[16];
        snprintf(fdText, sizeof(fdText), "%d", fds[1]);
        // Quiet: Xvfb's start-up chatter would only bury test output.
        freopen("/dev/null", "w", stderr);
        execlp("Xvfb", "Xvfb", "-displayfd", fdText, "-screen", "0", "1024x768x24", "-nolisten",
               "tcp", "-noreset", (char*)0);
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (number.empty())
    {
        waitpid(pid, 0, 0);
        return false;
    }
    ServerPid = pid;
    DisplayName = ":" + number;
    setenv("DISPLAY", DisplayName.c_str(), 1);
    atexit(stopServer);
    return true;
}
} // namespace

const char* useVirtualDisplay()
{
    if (ServerPid == 0 && !startServer())
    {
        ADD_FAILURE() << "could not start Xvfb (install Debian's xvfb)";
        return "";
    }
    return DisplayName.c_str();
}

} // namespace testsupport
