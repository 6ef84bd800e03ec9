// Real servers of the callbacks style, uim-xim and IBus with Anthy, composing
// into boxes that draw the composition themselves.
#include "gui/font/CGUITTFont.h"
#include "platform/X11InputFixture.h"
#include "ime/server/XInputMethodServer.h"
#include "support/XWindowProbe.h"

using namespace x11test;
using testsupport::XInputMethodServer;

namespace
{

const wchar_t* const Nihongo = L"\u65e5\u672c\u8a9e"; // 日本語

//! The parameter is "server locale".
class X11InlineCompositionServer : public X11Input
{
protected:
    void SetUp() override
    {
        const std::string param = GetParam();
        Name = param.substr(0, param.find(' '));
        if (!XInputMethodServer::available(Name))
            GTEST_SKIP() << Name << " or libnss-wrapper is not installed (scripts/install-deps.sh)";
        testsupport::useVirtualDisplay();
        Server = XInputMethodServer::shared(Name);
        ASSERT_TRUE(Server) << Name << " did not start";
        X11Input::SetUp();
        ASSERT_TRUE(pumpUntil([] { return testsupport::x11::hasInputContext(); }));
        First = addBox(core::rect<s32>(350, 80, 550, 100));
        Second = addBox(core::rect<s32>(350, 110, 550, 130));
        First->setInlineComposition(true);
        useJapaneseFont();
    }

    const char* modifiers() const override { return XInputMethodServer::modifiers(Name); }
    std::string locale() const override
    {
        const std::string param = GetParam();
        return param.substr(param.find(' ') + 1);
    }

    void useJapaneseFont()
    {
        gui::CGUITTFace* face = new gui::CGUITTFace();
        gui::CGUITTFont* font = new gui::CGUITTFont(Device->getVideoDriver());
        ASSERT_TRUE(face->load(testsupport::ipaFontPath()));
        ASSERT_TRUE(font->attach(face, 12));
        Device->getGUIEnvironment()->getSkin()->setFont(font);
        face->drop();
        font->drop();
    }

    std::wstring text(gui::CGUIEditBoxML* box) const { return box->getText(); }

    void clickInto(gui::CGUIEditBoxML* box)
    {
        const core::rect<s32>& r = box->getAbsolutePosition();
        click(r.UpperLeftCorner.X + 10, r.getCenter().Y);
        ASSERT_TRUE(AppGuiEnvironment->hasFocus(box));
    }

    //! As the other server tests prove it: あ committed for "a".
    bool composeInto(gui::CGUIEditBoxML* box)
    {
        for (int attempt = 0; attempt < 10; ++attempt)
        {
            send({"type", "a"});
            send({"key", "Return"});
            pumpUntil([&] { return !text(box).empty(); });
            const bool composing = text(box) == L"\u3042";
            box->setText(L"");
            if (composing)
                return true;
            Server->attachFocusedClient();
            send({"key", Server->toggleKey()});
        }
        return false;
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

    void type(const char* romaji) { send({"type", "--delay", "20", romaji}); }

    std::string Name;
    XInputMethodServer* Server = 0;
    gui::CGUIEditBoxML* First = 0;
    gui::CGUIEditBoxML* Second = 0;
};

TEST_P(X11InlineCompositionServer, TheReadingIsDrawnInTheBoxAndOnlyTheCommitEntersIt)
{
    clickInto(First);
    ASSERT_TRUE(composeInto(First));
    const u32 empty = inkPixels(First);
    type("nihongo");
    ASSERT_TRUE(pumpUntil([&] { return inkPixels(First) > empty + 60; }))
        << "the reading did not show in the box";
    EXPECT_EQ(L"", text(First));

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
