// The composition drawn in the box (inline composition, opt-in): the text
// the input method is composing is laid out as if it stood in the text at
// the cursor, but it never enters Text. Every layout operation reads Text,
// CursorPos and the line arrays, so for the time of a layout the box holds
// the text as it would stand with the composition in it, and gets its own
// back afterwards; only the scroll offsets it found stay, so that the
// composition and its caret remain visible.

#include "gui/editbox/CGUIEditBoxML.h"

#include "platform/InputMethodPlatform.h"

namespace irr
{
namespace gui
{

struct CGUIEditBoxML::SComposedLayout
{
    explicit SComposedLayout(CGUIEditBoxML& box);
    ~SComposedLayout();

    CGUIEditBoxML& Box;
    core::stringw SavedText;
    s32 SavedCursor;
    s32 SavedSelectionStart;
    s32 SavedSelectionEnd;
    IGUIFont* SavedBreakFont;
    core::array<core::stringw> SavedLines;
    core::array<s32> SavedStarts;
    //! Index in the composed text where the composition begins.
    s32 Start;
};

// The composition takes the selection's place, as the commit will.
CGUIEditBoxML::SComposedLayout::SComposedLayout(CGUIEditBoxML& box)
    : Box(box), SavedCursor(box.CursorPos), SavedSelectionStart(box.SelectionStart),
      SavedSelectionEnd(box.SelectionEnd), SavedBreakFont(box.LastBreakFont)
{
    // Pairs still to collapse belong to the real text, not to the composed one.
    if (Box.CollapsePairsPending && Box.hasLineLayout())
        Box.breakText();
    SavedText = Box.Text;
    const s32 begin = core::min_(Box.SelectionStart, Box.SelectionEnd);
    const s32 end = core::max_(Box.SelectionStart, Box.SelectionEnd);
    Start = begin != end ? begin : Box.CursorPos;
    const s32 resume = begin != end ? end : Box.CursorPos;

    core::stringw composed = SavedText.subString(0, Start);
    composed.append(Box.Composition.Text);
    composed.append(SavedText.subString((u32)resume, (s32)SavedText.size() - resume));
    Box.Text = composed;
    Box.CursorPos = Start + Box.Composition.Caret;
    Box.SelectionStart = Box.SelectionEnd = 0;
    SavedLines.swap(Box.BrokenLines);
    SavedStarts.swap(Box.BrokenLineStarts);
    const bool pending = Box.CollapsePairsPending;
    Box.CollapsePairsPending = false;
    Box.breakText();
    Box.CollapsePairsPending = pending;
}

CGUIEditBoxML::SComposedLayout::~SComposedLayout()
{
    Box.Text = SavedText;
    Box.CursorPos = SavedCursor;
    Box.SelectionStart = SavedSelectionStart;
    Box.SelectionEnd = SavedSelectionEnd;
    Box.LastBreakFont = SavedBreakFont;
    Box.BrokenLines.swap(SavedLines);
    Box.BrokenLineStarts.swap(SavedStarts);
}

void CGUIEditBoxML::setInlineComposition(bool enable)
{
    if (InlineComposition == enable)
        return;
    InlineComposition = enable;
    if (!enable)
    {
        dropComposition();
        if (Environment && Environment->hasFocus(this))
            ime::setInlineComposition(false);
    }
    tellInlineWish();
}

// Only a focused box speaks for the input method; the others say so when
// the focus comes.
void CGUIEditBoxML::tellInlineWish()
{
    if (InlineComposition && Environment && Environment->hasFocus(this))
        ime::setInlineComposition(wantsInlineComposition());
}

bool CGUIEditBoxML::isInlineCompositionEnabled() const
{
    return InlineComposition;
}

// A password box would show the hidden characters being composed.
bool CGUIEditBoxML::wantsInlineComposition() const
{
    return InlineComposition && !PasswordBox;
}

bool CGUIEditBoxML::hasComposition() const
{
    return !Composition.Text.empty();
}

void CGUIEditBoxML::takeComposition()
{
    if (!wantsInlineComposition() || !Environment->hasFocus(this))
        return;
    const ime::SComposition& current = ime::getComposition();
    Composition.Text = current.Text;
    Composition.Marks = current.Marks;
    // A mark for every character, whatever the platform gave.
    while (Composition.Marks.size() < Composition.Text.size())
        Composition.Marks.push_back(ime::ECM_INPUT);
    Composition.Caret = core::clamp(current.Caret, 0, (s32)Composition.Text.size());
    placeAfterChange();
}

void CGUIEditBoxML::dropComposition()
{
    Composition.Text = L"";
    Composition.Marks.clear();
    Composition.Caret = 0;
}

void CGUIEditBoxML::placeAfterChange()
{
    if (!hasComposition())
    {
        calculateScrollPos();
        setCompositionWindowPos();
        return;
    }
    SComposedLayout layout(*this);
    calculateScrollPos();
    setCandidateWindowPos(layout.Start);
}

// The candidate window belongs at the clause being converted: the first
// character the input method marks as its target, else its caret.
void CGUIEditBoxML::setCandidateWindowPos(s32 compositionStart)
{
    IGUIFont* font = getActiveFont();
    if (!font)
        return;
    s32 clause = Composition.Caret;
    for (u32 i = 0; i < Composition.Marks.size(); ++i)
    {
        if (Composition.Marks[i] != ime::ECM_INPUT)
        {
            clause = (s32)i;
            break;
        }
    }
    core::rect<s32> r = getCharacterRect(font, compositionStart + clause, 1);
    ime::setCandidateWindowPos(r);
}

// The screen rectangle of length characters of the laid-out text from
// index, on index's line, the line's full height; the text must not break
// between them.
core::rect<s32> CGUIEditBoxML::getCharacterRect(IGUIFont* font, s32 index, s32 length)
{
    s32 line = 0;
    const core::stringw* lineText = &Text;
    s32 start = 0;
    if (hasLineLayout())
    {
        line = core::clamp(getLineFromPos(index), 0, (s32)BrokenLines.size() - 1);
        if (line >= 0 && line < (s32)BrokenLines.size())
        {
            lineText = &BrokenLines[line];
            start = BrokenLineStarts[line];
        }
        else
            line = 0;
    }
    setTextRect(line);
    core::rect<s32> r = CurrentTextRect;
    const s32 column = index - start;
    const s32 left = (s32)font->getDimension(lineText->subString(0, column).c_str()).Width;
    const s32 right =
        (s32)font->getDimension(lineText->subString(0, column + length).c_str()).Width;
    r.UpperLeftCorner.X = CurrentTextRect.UpperLeftCorner.X + left;
    r.LowerRightCorner.X = CurrentTextRect.UpperLeftCorner.X + right;
    return r;
}

void CGUIEditBoxML::drawComposed(IGUISkin* skin, IGUIFont* font, bool focus,
                                 const core::rect<s32>& clip)
{
    SComposedLayout layout(*this);
    drawTextLines(skin, font, false, clip);
    drawCompositionMarks(skin, font, layout.Start, clip);
    if (focus && isCursorBlinkVisible())
        drawCursor(skin, font, clip);
}

// Underlined in the text colour, the target clause thick or inverted, each
// run of one mark on one line at a time.
void CGUIEditBoxML::drawCompositionMarks(IGUISkin* skin, IGUIFont* font, s32 start,
                                         const core::rect<s32>& clip)
{
    const video::SColor textColor = getTextColor(skin, EGDC_BUTTON_TEXT);
    const s32 size = (s32)Composition.Text.size();
    s32 runBegin = 0;
    while (runBegin < size)
    {
        const u8 mark = Composition.Marks[runBegin];
        const s32 line = getLineFromPos(start + runBegin);
        s32 runEnd = runBegin + 1;
        while (runEnd < size && Composition.Marks[runEnd] == mark &&
               getLineFromPos(start + runEnd) == line)
            ++runEnd;

        const core::rect<s32> r = getCharacterRect(font, start + runBegin, runEnd - runBegin);
        const core::stringw run = Composition.Text.subString((u32)runBegin, runEnd - runBegin);
        if (mark == ime::ECM_TARGET_INVERTED)
        {
            skin->draw2DRectangle(this, skin->getColor(EGDC_HIGH_LIGHT), r, &clip);
            font->draw(run, r, getTextColor(skin, EGDC_HIGH_LIGHT_TEXT), false, true, &clip);
            runBegin = runEnd;
            continue;
        }
        // The underline stands at the foot of the text, which the font
        // centres in the line.
        const s32 textHeight = (s32)font->getDimension(run.c_str()).Height;
        const s32 foot = r.UpperLeftCorner.Y + (r.getHeight() - textHeight) / 2 + textHeight;
        const s32 thickness = mark == ime::ECM_TARGET_UNDERLINED ? 2 : 1;
        const core::rect<s32> underline(r.UpperLeftCorner.X, foot - thickness, r.LowerRightCorner.X,
                                        foot);
        skin->draw2DRectangle(this, textColor, underline, &clip);
        runBegin = runEnd;
    }
}

} // end namespace gui
} // end namespace irr
