#include "platform/x11/CX11Clipboard.h"

#include "text/UserLocaleText.h"

#include <X11/Xatom.h>

#include <climits>
#include <poll.h>
#include <time.h>

namespace irr
{
namespace ime
{
namespace x11
{
namespace
{

// How long another client may take to answer one step of a transfer.
const int AnswerTimeoutMs = 1000;

long monotonicMs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (long)now.tv_sec * 1000 + now.tv_nsec / 1000000;
}

struct SWaitedEvent
{
    int Type;
    Window Win;
    Atom What; // the selection for SelectionNotify, the property for PropertyNotify
};

Bool isWaitedEvent(Display*, XEvent* event, XPointer arg)
{
    const SWaitedEvent& waited = *(const SWaitedEvent*)arg;
    if (event->type != waited.Type)
        return False;
    if (event->type == SelectionNotify)
        return event->xselection.requestor == waited.Win &&
               event->xselection.selection == waited.What;
    return event->xproperty.window == waited.Win && event->xproperty.atom == waited.What &&
           event->xproperty.state == PropertyNewValue;
}

} // namespace

CX11Clipboard::CX11Clipboard()
    : Dpy(0), Win(0), Clipboard(None), Targets(None), Utf8String(None), Text(None), Incr(None),
      Transfer(None), Owned(false)
{
}

void CX11Clipboard::attach(Display* display, Window window)
{
    Dpy = display;
    Win = window;
    Clipboard = XInternAtom(Dpy, "CLIPBOARD", False);
    Targets = XInternAtom(Dpy, "TARGETS", False);
    Utf8String = XInternAtom(Dpy, "UTF8_STRING", False);
    Text = XInternAtom(Dpy, "TEXT", False);
    Incr = XInternAtom(Dpy, "INCR", False);
    Transfer = XInternAtom(Dpy, "MOJIBAN_CLIPBOARD_TRANSFER", False);
}

void CX11Clipboard::detach()
{
    Dpy = 0;
    Win = 0;
    Owned = false;
}

void CX11Clipboard::setText(const std::string& localeBytes)
{
    Contents = localeBytes;
    if (!Dpy)
        return;
    XSetSelectionOwner(Dpy, Clipboard, Win, CurrentTime);
    Owned = XGetSelectionOwner(Dpy, Clipboard) == Win;
    XFlush(Dpy);
}

bool CX11Clipboard::getText(std::string& localeBytes)
{
    if (!Dpy)
        return false;
    const Window owner = XGetSelectionOwner(Dpy, Clipboard);
    if (owner == Win && Owned)
    {
        localeBytes = Contents;
        return true;
    }
    if (owner == None)
        return false;

    // UTF-8 first: it is what other clients are surest to give correctly. A
    // character the locale lacks becomes its mark, as in a commit, rather
    // than costing the whole text.
    std::string data;
    if (convertFromOwner(Utf8String, data) && utf8ToUserLocaleReplacing(data, localeBytes))
        return true;
    if (convertFromOwner(XA_STRING, data))
    {
        localeBytes = data;
        return true;
    }
    return false;
}

bool CX11Clipboard::waitForEvent(int type, XEvent& event, Atom what)
{
    SWaitedEvent waited = {type, Win, what};
    const long deadline = monotonicMs() + AnswerTimeoutMs;
    for (;;)
    {
        if (XCheckIfEvent(Dpy, &event, isWaitedEvent, (XPointer)&waited))
            return true;
        const long left = deadline - monotonicMs();
        if (left <= 0)
            return false;
        pollfd connection = {ConnectionNumber(Dpy), POLLIN, 0};
        poll(&connection, 1, (int)(left < 50 ? left : 50));
    }
}

bool CX11Clipboard::readProperty(std::string& data, Atom& type)
{
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* bytes = 0;
    if (XGetWindowProperty(Dpy, Win, Transfer, 0, LONG_MAX / 4, True, AnyPropertyType, &type,
                           &format, &count, &after, &bytes) != Success)
        return false;
    data.clear();
    if (bytes)
    {
        if (format == 8)
            data.assign((const char*)bytes, count);
        XFree(bytes);
    }
    return true;
}

bool CX11Clipboard::convertFromOwner(Atom target, std::string& data)
{
    XDeleteProperty(Dpy, Win, Transfer);
    XConvertSelection(Dpy, Clipboard, target, Transfer, Win, CurrentTime);
    XFlush(Dpy);

    XEvent event;
    if (!waitForEvent(SelectionNotify, event, Clipboard) || event.xselection.property == None)
        return false;

    Atom type = None;
    if (!readProperty(data, type))
        return false;
    if (type != Incr)
        return type != None;

    // A large text comes in pieces: each deletion of the property asks for
    // the next, and an empty piece ends the transfer. The notice of the INCR
    // property itself may still be queued; it finds the property gone.
    std::string piece;
    data.clear();
    for (;;)
    {
        if (!waitForEvent(PropertyNotify, event, Transfer) || !readProperty(piece, type))
            return false;
        if (type == None)
            continue;
        if (piece.empty())
            return true;
        data += piece;
    }
}

void CX11Clipboard::answerRequest(const XSelectionRequestEvent& request)
{
    XSelectionEvent reply = {};
    reply.type = SelectionNotify;
    reply.display = request.display;
    reply.requestor = request.requestor;
    reply.selection = request.selection;
    reply.target = request.target;
    reply.time = request.time;
    reply.property = None;

    // Clients from before the property argument name none: use the target.
    const Atom property = request.property != None ? request.property : request.target;
    long maxBytes = XExtendedMaxRequestSize(Dpy);
    if (maxBytes == 0)
        maxBytes = XMaxRequestSize(Dpy);
    maxBytes = maxBytes * 4 - 256;

    if (request.selection == Clipboard && Owned)
    {
        if (request.target == Targets)
        {
            const Atom offered[] = {Targets, Utf8String, XA_STRING, Text};
            XChangeProperty(Dpy, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                            (const unsigned char*)offered, 4);
            reply.property = property;
        }
        else if (request.target == Utf8String)
        {
            std::string utf8;
            if (userLocaleToUtf8(Contents, utf8) && (long)utf8.size() <= maxBytes)
            {
                XChangeProperty(Dpy, request.requestor, property, Utf8String, 8, PropModeReplace,
                                (const unsigned char*)utf8.data(), (int)utf8.size());
                reply.property = property;
            }
        }
        else if ((request.target == XA_STRING || request.target == Text) &&
                 (long)Contents.size() <= maxBytes)
        {
            // Clients in the same locale read these as the locale's bytes.
            XChangeProperty(Dpy, request.requestor, property, XA_STRING, 8, PropModeReplace,
                            (const unsigned char*)Contents.data(), (int)Contents.size());
            reply.property = property;
        }
    }
    XSendEvent(Dpy, request.requestor, False, NoEventMask, (XEvent*)&reply);
    XFlush(Dpy);
}

bool CX11Clipboard::handleEvent(XEvent& event)
{
    if (!Dpy)
        return false;
    if (event.type == SelectionRequest && event.xselectionrequest.owner == Win)
    {
        answerRequest(event.xselectionrequest);
        return true;
    }
    if (event.type == SelectionClear && event.xselectionclear.window == Win)
    {
        if (event.xselectionclear.selection == Clipboard)
            Owned = false;
        return true;
    }
    return false;
}

} // end namespace x11
} // end namespace ime
} // end namespace irr
