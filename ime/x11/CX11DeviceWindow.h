#ifndef IME_X11_C_X11_DEVICE_WINDOW_H_INCLUDED
#define IME_X11_C_X11_DEVICE_WINDOW_H_INCLUDED

#include "ime/InputMethodPlatform.h"
#include "ime/x11/CX11Clipboard.h"
#include "ime/x11/CX11EventTranslator.h"
#include "ime/x11/CX11InputContext.h"

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
//! engine is given the window with its input ignored; this class reads the
//! events and tells the engine what they mean.
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
    //! method filter it, posts what it means to the device (which may be
    //! null) and describes it in message. A commit's bytes (multibyte, in
    //! the user's locale) go to committed. False when nothing was pending.
    bool dispatchNextEvent(IrrlichtDevice* device, SPlatformMessage& message,
                           core::stringc& committed);

private:
    CX11DeviceWindow(const CX11DeviceWindow&);
    CX11DeviceWindow& operator=(const CX11DeviceWindow&);

    void setWindowHints(const core::dimension2d<u32>& size);
    void readInitialFocus();
    void setFocus(bool focused);
    void handleFocusChange(const XFocusChangeEvent& event);
    bool handleKeyPress(IrrlichtDevice* device, XKeyEvent& event, core::stringc& committed);
    void handleKeyRelease(IrrlichtDevice* device, XKeyEvent& event);

    Display* Dpy;
    Window Win;
    Atom DeleteWindow;
    Atom Protocols;
    bool Focused;
    CX11InputContext InputContext;
    CX11EventTranslator Translator;
    CX11Clipboard Clipboard;
    CX11ClipboardOperator* ClipboardOperator;
};

} // end namespace x11
} // end namespace ime
} // end namespace irr

#endif
