#include "platform/x11/CX11ServerSession.h"

#include "platform/PlatformClock.h"

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace irr
{
namespace ime
{
namespace x11
{
namespace
{
// How long a focus loss waits for a server that commits on it; see
// answerFinish.
const u32 FinishGraceMs = 100;

bool samePoint(const XPoint& a, const XPoint& b)
{
    return a.x == b.x && a.y == b.y;
}
} // namespace

CX11ServerSession* CX11ServerSession::start(const char* displayName, Window window, bool focused,
                                            const XPoint* spot, bool inlineComposition)
{
    Display* display = XOpenDisplay(displayName);
    if (!display)
        return 0;
    CX11ServerSession* session = new CX11ServerSession(display, window, focused, spot);
    if (pipe(session->WakePipe) != 0)
    {
        session->release();
        session->release();
        return 0;
    }
    fcntl(session->WakePipe[0], F_SETFL, O_NONBLOCK);
    fcntl(session->WakePipe[1], F_SETFL, O_NONBLOCK);
    session->InlineWanted = inlineComposition;
    session->Method.setCompositionSink(onComposition, session);
    // Made here, in the caller's locale: Xlib's locale set-up then never
    // runs on two threads at once, and no server is asked for it.
    session->Method.makeFontSet(display);
    // The thread holds the second reference; whichever side ends last frees.
    std::thread(&CX11ServerSession::run, session).detach();
    return session;
}

CX11ServerSession::CX11ServerSession(Display* display, Window window, bool focused,
                                     const XPoint* spot)
    : Dpy(display), Win(window), References(2), BusySince(0), Gone(false), Opened(false),
      Quit(false), Finished(false), Focused(focused), HaveSpot(spot != 0), InlineWanted(false),
      ResetCount(0), Generation(0), NextKey(1), QueryAsked(false), QueryAnswered(false),
      QueryOk(false), QueryStyle(0), FinishAsked(0), FinishDone(0), AppliedFocus(focused),
      AppliedHaveSpot(spot != 0), AppliedResets(0), SeenGeneration(0), ServerTookKeys(false),
      LeftBehind(false)
{
    WakePipe[0] = WakePipe[1] = -1;
    Spot = spot ? *spot : XPoint();
    AppliedSpot = Spot;
}

CX11ServerSession::~CX11ServerSession()
{
    for (int fd : WakePipe)
        if (fd >= 0)
            ::close(fd);
    if (Dpy)
        XCloseDisplay(Dpy);
}

void CX11ServerSession::release()
{
    if (--References == 0)
        delete this;
}

void CX11ServerSession::wake()
{
    const char byte = 0;
    if (write(WakePipe[1], &byte, 1) < 0)
    {
        // Full: the thread has wake-ups enough waiting.
    }
}

bool CX11ServerSession::waitUntilOpened(u32 timeoutMs)
{
    std::unique_lock<std::mutex> lock(Lock);
    return Changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return Opened; });
}

void CX11ServerSession::setFocus(bool focused)
{
    {
        std::lock_guard<std::mutex> lock(Lock);
        Focused = focused;
    }
    wake();
}

void CX11ServerSession::setSpotLocation(const XPoint& spot)
{
    {
        std::lock_guard<std::mutex> lock(Lock);
        HaveSpot = true;
        Spot = spot;
    }
    wake();
}

void CX11ServerSession::reset()
{
    {
        std::lock_guard<std::mutex> lock(Lock);
        ++ResetCount;
    }
    wake();
}

void CX11ServerSession::setInlineComposition(bool wanted)
{
    {
        std::lock_guard<std::mutex> lock(Lock);
        if (InlineWanted == wanted)
            return;
        InlineWanted = wanted;
        ++ResetCount;
    }
    wake();
}

// A new context with what the program asks for now: its focus, its spot,
// inline composition or not. Every reset asked for so far is done with it.
void CX11ServerSession::recreateContext()
{
    bool focused, haveSpot;
    XPoint spot;
    {
        std::lock_guard<std::mutex> lock(Lock);
        focused = Focused;
        haveSpot = HaveSpot;
        spot = Spot;
        AppliedResets = ResetCount;
    }
    AppliedFocus = focused;
    AppliedHaveSpot = haveSpot;
    AppliedSpot = spot;
    applyInlineComposition();
    Method.recreateContext(focused, haveSpot ? &spot : 0);
    ServerTookKeys = false;
    LeftBehind = false;
}

void CX11ServerSession::applyInlineComposition()
{
    bool wanted;
    {
        std::lock_guard<std::mutex> lock(Lock);
        wanted = InlineWanted;
    }
    Method.setInlineComposition(wanted);
}

u32 CX11ServerSession::submitKey(const XKeyEvent& event)
{
    u32 number;
    {
        std::lock_guard<std::mutex> lock(Lock);
        number = NextKey++;
        XEvent copy;
        copy.xkey = event;
        Keys.push_back(std::make_pair(number, copy));
    }
    wake();
    return number;
}

bool CX11ServerSession::takeResult(SResult& result)
{
    std::lock_guard<std::mutex> lock(Lock);
    if (Results.empty())
        return false;
    result = Results.front();
    Results.pop_front();
    return true;
}

u32 CX11ServerSession::getBusyMs(u32 nowMs) const
{
    const u32 since = BusySince;
    const s32 busy = (s32)(nowMs - since);
    return since && busy > 0 ? (u32)busy : 0;
}

u32 CX11ServerSession::markStalled()
{
    std::lock_guard<std::mutex> lock(Lock);
    // The keys still waiting are typed by the program without the server.
    Keys.clear();
    return ++Generation;
}

bool CX11ServerSession::queryStyle(unsigned long& style, u32 timeoutMs)
{
    std::unique_lock<std::mutex> lock(Lock);
    QueryAsked = true;
    QueryAnswered = false;
    lock.unlock();
    wake();
    lock.lock();
    if (!Changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                          [this] { return QueryAnswered; }))
        return false;
    style = QueryStyle;
    return QueryOk;
}

bool CX11ServerSession::finishComposition(std::string& utf8, u32 timeoutMs)
{
    std::unique_lock<std::mutex> lock(Lock);
    const u32 number = ++FinishAsked;
    lock.unlock();
    wake();
    lock.lock();
    if (!Changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                          [this, number] { return FinishDone == number; }))
        return false;
    utf8 = FinishText;
    return true;
}

void CX11ServerSession::stop(u32 timeoutMs)
{
    {
        std::unique_lock<std::mutex> lock(Lock);
        Quit = true;
        lock.unlock();
        wake();
        lock.lock();
        Changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return Finished; });
    }
    release();
}

void CX11ServerSession::post(E_RESULT type, u32 key, const SRawKeyLookup* lookup)
{
    SResult result;
    result.Type = type;
    result.Generation = SeenGeneration;
    result.Key = key;
    if (lookup)
        result.Lookup = *lookup;
    std::lock_guard<std::mutex> lock(Lock);
    Results.push_back(result);
}

void CX11ServerSession::onDestroyed(void* self)
{
    ((CX11ServerSession*)self)->Gone = true;
}

// On the session's thread, from the context's callbacks: the program's
// thread publishes it, in order with the commits.
void CX11ServerSession::onComposition(void* self, const SComposition& composition)
{
    CX11ServerSession* session = (CX11ServerSession*)self;
    SResult result;
    result.Type = ER_COMPOSITION;
    result.Generation = session->SeenGeneration;
    result.Key = 0;
    result.Composition = composition;
    std::lock_guard<std::mutex> lock(session->Lock);
    session->Results.push_back(result);
}

bool CX11ServerSession::open()
{
    BusySince = readPlatformClock() | 1;
    // The program's thread keeps the user's locale and modifiers in force
    // until Opened is set: XOpenIM reads them as it begins.
    const bool opened = Method.openMethod(Dpy, Win);
    Method.setDestroyedHandler(onDestroyed, this);
    bool focused;
    XPoint spot;
    bool haveSpot;
    {
        std::lock_guard<std::mutex> lock(Lock);
        focused = AppliedFocus = Focused;
        haveSpot = AppliedHaveSpot = HaveSpot;
        spot = AppliedSpot = Spot;
        AppliedResets = ResetCount;
        SeenGeneration = Generation;
    }
    applyInlineComposition();
    const bool made = opened && Method.createContext(focused, haveSpot ? &spot : 0);
    BusySince = 0;
    post(made ? ER_READY : ER_FAILED, 0);
    {
        std::lock_guard<std::mutex> lock(Lock);
        Opened = true;
    }
    Changed.notify_all();
    return made;
}

void CX11ServerSession::run()
{
    if (open())
    {
        for (;;)
        {
            {
                std::lock_guard<std::mutex> lock(Lock);
                if (Quit)
                    break;
            }
            if (Gone)
            {
                post(ER_GONE, 0);
                break;
            }
            waitForWork();
            work();
        }
    }
    BusySince = readPlatformClock() | 1;
    // The server answers these too; stop waits for them only so long.
    Method.close();
    XCloseDisplay(Dpy);
    Dpy = 0;
    BusySince = 0;
    {
        std::lock_guard<std::mutex> lock(Lock);
        Finished = true;
    }
    Changed.notify_all();
    release();
}

void CX11ServerSession::waitForWork()
{
    // Requests wait in Xlib's buffer, events may wait in its queue: both
    // are dealt with before sleeping on the connection and the wake pipe.
    if (XPending(Dpy))
        return;
    {
        std::lock_guard<std::mutex> lock(Lock);
        if (Quit || !Keys.empty() || QueryAsked || FinishAsked != FinishDone ||
            Focused != AppliedFocus || ResetCount != AppliedResets ||
            Generation != SeenGeneration || (HaveSpot && !samePoint(Spot, AppliedSpot)))
            return;
    }
    pollfd fds[2] = {{ConnectionNumber(Dpy), POLLIN, 0}, {WakePipe[0], POLLIN, 0}};
    poll(fds, 2, -1);
    char drain[64];
    while (read(WakePipe[0], drain, sizeof(drain)) > 0)
    {
    }
}

void CX11ServerSession::work()
{
    BusySince = readPlatformClock() | 1;
    readEvents(0, true);
    applyState();
    for (;;)
    {
        u32 number = 0;
        XEvent event;
        {
            std::lock_guard<std::mutex> lock(Lock);
            if (Keys.empty() || Generation != SeenGeneration)
                break;
            number = Keys.front().first;
            event = Keys.front().second;
            Keys.pop_front();
        }
        handleKey(number, event);
        if (Gone)
            break;
    }
    answerFinish();
    answerQuery();
    u32 generation;
    {
        std::lock_guard<std::mutex> lock(Lock);
        generation = Generation;
    }
    if (generation != SeenGeneration && !Gone)
        recover(generation);
    // A server that refused a new context leaves keys nowhere to go.
    if (!Method.isOpen())
        Gone = true;
    BusySince = 0;
}

void CX11ServerSession::applyState()
{
    bool focused, haveSpot;
    XPoint spot;
    u32 resets;
    {
        std::lock_guard<std::mutex> lock(Lock);
        focused = Focused;
        haveSpot = HaveSpot;
        spot = Spot;
        resets = ResetCount;
    }
    if (resets != AppliedResets)
    {
        // A new context: what was being composed can no longer reach any box.
        recreateContext();
        return;
    }
    if (focused != AppliedFocus)
    {
        AppliedFocus = focused;
        Method.setFocus(focused);
        LeftBehind &= !focused;
    }
    if (haveSpot && (!AppliedHaveSpot || !samePoint(spot, AppliedSpot)))
    {
        AppliedHaveSpot = true;
        AppliedSpot = spot;
        Method.setSpotLocation(spot);
    }
}

void CX11ServerSession::handleKey(u32 number, XEvent event)
{
    event.xany.display = Dpy;
    const bool release = event.type == KeyRelease;
    if (XFilterEvent(&event, None))
    {
        ServerTookKeys |= !release;
        // Servers that forward keys without waiting answer later; a
        // request it must answer brings its answer to this key with it.
        Method.roundTrip();
        readEvents(number, true);
    }
    else
    {
        SRawKeyLookup lookup;
        lookup.Event = event.xkey;
        lookup.Release = release;
        lookup.LookupStatus = XLookupNone;
        lookup.Keysym = NoSymbol;
        if (!release)
            Method.lookup(event.xkey, lookup.Utf8, lookup.Keysym, lookup.LookupStatus);
        post(ER_LOOKUP, number, &lookup);
    }
    post(ER_KEY_DONE, number);
}

// With commits, what the server commits is gathered there instead of
// being posted, and keys it hands back are dropped.
void CX11ServerSession::readEvents(u32 key, bool keep, std::string* commits)
{
    while (!Gone && XPending(Dpy))
    {
        XEvent event;
        XNextEvent(Dpy, &event);
        // The method's own traffic, and its notice that the server went.
        if (XFilterEvent(&event, None))
            continue;
        if ((event.type != KeyPress && event.type != KeyRelease) || event.xkey.window != Win)
            continue;
        SRawKeyLookup lookup;
        lookup.Event = event.xkey;
        lookup.Release = event.type == KeyRelease;
        lookup.LookupStatus = XLookupNone;
        lookup.Keysym = NoSymbol;
        if (!lookup.Release)
            Method.lookup(event.xkey, lookup.Utf8, lookup.Keysym, lookup.LookupStatus);
        if (commits)
            commits->append(lookup.Utf8);
        else if (keep && !(LeftBehind && !lookup.Utf8.empty()))
            post(ER_LOOKUP, key, &lookup);
    }
}

void CX11ServerSession::recover(u32 generation)
{
    // What the server says now about the time it was silent is stale: the
    // program typed those keys itself. A new context drops the composition
    // of that time, as a server that went away would have.
    readEvents(0, false);
    recreateContext();
    readEvents(0, false);
    SeenGeneration = generation;
    if (Method.isOpen())
        post(ER_RECOVERED, 0);
    else
        Gone = true;
}

// Servers answer a focus loss in their own time: fcitx5 within the round
// trip, IBus once its engine has been told (about a millisecond later on an
// idle machine). Only a server that took keys since its context was made or
// last finished can hold a composition, so only then is the grace waited.
void CX11ServerSession::answerFinish()
{
    u32 number;
    {
        std::lock_guard<std::mutex> lock(Lock);
        number = FinishAsked;
        if (number == FinishDone)
            return;
    }
    std::string commits;
    if (ServerTookKeys && Method.unfocusAndWait())
    {
        // Focus goes back with the next work, or with the new context that
        // follows when a box is left.
        AppliedFocus = false;
        readEvents(0, false, &commits);
        const u32 since = readPlatformClock();
        while (commits.empty() && readPlatformClock() - since < FinishGraceMs && !Gone)
        {
            pollfd fd = {ConnectionNumber(Dpy), POLLIN, 0};
            poll(&fd, 1, 10);
            readEvents(0, false, &commits);
        }
        // What the server commits later belongs to the box that was left,
        // and reaches none.
        LeftBehind = true;
    }
    ServerTookKeys = false;
    {
        std::lock_guard<std::mutex> lock(Lock);
        FinishDone = number;
        FinishText = commits;
    }
    Changed.notify_all();
}

void CX11ServerSession::answerQuery()
{
    {
        std::lock_guard<std::mutex> lock(Lock);
        if (!QueryAsked)
            return;
    }
    unsigned long style = 0;
    const bool ok = Method.queryStyle(style);
    {
        std::lock_guard<std::mutex> lock(Lock);
        QueryAsked = false;
        QueryAnswered = true;
        QueryOk = ok;
        QueryStyle = style;
    }
    Changed.notify_all();
}

} // end namespace x11
} // end namespace ime
} // end namespace irr
