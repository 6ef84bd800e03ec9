#include "support/VirtualDisplay.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace benchsupport
{
namespace
{
pid_t ServerPid = 0;
bool Failed = false;

void stopServer()
{
    if (ServerPid > 0)
    {
        kill(ServerPid, SIGTERM);
        waitpid(ServerPid, 0, 0);
        ServerPid = 0;
    }
}

// Xvfb picks a free display number itself and writes it to the pipe once it
// accepts connections, so two benchmark runs never fight over a display.
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
        char fdText[16];
        snprintf(fdText, sizeof(fdText), "%d", fds[1]);
        if (!freopen("/dev/null", "w", stderr))
            _exit(126);
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
    setenv("DISPLAY", (":" + number).c_str(), 1);
    atexit(stopServer);
    return true;
}
} // namespace

bool useVirtualDisplay()
{
    if (ServerPid > 0)
        return true;
    if (Failed)
        return false;
    if (!startServer())
    {
        Failed = true;
        fprintf(stderr, "could not start Xvfb (install Debian's xvfb)\n");
        return false;
    }
    return true;
}

} // namespace benchsupport
