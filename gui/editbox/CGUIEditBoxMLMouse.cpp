#include "gui/editbox/CGUIEditBoxML.h"

#include "platform/InputMethodPlatform.h"

namespace irr
{
namespace gui
{

bool CGUIEditBoxML::processMouse(const SEvent& event)
{
    const s32 x = event.MouseInput.X;
    const s32 y = event.MouseInput.Y;
    // A press the environment has just focused the box for lies inside it;
    // one outside is no such press, even straight after the focus came.
    const bool inside = AbsoluteClippingRect.isPointInside(core::position2d<s32>(x, y));
    const bool focusing = !Environment->hasFocus(this) || (FocusJustGained && inside);
    FocusJustGained = false;
    switch (event.MouseInput.Event)
    {
    case EMIE_LMOUSE_PRESSED_DOWN:
        if (focusing)
        {
            BlinkStartTime = ime::getTickCount();
            Environment->setFocus(this);
            MouseSelecting = true;
            CursorPos = getCursorPos(x, y);
            SelectionStart = SelectionEnd = CursorPos;
        }
        else
        {
            if (!inside)
                return false;
            CursorPos = getCursorPos(x, y);
            if (!MouseSelecting)
                SelectionStart = CursorPos;
            MouseSelecting = true;
            SelectionEnd = CursorPos;
        }
        placeAfterChange();
        return true;

    case EMIE_LMOUSE_LEFT_UP:
        if (!Environment->hasFocus(this))
            return false;
        CursorPos = getCursorPos(x, y);
        if (MouseSelecting)
            SelectionEnd = CursorPos;
        MouseSelecting = false;
        placeAfterChange();
        return true;

    case EMIE_MOUSE_MOVED:
        if (!MouseSelecting)
            return false;
        CursorPos = getCursorPos(x, y);
        SelectionEnd = CursorPos;
        calculateScrollPos();
        return true;

    default:
        return false;
    }
}

s32 CGUIEditBoxML::getCursorPos(s32 x, s32 y)
{
    IGUIFont* font = getActiveFont();
    const s32 lineCount = hasLineLayout() ? (s32)BrokenLines.size() : 1;
    // Without a font or lines nothing can be hit: the cursor stays.
    if (!font || lineCount == 0)
        return core::clamp(CursorPos, 0, (s32)Text.size());

    x += getFrameInsetX();
    s32 line = lineCount - 1;
    for (s32 i = 0; i < lineCount; ++i)
    {
        setTextRect(i);
        if (i == 0 && y < CurrentTextRect.UpperLeftCorner.Y)
            y = CurrentTextRect.UpperLeftCorner.Y;
        if (i == lineCount - 1 && y > CurrentTextRect.LowerRightCorner.Y)
            y = CurrentTextRect.LowerRightCorner.Y;
        if (y >= CurrentTextRect.UpperLeftCorner.Y && y <= CurrentTextRect.LowerRightCorner.Y)
        {
            line = i;
            break;
        }
    }

    const core::stringw& text = hasLineLayout() ? BrokenLines[line] : getShownText();
    const s32 start = hasLineLayout() ? BrokenLineStarts[line] : 0;
    if (x < CurrentTextRect.UpperLeftCorner.X)
        x = CurrentTextRect.UpperLeftCorner.X;

    const s32 idx = font->getCharacterFromPos(text.c_str(), x - CurrentTextRect.UpperLeftCorner.X);
    const s32 pos = idx != -1 ? start + idx : start + (s32)text.size();
    return core::clamp(pos, 0, (s32)Text.size());
}

// The point follows the cursor as shown: a horizontally scrolled box moves
// it left by the scrolled pixels. A box with lines places it on the
// cursor's own line, measuring only that line's text before the cursor:
// the width of everything before the cursor sent the server's window to
// the right of the longest line above, and the box's bottom edge below the
// line the user types on.
void CGUIEditBoxML::setCompositionWindowPos()
{
    IGUIFont* font = getActiveFont();
    if (!font)
        return;
    // The scrolling has just measured this very prefix; the hand-over is
    // taken once, so a later call cannot read a stale width.
    const bool measured = PrefixWidthFont == font && PrefixWidthCursor == CursorPos;
    PrefixWidthFont = 0;
    const s32 cursorLine = getLineFromPos(CursorPos);
    if (hasLineLayout() && cursorLine >= 0 && cursorLine < (s32)BrokenLines.size())
    {
        const s32 column = CursorPos - BrokenLineStarts[cursorLine];
        const s32 w =
            measured ? PrefixWidth
                     : (s32)font->getDimension(BrokenLines[cursorLine].subString(0, column).c_str())
                           .Width;
        // At the line's foot: servers stand their text on the point, or open
        // their window below it, so the line itself stays in view.
        setTextRect(cursorLine);
        ime::setCompositionWindowPos(CurrentTextRect.UpperLeftCorner.X + w,
                                     CurrentTextRect.LowerRightCorner.Y);
        return;
    }
    const s32 w = measured ? PrefixWidth : getShownPrefixWidth(font, CursorPos);
    const s32 h = (s32)font->getDimension(L"|").Height;
    const s32 x = AbsoluteRect.UpperLeftCorner.X + (Border ? getFrameInsetX() : 0) + w - HScrollPos;
    const s32 y = AbsoluteRect.LowerRightCorner.Y - 2 * h;
    ime::setCompositionWindowPos(x, y);
}

} // end namespace gui
} // end namespace irr
