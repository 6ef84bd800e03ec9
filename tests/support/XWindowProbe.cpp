#include "support/XWindowProbe.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <time.h>

namespace testsupport
{

namespace
{

XErrorHandler PreviousHandler = 0;

// Windows of other clients (Wine makes and destroys helper windows all the
// time) can go away between listing them and asking about them; that is no
// failure of ours, and Xlib's default handler would end the test program.
int ignoreVanishedWindows(Display* dpy, XErrorEvent* error)
{
    if (error->error_code == BadWindow || error->error_code == BadDrawable ||
        error->error_code == BadMatch)
        return 0;
    return PreviousHandler ? PreviousHandler(dpy, error) : 0;
}

} // namespace

XWindowProbe::XWindowProbe() : Dpy(XOpenDisplay(0))
{
    if (!Dpy)
        ADD_FAILURE() << "cannot open the X display";
    XErrorHandler previous = XSetErrorHandler(ignoreVanishedWindows);
    if (previous != ignoreVanishedWindows)
        PreviousHandler = previous;
}

XWindowProbe::~XWindowProbe()
{
    if (Dpy)
        XCloseDisplay(Dpy);
    // Only while a probe lives: errors of the code under test stay loud.
    XSetErrorHandler(PreviousHandler);
}

std::string XWindowProbe::windowName(XWindowId w)
{
    std::string name;
    Atom utf8 = XInternAtom(Dpy, "UTF8_STRING", False);
    Atom netName = XInternAtom(Dpy, "_NET_WM_NAME", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = 0;
    if (XGetWindowProperty(Dpy, w, netName, 0, 1024, False, utf8, &type, &format, &count, &after,
                           &data) == Success &&
        data)
    {
        name.assign((const char*)data, count);
        XFree(data);
        if (!name.empty())
            return name;
    }
    XTextProperty text;
    if (XGetWMName(Dpy, w, &text) && text.value)
    {
        name.assign((const char*)text.value, text.nitems);
        XFree(text.value);
    }
    return name;
}

XWindowId XWindowProbe::waitForWindow(const std::string& name, int timeoutMs)
{
    if (!Dpy)
        return 0;
    for (int waited = 0; waited <= timeoutMs; waited += 20)
    {
        Window root, parent, *children = 0;
        unsigned int count = 0;
        if (XQueryTree(Dpy, DefaultRootWindow(Dpy), &root, &parent, &children, &count))
        {
            Window found = 0;
            for (unsigned int i = 0; i < count && !found; ++i)
            {
                XWindowAttributes attributes;
                if (XGetWindowAttributes(Dpy, children[i], &attributes) &&
                    attributes.map_state == IsViewable && windowName(children[i]) == name)
                    found = children[i];
            }
            if (children)
                XFree(children);
            if (found)
                return found;
        }
        timespec pause = {0, 20 * 1000 * 1000};
        nanosleep(&pause, 0);
    }
    return 0;
}

bool XWindowProbe::windowSize(XWindowId w, int& width, int& height)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(Dpy, w, &attributes))
        return false;
    width = attributes.width;
    height = attributes.height;
    return true;
}

void XWindowProbe::sendDeleteWindow(XWindowId w)
{
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = w;
    event.xclient.message_type = XInternAtom(Dpy, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)XInternAtom(Dpy, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(Dpy, w, False, NoEventMask, &event);
    XFlush(Dpy);
}

unsigned long XWindowProbe::pixel(XWindowId w, int x, int y)
{
    XImage* image = XGetImage(Dpy, w, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    const unsigned long value = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return value;
}

std::vector<unsigned long> XWindowProbe::capture(XWindowId w, int x, int y, int width, int height)
{
    std::vector<unsigned long> pixels;
    XImage* image = XGetImage(Dpy, w, x, y, (unsigned)width, (unsigned)height, AllPlanes, ZPixmap);
    if (!image)
        return pixels;
    pixels.reserve((size_t)(width * height));
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            pixels.push_back(XGetPixel(image, column, row) & 0xFFFFFF);
    XDestroyImage(image);
    return pixels;
}

} // namespace testsupport
