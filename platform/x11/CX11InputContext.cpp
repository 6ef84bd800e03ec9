#include "platform/x11/CX11InputContext.h"

#include "text/CUserLocaleScope.h"
#include "platform/PlatformClock.h"
#include "text/UserLocaleText.h"
#include "platform/x11/CX11ServerSession.h"
#include "platform/x11/X11BackendInternals.h"

#include <X11/Xutil.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace irr
{
namespace ime
{
namespace x11
{
namespace
{
// How long a key may wait for the server's answer, or the server may keep
// its thread in one request, before plain typing takes over. Busy servers
// (IBus's Python engines on a loaded machine) answer well within it.
const u32 StallTimeoutMs = 1500;
// How long start-up and a reconnection wait for the server's context.
const u32 OpenTimeoutMs = 1000;
// How long closing waits for the server to let its context and method go.
const u32 ShutdownTimeoutMs = 1000;
// How often a server is looked for while none composes.
const u32 WatchIntervalMs = 500;
// How long a server that refused the method waits for the next try: one
// that has just started may own its selection before it takes clients.
const u32 RetryAfterRefusalMs = 1000;
// How long leaving a box may wait for the server to commit what it
// composes: the user has clicked, so the wait is short; a later commit is
// dropped, as the whole composition was before.
const u32 FinishTimeoutMs = 500;
// How long the tests' query of the style may wait.
const u32 QueryTimeoutMs = 2000;

bool isLater(u32 a, u32 b)
{
    return (s32)(a - b) > 0;
}
} // namespace

CX11InputContext::CX11InputContext()
    : Dpy(0), Win(0), WindowEvents(0), BuiltinNamesNoServer(false), BuiltinDestroyed(false),
      ServerSelection(None), Session(0), SessionOwner(None), SessionActive(false), Stalled(false),
      Generation(0), NextWatch(0), Holding(false), HeldKey(0), HeldSince(0), HeldEvent(),
      Focused(false), HaveSpot(false), InlineWanted(false)
{
    Spot.x = 0;
    Spot.y = 0;
    Builtin.setDestroyedHandler(onBuiltinDestroyed, this);
}

CX11InputContext::~CX11InputContext()
{
    close();
}

void CX11InputContext::readServerName()
{
    // Xlib's own reading of XMODIFIERS: the value of @im= up to the next @.
    ServerSelection = None;
    BuiltinNamesNoServer = false;
    const char* modifiers = getenv("XMODIFIERS");
    const char* im = modifiers ? strstr(modifiers, "@im=") : 0;
    std::string name = im ? im + 4 : "";
    name = name.substr(0, name.find('@'));
    if (name.empty())
        BuiltinNamesNoServer = true;
    else if (name != "none" && name != "local")
        ServerSelection = XInternAtom(Dpy, ("@server=" + name).c_str(), False);
}

bool CX11InputContext::open(Display* display, Window window, long windowEvents)
{
    close();
    Dpy = display;
    Win = window;
    WindowEvents = windowEvents;
    readServerName();
    // The built-in method first: it types until the server's context is
    // there, and Xlib's locale set-up never runs on both threads at once.
    openBuiltin();
    if (ServerSelection != None)
    {
        const Window owner = XGetSelectionOwner(Dpy, ServerSelection);
        if (owner != None)
            startSession(owner);
        NextWatch = readPlatformClock() + WatchIntervalMs;
    }
    selectEvents();
    return serverInUse() || Builtin.isOpen();
}

void CX11InputContext::close()
{
    // Closing: no built-in method takes over from the server.
    Dpy = 0;
    if (Session)
        dropSession(ShutdownTimeoutMs);
    Builtin.close();
    Lookups.clear();
    Holding = false;
    Win = 0;
}

bool CX11InputContext::serverInUse() const
{
    return Session && SessionActive && !Stalled;
}

bool CX11InputContext::isOpen() const
{
    return ServerSelection != None ? serverInUse() : Builtin.isOpen();
}

void CX11InputContext::openBuiltin()
{
    if (Builtin.hasMethod() || !Dpy)
        return;
    // The method's encoding is the locale in force when it opens: the
    // user's, the same one commits are decoded in.
    CUserLocaleScope userLocale;
    XSetLocaleModifiers(BuiltinNamesNoServer ? "" : "@im=none");
    if (Builtin.openMethod(Dpy, Win))
    {
        Builtin.makeFontSet(Dpy);
        if (!Builtin.createContext(Focused, HaveSpot ? &Spot : 0))
            Builtin.close();
    }
    selectEvents();
}

void CX11InputContext::closeBuiltin()
{
    Builtin.close();
    selectEvents();
}

void CX11InputContext::selectEvents()
{
    if (Dpy)
        XSelectInput(Dpy, Win, WindowEvents | (Builtin.isOpen() ? Builtin.getFilterEvents() : 0));
}

void CX11InputContext::onBuiltinDestroyed(void* self)
{
    // Only a server Xlib picked itself goes away; its own method stays.
    CX11InputContext* context = (CX11InputContext*)self;
    context->BuiltinDestroyed = true;
}

void CX11InputContext::startSession(Window owner)
{
    {
        // XOpenIM and the font set read the locale and modifiers in force as
        // they begin, on the session's thread; the wait is bounded.
        CUserLocaleScope userLocale;
        XSetLocaleModifiers("");
        Session = CX11ServerSession::start(DisplayString(Dpy), Win, Focused, HaveSpot ? &Spot : 0,
                                           InlineWanted);
        if (!Session)
            return;
        SessionOwner = owner;
        SessionActive = false;
        Stalled = false;
        Generation = 0;
        Session->waitUntilOpened(OpenTimeoutMs);
    }
    takeSessionResults();
}

void CX11InputContext::dropSession(u32 timeoutMs)
{
    CX11ServerSession* session = Session;
    Session = 0;
    SessionActive = false;
    Stalled = false;
    session->stop(timeoutMs);
    dropComposition();
    if (Dpy)
    {
        openBuiltin();
        releaseHeldKey();
    }
}

void CX11InputContext::takeSessionResults()
{
    CX11ServerSession::SResult result;
    while (Session && Session->takeResult(result))
    {
        const bool current = result.Generation == Generation && !Stalled;
        switch (result.Type)
        {
        case CX11ServerSession::ER_READY:
            SessionActive = true;
            closeBuiltin();
            break;
        case CX11ServerSession::ER_FAILED:
            dropSession(0);
            NextWatch = readPlatformClock() + RetryAfterRefusalMs;
            break;
        case CX11ServerSession::ER_GONE:
            dropSession(0);
            break;
        case CX11ServerSession::ER_RECOVERED:
            if (Stalled && result.Generation == Generation)
            {
                Stalled = false;
                closeBuiltin();
            }
            break;
        case CX11ServerSession::ER_LOOKUP:
            if (current)
            {
                SKeyLookup lookup;
                lookup.Event = result.Lookup.Event;
                lookup.Event.display = Dpy;
                lookup.Release = result.Lookup.Release;
                lookup.FromMethod = true;
                lookup.LookupStatus = result.Lookup.LookupStatus;
                lookup.Keysym = result.Lookup.Keysym;
                // A character the locale cannot write is shown as its
                // replacement mark rather than taking the rest with it.
                if (!result.Lookup.Utf8.empty())
                    utf8ToWideForUserLocale(result.Lookup.Utf8, lookup.Text);
                Lookups.push_back(lookup);
            }
            break;
        case CX11ServerSession::ER_KEY_DONE:
            if (current && Holding && result.Key == HeldKey)
                Holding = false;
            break;
        case CX11ServerSession::ER_COMPOSITION:
            if (current)
                publishComposition(result.Composition);
            break;
        }
    }
}

void CX11InputContext::update()
{
    if (!Dpy)
        return;
    takeSessionResults();
    if (BuiltinDestroyed)
    {
        BuiltinDestroyed = false;
        BuiltinNamesNoServer = false;
        openBuiltin();
    }
    const u32 now = readPlatformClock();
    if (serverInUse() &&
        (Session->getBusyMs(now) > StallTimeoutMs || (Holding && now - HeldSince > StallTimeoutMs)))
        stall();
    watchServer(now);
}

void CX11InputContext::stall()
{
    // The thread stays where Xlib keeps it; the next thing it does once
    // the server answers is to start afresh.
    Stalled = true;
    Generation = Session->markStalled();
    // The server's composition of that time is gone with its context.
    dropComposition();
    openBuiltin();
    releaseHeldKey();
}

void CX11InputContext::releaseHeldKey()
{
    if (!Holding)
        return;
    Holding = false;
    // The built-in method had no context when the window filtered it.
    XEvent event;
    event.xkey = HeldEvent;
    if (!XFilterEvent(&event, None))
        lookupLocally(event.xkey);
}

void CX11InputContext::watchServer(u32 now)
{
    if (ServerSelection == None || serverInUse() || isLater(NextWatch, now))
        return;
    NextWatch = now + WatchIntervalMs;
    // The X server answers this itself, whatever the input-method server does.
    const Window owner = XGetSelectionOwner(Dpy, ServerSelection);
    // A server that went away while silent never answers its thread.
    if (Session && owner != SessionOwner)
        dropSession(0);
    if (!Session && owner != None)
        startSession(owner);
}

void CX11InputContext::submitKey(const XKeyEvent& event)
{
    if (serverInUse())
    {
        Holding = true;
        HeldEvent = event;
        HeldSince = readPlatformClock();
        HeldKey = Session->submitKey(event);
        return;
    }
    lookupLocally(event);
}

void CX11InputContext::lookupLocally(const XKeyEvent& event)
{
    SKeyLookup lookup;
    lookup.Event = event;
    lookup.Release = event.type == KeyRelease;
    lookup.FromMethod = false;
    lookup.LookupStatus = XLookupNone;
    lookup.Keysym = NoSymbol;
    if (!lookup.Release && Builtin.isOpen())
    {
        std::string utf8;
        Builtin.lookup(lookup.Event, utf8, lookup.Keysym, lookup.LookupStatus);
        lookup.FromMethod = true;
        if (!utf8.empty())
            utf8ToWideForUserLocale(utf8, lookup.Text);
    }
    else if (!lookup.Release)
    {
        // Without a method Xlib's text is Latin-1 whatever the locale, so
        // only the keysym is passed on; its character is known anyway.
        char ignored[32];
        XLookupString(&lookup.Event, ignored, sizeof(ignored), &lookup.Keysym, 0);
        lookup.LookupStatus = lookup.Keysym != NoSymbol ? XLookupKeySym : XLookupNone;
    }
    Lookups.push_back(lookup);
}

bool CX11InputContext::nextLookup(SKeyLookup& lookup)
{
    if (Lookups.empty())
        return false;
    lookup = Lookups.front();
    Lookups.pop_front();
    return true;
}

void CX11InputContext::setFocus(bool focused)
{
    Focused = focused;
    Builtin.setFocus(focused);
    if (Session)
        Session->setFocus(focused);
}

void CX11InputContext::setSpotLocation(s32 x, s32 y)
{
    // Boxes place the spot on every layout; the server hears of changes.
    const bool changed = !HaveSpot || Spot.x != (short)x || Spot.y != (short)y;
    HaveSpot = true;
    Spot.x = (short)x;
    Spot.y = (short)y;
    Builtin.setSpotLocation(Spot);
    if (Session && changed)
        Session->setSpotLocation(Spot);
}

void CX11InputContext::setInlineComposition(bool wanted)
{
    if (wanted == InlineWanted)
        return;
    InlineWanted = wanted;
    Builtin.setInlineComposition(wanted);
    if (Session)
        Session->setInlineComposition(wanted);
    if (Builtin.isOpen() && !Builtin.recreateContext(Focused, HaveSpot ? &Spot : 0))
        closeBuiltin();
}

void CX11InputContext::dropComposition()
{
    if (!getComposition().Text.empty())
        publishComposition(SComposition());
}

bool CX11InputContext::finishComposition(core::stringw& committed)
{
    // Answers to earlier keys first, in their order; they may say that the
    // server has gone.
    takeSessionResults();
    // The built-in method drops an unfinished compose sequence, as before.
    if (!serverInUse())
        return false;
    std::string utf8;
    const bool answered = Session->finishComposition(utf8, FinishTimeoutMs);
    // A callbacks-style context may have drawn on the way: what it drew is
    // the left box's, and over.
    takeSessionResults();
    dropComposition();
    if (!answered || utf8.empty())
        return false;
    utf8ToWideForUserLocale(utf8, committed);
    return !committed.empty();
}

void CX11InputContext::reset()
{
    // A new context: what was being composed in the old one can no longer
    // reach any box, whatever the server does with it, and fcitx5 and uim
    // start every context with composing off. None of the servers tried
    // (fcitx5, IBus, uim) acts on XNPreeditState or on a reset for that.
    // IBus keeps Anthy's mode in its engine, shared by all programs, where
    // no client can reach it.
    if (Session && SessionActive)
        Session->reset();
    if (Builtin.isOpen() && !Builtin.recreateContext(Focused, HaveSpot ? &Spot : 0))
        closeBuiltin();
}

bool CX11InputContext::queryStyle(unsigned long& style)
{
    if (serverInUse())
        return Session->queryStyle(style, QueryTimeoutMs);
    return Builtin.queryStyle(style);
}

} // end namespace x11
} // end namespace ime
} // end namespace irr
