#ifndef IME_X11_C_X11_INPUT_CONTEXT_H_INCLUDED
#define IME_X11_C_X11_INPUT_CONTEXT_H_INCLUDED

#include "ime/x11/CX11PreeditCallbacks.h"

#include <irrlicht.h>

#include <X11/Xlib.h>

namespace irr
{
namespace ime
{
namespace x11
{

//! The user's X input method and one input context on a window. Opened in
//! the user's locale with the modifiers of XMODIFIERS, so that the server the
//! user runs (or Xlib's built-in method without one) composes the text. When
//! the server goes away the context is dropped and comes back once a server
//! is there again; meanwhile keys are looked up without an input method.
class CX11InputContext
{
public:
    CX11InputContext();
    ~CX11InputContext();

    //! Opens the input method for the window, which selects windowEvents
    //! and whatever the input method needs on top. False when none could be
    //! opened; the window then gets plain keys only.
    bool open(Display* display, Window window, long windowEvents);
    void close();
    bool isOpen() const { return Context != 0; }
    //! The Xlib input context; null while none is open. Valid until the
    //! next open, close or reset, or until the server goes away.
    XIC getHandle() const { return Context; }

    //! Follows the window's keyboard focus.
    void setFocus(bool focused);

    //! Looks up a key press that the input method did not filter. Returns
    //! the text it typed or committed, decoded once, from the UTF-8 Xlib
    //! gives (a character the user's locale cannot write is its replacement
    //! mark), and sets keysym (NoSymbol when there is none) and status
    //! (XLookupChars, XLookupKeySym, XLookupBoth or XLookupNone). The text
    //! stays valid until the next lookup. Without an input method there is
    //! no text, only the keysym.
    const core::stringw& lookup(XKeyEvent& event, KeySym& keysym, int& status);

    //! Where composed text is shown, in window pixels. Remembered for a
    //! context that is created later.
    void setSpotLocation(s32 x, s32 y);

    //! Asks for the callbacks style, where the box draws the composition,
    //! when the server offers it; else, or when not wanted, for the styles
    //! in the usual order. A change makes a new context.
    void setInlineComposition(bool wanted);

    //! Ends a composition in progress without committing it and starts a
    //! new context, which switches composing off with servers that keep it
    //! per context.
    void reset();

private:
    CX11InputContext(const CX11InputContext&);
    CX11InputContext& operator=(const CX11InputContext&);

    bool openMethod();
    bool makeFontSet();
    bool createContext();
    void watchForServer(bool watch);
    static void onMethodDestroyed(XIM method, XPointer self, XPointer unused);
    static void onServerAvailable(Display* display, XPointer self, XPointer unused);

    Display* Dpy;
    Window Win;
    long WindowEvents;
    XIM Method;
    XIC Context;
    XFontSet FontSet;
    bool Focused;
    bool WatchingForServer;
    bool HaveSpot;
    XPoint Spot;
    bool InlineWanted;
    CX11PreeditCallbacks Preedit;
    core::array<c8> Buffer;
    //! The last lookup's text.
    core::stringw Text;
};

} // end namespace x11
} // end namespace ime
} // end namespace irr

#endif
