#include "EditBoxTestSupport.h"

#include "platform/InputMethodPlatform.h"
#include "platform/TickCountOverride.h"
#include "harness/X11BackendProbe.h"
#include "support/ScopedDevice.h"

using namespace irr;
using namespace editboxtest;

namespace
{

// Pure colours survive the 16-bit back buffer unchanged.
const video::SColor Clear(255, 0, 255, 0);
const video::SColor Window(255, 255, 255, 0);
const video::SColor ButtonText(255, 0, 0, 0);
const video::SColor GrayText(255, 128, 128, 128);
const video::SColor HighLight(255, 255, 0, 0);
const video::SColor HighLightText(255, 0, 0, 255);

// A software renderer on a private X server, with skin colours that tell
// the painted parts apart and the built-in font behind a spy.
class EditBoxDraw : public ::testing::Test
{
protected:
    EditBoxDraw()
        : App(video::EDT_SOFTWARE), Skin(App.gui()->getSkin()),
          Spy(new SpyFont(App.gui()->getBuiltInFont()))
    {
        Skin->setColor(gui::EGDC_WINDOW, Window);
        Skin->setColor(gui::EGDC_BUTTON_TEXT, ButtonText);
        Skin->setColor(gui::EGDC_GRAY_TEXT, GrayText);
        Skin->setColor(gui::EGDC_HIGH_LIGHT, HighLight);
        Skin->setColor(gui::EGDC_HIGH_LIGHT_TEXT, HighLightText);
        Skin->setSize(gui::EGDS_TEXT_DISTANCE_X, 2);
        Skin->setFont(Spy);
        ime::setTickCountOverride(true, 5000);
    }
    ~EditBoxDraw() override
    {
        ime::setTickCountOverride(false);
        Spy->drop();
    }

    TestEditBox* box(const wchar_t* text, const core::rect<s32>& rect)
    {
        TestEditBox* b = makeBox(App.gui(), text, rect, App.gui()->getRootGUIElement());
        b->BlinkStartTime = 5000;
        return b;
    }

    void frame()
    {
        Spy->Calls.clear();
        App.drawFrame(Clear);
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
};

TEST_F(EditBoxDraw, FrameAndInsetFollowTheBorder)
{
    TestEditBox* plain = box(L"plain", core::rect<s32>(20, 20, 220, 40));
    plain->setDrawBorder(false);
    TestEditBox* framed = box(L"framed", core::rect<s32>(20, 60, 220, 80));
    frame();

    EXPECT_EQ(App.pixel(200, 30), Clear);
    EXPECT_EQ(App.pixel(200, 70), Window);
    ASSERT_TRUE(Spy->find(L"plain") && Spy->find(L"framed"));
    EXPECT_EQ(Spy->find(L"plain")->Position.UpperLeftCorner.X, 20);
    EXPECT_EQ(Spy->find(L"framed")->Position.UpperLeftCorner.X, 23);
    EXPECT_FALSE(Spy->find(L"framed")->HCenter);
    EXPECT_TRUE(Spy->find(L"framed")->VCenter);
    EXPECT_EQ(Spy->find(L"framed")->Clip, framed->FrameRect);

    // Without a background the pane keeps its edges but no fill.
    framed->setDrawBackground(false);
    frame();
    EXPECT_EQ(App.pixel(200, 70), Clear);
}

TEST_F(EditBoxDraw, DisabledTextIsGreyButTheCursorIsNot)
{
    TestEditBox* b = box(L"grey", core::rect<s32>(20, 20, 220, 40));
    b->setEnabled(false);
    App.gui()->setFocus(b);
    // The grey is the colour drawn in, not an override colour the box
    // pretends to have while it draws.
    bool overrideSeen = false;
    Spy->OnDraw = [&] { overrideSeen = overrideSeen || b->isOverrideColorEnabled(); };
    frame();
    Spy->OnDraw = nullptr;
    EXPECT_FALSE(overrideSeen);
    ASSERT_TRUE(Spy->find(L"grey") && Spy->find(L"_"));
    EXPECT_EQ(Spy->find(L"grey")->Color, GrayText);
    EXPECT_EQ(Spy->find(L"_")->Color, ButtonText);
    EXPECT_FALSE(b->isOverrideColorEnabled());

    b->setOverrideColor(video::SColor(255, 1, 2, 3));
    frame();
    EXPECT_EQ(Spy->find(L"grey")->Color, video::SColor(255, 1, 2, 3));
}

TEST_F(EditBoxDraw, NoHighlightOrCursorWithoutFocus)
{
    TestEditBox* b = box(L"selected", core::rect<s32>(20, 20, 220, 40));
    b->SelectionStart = 0;
    b->SelectionEnd = 8;
    frame();
    EXPECT_EQ(Spy->Calls.size(), 1u);
    EXPECT_EQ(span(30, 20, 220, HighLight).first, -1);

    App.gui()->setFocus(b);
    frame();
    EXPECT_NE(span(30, 20, 220, HighLight).first, -1);
    EXPECT_TRUE(Spy->find(L"_"));
}

TEST_F(EditBoxDraw, SelectionOverThreeLinesHighlightsExactlyItsSpans)
{
    // The selected text in the highlight colour hides it, so only the spans
    // remain; the top row of a line is above the glyphs.
    Skin->setColor(gui::EGDC_HIGH_LIGHT_TEXT, HighLight);
    TestEditBox* b = box(L"abc\ndefgh\nijk", core::rect<s32>(20, 20, 320, 120));
    b->setMultiLine(true);
    b->setTextAlignment(gui::EGUIA_UPPERLEFT, gui::EGUIA_UPPERLEFT);
    b->SelectionStart = 11;
    b->SelectionEnd = 1;
    App.gui()->setFocus(b);
    frame();

    gui::IGUIFont* font = App.gui()->getBuiltInFont();
    const s32 expected[3][2] = {{widthOf(font, L"a"), widthOf(font, L"abc ")},
                                {0, widthOf(font, L"defgh ")},
                                {0, widthOf(font, L"i")}};
    for (s32 line = 0; line < 3; ++line)
    {
        b->setTextRect(line);
        const core::rect<s32> r = b->CurrentTextRect;
        const std::pair<s32, s32> painted =
            span(r.UpperLeftCorner.Y, b->FrameRect.UpperLeftCorner.X,
                 b->FrameRect.LowerRightCorner.X, HighLight);
        EXPECT_EQ(painted.first, r.UpperLeftCorner.X + expected[line][0]) << "line " << line;
        EXPECT_EQ(painted.second, r.UpperLeftCorner.X + expected[line][1] - 1) << "line " << line;
    }
    EXPECT_TRUE(Spy->find(L"bc "));
    EXPECT_TRUE(Spy->find(L"defgh "));
    EXPECT_TRUE(Spy->find(L"i"));

    // Ending in the middle line, it leaves the last line bare.
    b->SelectionStart = 1;
    b->SelectionEnd = 6;
    frame();
    b->setTextRect(2);
    EXPECT_EQ(span(b->CurrentTextRect.UpperLeftCorner.Y, b->FrameRect.UpperLeftCorner.X,
                   b->FrameRect.LowerRightCorner.X, HighLight)
                  .first,
              -1);
}

// The selected characters are drawn again over the highlight, in the
// highlight text colour; an override colour, or the grey of a disabled
// box, takes its place there as in the rest of the text.
TEST_F(EditBoxDraw, SelectedTextTakesTheHighlightTextColourUnlessAnotherIsSet)
{
    TestEditBox* b = box(L"selected", core::rect<s32>(20, 20, 220, 40));
    b->setEnabled(false);
    App.gui()->setFocus(b);
    b->SelectionStart = 0;
    b->SelectionEnd = 3;
    const video::SColor own(255, 1, 2, 3);
    const struct
    {
        bool enabled, overridden;
        video::SColor expected;
    } cases[] = {{false, false, GrayText},
                 {false, true, own},
                 {true, true, own},
                 {true, false, HighLightText}};
    for (const auto& c : cases)
    {
        b->setEnabled(c.enabled);
        b->setOverrideColor(own);
        b->enableOverrideColor(c.overridden);
        frame();
        ASSERT_TRUE(Spy->find(L"sel")) << c.enabled << c.overridden;
        EXPECT_EQ(Spy->find(L"sel")->Color, c.expected) << c.enabled << c.overridden;
    }
}

TEST_F(EditBoxDraw, PasswordShowsOneMaskCharacterPerCharacter)
{
    TestEditBox* b = box(L"abc", core::rect<s32>(20, 20, 220, 40));
    b->setPasswordBox(true);
    b->CursorPos = 2;
    App.gui()->setFocus(b);
    frame();
    ASSERT_TRUE(Spy->find(L"***") && Spy->find(L"_"));
    EXPECT_FALSE(Spy->find(L"abc"));
    EXPECT_EQ(Spy->find(L"_")->Position.UpperLeftCorner.X,
              Spy->find(L"***")->Position.UpperLeftCorner.X +
                  widthOf(App.gui()->getBuiltInFont(), L"**"));

    // A new mask character shows at the next frame, a longer text at once.
    b->setPasswordBox(true, L'#');
    b->setText(L"abcd");
    frame();
    EXPECT_TRUE(Spy->find(L"####"));
}

// What a password box scrolls by, where it draws the cursor, where it
// places the composition window and where a click lands all follow the
// mask it shows, also when the hidden characters are twice as wide.
TEST_F(EditBoxDraw, PasswordBoxesScrollDrawAndHitTestTheMask)
{
    SpyFont* ipa = new SpyFont(useIpaFont(App.gui()));
    Skin->setFont(ipa);
    ipa->drop();
    const std::wstring kanji(20, L'\x65e5');
    const std::wstring mask(20, L'*');
    TestEditBox* b = box(kanji.c_str(), core::rect<s32>(20, 20, 120, 40));
    b->setPasswordBox(true);
    ASSERT_GT(widthOf(ipa, mask.c_str()), 100);
    App.gui()->setFocus(b);
    App.drawFrame(Clear);
    b->OnEvent(keyEvent(KEY_END));
    ipa->Calls.clear();
    App.drawFrame(Clear);

    // Pinned to the right edge with room for "_ ", right after the mask.
    const SpyFont::SDrawCall* cursor = ipa->find(L"_");
    const SpyFont::SDrawCall* shown = ipa->find(mask);
    ASSERT_TRUE(cursor && shown);
    EXPECT_FALSE(ipa->find(kanji));
    const s32 cursorX = cursor->Position.UpperLeftCorner.X;
    EXPECT_EQ(cursorX, b->FrameRect.LowerRightCorner.X - widthOf(ipa, L"_ "));
    EXPECT_EQ(cursorX, shown->Position.UpperLeftCorner.X + widthOf(ipa, mask.c_str()));
    s32 x = 0, y = 0;
    ASSERT_TRUE(testsupport::x11::getCompositionWindowPos(x, y));
    EXPECT_EQ(x, cursorX);

    // A press on the fifteenth mask character puts the cursor before it.
    const s32 pressX = shown->Position.UpperLeftCorner.X + widthOf(ipa, mask.substr(0, 14).c_str());
    ASSERT_GT(pressX, b->FrameRect.UpperLeftCorner.X);
    b->OnEvent(mouseEvent(EMIE_LMOUSE_PRESSED_DOWN, pressX + 1 - 3, 30));
    EXPECT_EQ(b->CursorPos, 14);

    b->OnEvent(keyEvent(KEY_HOME));
    ipa->Calls.clear();
    App.drawFrame(Clear);
    ASSERT_TRUE(ipa->find(L"_"));
    EXPECT_EQ(ipa->find(L"_")->Position.UpperLeftCorner.X, b->FrameRect.UpperLeftCorner.X);

    // Right-aligned, a short mask ends at the frame's right edge.
    b->setText(L"\x65e5\x672c");
    b->setTextAlignment(gui::EGUIA_LOWERRIGHT, gui::EGUIA_CENTER);
    ipa->Calls.clear();
    App.drawFrame(Clear);
    ASSERT_TRUE(ipa->find(L"**"));
    EXPECT_EQ(ipa->find(L"**")->Position.UpperLeftCorner.X,
              b->FrameRect.LowerRightCorner.X - widthOf(ipa, L"**"));
}

TEST_F(EditBoxDraw, CursorBlinksInHalvesOf700Milliseconds)
{
    TestEditBox* b = box(L"", core::rect<s32>(20, 20, 220, 40));
    App.gui()->setFocus(b);
    const u32 origins[] = {5000u, 0xFFFFFF00u};
    for (u32 origin : origins)
    {
        b->BlinkStartTime = origin;
        const u32 offsets[] = {0, 349, 350, 699, 700, 1049, 1050};
        const bool visible[] = {true, true, false, false, true, true, false};
        for (int k = 0; k < 7; ++k)
        {
            ime::setTickCountOverride(true, origin + offsets[k]);
            frame();
            EXPECT_EQ(Spy->find(L"_") != 0, visible[k]) << origin << " + " << offsets[k];
        }
    }
    // An empty box's cursor sits at its first line's left edge.
    ime::setTickCountOverride(true, b->BlinkStartTime);
    frame();
    ASSERT_TRUE(Spy->find(L"_"));
    EXPECT_EQ(Spy->find(L"_")->Position.UpperLeftCorner.X, 23);
}

} // namespace
