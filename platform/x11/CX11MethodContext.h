#ifndef PLATFORM_X11_C_X11_METHOD_CONTEXT_H_INCLUDED
#define PLATFORM_X11_C_X11_METHOD_CONTEXT_H_INCLUDED

#include "platform/x11/CX11PreeditCallbacks.h"

#include <irrlicht.h>

#include <X11/Xlib.h>

#include <string>

namespace irr
{
namespace ime
{
namespace x11
{

//! One X input method and one input context on a window, on whatever
//! connection and thread the owner uses. It switches no locale: the caller
//! has the user's locale and modifiers in force while the method and its
//! font set are made. Every call may wait for the server without a bound;
//! CX11InputContext decides on which thread that is allowed.
class CX11MethodContext
{
public:
    CX11MethodContext();
    ~CX11MethodContext();

    //! Opens the method of the modifiers in force on the display, for the
    //! window. False when no method could be opened.
    bool openMethod(Display* display, Window window);
    //! Makes the font set the cursor-following style needs on the display,
    //! in the locale in force. Harmless to call again.
    void makeFontSet(Display* display);
    //! Creates the context: of the callbacks style when inline composition
    //! is wanted and the method offers it, else preferring the
    //! cursor-following style. False when the method offers no style we can
    //! use or refuses them all.
    bool createContext(bool focused, const XPoint* spot);
    //! Whether the next context should let the box draw the composition
    //! (setInlineComposition on the platform layer).
    void setInlineComposition(bool wanted) { InlineWanted = wanted; }
    //! Where a callbacks-style context's composition goes; see
    //! CX11PreeditCallbacks::setSink.
    void setCompositionSink(CX11PreeditCallbacks::CompositionSink sink, void* data)
    {
        Preedit.setSink(sink, data);
    }
    //! Destroys the context and closes the method; the font set goes too.
    void close();
    //! Called from Xlib when the server goes away: the method and its
    //! context are freed already and are forgotten here.
    void setDestroyedHandler(void (*handler)(void*), void* data);

    bool isOpen() const { return Context != 0; }
    bool hasMethod() const { return Method != 0; }
    XIC getHandle() const { return Context; }
    //! The events the context wants to filter on top of the window's own.
    long getFilterEvents() const { return FilterEvents; }

    void setFocus(bool focused);
    void setSpotLocation(const XPoint& spot);
    //! A request the server must answer, and answers only after what it
    //! was sent before: once it returns, the server's answer to a key it
    //! was forwarded is in the connection's queue. Asks nothing of a
    //! callbacks-style context. False without a context.
    bool roundTrip();
    //! Takes the focus from the context and waits until the server has
    //! dealt with it, for every style: what the server commits on losing
    //! the focus is then in the connection's queue. False without a context.
    bool unfocusAndWait();
    //! Drops the context and makes a new one with the same focus and spot.
    bool recreateContext(bool focused, const XPoint* spot);

    //! Looks up a key press as UTF-8, growing the buffer when a commit does
    //! not fit; status as Xutf8LookupString gives it.
    void lookup(XKeyEvent& event, std::string& text, KeySym& keysym, int& status);
    //! The style the server reports for the context; false when it does not
    //! answer the query.
    bool queryStyle(unsigned long& style);

private:
    CX11MethodContext(const CX11MethodContext&);
    CX11MethodContext& operator=(const CX11MethodContext&);

    void closeMethod();
    static void onMethodDestroyed(XIM method, XPointer self, XPointer unused);

    Display* Dpy;
    Window Win;
    XIM Method;
    XIC Context;
    XFontSet FontSet;
    long FilterEvents;
    void (*DestroyedHandler)(void*);
    void* DestroyedData;
    core::array<c8> Buffer;
    bool InlineWanted;
    CX11PreeditCallbacks Preedit;
};

} // end namespace x11
} // end namespace ime
} // end namespace irr

#endif
