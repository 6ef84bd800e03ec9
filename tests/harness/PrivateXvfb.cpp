#include "harness/PrivateXvfb.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport
{
namespace
{
pid_t ServerPid = 0;
bool Failed = false;
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
    {
        close(fds[0]);
        close(fds[1]);
        return false;
    }
    if (pid == 0)
    {
        close(fds[0]);
        // The server must not outlive a program that crashed, nor hold its
        // output open: whoever reads that output would wait for the end.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int null = open("/dev/null", O_RDWR);
        if (null < 0)
            _exit(126);
        dup2(null, 0);
        dup2(null, 1);
        dup2(null, 2);
        for (int fd = 3; fd < 1024; ++fd)
            if (fd != fds[1])
                close(fd);
        char fdText[16];
        snprintf(fdText, sizeof(fdText), "%d", fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fdText, "-screen", "0", "1024x768x24", "+extension",
               "GLX", "-nolisten", "tcp", "-noreset", (char*)0);
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

const char* startPrivateXvfb()
{
    if (ServerPid == 0 && !Failed && !startServer())
        Failed = true;
    return Failed ? 0 : DisplayName.c_str();
}

} // namespace testsupport
