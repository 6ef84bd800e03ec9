#ifndef GUI_EDITBOX_C_GUI_EDIT_BOX_ML_H_INCLUDED
#define GUI_EDITBOX_C_GUI_EDIT_BOX_ML_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace gui
{

//! Edit box for text of any script: single- or multi-line with word wrap,
//! selection, clipboard in the user's multibyte encoding, password mode, a
//! blinking cursor, and the input method's composition window kept at the
//! cursor.
class CGUIEditBoxML : public IGUIEditBox
{
public:
    //! The application's form: the box lives in the GUI environment in
    //! AppGuiEnvironment, which must be set before. Defined by the
    //! application, not by the box; other programs use the constructor that
    //! takes the environment.
    CGUIEditBoxML(const wchar_t* text, IGUIElement* parent, const core::rect<s32>& rectangle);

    //! Creates a box with id 0 as a child of parent.
    //! \param environment The GUI environment the box lives in: its skin
    //! gives the font and colours, its focus decides where keys go, its OS
    //! operator gives the clipboard. Not grabbed; it must outlive the box, as
    //! the engine's environment outlives its elements.
    //! \param text Initial text; copied.
    //! \param parent Element that takes the box as a child and so holds a
    //! reference to it; null for none.
    //! \param rectangle Position relative to parent, in pixels.
    CGUIEditBoxML(IGUIEnvironment* environment, const wchar_t* text, IGUIElement* parent,
                  const core::rect<s32>& rectangle);
    virtual ~CGUIEditBoxML();

    virtual bool OnEvent(const SEvent& event);
    virtual void updateAbsolutePosition();
    virtual void draw();
    virtual void setText(const wchar_t* text);

    virtual void setOverrideFont(IGUIFont* font = 0);
    virtual IGUIFont* getOverrideFont() const;
    virtual IGUIFont* getActiveFont() const;
    virtual void setOverrideColor(video::SColor color);
    virtual video::SColor getOverrideColor() const;
    virtual void enableOverrideColor(bool enable);
    virtual bool isOverrideColorEnabled() const;
    virtual void setDrawBackground(bool draw);
    virtual void setDrawBorder(bool border);
    virtual void setTextAlignment(EGUI_ALIGNMENT horizontal, EGUI_ALIGNMENT vertical);
    virtual void setWordWrap(bool enable);
    virtual bool isWordWrapEnabled() const;
    virtual void setMultiLine(bool enable);
    virtual bool isMultiLineEnabled() const;
    virtual void setAutoScroll(bool enable);
    virtual bool isAutoScrollEnabled() const;
    virtual void setPasswordBox(bool passwordBox, wchar_t passwordChar = L'*');
    virtual bool isPasswordBox() const;
    virtual core::dimension2du getTextDimension();
    virtual void setMax(u32 max);
    virtual u32 getMax() const;

    virtual void serializeAttributes(io::IAttributes* out,
                                     io::SAttributeReadWriteOptions* options = 0) const;
    virtual void deserializeAttributes(io::IAttributes* in,
                                       io::SAttributeReadWriteOptions* options = 0);

protected:
    // Layout.
    void breakText();
    void setTextRect(s32 line);
    s32 getLineFromPos(s32 pos) const;
    void calculateScrollPos();

    // Keyboard and clipboard.
    bool processKey(const SEvent& event);
    void inputChar(wchar_t c);

    // Mouse and the input method's composition window.
    bool processMouse(const SEvent& event);
    s32 getCursorPos(s32 x, s32 y);
    void setCompositionWindowPos();

    //! True when the text is laid out through BrokenLines. A password box
    //! always shows one masked line, whatever its wrap flags say.
    bool hasLineLayout() const;
    //! Keeps the cursor and the selection inside the text after it shrank.
    void clampIndices();

    bool MouseSelecting;
    bool Border;
    bool Background;
    bool OverrideColorEnabled;
    s32 SelectionStart;
    s32 SelectionEnd;
    video::SColor OverrideColor;
    IGUIFont* OverrideFont;
    IGUIFont* LastBreakFont;
    IOSOperator* ClipboardOperator;
    u32 BlinkStartTime;
    s32 CursorPos;
    s32 HScrollPos;
    s32 VScrollPos;
    u32 MaxChars;
    bool WordWrap;
    bool MultiLine;
    bool AutoScroll;
    bool PasswordBox;
    wchar_t PasswordChar;
    EGUI_ALIGNMENT HTextAlign;
    EGUI_ALIGNMENT VTextAlign;
    core::array<core::stringw> BrokenLines;
    core::array<s32> BrokenLineStarts;
    core::rect<s32> CurrentTextRect;
    core::rect<s32> FrameRect;
    //! Text came in whole (construction, setText, paste) and its CR LF pairs
    //! are still to be collapsed by the next break. Pairs that editing forms
    //! later are two breaks the user made and stay.
    bool CollapsePairsPending;
    //! The environment has just moved the focus here and no input reached
    //! the box since. The engine focuses a pressed element before the press
    //! reaches it, so such a press is the one that focused the box.
    bool FocusJustGained;

private:
    //! Holds the piece of text handed to the font for measuring, so that
    //! measuring word by word or the text before the cursor on every key
    //! reuses one allocation instead of making a string each time.
    core::array<wchar_t> MeasureScratch;
    //! Width of Text before CursorPos as calculateScrollPos last measured it
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
};

} // end namespace gui
} // end namespace irr

#endif
