#include "platform/x11/CX11PreeditCallbacks.h"

#include "text/UserLocaleText.h"
#include "platform/x11/X11BackendInternals.h"

namespace irr
{
namespace ime
{
namespace x11
{
namespace
{
// The server's feedback of one character as the box marks it: uim inverts
// the segment being converted, IBus underlines everything and inverts the
// segment, a server may highlight it instead.
u8 markOf(XIMFeedback feedback)
{
    if (feedback & XIMReverse)
        return ECM_TARGET_INVERTED;
    if (feedback & XIMHighlight)
        return ECM_TARGET_UNDERLINED;
    return ECM_INPUT;
}

// The text of a draw, wide whatever form Xlib gave it in. Multibyte text is
// in the method's locale, the user's.
bool textOf(const XIMText& text, core::stringw& wide)
{
    if (text.encoding_is_wchar)
    {
        if (!text.string.wide_char)
            return false;
        wide = core::stringw(text.string.wide_char, text.length);
        return true;
    }
    if (!text.string.multi_byte)
        return false;
    // The callbacks may run on the input-method server's own thread.
    return userLocaleToWideOnThisThread(text.string.multi_byte, wide);
}
} // namespace

CX11PreeditCallbacks::CX11PreeditCallbacks()
{
    // Xlib calls each with the argument types of its callback, whatever the
    // one type of the field says.
    Start.client_data = (XPointer)this;
    Start.callback = (XICProc)onStart;
    Done.client_data = (XPointer)this;
    Done.callback = (XIMProc)(void (*)(void))onDone;
    Draw.client_data = (XPointer)this;
    Draw.callback = (XIMProc)(void (*)(void))onDraw;
    Caret.client_data = (XPointer)this;
    Caret.callback = (XIMProc)(void (*)(void))onCaret;
    Composition.Caret = 0;
    Context = 0;
    Sink = 0;
    SinkData = 0;
}

void CX11PreeditCallbacks::setSink(CompositionSink sink, void* data)
{
    Sink = sink;
    SinkData = data;
}

bool CX11PreeditCallbacks::isCallbacksStyle(XIMStyle style)
{
    return style == (XIMPreeditCallbacks | XIMStatusNothing) ||
           style == (XIMPreeditCallbacks | XIMStatusNone);
}

XIC CX11PreeditCallbacks::createContext(XIM method, Window window, XIMStyle style)
{
    XVaNestedList preedit =
        XVaCreateNestedList(0, XNPreeditStartCallback, &Start, XNPreeditDoneCallback, &Done,
                            XNPreeditDrawCallback, &Draw, XNPreeditCaretCallback, &Caret, (char*)0);
    XIC context = XCreateIC(method, XNInputStyle, style, XNClientWindow, window, XNFocusWindow,
                            window, XNPreeditAttributes, preedit, (char*)0);
    XFree(preedit);
    Context = context;
    return context;
}

void CX11PreeditCallbacks::clear()
{
    if (Composition.Text.empty())
        return;
    Composition.Text = L"";
    Composition.Marks.clear();
    Composition.Caret = 0;
    publish();
}

void CX11PreeditCallbacks::forgetContext()
{
    Context = 0;
    clear();
}

int CX11PreeditCallbacks::onStart(XIC, XPointer self, XPointer)
{
    ((CX11PreeditCallbacks*)self)->clear();
    // No limit on the composition's length.
    return -1;
}

void CX11PreeditCallbacks::onDone(XIC, XPointer self, XPointer)
{
    ((CX11PreeditCallbacks*)self)->clear();
}

void CX11PreeditCallbacks::onDraw(XIC, XPointer self, XIMPreeditDrawCallbackStruct* draw)
{
    if (draw)
        ((CX11PreeditCallbacks*)self)->applyDraw(*draw);
}

void CX11PreeditCallbacks::onCaret(XIC, XPointer self, XIMPreeditCaretCallbackStruct* caret)
{
    if (caret)
        ((CX11PreeditCallbacks*)self)->moveCaret(*caret);
}

// chg_length characters from chg_first are replaced by the draw's text; a
// draw without text deletes them, one whose text has no string only gives
// those characters new feedback. Indices the server gets wrong are clamped
// rather than trusted.
void CX11PreeditCallbacks::applyDraw(const XIMPreeditDrawCallbackStruct& draw)
{
    core::stringw& text = Composition.Text;
    core::array<u8>& marks = Composition.Marks;
    const s32 size = (s32)text.size();
    const s32 first = core::clamp(draw.chg_first, 0, size);
    const s32 length = core::clamp(draw.chg_length, 0, size - first);

    core::stringw inserted;
    const bool hasString = draw.text && textOf(*draw.text, inserted);
    if (draw.text && !hasString && draw.text->feedback)
    {
        // Feedback only, for the characters changed.
        const s32 count = core::max_((s32)draw.text->length, length);
        for (s32 i = 0; i < count && first + i < size; ++i)
            marks[first + i] = markOf(draw.text->feedback[i]);
    }
    else
    {
        core::stringw changed = text.subString(0, first);
        changed.append(inserted);
        changed.append(text.subString((u32)(first + length), size - first - length));
        core::array<u8> changedMarks;
        changedMarks.reallocate(changed.size());
        for (s32 i = 0; i < first; ++i)
            changedMarks.push_back(marks[i]);
        // The protocol carries one feedback per character, and Xlib hands
        // them all on; its length field is not to be trusted for them (it
        // says 1 for uim-xim's every text).
        for (u32 i = 0; i < inserted.size(); ++i)
            changedMarks.push_back(draw.text->feedback ? markOf(draw.text->feedback[i])
                                                       : (u8)ECM_INPUT);
        for (s32 i = first + length; i < size; ++i)
            changedMarks.push_back(marks[i]);
        text = changed;
        marks.swap(changedMarks);
    }
    Composition.Caret = core::clamp(draw.caret, 0, (s32)text.size());
    publish();
}

void CX11PreeditCallbacks::moveCaret(XIMPreeditCaretCallbackStruct& caret)
{
    const s32 size = (s32)Composition.Text.size();
    s32 position = Composition.Caret;
    switch (caret.direction)
    {
    case XIMAbsolutePosition:
        position = caret.position;
        break;
    case XIMForwardChar:
        ++position;
        break;
    case XIMBackwardChar:
        --position;
        break;
    case XIMLineStart:
        position = 0;
        break;
    case XIMLineEnd:
        position = size;
        break;
    default:
        // Words and lines of a one-line composition: nothing a box shows.
        break;
    }
    Composition.Caret = core::clamp(position, 0, size);
    // The protocol has the client answer where the caret now is.
    caret.position = Composition.Caret;
    publish();
}

void CX11PreeditCallbacks::publish()
{
    if (Sink)
        Sink(SinkData, Composition);
    else
        publishComposition(Composition);
}

} // end namespace x11
} // end namespace ime
} // end namespace irr
