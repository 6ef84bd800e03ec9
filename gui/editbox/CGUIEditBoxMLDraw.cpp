#include "gui/editbox/CGUIEditBoxML.h"

#include "ime/InputMethodPlatform.h"

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

    FrameRect = AbsoluteRect;
    if (Border)
    {
        skin->draw3DSunkenPane(this, skin->getColor(EGDC_WINDOW), false, Background, FrameRect,
                               &AbsoluteClippingRect);
        const s32 insetX = skin->getSize(EGDS_TEXT_DISTANCE_X) + 1;
        const s32 insetY = skin->getSize(EGDS_TEXT_DISTANCE_Y) + 1;
        FrameRect.UpperLeftCorner.X += insetX;
        FrameRect.LowerRightCorner.X -= insetX;
        FrameRect.UpperLeftCorner.Y += insetY;
        FrameRect.LowerRightCorner.Y -= insetY;
    }

    core::rect<s32> clip = FrameRect;
    clip.clipAgainst(AbsoluteClippingRect);

    IGUIFont* font = getActiveFont();
    if (!font)
        return;
    if (font != LastBreakFont)
        breakText();

    if (PasswordBox)
        updatePasswordMask();

    const bool lineLayout = hasLineLayout();
    if (Text.size())
    {
        const s32 selBegin = core::min_(SelectionStart, SelectionEnd);
        const s32 selEnd = core::max_(SelectionStart, SelectionEnd);
        s32 firstSelLine = 0;
        s32 selLineCount = 1;
        s32 lineCount = 1;
        if (lineLayout)
        {
            firstSelLine = getLineFromPos(selBegin);
            selLineCount = getLineFromPos(selEnd) - firstSelLine + 1;
            lineCount = (s32)BrokenLines.size();
        }

        const bool savedOverrideEnabled = OverrideColorEnabled;
        const video::SColor savedOverride = OverrideColor;
        if (!IsEnabled && !OverrideColorEnabled)
        {
            OverrideColorEnabled = true;
            OverrideColor = skin->getColor(EGDC_GRAY_TEXT);
        }

        for (s32 i = 0; i < lineCount; ++i)
        {
            setTextRect(i);

            const core::stringw* lineText = &Text;
            s32 start = 0;
            if (PasswordBox)
                lineText = &BrokenLines[0];
            else if (lineLayout)
            {
                lineText = &BrokenLines[i];
                start = BrokenLineStarts[i];
            }

            font->draw(*lineText, CurrentTextRect,
                       OverrideColorEnabled ? OverrideColor : skin->getColor(EGDC_BUTTON_TEXT),
                       false, true, &clip);

            if (!focus || SelectionStart == SelectionEnd || i < firstSelLine ||
                i >= firstSelLine + selLineCount)
                continue;

            s32 leftOffset = 0;
            s32 rightOffset;
            s32 fromColumn = 0;
            s32 toColumn = (s32)lineText->size();
            if (i == firstSelLine)
            {
                const core::stringw before = lineText->subString(0, selBegin - start);
                leftOffset = (s32)font->getDimension(before.c_str()).Width;
                fromColumn = selBegin - start;
            }
            if (i == firstSelLine + selLineCount - 1)
            {
                const core::stringw upToEnd = lineText->subString(0, selEnd - start);
                rightOffset = (s32)font->getDimension(upToEnd.c_str()).Width;
                toColumn = (s32)upToEnd.size();
            }
            else
                rightOffset = (s32)font->getDimension(lineText->c_str()).Width;

            const s32 left = CurrentTextRect.UpperLeftCorner.X;
            CurrentTextRect.UpperLeftCorner.X = left + leftOffset;
            CurrentTextRect.LowerRightCorner.X = left + rightOffset;
            skin->draw2DRectangle(this, skin->getColor(EGDC_HIGH_LIGHT), CurrentTextRect, &clip);

            const core::stringw selected =
                lineText->subString((u32)fromColumn, toColumn - fromColumn);
            if (selected.size())
                font->draw(selected, CurrentTextRect,
                           OverrideColorEnabled ? OverrideColor
                                                : skin->getColor(EGDC_HIGH_LIGHT_TEXT),
                           false, true, &clip);
        }

        OverrideColorEnabled = savedOverrideEnabled;
        OverrideColor = savedOverride;
    }

    // The cursor.
    s32 cursorLine = 0;
    const core::stringw* cursorText = PasswordBox ? &BrokenLines[0] : &Text;
    s32 start = 0;
    if (lineLayout)
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

    if (focus && (ime::getTickCount() - BlinkStartTime) % BlinkPeriod < BlinkVisible)
    {
        const core::stringw before = cursorText->subString(0, CursorPos - start);
        setTextRect(cursorLine);
        CurrentTextRect.UpperLeftCorner.X += (s32)font->getDimension(before.c_str()).Width;
        font->draw(L"_", CurrentTextRect,
                   OverrideColorEnabled ? OverrideColor : skin->getColor(EGDC_BUTTON_TEXT), false,
                   true, &clip);
    }
}

} // end namespace gui
} // end namespace irr
