#include "EditBoxTestSupport.h"

#include "harness/X11BackendProbe.h"
#include "ime/CIrrInputMethod.h"
#include "platform/InputMethodPlatform.h"
#include "platform/TickCountOverride.h"
#include "support/ScopedDevice.h"

using namespace irr;
using namespace editboxtest;

namespace
{

const video::SColor Clear(255, 200, 200, 200);
const video::SColor Window(255, 255, 255, 255);
const video::SColor ButtonText(255, 0, 0, 0);
const video::SColor HighLight(255, 255, 0, 0);
const video::SColor HighLightText(255, 0, 0, 255);

const std::wstring Reading = L"\u306b\u307b\u3093\u3054"; // にほんご
const u8 HonInverted[] = {ime::ECM_INPUT, ime::ECM_TARGET_INVERTED, ime::ECM_TARGET_INVERTED,
                          ime::ECM_INPUT};

// The composition comes as a server of the callbacks style gives it: from
// the platform layer, through the pump, to the focused box; drawn by the
// software renderer with IPA Gothic behind a spy.
class EditBoxInlineComposition : public ::testing::Test
{
protected:
    EditBoxInlineComposition()
        : App(video::EDT_SOFTWARE), Skin(App.gui()->getSkin()),
          Pump(new CIrrInputMethod(App.device()))
    {
        Skin->setColor(gui::EGDC_WINDOW, Window);
        Skin->setColor(gui::EGDC_BUTTON_TEXT, ButtonText);
        Skin->setColor(gui::EGDC_HIGH_LIGHT, HighLight);
        Skin->setColor(gui::EGDC_HIGH_LIGHT_TEXT, HighLightText);
        Spy = new SpyFont(useIpaFont(App.gui()));
        Skin->setFont(Spy);
        ime::setTickCountOverride(true, 5000);
        // An earlier case's box may have gone with the focus.
        ime::setInlineComposition(false);
    }
    ~EditBoxInlineComposition() override
    {
        compose(L"", 0, 0);
        ime::setTickCountOverride(false);
        Pump->drop();
        Spy->drop();
    }

    TestEditBox* box(const wchar_t* text, const core::rect<s32>& rect, bool inlineComposition)
    {
        TestEditBox* b = makeBox(App.gui(), text, rect, App.gui()->getRootGUIElement());
        b->setInlineComposition(inlineComposition);
        b->setTextAlignment(gui::EGUIA_UPPERLEFT, gui::EGUIA_CENTER);
        b->BlinkStartTime = 5000;
        return b;
    }

    void compose(const std::wstring& text, const u8* marks, s32 caret)
    {
        testsupport::x11::queueComposition(text.c_str(), marks, caret);
        Pump->run();
    }

    void frame()
    {
        Spy->Calls.clear();
        App.drawFrame(Clear);
    }

    s32 width(const std::wstring& text) { return widthOf(Spy, text.c_str()); }

    //! Whether any text drawn in the last frame holds a character of the reading.
    bool drewReading() const
    {
        for (const SpyFont::SDrawCall& call : Spy->Calls)
            if (call.Text.find(L'\u306b') != std::wstring::npos)
                return true;
        return false;
    }

    //! First and last x of row y between x0 and x1 painted in colour c, or -1.
    std::pair<s32, s32> span(s32 y, s32 x0, s32 x1, video::SColor c)
    {
        std::pair<s32, s32> found(-1, -1);
        for (s32 x = x0; x < x1; ++x)
        {
            if (App.pixel(x, y) != c)
                continue;
            if (found.first < 0)
                found.first = x;
            found.second = x;
        }
        return found;
    }

    testsupport::ScopedDevice App;
    gui::IGUISkin* Skin;
    SpyFont* Spy;
    CIrrInputMethod* Pump;
};

TEST_F(EditBoxInlineComposition, DrawnAtTheCursorNeverInTheTextUntilTheCommitReplacesIt)
{
    TestEditBox* b = box(L"abcd", core::rect<s32>(20, 20, 320, 50), true);
    App.gui()->setFocus(b);
    EXPECT_TRUE(testsupport::x11::getInlineCompositionWish());
    b->CursorPos = 2;
    frame();
    compose(Reading, HonInverted, 3);
    frame();

    EXPECT_EQ(b->text(), core::stringw(L"abcd"));
    ASSERT_TRUE(Spy->find(L"ab" + Reading + L"cd"));
    const core::rect<s32> line = Spy->find(L"ab" + Reading + L"cd")->Position;
    const s32 left = line.UpperLeftCorner.X;
    // The clause being converted is inverted; the input method's caret,
    // after ほん, is the box's cursor.
    const SpyFont::SDrawCall* clause = Spy->find(L"\u307b\u3093");
    ASSERT_TRUE(clause);
    EXPECT_EQ(clause->Color, HighLightText);
    EXPECT_EQ(clause->Position.UpperLeftCorner.X, left + width(L"ab\u306b"));
    ASSERT_TRUE(Spy->find(L"_"));
    EXPECT_EQ(Spy->find(L"_")->Position.UpperLeftCorner.X, left + width(L"ab\u306b\u307b\u3093"));
    // The rest is underlined in the text colour, the clause is not; below
    // the text the highlight shows alone.
    const s32 textHeight = (s32)Spy->getDimension(Reading.c_str()).Height;
    const s32 foot = line.UpperLeftCorner.Y + (line.getHeight() - textHeight) / 2 + textHeight;
    EXPECT_EQ(span(foot + 1, 20, 320, HighLight),
              std::make_pair(left + width(L"ab\u306b"), left + width(L"ab\u306b\u307b\u3093") - 1));

    EXPECT_EQ(span(foot - 1, left + width(L"ab"), left + width(L"ab\u306b"), ButtonText),
              std::make_pair(left + width(L"ab"), left + width(L"ab\u306b") - 1));
    EXPECT_EQ(span(foot - 1, left + width(L"ab\u306b") + 1, left + width(L"ab\u306b\u307b\u3093"),
                   ButtonText)
                  .first,
              -1);
    // The candidate window belongs below the clause's line.
    s32 x = 0, y = 0;
    ASSERT_TRUE(testsupport::x11::getCompositionWindowPos(x, y));
    EXPECT_EQ(x, left + width(L"ab\u306b"));
    EXPECT_EQ(y, line.LowerRightCorner.Y);

    // The commit comes by the pump's road, and the server ends composing.
    for (wchar_t c : std::wstring(L"\u65e5\u672c\u8a9e"))
        b->OnEvent(keyEvent(KEY_ACCEPT, c));
    compose(L"", 0, 0);
    frame();
    EXPECT_EQ(b->text(), core::stringw(L"ab\u65e5\u672c\u8a9ecd"));
    EXPECT_TRUE(Spy->find(L"ab\u65e5\u672c\u8a9ecd"));
    EXPECT_FALSE(drewReading());
}

TEST_F(EditBoxInlineComposition, OffByDefaultAndDroppedByFocusLossEscapeOrAPasswordBox)
{
    TestEditBox* plain = box(L"abcd", core::rect<s32>(20, 20, 320, 50), false);
    TestEditBox* other = box(L"efgh", core::rect<s32>(20, 60, 320, 90), true);
    App.gui()->setFocus(plain);
    EXPECT_FALSE(testsupport::x11::getInlineCompositionWish());
    compose(Reading, 0, 4);
    frame();
    EXPECT_TRUE(Spy->find(L"abcd"));
    EXPECT_FALSE(drewReading());

    App.gui()->setFocus(other);
    EXPECT_TRUE(testsupport::x11::getInlineCompositionWish());
    compose(Reading, 0, 4);
    frame();
    EXPECT_TRUE(Spy->find(Reading + L"efgh"));

    // Losing the focus leaves nothing behind, in either box.
    const u32 closes = testsupport::x11::getInputMethodCloseCount();
    App.gui()->setFocus(plain);
    EXPECT_FALSE(testsupport::x11::getInlineCompositionWish());
    EXPECT_EQ(testsupport::x11::getInputMethodCloseCount(), closes + 1);
    frame();
    EXPECT_FALSE(drewReading());
    EXPECT_EQ(other->text(), core::stringw(L"efgh"));

    // An Escape the server did not take ends it as well.
    App.gui()->setFocus(other);
    compose(Reading, 0, 4);
    EXPECT_FALSE(other->OnEvent(keyEvent(KEY_ESCAPE)));
    frame();
    EXPECT_FALSE(drewReading());

    // A password box never shows what is composed, and leaves it to the
    // input method's own window.
    other->setPasswordBox(true);
    EXPECT_FALSE(testsupport::x11::getInlineCompositionWish());
    compose(Reading, 0, 4);
    frame();
    EXPECT_TRUE(Spy->find(L"****"));
    EXPECT_FALSE(drewReading());
}

TEST_F(EditBoxInlineComposition, WrapsAndScrollsAsIfInsertedAndLeavesTheLinesAsTheyWere)
{
    // One line high, with room for "one two" but not for the reading.
    TestEditBox* b = box(L"one two\nthree", core::rect<s32>(20, 20, 102, 40), true);
    b->setMultiLine(true);
    b->setWordWrap(true);
    b->setTextAlignment(gui::EGUIA_UPPERLEFT, gui::EGUIA_UPPERLEFT);
    App.gui()->setFocus(b);
    frame();
    const std::vector<std::wstring> before = lines(*b);
    b->CursorPos = 3; // after "one"
    // A reading too wide for the rest of the line wraps onto a line of its
    // own, and the caret at its end needs the box scrolled to that line.
    const std::wstring longReading = L" " + Reading + Reading;
    compose(longReading, 0, (s32)longReading.size());
    frame();
    EXPECT_TRUE(Spy->find(L"one"));
    EXPECT_TRUE(Spy->find(Reading + Reading));
    EXPECT_TRUE(Spy->find(L"two "));
    EXPECT_GT(b->VScrollPos, 0);
    EXPECT_EQ(lines(*b), before);
    EXPECT_EQ(b->text(), core::stringw(L"one two\nthree"));
    expectSound(*b);

    compose(L"", 0, 0);
    EXPECT_EQ(b->VScrollPos, 0);
}

} // namespace
