#ifndef TESTS_SUPPORT_X_INPUT_DRIVER_H_INCLUDED
#define TESTS_SUPPORT_X_INPUT_DRIVER_H_INCLUDED

#include <string>
#include <vector>

struct _XDisplay;

namespace testsupport
{

//! Plays the user and the keyboard layout on the test's X server: keysyms
//! put on free keys (as a layout with them would), the keyboard focus, and
//! real key and pointer events through xdotool. Xlib stays out of this
//! header; its macros clash with GoogleTest.
class XInputDriver
{
public:
    XInputDriver();
    //! Gives the borrowed keys back their empty mapping.
    ~XInputDriver();

    //! Puts each keysym on a key that has none, so that xdotool sends it
    //! as an ordinary key instead of remapping a key for a moment.
    bool mapKeysyms(const std::vector<unsigned long>& keysyms);
    //! Gives the window the keyboard focus and waits until it has it.
    void focus(unsigned long window);
    //! Moves the focus to a window of the driver's own.
    void focusElsewhere();
    //! Runs xdotool with the arguments; returns its exit status.
    int xdotool(const std::vector<std::string>& arguments);

private:
    XInputDriver(const XInputDriver&);
    XInputDriver& operator=(const XInputDriver&);

    ::_XDisplay* Dpy;
    unsigned long OwnWindow;
    std::vector<int> BorrowedKeycodes;
};

} // namespace testsupport

#endif
