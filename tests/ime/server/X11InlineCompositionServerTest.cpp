// Real servers of the callbacks style, uim-xim and IBus with Anthy and with
// Hangul, composing into boxes that draw the composition themselves.
#include "gui/font/CGUITTFont.h"
#include "gui/font/SystemFonts.h"
#include "ime/server/X11InputServerFixture.h"
#include "support/XWindowProbe.h"

using namespace irr;

using namespace x11test;

namespace
{

const wchar_t* const Nihongo = L"\u65e5\u672c\u8a9e"; // 日本語

//! The parameter is "server locale". The first box draws the composition.
class X11InlineCompositionServer : public X11InputServer
{
protected:
    void SetUp() override
    {
        X11InputServer::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        First->setInlineComposition(true);
        useFont();
    }

    //! IPA Gothic, with the system's Korean face as its fallback.
    void useFont()
    {
        gui::CGUITTFace* face = new gui::CGUITTFace();
        gui::CGUITTFont* font = new gui::CGUITTFont(Device->getVideoDriver());
        ASSERT_TRUE(face->load(testsupport::ipaFontPath()));
        ASSERT_TRUE(font->attach(face, 12));
        face->drop();
        if (gui::CGUITTFace* korean = gui::loadSystemFace("ko"))
        {
            font->addFallback(korean);
            korean->drop();
        }
        Device->getGUIEnvironment()->getSkin()->setFont(font);
        font->drop();
    }

    //! As X11InputServer's, then a frame drawn, so that its pixels are known.
    void clickInto(gui::CGUIEditBoxML* box)
    {
        X11InputServer::clickInto(box);
        video::IVideoDriver* driver = Device->getVideoDriver();
        driver->beginScene(true, true, video::SColor(255, 200, 200, 200));
        Device->getGUIEnvironment()->drawAll();
        driver->endScene();
    }

    //! Pixels inside the box's frame, in the last frame, that are not its
    //! background: text, underlines, the highlight of a converted clause.
    u32 inkPixels(gui::CGUIEditBoxML* box)
    {
        video::IImage* shot = Device->getVideoDriver()->createScreenShot();
        if (!shot)
            return 0;
        core::rect<s32> r = box->getAbsolutePosition();
        // The frame's top row is above any text.
        const video::SColor background =
            shot->getPixel((u32)r.UpperLeftCorner.X + 2, (u32)r.UpperLeftCorner.Y + 2);
        u32 count = 0;
        for (s32 y = r.UpperLeftCorner.Y + 2; y < r.LowerRightCorner.Y - 2; ++y)
            for (s32 x = r.UpperLeftCorner.X + 2; x < r.LowerRightCorner.X - 2; ++x)
                count += shot->getPixel((u32)x, (u32)y) != background;
        shot->drop();
        return count;
    }
};

TEST_P(X11InlineCompositionServer, TheReadingIsDrawnInTheBoxAndOnlyTheCommitEntersIt)
{
    clickInto(First);
    ASSERT_TRUE(composeInto(First));
    const u32 empty = inkPixels(First);
    const int shown = testsupport::XInputMethodServer::countMappedWindowsBesides(Window);
    type("nihongo");
    ASSERT_TRUE(pumpUntil([&] { return inkPixels(First) > empty + 60; }))
        << "the reading did not show in the box";
    EXPECT_EQ(L"", text(First));
    // The box shows the reading: no window of the server's does.
    EXPECT_EQ(shown, testsupport::XInputMethodServer::countMappedWindowsBesides(Window));

    send({"key", "space"});
    EXPECT_EQ(L"", text(First));
    EXPECT_GT(inkPixels(First), empty + 60);
    send({"key", "Return"});
    EXPECT_EQ(Nihongo, text(First));
    const u32 committed = inkPixels(First);

    // Half a reading, then another box: nothing of it stays, in either box.
    // The blinking cursor, 20 pixels at most, comes and goes meanwhile.
    type("kaki");
    ASSERT_TRUE(pumpUntil([&] { return inkPixels(First) > committed + 40; }));
    clickInto(Second);
    settle();
    EXPECT_EQ(Nihongo, text(First));
    EXPECT_LE(inkPixels(First), committed);
    EXPECT_GE(inkPixels(First) + 20, committed);
    EXPECT_EQ(L"", text(Second));
}

INSTANTIATE_TEST_SUITE_P(Servers, X11InlineCompositionServer,
                         ::testing::Values("uim ja_JP.UTF-8", "ibus ja_JP.UTF-8"));

//! Hangul composes one syllable at a time: each is committed when the next
//! one starts, and the one being composed is drawn in the box.
class X11HangulInlineComposition : public X11InlineCompositionServer
{
};

TEST_P(X11HangulInlineComposition, TheSyllableBeingComposedIsDrawnAndOnlyCommittedOnesEnter)
{
    clickInto(First);
    ASSERT_TRUE(composeInto(First));
    const u32 empty = inkPixels(First);
    type("gks"); // 한, still being composed
    ASSERT_TRUE(pumpUntil([&] { return inkPixels(First) > empty + 40; }))
        << "the syllable did not show in the box";
    EXPECT_EQ(L"", text(First));
    type("rnrdj"); // 한 and 국 committed, 어 being composed
    pumpUntil([&] { return text(First) == L"\ud55c\uad6d"; });
    EXPECT_EQ(L"\ud55c\uad6d", text(First));
    send({"key", "Return"});
    pumpUntil([&] { return text(First) == L"\ud55c\uad6d\uc5b4"; });
    EXPECT_EQ(L"\ud55c\uad6d\uc5b4", text(First));
    // Leaving with a syllable drawn: the server commits it to this box.
    type("gks");
    ASSERT_TRUE(pumpUntil([&] { return inkPixels(First) > empty + 40; }));
    clickInto(Second);
    EXPECT_EQ(L"\ud55c\uad6d\uc5b4\ud55c", text(First));
    EXPECT_EQ(L"", text(Second));
}

INSTANTIATE_TEST_SUITE_P(Servers, X11HangulInlineComposition,
                         ::testing::Values("ibus-hangul ko_KR.UTF-8"));

//! uim-xim draws a box's composition in a window of its own where the box
//! has none, with its text on the spot.
class X11CompositionWindowServer : public X11InlineCompositionServer
{
};

TEST_P(X11CompositionWindowServer, OpensNextToTheCursorOnTheSecondLineOfAMultiLineBox)
{
    gui::CGUIEditBoxML* box = addBox(core::rect<s32>(100, 200, 500, 300));
    box->setMultiLine(true);
    box->setTextAlignment(gui::EGUIA_UPPERLEFT, gui::EGUIA_UPPERLEFT);
    clickInto(box);
    ASSERT_TRUE(composeInto(box));
    const wchar_t* longLine = L"a rather long first line of text";
    box->setText((std::wstring(longLine) + L"\nab").c_str());
    send({"key", "ctrl+End"});
    s32 spotX = 0, spotY = 0;
    ASSERT_TRUE(testsupport::x11::getCompositionWindowPos(spotX, spotY));
    gui::IGUIFont* font = Device->getGUIEnvironment()->getSkin()->getFont();
    const s32 lineHeight = (s32)font->getDimension(L"|").Height;
    EXPECT_LT(spotX, 100 + (s32)font->getDimension(longLine).Width);
    EXPECT_GT(spotY, 200 + lineHeight);
    EXPECT_LE(spotY, 200 + 3 * lineHeight);

    // uim-xim stands the reading on the spot, in a window of its own over
    // ours: what changes on the screen right of the cursor, above the foot
    // of its line, is that window (the box draws nothing there).
    testsupport::XWindowProbe probe;
    auto look = [&] { return probe.capture(Window, spotX + 1, spotY - 12, 24, 8); };
    const std::vector<unsigned long> before = look();
    type("ka");
    auto changed = [&]
    {
        const std::vector<unsigned long> now = look();
        size_t count = 0;
        for (size_t i = 0; i < now.size() && i < before.size(); ++i)
            count += now[i] != before[i];
        return count;
    };
    EXPECT_TRUE(pumpUntil([&] { return changed() > 20; }))
        << "nothing of uim-xim's window next to the cursor";
    EXPECT_EQ(std::wstring(longLine) + L"\nab", text(box));
}

INSTANTIATE_TEST_SUITE_P(Servers, X11CompositionWindowServer, ::testing::Values("uim ja_JP.UTF-8"));

} // namespace
