#include "gui/editbox/CGUIEditBoxML.h"

#include "platform/InputMethodPlatform.h"

namespace irr
{
namespace gui
{

bool CGUIEditBoxML::processKey(const SEvent& event)
{
    FocusJustGained = false;
    if (!event.KeyInput.PressedDown)
        return false;
    // An Escape the input method let through ends what the box shows of a
    // composition; the key still goes on to the parent.
    if (event.KeyInput.Key == KEY_ESCAPE && hasComposition())
    {
        dropComposition();
        placeAfterChange();
    }

    bool rebreak = false;
    if (event.KeyInput.Control)
    {
        if (!processControlKey(event, rebreak))
            return false;
    }
    else if (!processPlainKey(event))
        return false;

    if (rebreak)
        breakText();
    placeAfterChange();
    return true;
}

bool CGUIEditBoxML::processControlKey(const SEvent& event, bool& rebreak)
{
    const s32 size = (s32)Text.size();
    switch (event.KeyInput.Key)
    {
    case KEY_KEY_A:
        SelectionStart = 0;
        SelectionEnd = size;
        return true;
    case KEY_KEY_C:
        copySelection();
        return true;
    case KEY_KEY_X:
        // What did not reach the clipboard is not taken out of the text.
        if (copySelection() && IsEnabled)
        {
            eraseSelection();
            rebreak = true;
        }
        return true;
    case KEY_KEY_V:
        if (IsEnabled && ClipboardOperator)
        {
            paste();
            rebreak = true;
        }
        return true;
    case KEY_HOME:
        if (event.KeyInput.Shift)
        {
            SelectionStart = 0;
            SelectionEnd = CursorPos;
        }
        else
            SelectionStart = SelectionEnd = 0;
        CursorPos = 0;
        return true;
    case KEY_END:
        if (event.KeyInput.Shift)
        {
            SelectionStart = CursorPos;
            SelectionEnd = size;
        }
        else
            SelectionStart = SelectionEnd = 0;
        CursorPos = size;
        return true;
    default:
        return false;
    }
}

bool CGUIEditBoxML::processPlainKey(const SEvent& event)
{
    const EKEY_CODE key = event.KeyInput.Key;
    const bool shift = event.KeyInput.Shift;

    if (key == KEY_TAB || key == KEY_SHIFT || key == KEY_ESCAPE ||
        (key >= KEY_F1 && key <= KEY_F24))
        return false;

    switch (key)
    {
    case KEY_BACK:
    case KEY_DELETE:
        eraseAtCursor(key == KEY_BACK);
        return true;

    case KEY_RETURN:
        if (MultiLine)
            inputChar(L'\n');
        else
            sendEnterToParent();
        return true;

    case KEY_LEFT:
    case KEY_RIGHT:
        moveHorizontally(key == KEY_LEFT, shift);
        return true;

    case KEY_HOME:
    case KEY_END:
        moveToLineEdge(key == KEY_END, shift);
        return true;

    case KEY_UP:
    case KEY_DOWN:
        if (!hasLineLayout() || (!MultiLine && BrokenLines.size() < 2))
            return false;
        moveVertically(key == KEY_UP, shift);
        return true;

    default:
        inputChar(event.KeyInput.Char);
        return true;
    }
}

// Backspace (backwards) or Delete: the selection, or else the character
// before or after the cursor. A disabled or empty box keeps everything, its
// blink phase included.
void CGUIEditBoxML::eraseAtCursor(bool backwards)
{
    const s32 size = (s32)Text.size();
    if (!IsEnabled || size == 0)
        return;
    if (SelectionStart != SelectionEnd)
        eraseSelection();
    else if (backwards)
    {
        if (CursorPos > 0)
        {
            Text =
                Text.subString(0, CursorPos - 1) + Text.subString((u32)CursorPos, size - CursorPos);
            --CursorPos;
        }
    }
    else if (CursorPos < size)
        Text =
            Text.subString(0, CursorPos) + Text.subString((u32)CursorPos + 1, size - CursorPos - 1);
    BlinkStartTime = ime::getTickCount();
    SelectionStart = SelectionEnd = 0;
    breakText();
}

// Without a parent nobody could hear it; the key still counts as handled.
void CGUIEditBoxML::sendEnterToParent()
{
    if (!Parent)
        return;
    SEvent enter;
    enter.EventType = EET_GUI_EVENT;
    enter.GUIEvent.Caller = this;
    enter.GUIEvent.Element = 0;
    enter.GUIEvent.EventType = EGET_EDITBOX_ENTER;
    Parent->OnEvent(enter);
}

// With Shift the selection grows from the cursor, or from where it was begun.
void CGUIEditBoxML::moveHorizontally(bool left, bool shift)
{
    const s32 step = left ? -1 : 1;
    const bool canMove = left ? CursorPos > 0 : CursorPos < (s32)Text.size();
    if (shift)
    {
        if (canMove)
        {
            if (SelectionStart == SelectionEnd)
                SelectionStart = CursorPos;
            SelectionEnd = CursorPos + step;
        }
    }
    else
        SelectionStart = SelectionEnd = 0;
    if (canMove)
        CursorPos += step;
    BlinkStartTime = ime::getTickCount();
}

// A line layout without lines (no font when it was built) has no line to go
// to the edge of; the whole text stands in for it.
void CGUIEditBoxML::moveToLineEdge(bool end, bool shift)
{
    const s32 size = (s32)Text.size();
    s32 target = end ? size : 0;
    const s32 line = getLineFromPos(CursorPos);
    if (hasLineLayout() && line >= 0 && line < (s32)BrokenLines.size())
    {
        target = BrokenLineStarts[line];
        if (end)
        {
            target = core::min_(target + (s32)BrokenLines[line].size(), size);
            if (target > 0 && (Text[target - 1] == L'\r' || Text[target - 1] == L'\n'))
                --target;
        }
    }

    if (shift)
    {
        if (SelectionStart == SelectionEnd)
            SelectionStart = CursorPos;
        SelectionEnd = target;
    }
    else
        SelectionStart = SelectionEnd = 0;
    CursorPos = target;
    BlinkStartTime = ime::getTickCount();
}

void CGUIEditBoxML::moveVertically(bool up, bool shift)
{
    const s32 line = getLineFromPos(CursorPos);
    const s32 lineCount = (s32)BrokenLines.size();
    if (line < 0 || line >= lineCount)
        return;
    const s32 column = CursorPos - BrokenLineStarts[line];

    s32 anchor = CursorPos;
    if (SelectionStart != SelectionEnd)
        anchor = up ? core::max_(SelectionStart, SelectionEnd)
                    : core::min_(SelectionStart, SelectionEnd);

    const s32 target = up ? line - 1 : line + 1;
    if (target >= 0 && target < lineCount)
    {
        const s32 start = BrokenLineStarts[target];
        const s32 length = (s32)BrokenLines[target].size();
        // After the break that ends a line the cursor would stand at the
        // start of the next one, so such a line has one place less.
        const wchar_t last = length > 0 ? Text[start + length - 1] : 0;
        const s32 room = last == L'\r' || last == L'\n' ? length - 1 : length;
        // An empty line has no last character to stop before: its start it is.
        if (room >= column)
            CursorPos = start + column;
        else
            CursorPos = start + core::max_(length - 1, 0);
        CursorPos = core::clamp(CursorPos, 0, (s32)Text.size());
    }

    if (shift)
    {
        SelectionStart = anchor;
        SelectionEnd = CursorPos;
    }
    else
        SelectionStart = SelectionEnd = 0;
}

void CGUIEditBoxML::eraseSelection()
{
    const s32 begin = core::min_(SelectionStart, SelectionEnd);
    const s32 end = core::max_(SelectionStart, SelectionEnd);
    Text = Text.subString(0, begin) + Text.subString((u32)end, (s32)Text.size() - end);
    CursorPos = begin;
    SelectionStart = SelectionEnd = 0;
}

void CGUIEditBoxML::inputChar(wchar_t c)
{
    if (!IsEnabled)
        return;

    if (c != 0 && (MaxChars == 0 || Text.size() < MaxChars))
    {
        const s32 begin = core::min_(SelectionStart, SelectionEnd);
        const s32 end = core::max_(SelectionStart, SelectionEnd);
        const s32 from = begin != end ? begin : CursorPos;
        const s32 to = begin != end ? end : CursorPos;
        core::stringw inserted(Text.subString(0, from));
        inserted.append(c);
        inserted.append(Text.subString((u32)to, (s32)Text.size() - to));
        Text = inserted;
        CursorPos = from + 1;
        BlinkStartTime = ime::getTickCount();
        SelectionStart = SelectionEnd = 0;
    }

    breakText();
}

} // end namespace gui
} // end namespace irr
