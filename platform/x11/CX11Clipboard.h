#ifndef PLATFORM_X11_C_X11_CLIPBOARD_H_INCLUDED
#define PLATFORM_X11_C_X11_CLIPBOARD_H_INCLUDED

#include <X11/Xlib.h>

#include <string>

namespace irr
{
namespace ime
{
namespace x11
{

//! The CLIPBOARD selection of the demo's window, spoken with other X
//! clients the way they expect: UTF8_STRING in UTF-8, STRING and TEXT in
//! the user's locale, large transfers in increments. The program's side is
//! always multibyte text in the user's locale.
class CX11Clipboard
{
public:
    CX11Clipboard();

    //! Starts serving the selection for the window on that connection.
    void attach(Display* display, Window window);
    //! Stops: the connection is about to close.
    void detach();

    //! Takes the selection with this text.
    void setText(const std::string& localeBytes);
    //! The clipboard's text as locale bytes; false when there is none or the
    //! owner did not answer in time. Another client's UTF-8 comes with the
    //! locale's replacement mark for each character the locale cannot write.
    bool getText(std::string& localeBytes);

    //! Selection traffic for the window: requests for our text and the loss
    //! of ownership. Returns true when the event was one of them.
    bool handleEvent(XEvent& event);

private:
    bool convertFromOwner(Atom target, std::string& data);
    bool waitForEvent(int type, XEvent& event, Atom what);
    bool readProperty(std::string& data, Atom& type);
    void answerRequest(const XSelectionRequestEvent& request);

    Display* Dpy;
    Window Win;
    Atom Clipboard, Targets, Utf8String, Text, Incr, Transfer;
    bool Owned;
    std::string Contents;
};

} // end namespace x11
} // end namespace ime
} // end namespace irr

#endif
