#include "platform/x11/CX11DeviceWindow.h"

#include "text/UserLocaleText.h"
#include "platform/x11/CX11ClipboardOperator.h"
#include "platform/x11/X11KeyMap.h"

#include <X11/XKBlib.h>
#include <X11/Xutil.h>

namespace irr
{
namespace ime
{
namespace x11
{
namespace
{

const long WindowEvents = KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask |
                          PointerMotionMask | FocusChangeMask | StructureNotifyMask | ExposureMask |
                          PropertyChangeMask;

//! The engine key for a key event: what the key types now, else what it
//! types unshifted, so that Shift+1 is still KEY_KEY_1 as it is on Windows.
bool engineKey(XKeyEvent& event, KeySym typed, EKEY_CODE& key)
{
    if (typed != NoSymbol && engineKeyForKeysym(typed, key))
        return true;
    const KeySym plain = XLookupKeysym(&event, 0);
    return plain != NoSymbol && engineKeyForKeysym(plain, key);
}

} // namespace

CX11DeviceWindow::CX11DeviceWindow()
    : Dpy(0), Win(0), DeleteWindow(0), Protocols(0), Focused(false), ClipboardOperator(0),
      HasPendingEvent(false)
{
}

CX11DeviceWindow::~CX11DeviceWindow()
{
    // Edit boxes may hold the operator longer than the window lives.
    if (ClipboardOperator)
    {
        ClipboardOperator->detach();
        ClipboardOperator->drop();
    }
    Clipboard.detach();
    InputContext.close();
    if (Dpy)
    {
        if (Win)
            XDestroyWindow(Dpy, Win);
        XCloseDisplay(Dpy);
    }
}

bool CX11DeviceWindow::open(const core::dimension2d<u32>& size)
{
    // The input-method server gets a connection and a thread of its own.
    XInitThreads();
    Dpy = XOpenDisplay(0);
    if (!Dpy)
        return false;

    XSetWindowAttributes attributes = {};
    // No background: the engine paints every pixel each frame, and a
    // cleared background would only flicker through.
    attributes.background_pixmap = None;
    attributes.border_pixel = 0;
    attributes.event_mask = WindowEvents;
    Win = XCreateWindow(Dpy, DefaultRootWindow(Dpy), 0, 0, size.Width, size.Height, 0,
                        CopyFromParent, InputOutput, CopyFromParent,
                        CWBackPixmap | CWBorderPixel | CWEventMask, &attributes);
    if (!Win)
        return false;
    setWindowHints(size);

    InputContext.open(Dpy, Win, WindowEvents);
    // Held keys then repeat as presses without releases in between, as on
    // every other platform the engine runs on.
    Bool detectable = False;
    XkbSetDetectableAutoRepeat(Dpy, True, &detectable);

    Clipboard.attach(Dpy, Win);
    XMapRaised(Dpy, Win);
    XSync(Dpy, False);
    readInitialFocus();
    return true;
}

void CX11DeviceWindow::setWindowHints(const core::dimension2d<u32>& size)
{
    // The engine is not told about size changes of a window it did not
    // create, so the window keeps its size.
    XSizeHints* sizeHints = XAllocSizeHints();
    if (sizeHints)
    {
        sizeHints->flags = PSize | PMinSize | PMaxSize;
        sizeHints->width = sizeHints->min_width = sizeHints->max_width = (int)size.Width;
        sizeHints->height = sizeHints->min_height = sizeHints->max_height = (int)size.Height;
        XSetWMNormalHints(Dpy, Win, sizeHints);
        XFree(sizeHints);
    }
    XWMHints* wmHints = XAllocWMHints();
    if (wmHints)
    {
        // Without the input hint some window managers never give the
        // window the keyboard, and so never the input method.
        wmHints->flags = InputHint | StateHint;
        wmHints->input = True;
        wmHints->initial_state = NormalState;
        XSetWMHints(Dpy, Win, wmHints);
        XFree(wmHints);
    }
    Protocols = XInternAtom(Dpy, "WM_PROTOCOLS", False);
    DeleteWindow = XInternAtom(Dpy, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(Dpy, Win, &DeleteWindow, 1);
}

void CX11DeviceWindow::readInitialFocus()
{
    // Focus events tell of changes only; a window mapped where the keyboard
    // already goes (no window manager, focus following the pointer) must
    // look for itself.
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(Dpy, &focus, &revert);
    bool focused = focus == Win;
    if (focus == PointerRoot)
    {
        Window root = 0, child = 0;
        int rootX, rootY, x, y;
        unsigned int mask;
        focused = XQueryPointer(Dpy, DefaultRootWindow(Dpy), &root, &child, &rootX, &rootY, &x, &y,
                                &mask) &&
                  child == Win;
    }
    setFocus(focused);
}

IOSOperator* CX11DeviceWindow::getClipboardOperator(IOSOperator* engineOperator)
{
    if (!ClipboardOperator)
        ClipboardOperator = new CX11ClipboardOperator(engineOperator, &Clipboard);
    return ClipboardOperator;
}

void CX11DeviceWindow::setFocus(bool focused)
{
    Focused = focused;
    InputContext.setFocus(focused);
}

void CX11DeviceWindow::handleFocusChange(const XFocusChangeEvent& event)
{
    // Grabs (a window manager's key binding, a menu elsewhere) lend the
    // keyboard out for a moment; focus moving inside the window is no change.
    if (event.mode == NotifyGrab || event.mode == NotifyUngrab || event.detail == NotifyInferior)
        return;
    setFocus(event.type == FocusIn);
}

void CX11DeviceWindow::setResult(const core::stringw& text, SPlatformMessage& message)
{
    Result = text;
    message.Type = EPMT_IME_COMPOSITION;
    message.HasResultString = true;
    message.ResultText = Result.c_str();
    message.ResultLength = Result.size();
}

void CX11DeviceWindow::handleKeyPress(SKeyLookup& lookup, SPlatformMessage& message)
{
    const int status = lookup.LookupStatus;
    const KeySym keysym = lookup.Keysym;
    const core::stringw& text = lookup.Text;

    // Text without a key is what the input method composed.
    if (status == XLookupChars)
    {
        if (!text.empty())
            setResult(text, message);
        return;
    }
    if (status == XLookupNone)
        return;

    const bool method = lookup.FromMethod;
    const wchar_t character = method ? (text.empty() ? 0 : text[0]) : characterForKeysym(keysym);
    const u32 count = method ? text.size() : (character ? 1 : 0);

    EKEY_CODE key;
    if (engineKey(lookup.Event, keysym, key) && count <= 1)
    {
        message.Type = EPMT_INPUT_EVENT;
        message.Event = makeKeyEvent(key, count == 1 ? character : 0, true, lookup.Event.state);
        return;
    }
    if (count == 0)
        return;

    // A key the engine has no code for (a kanji keysym, an accented letter)
    // types through the same path as a composed string. Without a method
    // nothing has checked the character against the user's locale yet, and
    // the demo's text is what that locale can write.
    if (method)
        setResult(text, message);
    else if (userLocaleCanWrite(character))
        setResult(core::stringw(&character, 1), message);
}

void CX11DeviceWindow::handleKeyRelease(XKeyEvent& event, SPlatformMessage& message)
{
    // The input method looks up presses only; a release is read plainly.
    char ignored[16];
    KeySym keysym = NoSymbol;
    XLookupString(&event, ignored, sizeof(ignored), &keysym, 0);
    EKEY_CODE key;
    if (!engineKey(event, keysym, key))
        return;
    message.Type = EPMT_INPUT_EVENT;
    message.Event = makeKeyEvent(key, characterForKeysym(keysym), false, event.state);
}

void CX11DeviceWindow::handlePointer(const XEvent& event, SPlatformMessage& message)
{
    SEvent events[2];
    const u32 count = Translator.translate(event, events);
    if (count == 0)
        return;
    message.Type = EPMT_INPUT_EVENT;
    message.Event = events[0];
    HasPendingEvent = count == 2;
    if (HasPendingEvent)
        PendingEvent = events[1];
}

bool CX11DeviceWindow::handleWindowEvent(XEvent& event, SPlatformMessage& message)
{
    switch (event.type)
    {
    case ButtonPress:
    case ButtonRelease:
    case MotionNotify:
        handlePointer(event, message);
        break;
    case ClientMessage:
        if (event.xclient.message_type == Protocols && event.xclient.format == 32 &&
            (Atom)event.xclient.data.l[0] == DeleteWindow)
            message.Type = EPMT_QUIT;
        break;
    default:
        break;
    }
    return true;
}

bool CX11DeviceWindow::dispatchNextEvent(SPlatformMessage& message)
{
    if (HasPendingEvent)
    {
        HasPendingEvent = false;
        message.Type = EPMT_INPUT_EVENT;
        message.Event = PendingEvent;
        return true;
    }
    if (!Dpy)
        return false;
    InputContext.update();
    SKeyLookup lookup;
    if (InputContext.nextLookup(lookup))
    {
        if (lookup.Release)
            handleKeyRelease(lookup.Event, message);
        else
            handleKeyPress(lookup, message);
        return true;
    }
    // Later events wait while a key is with the server, so that nothing
    // overtakes it; the wait has a limit (CX11InputContext).
    if (InputContext.isWaitingForServer() || !XPending(Dpy))
        return false;
    XEvent event;
    XNextEvent(Dpy, &event);

    // Everything passes the input method first; what it keeps (keys while
    // composing, its own protocol traffic) goes no further, except what the
    // window must know whoever used it.
    const bool filtered = XFilterEvent(&event, None);
    switch (event.type)
    {
    case FocusIn:
    case FocusOut:
        if (event.xfocus.window == Win)
            handleFocusChange(event.xfocus);
        return true;
    case MappingNotify:
        XRefreshKeyboardMapping(&event.xmapping);
        return true;
    default:
        break;
    }
    if (filtered || event.xany.window != Win || Clipboard.handleEvent(event))
        return true;
    if (event.type == KeyPress || event.type == KeyRelease)
    {
        InputContext.submitKey(event.xkey);
        return true;
    }
    return handleWindowEvent(event, message);
}

} // end namespace x11
} // end namespace ime
} // end namespace irr
