#include "support/XInputDriver.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <sys/wait.h>
#include <unistd.h>

namespace testsupport
{

XInputDriver::XInputDriver() : Dpy(XOpenDisplay(0)), OwnWindow(0) {}

XInputDriver::~XInputDriver()
{
    if (!Dpy)
        return;
    for (int keycode : BorrowedKeycodes)
    {
        KeySym none = NoSymbol;
        XChangeKeyboardMapping(Dpy, keycode, 1, &none, 1);
    }
    if (OwnWindow)
        XDestroyWindow(Dpy, OwnWindow);
    XCloseDisplay(Dpy);
}

bool XInputDriver::mapKeysyms(const std::vector<unsigned long>& keysyms)
{
    if (!Dpy)
        return false;
    int first = 0, last = 0, perKeycode = 0;
    XDisplayKeycodes(Dpy, &first, &last);
    KeySym* map = XGetKeyboardMapping(Dpy, (KeyCode)first, last - first + 1, &perKeycode);
    if (!map)
        return false;
    size_t next = 0;
    for (int keycode = first; keycode <= last && next < keysyms.size(); ++keycode)
    {
        bool empty = true;
        for (int i = 0; i < perKeycode; ++i)
            empty &= map[(keycode - first) * perKeycode + i] == NoSymbol;
        if (!empty)
            continue;
        KeySym keysym = keysyms[next++];
        XChangeKeyboardMapping(Dpy, keycode, 1, &keysym, 1);
        BorrowedKeycodes.push_back(keycode);
    }
    XFree(map);
    XSync(Dpy, False);
    return next == keysyms.size();
}

void XInputDriver::focus(unsigned long window)
{
    if (!Dpy)
        return;
    XSetInputFocus(Dpy, window, RevertToParent, CurrentTime);
    XSync(Dpy, False);
}

void XInputDriver::focusElsewhere()
{
    if (!Dpy)
        return;
    if (!OwnWindow)
    {
        OwnWindow = XCreateSimpleWindow(Dpy, DefaultRootWindow(Dpy), 700, 0, 100, 100, 0, 0, 0);
        XMapWindow(Dpy, OwnWindow);
        XSync(Dpy, False);
    }
    focus(OwnWindow);
}

int XInputDriver::xdotool(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>("xdotool"));
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(0);
    const pid_t pid = fork();
    if (pid == 0)
    {
        execvp("xdotool", argv.data());
        _exit(127);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace testsupport
