#include "ime/x11/CX11DeviceWindow.h"

#include "ime/CUserLocaleScope.h"
#include "ime/x11/CX11ClipboardOperator.h"
#include "ime/x11/X11KeyMap.h"

#include <X11/XKBlib.h>
#include <X11/Xutil.h>

#include <climits>
#include <cwchar>

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

//! Decodes up to two characters of the input method's text. Returns how
//! many there were (2 meaning two or more), -1 for bytes the user's locale
//! does not know.
s32 decodeCharacters(const c8* text, s32 length, wchar_t& first)
{
    first = 0;
    if (length <= 0)
        return 0;
    // Latin keys type single ASCII bytes in every locale the demo meets;
    // they need no locale switch.
    if (length == 1 && (unsigned char)text[0] < 0x80)
    {
        first = (wchar_t)(unsigned char)text[0];
        return 1;
    }
    CUserLocaleScope userLocale;
    mbstate_t state = {};
    s32 count = 0;
    for (s32 at = 0; at < length && count < 2; ++count)
    {
        wchar_t c = 0;
        const size_t used = mbrtowc(&c, text + at, (size_t)(length - at), &state);
        if (used == (size_t)-1 || used == (size_t)-2)
            return -1;
        if (count == 0)
            first = c;
        at += used ? (s32)used : 1;
    }
    return count;
}

//! The character as multibyte text in the user's locale, as an input
//! method would have committed it. False when the locale cannot express it.
bool encodeCharacter(wchar_t c, core::stringc& bytes)
{
    CUserLocaleScope userLocale;
    char buffer[MB_LEN_MAX];
    mbstate_t state = {};
    const size_t length = wcrtomb(buffer, c, &state);
    if (length == (size_t)-1)
        return false;
    bytes = core::stringc(buffer, (u32)length);
    return true;
}

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
    : Dpy(0), Win(0), DeleteWindow(0), Protocols(0), Focused(false), ClipboardOperator(0)
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

bool CX11DeviceWindow::handleKeyPress(IrrlichtDevice* device, XKeyEvent& event,
                                      core::stringc& committed)
{
    s32 length = 0;
    KeySym keysym = NoSymbol;
    int status = XLookupNone;
    const c8* text = InputContext.lookup(event, length, keysym, status);

    // Text without a key is what the input method composed.
    if (status == XLookupChars)
    {
        committed = core::stringc(text, (u32)length);
        return length > 0;
    }
    if (status == XLookupNone)
        return false;

    wchar_t character = 0;
    s32 count;
    if (InputContext.isOpen())
    {
        count = decodeCharacters(text, length, character);
    }
    else
    {
        character = characterForKeysym(keysym);
        count = character ? 1 : 0;
    }

    EKEY_CODE key;
    if (engineKey(event, keysym, key) && count <= 1)
    {
        Translator.postKeyEvent(device, key, count == 1 ? character : 0, true, event.state);
        return false;
    }
    if (count <= 0)
        return false;

    // A key the engine has no code for (a kanji keysym, an accented letter)
    // types through the same path as a composed string.
    if (InputContext.isOpen())
    {
        committed = core::stringc(text, (u32)length);
        return true;
    }
    return encodeCharacter(character, committed);
}

void CX11DeviceWindow::handleKeyRelease(IrrlichtDevice* device, XKeyEvent& event)
{
    // The input method looks up presses only; a release is read plainly.
    char ignored[16];
    KeySym keysym = NoSymbol;
    XLookupString(&event, ignored, sizeof(ignored), &keysym, 0);
    EKEY_CODE key;
    if (engineKey(event, keysym, key))
        Translator.postKeyEvent(device, key, characterForKeysym(keysym), false, event.state);
}

bool CX11DeviceWindow::dispatchNextEvent(IrrlichtDevice* device, SPlatformMessage& message,
                                         core::stringc& committed)
{
    if (!Dpy || !XPending(Dpy))
        return false;
    XEvent event;
    XNextEvent(Dpy, &event);
    message.Type = EPMT_OTHER;
    message.HasResultString = false;

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

    switch (event.type)
    {
    case KeyPress:
        if (handleKeyPress(device, event.xkey, committed))
        {
            message.Type = EPMT_IME_COMPOSITION;
            message.HasResultString = true;
        }
        break;
    case KeyRelease:
        handleKeyRelease(device, event.xkey);
        break;
    case ButtonPress:
    case ButtonRelease:
    case MotionNotify:
        Translator.postPointerEvent(device, event);
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

} // end namespace x11
} // end namespace ime
} // end namespace irr
