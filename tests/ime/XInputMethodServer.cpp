#include "XInputMethodServer.h"

#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport
{
namespace
{
const char* const ServerPath = "/usr/bin/uim-xim";
} // namespace

XInputMethodServer::XInputMethodServer() : Pid(0) {}

XInputMethodServer::~XInputMethodServer()
{
    stop();
}

void XInputMethodServer::stop()
{
    if (Pid > 0)
    {
        kill(Pid, SIGKILL);
        waitpid(Pid, 0, 0);
    }
    Pid = 0;
}

bool XInputMethodServer::restart(const std::function<void()>& whileAway)
{
    stop();
    whileAway();
    return start();
}

bool XInputMethodServer::available()
{
    return access(ServerPath, X_OK) == 0;
}

XInputMethodServer* XInputMethodServer::shared()
{
    // Made after the virtual display, so it ends before that does.
    static XInputMethodServer server;
    static const bool started = server.start();
    return started ? &server : 0;
}

bool XInputMethodServer::start()
{
    Pid = fork();
    if (Pid == 0)
    {
        setenv("HOME", Home.path().c_str(), 1);
        // It serves clients of every locale whatever its own.
        setenv("LC_ALL", "ja_JP.UTF-8", 1);
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        execl(ServerPath, ServerPath, "--engine=anthy-utf8", (char*)0);
        _exit(127);
    }
    if (Pid < 0)
        return false;
    for (int waited = 0; waited < 10000; waited += 50)
    {
        if (announced())
            return true;
        usleep(50 * 1000);
    }
    return false;
}

bool XInputMethodServer::announced()
{
    // A running server owns the selection named after it; the root window's
    // XIM_SERVERS list may still name one that has gone.
    Display* dpy = XOpenDisplay(0);
    if (!dpy)
        return false;
    const Atom name = XInternAtom(dpy, "@server=uim", False);
    const bool owned = XGetSelectionOwner(dpy, name) != None;
    XCloseDisplay(dpy);
    return owned;
}

} // namespace testsupport
