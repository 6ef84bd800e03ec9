#include "gui/editbox/CGUIEditBoxML.h"

#include "platform/InputMethodPlatform.h"

namespace irr
{
namespace gui
{
namespace
{
const u32 BlinkPeriod = 700;
const u32 BlinkVisible = 350;
} // namespace

// In password mode the arrays hold the one masked line. It is rebuilt only
// when the length changed; setPasswordBox empties it for a new character.
void CGUIEditBoxML::updatePasswordMask()
{
    if (BrokenLines.size() != 1 || BrokenLineStarts.size() != 1)
    {
        BrokenLines.clear();
        BrokenLines.push_back(core::stringw());
        BrokenLineStarts.clear();
        BrokenLineStarts.push_back(0);
    }
    core::stringw& mask = BrokenLines[0];
    if (mask.size() != Text.size())
    {
        mask = Text;
        for (u32 i = 0; i < mask.size(); ++i)
            mask[i] = PasswordChar;
    }
}

const core::stringw& CGUIEditBoxML::getShownText()
{
    if (!PasswordBox)
        return Text;
    updatePasswordMask();
    return BrokenLines[0];
}

s32 CGUIEditBoxML::getShownPrefixWidth(IGUIFont* font, s32 length)
{
    if (PasswordBox)
        return (s32)font->getDimension(getShownText().subString(0, length).c_str()).Width;
    return (s32)font->getDimension(measurableSlice(0, length, false)).Width;
}

void CGUIEditBoxML::draw()
{
    if (!IsVisible)
        return;
    const bool focus = Environment->hasFocus(this);
    IGUISkin* skin = Environment->getSkin();
    if (!skin)
        return;

    drawFrame(skin);
    core::rect<s32> clip = FrameRect;
    clip.clipAgainst(AbsoluteClippingRect);

    IGUIFont* font = getActiveFont();
    if (!font)
        return;
    if (font != LastBreakFont)
        breakText();

    if (PasswordBox)
        updatePasswordMask();

    if (hasComposition())
    {
        drawComposed(skin, font, focus, clip);
        return;
    }
    if (Text.size())
        drawTextLines(skin, font, focus, clip);
    if (focus && isCursorBlinkVisible())
        drawCursor(skin, font, clip);
}

// The engine's default skin has a text distance of 2: an inset of 3.
s32 CGUIEditBoxML::getFrameInsetX() const
{
    IGUISkin* skin = Environment->getSkin();
    return skin ? skin->getSize(EGDS_TEXT_DISTANCE_X) + 1 : 3;
}

s32 CGUIEditBoxML::getFrameInsetY() const
{
    IGUISkin* skin = Environment->getSkin();
    return skin ? skin->getSize(EGDS_TEXT_DISTANCE_Y) + 1 : 3;
}

void CGUIEditBoxML::drawFrame(IGUISkin* skin)
{
    FrameRect = AbsoluteRect;
    if (!Border)
        return;
    skin->draw3DSunkenPane(this, skin->getColor(EGDC_WINDOW), false, Background, FrameRect,
                           &AbsoluteClippingRect);
    const s32 insetX = getFrameInsetX();
    const s32 insetY = getFrameInsetY();
    FrameRect.UpperLeftCorner.X += insetX;
    FrameRect.LowerRightCorner.X -= insetX;
    FrameRect.UpperLeftCorner.Y += insetY;
    FrameRect.LowerRightCorner.Y -= insetY;
}

// A disabled box greys its text, selected text included, unless an override
// colour is on; the override colour wins over the highlight text colour too.
video::SColor CGUIEditBoxML::getTextColor(IGUISkin* skin, EGUI_DEFAULT_COLOR enabledColor) const
{
    if (OverrideColorEnabled)
        return OverrideColor;
    return skin->getColor(IsEnabled ? enabledColor : EGDC_GRAY_TEXT);
}

const core::stringw& CGUIEditBoxML::getDrawnLine(s32 line, s32& start) const
{
    start = 0;
    if (PasswordBox)
        return BrokenLines[0];
    if (!hasLineLayout())
        return Text;
    start = BrokenLineStarts[line];
    return BrokenLines[line];
}

void CGUIEditBoxML::drawTextLines(IGUISkin* skin, IGUIFont* font, bool focus,
                                  const core::rect<s32>& clip)
{
    SDrawnSelection selection;
    selection.Begin = core::min_(SelectionStart, SelectionEnd);
    selection.End = core::max_(SelectionStart, SelectionEnd);
    selection.FirstLine = 0;
    selection.LastLine = 0;
    s32 lineCount = 1;
    if (hasLineLayout())
    {
        selection.FirstLine = getLineFromPos(selection.Begin);
        selection.LastLine = getLineFromPos(selection.End);
        lineCount = (s32)BrokenLines.size();
    }
    const bool showSelection = focus && SelectionStart != SelectionEnd;
    const video::SColor textColor = getTextColor(skin, EGDC_BUTTON_TEXT);
    const video::SColor selectedColor = getTextColor(skin, EGDC_HIGH_LIGHT_TEXT);

    for (s32 i = 0; i < lineCount; ++i)
    {
        setTextRect(i);
        s32 start;
        const core::stringw& lineText = getDrawnLine(i, start);
        font->draw(lineText, CurrentTextRect, textColor, false, true, &clip);

        if (showSelection && i >= selection.FirstLine && i <= selection.LastLine)
            drawLineSelection(skin, font, lineText, start, i, selection, selectedColor, clip);
    }
}

// Narrows CurrentTextRect, which holds line's rectangle, to the selected part
// of the line, highlights it and draws that part again over the highlight.
void CGUIEditBoxML::drawLineSelection(IGUISkin* skin, IGUIFont* font, const core::stringw& lineText,
                                      s32 start, s32 line, const SDrawnSelection& selection,
                                      video::SColor color, const core::rect<s32>& clip)
{
    s32 leftOffset = 0;
    s32 rightOffset;
    s32 fromColumn = 0;
    s32 toColumn = (s32)lineText.size();
    if (line == selection.FirstLine)
    {
        const core::stringw before = lineText.subString(0, selection.Begin - start);
        leftOffset = (s32)font->getDimension(before.c_str()).Width;
        fromColumn = selection.Begin - start;
    }
    if (line == selection.LastLine)
    {
        const core::stringw upToEnd = lineText.subString(0, selection.End - start);
        rightOffset = (s32)font->getDimension(upToEnd.c_str()).Width;
        toColumn = (s32)upToEnd.size();
    }
    else
        rightOffset = (s32)font->getDimension(lineText.c_str()).Width;

    const s32 left = CurrentTextRect.UpperLeftCorner.X;
    CurrentTextRect.UpperLeftCorner.X = left + leftOffset;
    CurrentTextRect.LowerRightCorner.X = left + rightOffset;
    skin->draw2DRectangle(this, skin->getColor(EGDC_HIGH_LIGHT), CurrentTextRect, &clip);

    const core::stringw selected = lineText.subString((u32)fromColumn, toColumn - fromColumn);
    if (selected.size())
        font->draw(selected, CurrentTextRect, color, false, true, &clip);
}

bool CGUIEditBoxML::isCursorBlinkVisible() const
{
    return (ime::getTickCount() - BlinkStartTime) % BlinkPeriod < BlinkVisible;
}

// The cursor keeps the button text colour in a disabled box: it only shows
// where keys would go.
void CGUIEditBoxML::drawCursor(IGUISkin* skin, IGUIFont* font, const core::rect<s32>& clip)
{
    s32 cursorLine = 0;
    const core::stringw* cursorText = PasswordBox ? &BrokenLines[0] : &Text;
    s32 start = 0;
    if (hasLineLayout())
    {
        cursorLine = getLineFromPos(CursorPos);
        if (cursorLine >= 0 && cursorLine < (s32)BrokenLines.size())
        {
            cursorText = &BrokenLines[cursorLine];
            start = BrokenLineStarts[cursorLine];
        }
        else
            cursorLine = 0;
    }

    const core::stringw before = cursorText->subString(0, CursorPos - start);
    setTextRect(cursorLine);
    CurrentTextRect.UpperLeftCorner.X += (s32)font->getDimension(before.c_str()).Width;
    font->draw(L"_", CurrentTextRect,
               OverrideColorEnabled ? OverrideColor : skin->getColor(EGDC_BUTTON_TEXT), false, true,
               &clip);
}

} // end namespace gui
} // end namespace irr
