#ifndef PLATFORM_X11_C_X11_INPUT_CONTEXT_H_INCLUDED
#define PLATFORM_X11_C_X11_INPUT_CONTEXT_H_INCLUDED

#include "platform/x11/CX11MethodContext.h"
#include "platform/x11/X11KeyLookup.h"

#include <irrlicht.h>

#include <X11/Xlib.h>

#include <deque>

namespace irr
{
namespace ime
{
namespace x11
{

class CX11ServerSession;

//! The user's X input method on the window, opened in the user's locale
//! with the modifiers of XMODIFIERS. A server named there runs on a
//! connection and thread of its own (CX11ServerSession), so that the
//! program's thread waits for it only within time limits: a server that
//! does not answer in time is left to itself while Xlib's built-in method types
//! plain keys, and composes again once it answers. The built-in method also
//! serves while the server is absent or gone; the server is used again as
//! soon as one of that name is there.
class CX11InputContext
{
public:
    CX11InputContext();
    ~CX11InputContext();

    //! Opens the input method for the window, which selects windowEvents
    //! and whatever the input method needs on top. Waits a bounded time for
    //! a named server. False when no method could be opened; the window
    //! then gets plain keys only.
    bool open(Display* display, Window window, long windowEvents);
    //! Closes the method; waits a bounded time for a server.
    void close();
    //! Whether the method XMODIFIERS names has a context on the window: the
    //! server's while it answers, else (no server named) the built-in one.
    bool isOpen() const;
    //! The built-in method's context on the window's connection; null while
    //! a server composes or none is open.
    XIC getHandle() const { return Builtin.getHandle(); }
    //! The input style the context in use reports; false when it does not
    //! answer in time.
    bool queryStyle(unsigned long& style);

    //! Follows the window's keyboard focus.
    void setFocus(bool focused);
    //! Where composed text is shown, in window pixels. Remembered for a
    //! context that is created later.
    void setSpotLocation(s32 x, s32 y);
    //! Asks for the callbacks style, where the box draws the composition,
    //! when the server offers it; else, or when not wanted, for the styles
    //! in the usual order. A change makes a new context.
    void setInlineComposition(bool wanted);
    //! Takes the focus from the server's context and waits a bounded time
    //! for what the server commits on that (Hangul servers commit the
    //! syllable being composed). False when nothing was committed in time.
    bool finishComposition(core::stringw& committed);
    //! Ends a composition in progress without committing it and starts a
    //! new context, which switches composing off with servers that keep it
    //! per context.
    void reset();

    //! Reads what the server has said, notices a server that stopped
    //! answering and one that came back. Call before each event.
    void update();
    //! A key press or release of the window that the window's own
    //! connection did not filter. Its lookup follows from nextLookup, at
    //! once or once the server has answered (see isWaitingForServer).
    void submitKey(const XKeyEvent& event);
    //! The next key lookup or commit, in order.
    bool nextLookup(SKeyLookup& lookup);
    //! A key is with the server; later events wait for its answer, which
    //! comes or is given up within a time limit.
    bool isWaitingForServer() const { return Holding; }

private:
    CX11InputContext(const CX11InputContext&);
    CX11InputContext& operator=(const CX11InputContext&);

    void readServerName();
    void openBuiltin();
    void closeBuiltin();
    void selectEvents();
    void startSession(Window owner);
    void dropSession(u32 timeoutMs);
    void takeSessionResults();
    void stall();
    void releaseHeldKey();
    void watchServer(u32 now);
    void lookupLocally(const XKeyEvent& event);
    void dropComposition();
    bool serverInUse() const;
    static void onBuiltinDestroyed(void* self);

    Display* Dpy;
    Window Win;
    long WindowEvents;
    //! Xlib's own method, or with XMODIFIERS naming no server, whatever
    //! Xlib picks; on the window's connection.
    CX11MethodContext Builtin;
    bool BuiltinNamesNoServer;
    bool BuiltinDestroyed;
    //! The selection of the server XMODIFIERS names; None without one.
    Atom ServerSelection;
    CX11ServerSession* Session;
    Window SessionOwner;
    bool SessionActive;
    bool Stalled;
    u32 Generation;
    u32 NextWatch;
    bool Holding;
    u32 HeldKey;
    u32 HeldSince;
    XKeyEvent HeldEvent;
    std::deque<SKeyLookup> Lookups;
    bool Focused;
    bool HaveSpot;
    XPoint Spot;
    bool InlineWanted;
};

} // end namespace x11
} // end namespace ime
} // end namespace irr

#endif
