#include "gui/editbox/CGUIEditBoxML.h"

#include "gui/editbox/CrLfPairs.h"

#include <cstring>

namespace irr
{
namespace gui
{

bool CGUIEditBoxML::hasLineLayout() const
{
    return !PasswordBox && (WordWrap || MultiLine);
}

// The line feed of each CR LF pair of text that came in whole leaves the
// text, so that a pair counts as one break for the cursor. Only once: doing
// it at every break would also swallow a line feed typed right after a
// carriage return, or the one of a CR LF LF run at the next resize. Done in
// one pass, as erasing pair by pair would copy the rest of the text each
// time. Indices behind a removed character move with the text, so the
// cursor stays after what was just pasted.
void CGUIEditBoxML::removeLineFeedsOfPairs()
{
    if (!CollapsePairsPending)
        return;
    CollapsePairsPending = false;

    s32 indices[3] = {CursorPos, SelectionStart, SelectionEnd};
    if (!collapseCrLfPairs(Text, indices, 3))
        return;
    CursorPos = indices[0];
    SelectionStart = indices[1];
    SelectionEnd = indices[2];
    clampIndices();
}

// The same piece of the text as subString would give, copied into the
// scratch buffer and terminated there; with breaksAsSpaces every break
// character stands as a space, as the lines show it. Valid until the next
// call.
const wchar_t* CGUIEditBoxML::measurableSlice(s32 begin, s32 length, bool breaksAsSpaces)
{
    const s32 size = (s32)Text.size();
    if (begin < 0 || begin >= size || length < 0)
        length = 0;
    else if (length > size - begin)
        length = size - begin;

    MeasureScratch.set_used((u32)length + 1);
    wchar_t* out = MeasureScratch.pointer();
    const wchar_t* in = Text.c_str() + (length ? begin : 0);
    if (breaksAsSpaces)
    {
        for (s32 i = 0; i < length; ++i)
        {
            const wchar_t c = in[i];
            out[i] = c == L'\r' || c == L'\n' ? L' ' : c;
        }
    }
    else
    {
        memcpy(out, in, (size_t)length * sizeof(wchar_t));
    }
    out[length] = 0;
    return out;
}

// Stores line number index, reusing the string a line of the previous break
// had there: most lines keep their room from one keystroke to the next.
void CGUIEditBoxML::storeLine(u32 index, s32 start, s32 length)
{
    const wchar_t* line = measurableSlice(start, length, true);
    if (index < BrokenLines.size())
        BrokenLines[index] = line;
    else
        BrokenLines.push_back(line);
    BrokenLineStarts.push_back(start);
}

// Where breaking stands in the text. The line, the current word and the
// pending whitespace are always contiguous runs of the text, so they are
// kept as index ranges and turned into strings only when measured or
// stored; appending character by character to engine strings would
// reallocate on every step.
struct CGUIEditBoxML::SLineBreaking
{
    IGUIFont* Font;
    //! Pixels a line may take: the box's width less 6.
    s32 WrapWidth;
    //! Lines stored so far.
    u32 LineCount = 0;
    s32 LineStart = 0;
    //! Characters of the line so far.
    s32 LineLength = 0;
    //! Pixels of the line so far.
    s32 LineWidth = 0;
    s32 WordStart = 0;
    s32 WordLength = 0;
    //! Characters of whitespace between the line and the word.
    s32 WhitespaceLength = 0;
    //! Width of " ", measured at most once a break; -1 until then.
    s32 SpaceWidth = -1;
};

void CGUIEditBoxML::breakText()
{
    IGUISkin* skin = Environment ? Environment->getSkin() : 0;
    if (!hasLineLayout() || !skin)
        return;

    IGUIFont* font = getActiveFont();
    if (!font)
    {
        BrokenLines.clear();
        BrokenLineStarts.clear();
        return;
    }
    LastBreakFont = font;
    BrokenLineStarts.set_used(0);

    removeLineFeedsOfPairs();

    SLineBreaking state;
    state.Font = font;
    state.WrapWidth = RelativeRect.getWidth() - 2 * getFrameInsetX();
    const s32 size = (s32)Text.size();
    for (s32 i = 0; i < size; ++i)
    {
        wchar_t c = Text[i];
        bool lineBreak = false;
        if (c == L'\r' || c == L'\n')
        {
            lineBreak = MultiLine;
            c = L' ';
        }

        if (c != L' ' && c != 0 && i != size - 1)
        {
            if (state.WordLength == 0)
                state.WordStart = i;
            ++state.WordLength;
            continue;
        }

        if (state.WordLength > 0)
            placeWord(state);
        ++state.WhitespaceLength;
        if (lineBreak)
            endLineAtBreak(state, i);
    }

    state.LineLength += state.WhitespaceLength + state.WordLength;
    storeLine(state.LineCount++, state.LineStart, state.LineLength);
    if (state.LineCount < BrokenLines.size())
        BrokenLines.erase(state.LineCount, (s32)(BrokenLines.size() - state.LineCount));
}

// Nearly every word follows one space, whose width is asked once a break.
s32 CGUIEditBoxML::measureWhitespaceBeforeWord(SLineBreaking& state)
{
    if (state.WhitespaceLength == 1 && Text[state.WordStart - 1] == L' ')
    {
        if (state.SpaceWidth < 0)
            state.SpaceWidth = (s32)state.Font->getDimension(L" ").Width;
        return state.SpaceWidth;
    }
    const s32 begin = state.WordStart - state.WhitespaceLength;
    return (s32)state.Font->getDimension(measurableSlice(begin, state.WhitespaceLength, true))
        .Width;
}

// Puts the finished word on the line, or with word wrap on a new line when
// it does not fit; the whitespace before a wrapped word belongs to no line.
void CGUIEditBoxML::placeWord(SLineBreaking& state)
{
    const s32 ws = measureWhitespaceBeforeWord(state);
    // A word holds no line break, so it needs no substitution.
    const s32 ww =
        (s32)state.Font->getDimension(measurableSlice(state.WordStart, state.WordLength, false))
            .Width;
    if (WordWrap && state.LineWidth + ww + ws > state.WrapWidth)
    {
        storeLine(state.LineCount++, state.LineStart, state.LineLength);
        state.LineStart = state.WordStart;
        state.LineLength = state.WordLength;
        state.LineWidth = ww;
    }
    else
    {
        state.LineLength += state.WhitespaceLength + state.WordLength;
        state.LineWidth += ws + ww;
    }
    state.WordLength = 0;
    state.WhitespaceLength = 0;
}

// The line keeps the whitespace up to and including the break character at
// breakIndex; the next line starts after it.
void CGUIEditBoxML::endLineAtBreak(SLineBreaking& state, s32 breakIndex)
{
    state.LineLength += state.WhitespaceLength;
    storeLine(state.LineCount++, state.LineStart, state.LineLength);
    state.LineStart = breakIndex + 1;
    state.LineLength = 0;
    state.WhitespaceLength = 0;
    state.LineWidth = 0;
}

namespace
{
// Left and right edge of a line width pixels wide in a frame frameWidth
// wide, relative to the frame. Halves truncate toward zero; every alignment
// but lower-right and centre lays out as upper-left.
void alignHorizontally(core::rect<s32>& r, EGUI_ALIGNMENT align, s32 frameWidth, s32 width)
{
    switch (align)
    {
    case EGUIA_LOWERRIGHT:
        r.UpperLeftCorner.X = frameWidth - width;
        r.LowerRightCorner.X = frameWidth;
        break;
    case EGUIA_CENTER:
        r.UpperLeftCorner.X = frameWidth / 2 - width / 2;
        r.LowerRightCorner.X = frameWidth / 2 + width / 2;
        break;
    default:
        r.UpperLeftCorner.X = 0;
        r.LowerRightCorner.X = width;
        break;
    }
}

// Top of line number line of lineCount lines, each height pixels high, in a
// frame frameHeight high, relative to the frame; the same rules as above.
s32 getAlignedLineTop(EGUI_ALIGNMENT align, s32 frameHeight, s32 height, s32 line, s32 lineCount)
{
    switch (align)
    {
    case EGUIA_LOWERRIGHT:
        return frameHeight + (line - lineCount) * height;
    case EGUIA_CENTER:
        return frameHeight / 2 - (height * lineCount) / 2 + height * line;
    default:
        return height * line;
    }
}
} // namespace

void CGUIEditBoxML::setTextRect(s32 line)
{
    IGUIFont* font = getActiveFont();
    if (!font)
        return;

    core::dimension2du d;
    s32 h;
    s32 lineCount;
    if (hasLineLayout())
    {
        lineCount = (s32)BrokenLines.size();
        // A line the arrays do not hold (no font when they were built) is
        // laid out as an empty one rather than read past the end.
        d = font->getDimension(line >= 0 && line < lineCount ? BrokenLines[line].c_str() : L"");
        h = (s32)d.Height;
    }
    else
    {
        d = font->getDimension(getShownText().c_str());
        h = AbsoluteRect.getHeight();
        lineCount = 1;
    }
    h += font->getKerningHeight();

    alignHorizontally(CurrentTextRect, HTextAlign, FrameRect.getWidth(), (s32)d.Width);
    CurrentTextRect.UpperLeftCorner.Y =
        getAlignedLineTop(VTextAlign, FrameRect.getHeight(), h, line, lineCount);

    CurrentTextRect.UpperLeftCorner.X -= HScrollPos;
    CurrentTextRect.LowerRightCorner.X -= HScrollPos;
    CurrentTextRect.UpperLeftCorner.Y -= VScrollPos;
    CurrentTextRect.LowerRightCorner.Y = CurrentTextRect.UpperLeftCorner.Y + h;

    CurrentTextRect += FrameRect.UpperLeftCorner;
}

s32 CGUIEditBoxML::getLineFromPos(s32 pos) const
{
    if (!hasLineLayout())
        return 0;

    const s32 count = (s32)BrokenLineStarts.size();
    for (s32 i = 0; i < count; ++i)
    {
        if (BrokenLineStarts[i] > pos)
            return i - 1;
    }
    return count - 1;
}

namespace
{
// The scroll offset for an unscrolled span: none while it lies inside the
// frame, else the least that pins it to the edge it crosses, the far edge
// first.
s32 shiftToShow(s32 low, s32 high, s32 frameLow, s32 frameHigh)
{
    if (high > frameHigh)
        return high - frameHigh;
    if (low < frameLow)
        return low - frameLow;
    return 0;
}
} // namespace

void CGUIEditBoxML::calculateScrollPos()
{
    PrefixWidthFont = 0;
    if (!AutoScroll)
        return;
    IGUIFont* font = getActiveFont();
    if (!font)
        return;

    const s32 cursLine = getLineFromPos(CursorPos);
    setTextRect(cursLine);

    if (!WordWrap)
    {
        const bool useLine = hasLineLayout() && cursLine >= 0 && cursLine < (s32)BrokenLines.size();
        const core::stringw& text = useLine ? BrokenLines[cursLine] : Text;
        const s32 column = useLine ? CursorPos - BrokenLineStarts[cursLine] : CursorPos;

        const s32 prefixWidth =
            useLine ? (s32)font->getDimension(text.subString(0, column).c_str()).Width
                    : getShownPrefixWidth(font, column);
        // The width of the cursor's line before the cursor, as shown, is the
        // one the composition window is placed by, so it is handed over
        // rather than measured twice.
        PrefixWidthFont = font;
        PrefixWidthCursor = CursorPos;
        PrefixWidth = prefixWidth;
        const s32 cStart = CurrentTextRect.UpperLeftCorner.X + HScrollPos + prefixWidth;
        const s32 cEnd = cStart + (s32)font->getDimension(L"_ ").Width;

        HScrollPos =
            shiftToShow(cStart, cEnd, FrameRect.UpperLeftCorner.X, FrameRect.LowerRightCorner.X);
    }

    VScrollPos = shiftToShow(CurrentTextRect.UpperLeftCorner.Y + VScrollPos,
                             CurrentTextRect.LowerRightCorner.Y + VScrollPos,
                             FrameRect.UpperLeftCorner.Y, FrameRect.LowerRightCorner.Y);
}

} // end namespace gui
} // end namespace irr
