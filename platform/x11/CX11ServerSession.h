#ifndef PLATFORM_X11_C_X11_SERVER_SESSION_H_INCLUDED
#define PLATFORM_X11_C_X11_SERVER_SESSION_H_INCLUDED

#include "platform/x11/CX11MethodContext.h"
#include "platform/x11/X11KeyLookup.h"

#include <irrlicht.h>

#include <X11/Xlib.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>

namespace irr
{
namespace ime
{
namespace x11
{

//! An input-method server's method and context on an X connection and a
//! thread of their own. Xlib waits for a server's answers without a time
//! limit; here only this thread waits, and the program's thread asks and
//! reads answers without blocking, or for a bounded time where it must
//! have the answer (a box being left), so a server that stops answering
//! stops composing but not the program. Made and used by CX11InputContext.
class CX11ServerSession
{
public:
    //! What the session tells the program's thread, in order.
    enum E_RESULT
    {
        //! The context is made: keys may come.
        ER_READY,
        //! No method or no context: the server refused or is not there.
        ER_FAILED,
        //! The server went away; the session has ended.
        ER_GONE,
        //! A key lookup (the key itself, a key handed back, a commit).
        ER_LOOKUP,
        //! Everything a submitted key led to has been reported.
        ER_KEY_DONE,
        //! After a stall: the server answers again, with a new context.
        ER_RECOVERED,
        //! The composition a callbacks-style context shows changed.
        ER_COMPOSITION
    };

    struct SResult
    {
        E_RESULT Type;
        //! The stall count the session had seen when it made the result.
        u32 Generation;
        //! ER_KEY_DONE, ER_LOOKUP: the key it answers, 0 for what the
        //! server sent unasked.
        u32 Key;
        SRawKeyLookup Lookup;
        //! ER_COMPOSITION: the whole composition as it is now.
        SComposition Composition;
    };

    //! Connects to the display and starts the thread, which opens the
    //! method of the locale and modifiers in force (the caller keeps them
    //! until waitUntilOpened returns) and makes a context on the window.
    //! Null when the display cannot be reached.
    static CX11ServerSession* start(const char* displayName, Window window, bool focused,
                                    const XPoint* spot, bool inlineComposition);

    //! Waits up to timeoutMs for the context or for the method's failure.
    //! False on a time-out: the server did not answer in time.
    bool waitUntilOpened(u32 timeoutMs);

    void setFocus(bool focused);
    void setSpotLocation(const XPoint& spot);
    //! Starts a new context, dropping the composition.
    void reset();
    //! Starts a new context that lets the box draw the composition where
    //! the server offers that, or one that does not.
    void setInlineComposition(bool wanted);
    //! Hands the server a key event of the window; returns its number.
    u32 submitKey(const XKeyEvent& event);
    bool takeResult(SResult& result);
    //! How long the thread has been inside Xlib on one piece of work, in
    //! ms; 0 while it waits for work.
    u32 getBusyMs(u32 nowMs) const;
    //! The program has stopped waiting for the server: what the thread is
    //! doing is dropped once it returns, and it starts afresh with a new
    //! context (ER_RECOVERED). Returns the new stall count.
    u32 markStalled();
    //! Takes the focus from the context, on which a Hangul server commits
    //! the syllable it composes, and waits up to timeoutMs for what the
    //! server commits then, as UTF-8. False on a time-out; what the server
    //! commits after that reaches no box.
    bool finishComposition(std::string& utf8, u32 timeoutMs);
    //! The style the server reports for the context, asked on the thread;
    //! false when it does not answer within timeoutMs.
    bool queryStyle(unsigned long& style, u32 timeoutMs);

    //! Ends the session: waits up to timeoutMs for the thread to close the
    //! context, the method and its connection; after that the thread ends
    //! on its own whenever the server lets it. The caller's pointer is
    //! invalid afterwards.
    void stop(u32 timeoutMs);

private:
    CX11ServerSession(Display* display, Window window, bool focused, const XPoint* spot);
    ~CX11ServerSession();
    CX11ServerSession(const CX11ServerSession&);
    CX11ServerSession& operator=(const CX11ServerSession&);

    void release();
    void wake();
    void run();
    bool open();
    void waitForWork();
    void work();
    void applyState();
    void handleKey(u32 number, XEvent event);
    void readEvents(u32 key, bool keep, std::string* commits = 0);
    void recover(u32 generation);
    void answerQuery();
    void answerFinish();
    void post(E_RESULT type, u32 key, const SRawKeyLookup* lookup = 0);
    void recreateContext();
    void applyInlineComposition();
    static void onDestroyed(void* self);
    static void onComposition(void* self, const SComposition& composition);

    Display* Dpy;
    Window Win;
    int WakePipe[2];
    CX11MethodContext Method;
    std::atomic<int> References;
    std::atomic<u32> BusySince;
    bool Gone;

    //! Everything below is shared with the program's thread under Lock.
    mutable std::mutex Lock;
    std::condition_variable Changed;
    bool Opened;
    bool Quit;
    bool Finished;
    bool Focused;
    bool HaveSpot;
    XPoint Spot;
    bool InlineWanted;
    u32 ResetCount;
    u32 Generation;
    u32 NextKey;
    std::deque<std::pair<u32, XEvent>> Keys;
    std::deque<SResult> Results;
    bool QueryAsked;
    bool QueryAnswered;
    bool QueryOk;
    unsigned long QueryStyle;
    //! The last finish asked for and the last one done, by number.
    u32 FinishAsked;
    u32 FinishDone;
    std::string FinishText;

    //! The thread's own view of the shared state.
    bool AppliedFocus;
    bool AppliedHaveSpot;
    XPoint AppliedSpot;
    u32 AppliedResets;
    u32 SeenGeneration;
    //! The server took a key press since the context was made or last
    //! finished: it may be composing.
    bool ServerTookKeys;
    //! The context was finished: it commits to no box until it has the
    //! focus again or a new context replaces it.
    bool LeftBehind;
};

} // end namespace x11
} // end namespace ime
} // end namespace irr

#endif
