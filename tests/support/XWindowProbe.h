#ifndef TESTS_SUPPORT_X_WINDOW_PROBE_H_INCLUDED
#define TESTS_SUPPORT_X_WINDOW_PROBE_H_INCLUDED

#include <string>
#include <vector>

struct _XDisplay;

namespace testsupport
{

//! An X window id; Xlib itself stays out of the tests' headers, its macros
//! clash with GoogleTest.
typedef unsigned long XWindowId;

//! Looks at another program's windows on the test's X server the way a
//! person (or a window manager) would: by name, geometry and pixels.
class XWindowProbe
{
public:
    //! Connects to the display named by DISPLAY.
    XWindowProbe();
    ~XWindowProbe();

    //! Waits up to timeoutMs for a mapped top-level window with that name.
    //! Returns 0 when none appears.
    XWindowId waitForWindow(const std::string& name, int timeoutMs);
    //! The name the window carries (WM_NAME, or _NET_WM_NAME when set).
    std::string windowName(XWindowId w);
    //! Width and height of the window.
    bool windowSize(XWindowId w, int& width, int& height);
    //! Asks the window to close, as a window manager's close box does.
    void sendDeleteWindow(XWindowId w);
    //! Pixel of the window as 0xRRGGBB.
    unsigned long pixel(XWindowId w, int x, int y);
    //! A rectangle of the window, row by row, each pixel as 0xRRGGBB.
    std::vector<unsigned long> capture(XWindowId w, int x, int y, int width, int height);

private:
    ::_XDisplay* Dpy;
};

} // namespace testsupport

#endif
