#include "ime/x11/CX11InputContext.h"

#include "ime/UserLocaleText.h"

#include <X11/Xutil.h>

namespace irr
{
namespace ime
{
namespace x11
{
namespace
{
// Enough for any key and most commits; a longer commit grows it once.
const u32 InitialBufferSize = 64;

// The fonts a server draws the composition with in the cursor-following
// style: any medium upright face near the demo's text size, else any font at
// all, so that the style is not refused on a machine with few X fonts.
const char* const PreeditFontNames =
    "-*-*-medium-r-normal--16-*-*-*-*-*-*-*,-*-*-*-*-*-*-16-*-*-*-*-*-*-*,*";
} // namespace

CX11InputContext::CX11InputContext()
    : Dpy(0), Win(0), WindowEvents(0), Method(0), Context(0), FontSet(0), Focused(false),
      WatchingForServer(false), HaveSpot(false), InlineWanted(false)
{
    Spot.x = 0;
    Spot.y = 0;
}

CX11InputContext::~CX11InputContext()
{
    close();
}

bool CX11InputContext::open(Display* display, Window window, long windowEvents)
{
    close();
    Dpy = display;
    Win = window;
    WindowEvents = windowEvents;
    if (Buffer.size() < InitialBufferSize)
        Buffer.set_used(InitialBufferSize);
    if (openMethod() && createContext())
        return true;
    if (Method)
        XCloseIM(Method);
    Method = 0;
    XSelectInput(Dpy, Win, WindowEvents);
    return false;
}

void CX11InputContext::close()
{
    watchForServer(false);
    Preedit.forgetContext();
    if (Context)
        XDestroyIC(Context);
    Context = 0;
    if (Method)
        XCloseIM(Method);
    Method = 0;
    if (FontSet)
        XFreeFontSet(Dpy, FontSet);
    FontSet = 0;
    Dpy = 0;
    Win = 0;
}

bool CX11InputContext::makeFontSet()
{
    if (FontSet)
        return true;
    // A font set belongs to the locale it was made in: the user's, as the method.
    CUserLocaleScope userLocale;
    char** missing = 0;
    int missingCount = 0;
    char* defaultString = 0;
    FontSet = XCreateFontSet(Dpy, PreeditFontNames, &missing, &missingCount, &defaultString);
    // Charsets without a font only show as blanks in the server's window.
    if (missing)
        XFreeStringList(missing);
    return FontSet != 0;
}

bool CX11InputContext::openMethod()
{
    // The method's encoding is the locale in force when it opens: the
    // user's, the same one the pump decodes commits in.
    CUserLocaleScope userLocale;
    if (!XSupportsLocale())
        return false;
    XSetLocaleModifiers("");
    Method = XOpenIM(Dpy, 0, 0, 0);
    if (!Method)
    {
        // The server XMODIFIERS names is not running: Xlib's built-in method
        // still gives compose sequences and keys mapped to any character.
        XSetLocaleModifiers("@im=none");
        Method = XOpenIM(Dpy, 0, 0, 0);
    }
    if (!Method)
        return false;

    XIMCallback destroyed;
    destroyed.client_data = (XPointer)this;
    destroyed.callback = (XIMProc)onMethodDestroyed;
    XSetIMValues(Method, XNDestroyCallback, &destroyed, (char*)0);
    return true;
}

bool CX11InputContext::createContext()
{
    XIMStyles* styles = 0;
    if (XGetIMValues(Method, XNQueryInputStyle, &styles, (char*)0) || !styles)
        return false;
    bool position = false, root = false, none = false;
    XIMStyle callbacks = 0;
    for (unsigned short i = 0; i < styles->count_styles; ++i)
    {
        const XIMStyle s = styles->supported_styles[i];
        if (!callbacks && CX11PreeditCallbacks::isCallbacksStyle(s))
            callbacks = s;
        position |= s == (XIMPreeditPosition | XIMStatusNothing);
        root |= s == (XIMPreeditNothing | XIMStatusNothing);
        none |= s == (XIMPreeditNone | XIMStatusNone);
    }
    XFree(styles);

    // Composition at the text cursor where the server can do it; else in
    // the server's own window; else keys pass through the method untouched.
    // The cursor-following style is refused without a font set, even by
    // servers that draw with fonts of their own.
    // The box draws the composition itself where the server lets it.
    if (InlineWanted && callbacks)
        Context = Preedit.createContext(Method, Win, callbacks);
    if (!Context && position && makeFontSet())
    {
        XVaNestedList preedit =
            XVaCreateNestedList(0, XNSpotLocation, &Spot, XNFontSet, FontSet, (char*)0);
        Context =
            XCreateIC(Method, XNInputStyle, XIMPreeditPosition | XIMStatusNothing, XNClientWindow,
                      Win, XNFocusWindow, Win, XNPreeditAttributes, preedit, (char*)0);
        XFree(preedit);
    }
    if (!Context && root)
        Context = XCreateIC(Method, XNInputStyle, XIMPreeditNothing | XIMStatusNothing,
                            XNClientWindow, Win, XNFocusWindow, Win, (char*)0);
    if (!Context && none)
        Context = XCreateIC(Method, XNInputStyle, XIMPreeditNone | XIMStatusNone, XNClientWindow,
                            Win, XNFocusWindow, Win, (char*)0);
    if (!Context)
        return false;

    long filterEvents = 0;
    XGetICValues(Context, XNFilterEvents, &filterEvents, (char*)0);
    XSelectInput(Dpy, Win, WindowEvents | filterEvents);
    if (HaveSpot)
        setSpotLocation(Spot.x, Spot.y);
    if (Focused)
        XSetICFocus(Context);
    return true;
}

void CX11InputContext::watchForServer(bool watch)
{
    if (watch == WatchingForServer || !Dpy)
        return;
    // Xlib watches for a server of the locale and modifiers in force now:
    // the user's, as when the method was opened.
    CUserLocaleScope userLocale;
    XSetLocaleModifiers("");
    if (watch)
        XRegisterIMInstantiateCallback(Dpy, 0, 0, 0, (XIDProc)onServerAvailable, (XPointer)this);
    else
        XUnregisterIMInstantiateCallback(Dpy, 0, 0, 0, (XIDProc)onServerAvailable, (XPointer)this);
    WatchingForServer = watch;
}

void CX11InputContext::onMethodDestroyed(XIM, XPointer self, XPointer)
{
    // Xlib has freed the method and its contexts already: forget them, and
    // open again when a server comes back.
    CX11InputContext* context = (CX11InputContext*)self;
    context->Context = 0;
    context->Method = 0;
    context->Preedit.forgetContext();
    XSelectInput(context->Dpy, context->Win, context->WindowEvents);
    context->watchForServer(true);
}

void CX11InputContext::onServerAvailable(Display*, XPointer self, XPointer)
{
    CX11InputContext* context = (CX11InputContext*)self;
    if (context->Context)
        return;
    if (context->openMethod() && context->createContext())
    {
        context->watchForServer(false);
        return;
    }
    if (context->Method)
        XCloseIM(context->Method);
    context->Method = 0;
}

void CX11InputContext::setFocus(bool focused)
{
    Focused = focused;
    if (!Context)
        return;
    if (focused)
        XSetICFocus(Context);
    else
        XUnsetICFocus(Context);
}

const core::stringw& CX11InputContext::lookup(XKeyEvent& event, KeySym& keysym, int& status)
{
    keysym = NoSymbol;
    Text = "";
    if (!Context)
    {
        // Without a method Xlib's text is Latin-1 whatever the locale, so
        // only the keysym is passed on; its character is known anyway.
        XLookupString(&event, Buffer.pointer(), (int)Buffer.size(), &keysym, 0);
        status = keysym != NoSymbol ? XLookupKeySym : XLookupNone;
        return Text;
    }
    // UTF-8 whatever the locale, decoded here: Xlib cannot turn
    // every commit into the locale's encoding itself (fcitx5's compound text
    // carries a UTF-8 segment that an EUC-JP locale refuses), and a commit it
    // fails to convert is gone, so it must never be asked to.
    Status lookupStatus = 0;
    s32 size = Xutf8LookupString(Context, &event, Buffer.pointer(), (int)Buffer.size(), &keysym,
                                 &lookupStatus);
    if (lookupStatus == XBufferOverflow)
    {
        // The same event again returns the same commit: only the room was short.
        Buffer.set_used((u32)size + 1);
        size = Xutf8LookupString(Context, &event, Buffer.pointer(), (int)Buffer.size(), &keysym,
                                 &lookupStatus);
    }
    status = lookupStatus;
    if (status != XLookupChars && status != XLookupBoth)
        return Text;
    // A character the locale cannot write is shown as its replacement mark
    // rather than taking the rest of the commit with it.
    utf8ToWideForUserLocale(std::string(Buffer.pointer(), (size_t)size), Text);
    return Text;
}

void CX11InputContext::setSpotLocation(s32 x, s32 y)
{
    HaveSpot = true;
    Spot.x = (short)x;
    Spot.y = (short)y;
    // uim-xim stops composing for a context of the callbacks style that is
    // told a spot; such a server places its windows itself.
    if (!Context || Preedit.ownsContext(Context))
        return;
    XVaNestedList preedit = XVaCreateNestedList(0, XNSpotLocation, &Spot, (char*)0);
    XSetICValues(Context, XNPreeditAttributes, preedit, (char*)0);
    XFree(preedit);
}

void CX11InputContext::setInlineComposition(bool wanted)
{
    if (wanted == InlineWanted)
        return;
    InlineWanted = wanted;
    reset();
}

void CX11InputContext::reset()
{
    // The old context's composition can no longer be committed anywhere.
    Preedit.forgetContext();
    if (!Context)
        return;
    // A new context: what was being composed in the old one can no longer
    // reach any box, whatever the server does with it, and fcitx5 and uim
    // start every context with composing off. None of the servers tried
    // (fcitx5, IBus, uim) acts on XNPreeditState or on a reset for that.
    // IBus keeps Anthy's mode in its engine, shared by all programs, where
    // no client can reach it.
    XDestroyIC(Context);
    Context = 0;
    if (createContext())
        return;
    // The server took the old context but refuses a new one: plain keys
    // until a server comes again.
    XCloseIM(Method);
    Method = 0;
    XSelectInput(Dpy, Win, WindowEvents);
    watchForServer(true);
}

} // end namespace x11
} // end namespace ime
} // end namespace irr
