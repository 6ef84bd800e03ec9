#ifndef PLATFORM_X11_C_X11_DEVICE_WINDOW_H_INCLUDED
#define PLATFORM_X11_C_X11_DEVICE_WINDOW_H_INCLUDED

#include "platform/InputMethodPlatform.h"
#include "platform/x11/CX11Clipboard.h"
#include "platform/x11/CX11InputContext.h"
#include "platform/x11/CX11PointerTranslator.h"

#include <irrlicht.h>

#include <X11/Xlib.h>

namespace irr
{
namespace ime
{
namespace x11
{

class CX11ClipboardOperator;

//! The window the engine draws into, on a connection of its own, so that
//! every X event passes the input method before anything else sees it. The
//! engine is given the window with its input ignored; this class creates the
//! window, reads its events and says what they mean for the engine (key and
//! pointer events, committed text, the request to close) in the platform's
//! neutral messages. The pump posts them; nothing here talks to the device.
class CX11DeviceWindow
{
public:
    CX11DeviceWindow();
    ~CX11DeviceWindow();

    //! Connects to the display, maps a window of that size and opens the
    //! user's input method on it. False when there is no display.
    bool open(const core::dimension2d<u32>& size);

    unsigned long getWindowId() const { return Win; }
    bool hasFocus() const { return Focused; }
    CX11InputContext& getInputContext() { return InputContext; }
    //! An OS operator whose clipboard is this window's, made on first use
    //! from the engine's operator; not grabbed for the caller.
    IOSOperator* getClipboardOperator(IOSOperator* engineOperator);

    //! Takes the next pending X event, if there is one, lets the input
    //! method filter it and describes what it means in message, which the
    //! caller has set to EPMT_OTHER: an engine event, or text committed or
    //! typed, as wide characters kept here until the next call. False when
    //! nothing was pending.
    bool dispatchNextEvent(SPlatformMessage& message);

private:
    CX11DeviceWindow(const CX11DeviceWindow&);
    CX11DeviceWindow& operator=(const CX11DeviceWindow&);

    void setWindowHints(const core::dimension2d<u32>& size);
    void readInitialFocus();
    void setFocus(bool focused);
    void handleFocusChange(const XFocusChangeEvent& event);
    bool handleWindowEvent(XEvent& event, SPlatformMessage& message);
    void handleKeyPress(SKeyLookup& lookup, SPlatformMessage& message);
    void handleKeyRelease(XKeyEvent& event, SPlatformMessage& message);
    void handlePointer(const XEvent& event, SPlatformMessage& message);
    void setResult(const core::stringw& text, SPlatformMessage& message);

    Display* Dpy;
    Window Win;
    Atom DeleteWindow;
    Atom Protocols;
    bool Focused;
    CX11InputContext InputContext;
    CX11PointerTranslator Translator;
    CX11Clipboard Clipboard;
    CX11ClipboardOperator* ClipboardOperator;
    //! The second engine event of an X event (a double click after its
    //! press), handed out by the next call.
    bool HasPendingEvent;
    SEvent PendingEvent;
    //! The text of the last message that carried one.
    core::stringw Result;
};

} // end namespace x11
} // end namespace ime
} // end namespace irr

#endif
