#ifndef GUI_EDITBOX_C_GUI_EDIT_BOX_ML_H_INCLUDED
#define GUI_EDITBOX_C_GUI_EDIT_BOX_ML_H_INCLUDED

#include "platform/InputMethodPlatform.h"

#include <irrlicht.h>

namespace irr
{
namespace gui
{

//! Edit box for text of any script.
/** Single- or multi-line with word wrap, selection, clipboard in the user's
multibyte encoding, password mode, a blinking cursor, and the input method's
composition window kept at the cursor. Characters the input method commits
arrive as key events with KEY_ACCEPT and are inserted like typed ones.
Positions and sizes are in pixels, character indices count wide characters
of Text.

\par This element sends the following event of type EGUI_EVENT_TYPE to its
parent:
\li EGET_EDITBOX_ENTER when Enter is pressed in a single-line box.

Every event the box does not consume goes on to its parent's OnEvent. */
class CGUIEditBoxML : public IGUIEditBox
{
public:
#ifdef MOJIBAN_DEMO_FORMS
    // Declared only for the demo's own code and its tests, which link the
    // definition; a user's program would compile the call and fail to link.
    //! The application's form: the box lives in the GUI environment in
    //! AppGuiEnvironment.
    /** AppGuiEnvironment must be set before. Defined by the application, not
    by the box; other programs use the constructor that takes the
    environment. */
    CGUIEditBoxML(const wchar_t* text, IGUIElement* parent, const core::rect<s32>& rectangle);
#endif

    //! Creates a box with id 0 as a child of parent, as a tab stop.
    /** \param environment: The GUI environment the box lives in: its skin
    gives the font and colours, its focus decides where keys go, its OS
    operator gives the clipboard. Not null and not grabbed; it must outlive
    the box, as the engine's environment outlives its elements.
    \param text: Initial text; copied.
    \param parent: Element that takes the box as a child and so holds a
    reference to it; null for none. The creator may drop its own reference
    right after.
    \param rectangle: Position relative to parent. */
    CGUIEditBoxML(IGUIEnvironment* environment, const wchar_t* text, IGUIElement* parent,
                  const core::rect<s32>& rectangle);
    //! Drops the override font and the clipboard operator.
    ~CGUIEditBoxML() override;

    //! Handles mouse and key input and the loss of the focus.
    /** Losing the focus ends a mouse selection, clears the selection and
    switches the input method off; the cursor stays.
    \return True when the event was consumed; otherwise the parent's
    result for the same event, or false without a parent. */
    bool OnEvent(const SEvent& event) override;
    //! Updates the rectangles and breaks the lines again for the new width.
    void updateAbsolutePosition() override;
    //! Draws the frame, the text, the selection and the blinking cursor.
    /** Children are not drawn. Breaks the lines again when the font changed
    since the last break. */
    void draw() override;
    //! Replaces the text.
    /** Puts the cursor at 0, clears the selection and the horizontal scroll
    offset (the vertical one stays) and breaks the lines again.
    \param text: The new text; copied. */
    void setText(const wchar_t* text) override;

    //! Sets a font to use instead of the skin's.
    /** Breaks the lines again, also for the font already set (it may have
    been attached at another size since).
    \param font: Grabbed until replaced or the box ends; null returns to the
    skin's font. */
    void setOverrideFont(IGUIFont* font = 0) override;
    //! \return The override font, or null; not grabbed for the caller.
    IGUIFont* getOverrideFont() const override;
    //! \return The override font, else the skin's default font, else null;
    //! not grabbed for the caller.
    IGUIFont* getActiveFont() const override;
    //! Sets the text colour and switches it on.
    /** The override colour also replaces the highlight text colour and the
    grey of a disabled box. */
    void setOverrideColor(video::SColor color) override;
    //! \return The override colour, whether it is on or not.
    video::SColor getOverrideColor() const override;
    //! Switches the override colour on or off without changing it.
    void enableOverrideColor(bool enable) override;
    //! \return True while the override colour is on.
    bool isOverrideColorEnabled() const override;
    //! Fills the sunken frame or leaves it transparent; a box without border
    //! has no background either way.
    void setDrawBackground(bool draw) override;
    //! Draws a sunken frame and keeps the text inside it, or neither.
    void setDrawBorder(bool border) override;
    //! Sets the text alignment.
    /** \param horizontal: EGUIA_LOWERRIGHT right, EGUIA_CENTER centred, any
    other value left.
    \param vertical: EGUIA_LOWERRIGHT bottom, EGUIA_CENTER centred, any
    other value top. */
    void setTextAlignment(EGUI_ALIGNMENT horizontal, EGUI_ALIGNMENT vertical) override;
    //! Switches breaking lines at the box's width on or off; breaks again.
    void setWordWrap(bool enable) override;
    //! \return True while lines wrap at the box's width.
    bool isWordWrapEnabled() const override;
    //! Switches multi-line mode on or off; breaks again.
    /** In multi-line mode CR, LF and CR LF start new lines and Enter inserts
    a line feed. */
    void setMultiLine(bool enable) override;
    //! \return True in multi-line mode.
    bool isMultiLineEnabled() const override;
    //! Switches scrolling to keep the cursor visible on or off.
    void setAutoScroll(bool enable) override;
    //! \return True while the box scrolls to the cursor.
    bool isAutoScrollEnabled() const override;
    //! Switches password mode on or off.
    /** \param passwordBox: True shows passwordChar for every character, turns
    multi-line and word wrap off, and copy and cut do nothing; false
    shows the text again and keeps the password character.
    \param passwordChar: The mask character; used only when passwordBox is
    true. */
    void setPasswordBox(bool passwordBox, wchar_t passwordChar = L'*') override;
    //! \return True in password mode.
    bool isPasswordBox() const override;
    //! Size of the laid-out text.
    /** \return Width and height of the rectangle around all shown lines, in
    pixels. */
    core::dimension2du getTextDimension() override;
    //! Limits the number of characters.
    /** A longer text is cut at once; the cursor and the selection stay
    inside it.
    \param max: Most characters the text may hold; 0 for no limit. */
    void setMax(u32 max) override;
    //! \return The character limit; 0 for none.
    u32 getMax() const override;

    //! Draws the text the input method composes inside the box, or leaves
    //! it to the input method's own window (the default).
    /** While on and the box has the focus, the composition stands at the
    cursor as if inserted, underlined, the clause being converted marked as
    the input method says and its caret shown as the cursor, and the
    candidate window is placed at that clause. It never enters the text:
    the commit does, as before. Where the platform or the input method
    cannot give the composition, its own window shows it as before. A
    password box never shows it. */
    void setInlineComposition(bool enable);
    //! \return True when the box draws the composition itself.
    bool isInlineCompositionEnabled() const;

    //! Writes the box's properties, then the element's own attributes.
    /** Keys: OverrideColorEnabled, OverrideColor, MaxChars, WordWrap,
    MultiLine, AutoScroll, PasswordBox, PasswordChar, HTextAlign,
    VTextAlign. The text is the element's caption.
    \param out: Container to fill.
    \param options: Passed on to the element. */
    void serializeAttributes(io::IAttributes* out,
                             io::SAttributeReadWriteOptions* options = 0) const override;
    //! Reads what serializeAttributes writes, each value through its setter.
    /** A password box comes back single-line; the lines are broken for the
    flags as they end up.
    \param in: Container to read.
    \param options: Passed on to the element. */
    void deserializeAttributes(io::IAttributes* in,
                               io::SAttributeReadWriteOptions* options = 0) override;

protected:
    //! Splits Text into BrokenLines and BrokenLineStarts.
    /** Only in line layout, and only with a skin; without a font the lines
    stay empty. Collapses the CR LF pairs of text that came in whole. */
    void breakText();
    //! Sets CurrentTextRect to the screen rectangle of one shown line.
    /** \param line: Index of a line, from 0 to the number of lines less 1. */
    void setTextRect(s32 line);
    //! \return The shown line that holds character index pos; 0 without
    //! line layout, -1 when there are no lines.
    s32 getLineFromPos(s32 pos) const;
    //! Sets HScrollPos and VScrollPos so that the cursor is visible, when
    //! AutoScroll is on.
    void calculateScrollPos();

    //! Handles one key event: editing, cursor movement, selection, clipboard.
    /** \return True when the key was handled; false for releases, Tab,
    Shift, Escape, function keys, unknown Control combinations, and Up and
    Down without lines to move between. */
    bool processKey(const SEvent& event);
    //! Inserts c at the cursor, replacing the selection.
    /** Nothing is inserted in a disabled box, for c 0, or when MaxChars
    is reached. */
    void inputChar(wchar_t c);

    //! Handles the left button's press, release and the drag between them.
    /** \return True when the event was handled. */
    bool processMouse(const SEvent& event);
    //! Hit test.
    /** \param x: Screen x in pixels.
    \param y: Screen y in pixels.
    \return Index in Text of the character under the point, or of the end
    of the line under it; from 0 to the size of Text. */
    s32 getCursorPos(s32 x, s32 y);
    //! Moves the input method's composition window next to the cursor: in
    //! a box with lines, to the cursor's place on its own line.
    void setCompositionWindowPos();

    //! True when the text is laid out through BrokenLines. A password box
    //! always shows one masked line, whatever its wrap flags say.
    bool hasLineLayout() const;
    //! Keeps the cursor and the selection inside the text after it shrank.
    void clampIndices();
    void keepFinishedComposition();

    //! A selection drag with the left button is in progress.
    bool MouseSelecting;
    //! Draw the sunken frame and keep the text inside it.
    bool Border;
    //! Fill the sunken frame.
    bool Background;
    //! Draw the text in OverrideColor.
    bool OverrideColorEnabled;
    //! Index where the selection was begun, its fixed end. Equal to
    //! SelectionEnd means no selection; otherwise the selection runs from
    //! the smaller index (inclusive) to the larger (exclusive), in either
    //! order. Both are 0 when cleared.
    s32 SelectionStart;
    //! Index of the selection's moving end.
    s32 SelectionEnd;
    //! Text colour while OverrideColorEnabled.
    video::SColor OverrideColor;
    //! Font used instead of the skin's; grabbed. Null for the skin's.
    IGUIFont* OverrideFont;
    //! Font the lines were last broken with; only compared, not grabbed.
    IGUIFont* LastBreakFont;
    //! Clipboard access; grabbed. Null: the clipboard keys do nothing.
    IOSOperator* ClipboardOperator;
    //! Millisecond tick (ime::getTickCount) the blink phase counts from: the
    //! cursor shows for the first 350 ms of every 700.
    u32 BlinkStartTime;
    //! Cursor index, from 0 to the size of Text.
    s32 CursorPos;
    //! Pixels the text is scrolled left; may be negative.
    s32 HScrollPos;
    //! Pixels the text is scrolled up; may be negative.
    s32 VScrollPos;
    //! Most characters Text may hold; 0 for no limit.
    u32 MaxChars;
    bool WordWrap;
    bool MultiLine;
    bool AutoScroll;
    bool PasswordBox;
    //! Shown for every character in password mode.
    wchar_t PasswordChar;
    EGUI_ALIGNMENT HTextAlign;
    EGUI_ALIGNMENT VTextAlign;
    //! The shown lines, break characters as spaces; in password mode the one
    //! masked line.
    core::array<core::stringw> BrokenLines;
    //! Index in Text where each line of BrokenLines starts; never
    //! decreasing, as many entries as BrokenLines.
    core::array<s32> BrokenLineStarts;
    //! Screen rectangle of the line setTextRect last placed; scratch.
    core::rect<s32> CurrentTextRect;
    //! Screen rectangle the text is laid out in, set by every draw.
    core::rect<s32> FrameRect;
    //! Text came in whole (construction, setText, paste) and its CR LF pairs
    //! are still to be collapsed by the next break. Pairs that editing forms
    //! later are two breaks the user made and stay.
    bool CollapsePairsPending;
    //! The composition is drawn in the box (setInlineComposition).
    bool InlineComposition;
    //! The composition shown, as the platform last gave it; empty when none.
    ime::SComposition Composition;
    //! The environment has just moved the focus here and no input reached
    //! the box since. The engine focuses a pressed element before the press
    //! reaches it, so such a press is the one that focused the box.
    bool FocusJustGained;

private:
    //! Holds the piece of text handed to the font for measuring, so that
    //! measuring word by word or the text before the cursor on every key
    //! reuses one allocation instead of making a string each time.
    core::array<wchar_t> MeasureScratch;
    //! Width of the cursor's shown line before CursorPos (the whole shown
    //! text in a single-line box) as calculateScrollPos last measured it
    //! with PrefixWidthFont; only good while CursorPos equals PrefixWidthCursor
    //! and the font is the same, and dropped by every calculateScrollPos.
    IGUIFont* PrefixWidthFont = 0;
    s32 PrefixWidthCursor = 0;
    s32 PrefixWidth = 0;

    bool processControlKey(const SEvent& event, bool& rebreak);
    bool processPlainKey(const SEvent& event);
    void eraseAtCursor(bool backwards);
    void sendEnterToParent();
    void moveHorizontally(bool left, bool shift);
    void moveToLineEdge(bool end, bool shift);
    void moveVertically(bool up, bool shift);
    void eraseSelection();
    bool copySelection();
    void paste();

    struct SLineBreaking;
    void removeLineFeedsOfPairs();
    void placeWord(SLineBreaking& state);
    s32 measureWhitespaceBeforeWord(SLineBreaking& state);
    void endLineAtBreak(SLineBreaking& state, s32 breakIndex);
    void storeLine(u32 index, s32 start, s32 length);
    const wchar_t* measurableSlice(s32 begin, s32 length, bool breaksAsSpaces);
    //! Selected character indices, smaller first, and the lines they lie on.
    struct SDrawnSelection
    {
        s32 Begin;
        s32 End;
        s32 FirstLine;
        s32 LastLine;
    };
    void drawFrame(IGUISkin* skin);
    //! Pixels between the frame's outer edge and the text, from the skin's
    //! text distance, as drawing, wrapping and hit-testing all take them.
    s32 getFrameInsetX() const;
    s32 getFrameInsetY() const;
    void drawTextLines(IGUISkin* skin, IGUIFont* font, bool focus, const core::rect<s32>& clip);
    void drawLineSelection(IGUISkin* skin, IGUIFont* font, const core::stringw& lineText, s32 start,
                           s32 line, const SDrawnSelection& selection, video::SColor color,
                           const core::rect<s32>& clip);
    void drawCursor(IGUISkin* skin, IGUIFont* font, const core::rect<s32>& clip);
    bool isCursorBlinkVisible() const;
    video::SColor getTextColor(IGUISkin* skin, EGUI_DEFAULT_COLOR enabledColor) const;
    const core::stringw& getDrawnLine(s32 line, s32& start) const;
    void updatePasswordMask();
    //! The text of a box without line layout as it is shown: the mask in
    //! password mode, else Text. Scrolling, the cursor, the composition
    //! window and hit-testing all measure this, so they agree with the
    //! drawing also where the hidden characters are wider than the mask.
    const core::stringw& getShownText();
    //! Width of the first length characters of getShownText.
    s32 getShownPrefixWidth(IGUIFont* font, s32 length);

    struct SComposedLayout;
    bool wantsInlineComposition() const;
    //! Tells the platform whether the box, when focused, draws the composition.
    void tellInlineWish();
    bool hasComposition() const;
    //! Takes the platform's composition, when the box shows it.
    void takeComposition();
    void dropComposition();
    //! Scrolls to the cursor and places the composition window there, or,
    //! while a composition is shown, scrolls to its caret and places the
    //! candidate window at its clause.
    void placeAfterChange();
    void setCandidateWindowPos(s32 compositionStart);
    core::rect<s32> getCharacterRect(IGUIFont* font, s32 index, s32 length);
    void drawComposed(IGUISkin* skin, IGUIFont* font, bool focus, const core::rect<s32>& clip);
    void drawCompositionMarks(IGUISkin* skin, IGUIFont* font, s32 start,
                              const core::rect<s32>& clip);
};

} // end namespace gui
} // end namespace irr

#endif
