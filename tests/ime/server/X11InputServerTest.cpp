// Real input method servers composing Japanese for the demo's two edit
// boxes: Debian's uim-xim, fcitx5 and IBus, each with Anthy, on the virtual
// X server, in both Japanese locales.
#include "ime/X11InputFixture.h"
#include "ime/server/XInputMethodServer.h"

using namespace x11test;
using testsupport::XInputMethodServer;

namespace
{

const wchar_t* const Nihongo = L"\u65e5\u672c\u8a9e"; // 日本語

//! The parameter is "server locale".
class X11InputServer : public X11Input
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
    }

    const char* modifiers() const override { return XInputMethodServer::modifiers(Name); }
    std::string locale() const override
    {
        const std::string param = GetParam();
        return param.substr(param.find(' ') + 1);
    }

    std::wstring text(gui::CGUIEditBoxML* box) const { return box->getText(); }

    void clickInto(gui::CGUIEditBoxML* box)
    {
        const core::rect<s32>& r = box->getAbsolutePosition();
        click(r.UpperLeftCorner.X + 10, r.getCenter().Y);
        ASSERT_TRUE(AppGuiEnvironment->hasFocus(box));
    }

    //! Makes the server compose for the focused box, switching it on when
    //! it is off, and leaves the box's text as it was. あ committed for "a"
    //! is the proof; a plain "a" says it is off, or not ready yet (fcitx5
    //! loads Anthy late, IBus takes its engine only once a context has the
    //! focus). A busy server hands keys back late, so each answer is waited
    //! for rather than assumed after a pause.
    bool composeInto(gui::CGUIEditBoxML* box)
    {
        const std::wstring before = text(box);
        for (int attempt = 0; attempt < 10; ++attempt)
        {
            send({"type", "a"});
            send({"key", "Return"});
            pumpUntil([&] { return text(box) != before; });
            const bool composing = text(box) == before + L"\u3042";
            if (text(box) != before)
            {
                box->setText(before.c_str());
                send({"key", "End"});
            }
            if (composing)
            {
                Device->Posted.clear();
                return true;
            }
            Server->attachFocusedClient();
            send({"key", Server->toggleKey()});
        }
        return false;
    }

    void type(const char* romaji) { send({"type", "--delay", "20", romaji}); }

    std::string Name;
    XInputMethodServer* Server = 0;
    gui::CGUIEditBoxML* First = 0;
    gui::CGUIEditBoxML* Second = 0;
};

TEST_P(X11InputServer, ConvertedTextReachesTheFocusedBoxExactly)
{
    clickInto(First);
    ASSERT_TRUE(composeInto(First));
    type("nihongo");
    send({"key", "space"});
    EXPECT_EQ(L"", text(First));
    send({"key", "Return"});
    EXPECT_EQ(Nihongo, text(First));
    // The keys that composed it were the server's: none was pressed for the engine.
    for (const SKey& k : presses())
        EXPECT_EQ(KEY_ACCEPT, k.Key);

    send({"key", "BackSpace"});
    EXPECT_EQ(L"\u65e5\u672c", text(First));

    clickInto(Second);
    ASSERT_TRUE(composeInto(Second));
    type("nihongo");
    send({"key", "space", "Return"});
    EXPECT_EQ(Nihongo, text(Second));
    EXPECT_EQ(L"\u65e5\u672c", text(First));

    // The context follows the cursor where the server can say so.
    unsigned long style = 0;
    if (Server->reportsInputStyle())
    {
        ASSERT_TRUE(testsupport::x11::getInputContextStyle(style));
        EXPECT_EQ(PreeditPosition | StatusNothing, style);
    }
}

TEST_P(X11InputServer, LeavingABoxDropsTheCompositionAndSwitchesComposingOff)
{
    clickInto(First);
    ASSERT_TRUE(composeInto(First));
    type("ka");
    send({"key", "Return"});
    ASSERT_EQ(L"\u304b", text(First)); // か: composing was on
    type("ka");

    clickInto(Second);
    type("ka");
    send({"key", "Return"});
    EXPECT_EQ(L"\u304b", text(First));
    // IBus cannot be told: its Anthy mode is the engine's, for every program.
    EXPECT_EQ(Server->startsContextsSwitchedOff() ? L"ka" : L"\u304b", text(Second));
}

TEST_P(X11InputServer, ServerGoingAwayLeavesPlainKeysUntilItComesBack)
{
    clickInto(First);
    ASSERT_TRUE(composeInto(First));
    type("a");
    ASSERT_TRUE(Server->restart(
        [this]
        {
            ASSERT_TRUE(pumpUntil([] { return !testsupport::x11::hasInputContext(); }));
            type("xy");
            EXPECT_EQ(L"xy", text(First));
        }));
    ASSERT_TRUE(pumpUntil([] { return testsupport::x11::hasInputContext(); }));
    ASSERT_TRUE(composeInto(First));
    type("ai");
    send({"key", "Return"});
    EXPECT_EQ(L"xy\u3042\u3044", text(First));
}

INSTANTIATE_TEST_SUITE_P(Servers, X11InputServer,
                         ::testing::Values("uim ja_JP.UTF-8", "uim ja_JP.EUC-JP",
                                           "fcitx5 ja_JP.UTF-8", "fcitx5 ja_JP.EUC-JP",
                                           "ibus ja_JP.UTF-8", "ibus ja_JP.EUC-JP"));

} // namespace
