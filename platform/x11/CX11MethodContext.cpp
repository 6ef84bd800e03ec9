#include "platform/x11/CX11MethodContext.h"

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

const XIMStyle PositionStyle = XIMPreeditPosition | XIMStatusNothing;
const XIMStyle RootStyle = XIMPreeditNothing | XIMStatusNothing;
const XIMStyle NoneStyle = XIMPreeditNone | XIMStatusNone;
} // namespace

CX11MethodContext::CX11MethodContext()
    : Dpy(0), Win(0), Method(0), Context(0), FontSet(0), FilterEvents(0), DestroyedHandler(0),
      DestroyedData(0), InlineWanted(false)
{
    Buffer.set_used(InitialBufferSize);
}

CX11MethodContext::~CX11MethodContext()
{
    close();
}

void CX11MethodContext::setDestroyedHandler(void (*handler)(void*), void* data)
{
    DestroyedHandler = handler;
    DestroyedData = data;
}

bool CX11MethodContext::openMethod(Display* display, Window window)
{
    closeMethod();
    Dpy = display;
    Win = window;
    if (!XSupportsLocale())
        return false;
    Method = XOpenIM(Dpy, 0, 0, 0);
    if (!Method)
        return false;
    XIMCallback destroyed;
    destroyed.client_data = (XPointer)this;
    destroyed.callback = (XIMProc)onMethodDestroyed;
    XSetIMValues(Method, XNDestroyCallback, &destroyed, (char*)0);
    return true;
}

void CX11MethodContext::makeFontSet(Display* display)
{
    if (FontSet)
        return;
    Dpy = display;
    char** missing = 0;
    int missingCount = 0;
    char* defaultString = 0;
    FontSet = XCreateFontSet(Dpy, PreeditFontNames, &missing, &missingCount, &defaultString);
    // Charsets without a font only show as blanks in the server's window.
    if (missing)
        XFreeStringList(missing);
}

bool CX11MethodContext::createContext(bool focused, const XPoint* spot)
{
    XIMStyles* styles = 0;
    if (!Method || XGetIMValues(Method, XNQueryInputStyle, &styles, (char*)0) || !styles)
        return false;
    bool position = false, root = false, none = false;
    XIMStyle callbacks = 0;
    for (unsigned short i = 0; i < styles->count_styles; ++i)
    {
        const XIMStyle s = styles->supported_styles[i];
        if (!callbacks && CX11PreeditCallbacks::isCallbacksStyle(s))
            callbacks = s;
        position |= s == PositionStyle;
        root |= s == RootStyle;
        none |= s == NoneStyle;
    }
    XFree(styles);

    // Composition at the text cursor where the server can do it; else in
    // the server's own window; else keys pass through the method untouched.
    // The cursor-following style is refused without a font set, even by
    // servers that draw with fonts of their own.
    // The box draws the composition itself where the server lets it.
    XPoint at = spot ? *spot : XPoint();
    if (InlineWanted && callbacks)
        Context = Preedit.createContext(Method, Win, callbacks);
    if (!Context && position && FontSet)
    {
        XVaNestedList preedit =
            XVaCreateNestedList(0, XNSpotLocation, &at, XNFontSet, FontSet, (char*)0);
        Context = XCreateIC(Method, XNInputStyle, PositionStyle, XNClientWindow, Win, XNFocusWindow,
                            Win, XNPreeditAttributes, preedit, (char*)0);
        XFree(preedit);
    }
    if (!Context && root)
        Context = XCreateIC(Method, XNInputStyle, RootStyle, XNClientWindow, Win, XNFocusWindow,
                            Win, (char*)0);
    if (!Context && none)
        Context = XCreateIC(Method, XNInputStyle, NoneStyle, XNClientWindow, Win, XNFocusWindow,
                            Win, (char*)0);
    if (!Context)
        return false;

    FilterEvents = 0;
    XGetICValues(Context, XNFilterEvents, &FilterEvents, (char*)0);
    if (focused)
        XSetICFocus(Context);
    return true;
}

void CX11MethodContext::closeMethod()
{
    // The context's composition can no longer be committed anywhere.
    Preedit.forgetContext();
    if (Context)
        XDestroyIC(Context);
    Context = 0;
    if (Method)
        XCloseIM(Method);
    Method = 0;
}

void CX11MethodContext::close()
{
    closeMethod();
    // The font set belongs to the connection, which may close next.
    if (FontSet)
        XFreeFontSet(Dpy, FontSet);
    FontSet = 0;
}

void CX11MethodContext::onMethodDestroyed(XIM, XPointer self, XPointer)
{
    // Xlib has freed the method and its contexts already.
    CX11MethodContext* context = (CX11MethodContext*)self;
    context->Context = 0;
    context->Method = 0;
    context->Preedit.forgetContext();
    if (context->DestroyedHandler)
        context->DestroyedHandler(context->DestroyedData);
}

void CX11MethodContext::setFocus(bool focused)
{
    if (!Context)
        return;
    if (focused)
        XSetICFocus(Context);
    else
        XUnsetICFocus(Context);
}

void CX11MethodContext::setSpotLocation(const XPoint& spot)
{
    // uim-xim stops composing for a context of the callbacks style that is
    // told a spot; such a server places its windows itself.
    if (!Context || Preedit.ownsContext(Context))
        return;
    XPoint at = spot;
    XVaNestedList preedit = XVaCreateNestedList(0, XNSpotLocation, &at, (char*)0);
    XSetICValues(Context, XNPreeditAttributes, preedit, (char*)0);
    XFree(preedit);
}

bool CX11MethodContext::roundTrip()
{
    if (!Context)
        return false;
    // Not for the callbacks style: Xlib holds back drawing callbacks that
    // arrive while it waits for a reply until the server's next message,
    // which may not come before the user's next key (seen with uim).
    if (Preedit.ownsContext(Context))
        return true;
    // Setting a value waits for the server's reply, which it sends only
    // after it has dealt with everything sent before. The focus window is
    // set again as it is: every style has one and no server acts on it.
    XSetICValues(Context, XNFocusWindow, Win, (char*)0);
    return true;
}

bool CX11MethodContext::unfocusAndWait()
{
    if (!Context)
        return false;
    XUnsetICFocus(Context);
    // A callbacks-style context too: what Xlib holds back now is drawing
    // for a composition that ends here.
    XSetICValues(Context, XNFocusWindow, Win, (char*)0);
    return true;
}

bool CX11MethodContext::recreateContext(bool focused, const XPoint* spot)
{
    // A new context: what was being composed in the old one is gone.
    Preedit.forgetContext();
    if (Context)
        XDestroyIC(Context);
    Context = 0;
    return createContext(focused, spot);
}

void CX11MethodContext::lookup(XKeyEvent& event, std::string& text, KeySym& keysym, int& status)
{
    text.clear();
    keysym = NoSymbol;
    status = XLookupNone;
    if (!Context)
        return;
    // UTF-8 whatever the locale: Xlib cannot turn every commit into the
    // locale's encoding itself (fcitx5's compound text carries a UTF-8
    // segment that an EUC-JP locale refuses), and a commit it fails to
    // convert is gone, so it must never be asked to.
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
    if ((status == XLookupChars || status == XLookupBoth) && size > 0)
        text.assign(Buffer.pointer(), (size_t)size);
}

bool CX11MethodContext::queryStyle(unsigned long& style)
{
    XIMStyle answer = 0;
    if (!Context || XGetICValues(Context, XNInputStyle, &answer, (char*)0))
        return false;
    style = answer;
    return true;
}

} // end namespace x11
} // end namespace ime
} // end namespace irr
