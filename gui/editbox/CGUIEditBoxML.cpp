#include "gui/editbox/CGUIEditBoxML.h"

#include "platform/InputMethodPlatform.h"

namespace irr
{
namespace gui
{

CGUIEditBoxML::CGUIEditBoxML(IGUIEnvironment* environment, const wchar_t* text, IGUIElement* parent,
                             const core::rect<s32>& rectangle)
    : IGUIEditBox(environment, parent, 0, rectangle), MouseSelecting(false), Border(true),
      Background(true), OverrideColorEnabled(false), SelectionStart(0), SelectionEnd(0),
      OverrideColor(video::SColor(101, 255, 255, 255)), OverrideFont(0), LastBreakFont(0),
      ClipboardOperator(0),
      // Starting the blink clock now shows a freshly focused box's cursor at once.
      BlinkStartTime(ime::getTickCount()), CursorPos(0), HScrollPos(0), VScrollPos(0), MaxChars(0),
      WordWrap(false), MultiLine(false), AutoScroll(true), PasswordBox(false), PasswordChar(L'*'),
      HTextAlign(EGUIA_UPPERLEFT), VTextAlign(EGUIA_CENTER), CollapsePairsPending(true),
      InlineComposition(false), FocusJustGained(false)
{
    Composition.Caret = 0;
    Text = text;

    // The platform may put its own clipboard in front of the engine's, so
    // that other programs see what the box copies.
    if (Environment)
        ClipboardOperator = ime::getClipboardOperator(Environment->getOSOperator());
    if (ClipboardOperator)
        ClipboardOperator->grab();

    setTabStop(true);
    setTabOrder(-1);

    breakText();
}

CGUIEditBoxML::~CGUIEditBoxML()
{
    if (OverrideFont)
        OverrideFont->drop();
    if (ClipboardOperator)
        ClipboardOperator->drop();
}

// The same font again still re-breaks: it may have been attached at another
// size since. Grabbed before the old one is dropped, so that a font only the
// box holds survives being set again.
void CGUIEditBoxML::setOverrideFont(IGUIFont* font)
{
    if (font)
        font->grab();
    if (OverrideFont)
        OverrideFont->drop();
    OverrideFont = font;
    breakText();
}

IGUIFont* CGUIEditBoxML::getOverrideFont() const
{
    return OverrideFont;
}

IGUIFont* CGUIEditBoxML::getActiveFont() const
{
    if (OverrideFont)
        return OverrideFont;
    IGUISkin* skin = Environment ? Environment->getSkin() : 0;
    return skin ? skin->getFont(EGDF_DEFAULT) : 0;
}

void CGUIEditBoxML::setOverrideColor(video::SColor color)
{
    OverrideColor = color;
    OverrideColorEnabled = true;
}

video::SColor CGUIEditBoxML::getOverrideColor() const
{
    return OverrideColor;
}

void CGUIEditBoxML::enableOverrideColor(bool enable)
{
    OverrideColorEnabled = enable;
}

bool CGUIEditBoxML::isOverrideColorEnabled() const
{
    return OverrideColorEnabled;
}

// The background is the sunken pane's fill; a box without border has none.
void CGUIEditBoxML::setDrawBackground(bool draw)
{
    Background = draw;
}

void CGUIEditBoxML::setDrawBorder(bool border)
{
    Border = border;
}

void CGUIEditBoxML::setTextAlignment(EGUI_ALIGNMENT horizontal, EGUI_ALIGNMENT vertical)
{
    HTextAlign = horizontal;
    VTextAlign = vertical;
}

void CGUIEditBoxML::setWordWrap(bool enable)
{
    WordWrap = enable;
    breakText();
}

bool CGUIEditBoxML::isWordWrapEnabled() const
{
    return WordWrap;
}

// Re-breaking here keeps the line arrays in step with the flag; otherwise
// the cursor and the drawing would read lines built for the other mode.
void CGUIEditBoxML::setMultiLine(bool enable)
{
    MultiLine = enable;
    breakText();
}

bool CGUIEditBoxML::isMultiLineEnabled() const
{
    return MultiLine;
}

void CGUIEditBoxML::setAutoScroll(bool enable)
{
    AutoScroll = enable;
}

bool CGUIEditBoxML::isAutoScrollEnabled() const
{
    return AutoScroll;
}

void CGUIEditBoxML::setPasswordBox(bool passwordBox, wchar_t passwordChar)
{
    PasswordBox = passwordBox;
    tellInlineWish();
    if (passwordBox)
    {
        dropComposition();
        PasswordChar = passwordChar;
        setMultiLine(false);
        setWordWrap(false);
        // Drawing rebuilds the mask with the new character.
        BrokenLines.clear();
        BrokenLineStarts.clear();
    }
    else
    {
        // The arrays held the mask; the wrap flags may want real lines again.
        breakText();
    }
}

bool CGUIEditBoxML::isPasswordBox() const
{
    return PasswordBox;
}

core::dimension2du CGUIEditBoxML::getTextDimension()
{
    // Only the lines the layout shows count: in single-line mode the arrays
    // may still hold lines of an earlier mode.
    const s32 lineCount = hasLineLayout() ? (s32)BrokenLines.size() : 1;
    setTextRect(0);
    core::rect<s32> bounds = CurrentTextRect;
    for (s32 i = 1; i < lineCount; ++i)
    {
        setTextRect(i);
        bounds.addInternalPoint(CurrentTextRect.UpperLeftCorner);
        bounds.addInternalPoint(CurrentTextRect.LowerRightCorner);
    }
    return core::dimension2du((u32)bounds.getWidth(), (u32)bounds.getHeight());
}

// A cut text would leave the cursor, the selection and the lines pointing
// past its end, so they follow at once.
void CGUIEditBoxML::setMax(u32 max)
{
    MaxChars = max;
    if (MaxChars != 0 && Text.size() > MaxChars)
    {
        Text = Text.subString(0, (s32)MaxChars);
        clampIndices();
        breakText();
    }
}

u32 CGUIEditBoxML::getMax() const
{
    return MaxChars;
}

void CGUIEditBoxML::setText(const wchar_t* text)
{
    Text = text;
    CollapsePairsPending = true;
    CursorPos = 0;
    HScrollPos = 0;
    SelectionStart = 0;
    SelectionEnd = 0;
    breakText();
}

void CGUIEditBoxML::updateAbsolutePosition()
{
    IGUIElement::updateAbsolutePosition();
    breakText();
}

bool CGUIEditBoxML::OnEvent(const SEvent& event)
{
    switch (event.EventType)
    {
    case EET_GUI_EVENT:
        if (event.GUIEvent.EventType == EGET_ELEMENT_FOCUSED && event.GUIEvent.Caller == this)
        {
            FocusJustGained = true;
            if (wantsInlineComposition())
                ime::setInlineComposition(true);
        }
        if (event.GUIEvent.EventType == EGET_ELEMENT_FOCUS_LOST && event.GUIEvent.Caller == this)
        {
            FocusJustGained = false;
            MouseSelecting = false;
            keepFinishedComposition();
            SelectionStart = 0;
            SelectionEnd = 0;
            // What was being composed and not committed above never
            // reaches any box.
            if (InlineComposition)
            {
                dropComposition();
                ime::setInlineComposition(false);
            }
            ime::closeInputMethod();
        }
        break;
    case EET_USER_EVENT:
        if (event.UserEvent.UserData1 == ime::CompositionChangedEvent && wantsInlineComposition())
        {
            takeComposition();
            return true;
        }
        break;
    case EET_MOUSE_INPUT_EVENT:
        if (processMouse(event))
            return true;
        break;
    case EET_KEY_INPUT_EVENT:
        if (processKey(event))
            return true;
        break;
    default:
        break;
    }

    return Parent ? Parent->OnEvent(event) : false;
}

// A Hangul syllable still being composed is what the user has typed: the
// input method commits it as the box is left, and it belongs here, where a
// commit replaces the selection as any other does.
void CGUIEditBoxML::keepFinishedComposition()
{
    core::stringw committed;
    if (!ime::finishComposition(committed))
        return;
    for (u32 i = 0; i < committed.size(); ++i)
        inputChar(committed[i]);
}

void CGUIEditBoxML::clampIndices()
{
    const s32 size = (s32)Text.size();
    s32* indices[] = {&CursorPos, &SelectionStart, &SelectionEnd};
    for (s32* index : indices)
        *index = core::clamp(*index, 0, size);
}

} // end namespace gui
} // end namespace irr
