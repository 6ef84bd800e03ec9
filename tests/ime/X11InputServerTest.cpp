// A real input method server composing Japanese for the demo's window:
// Debian's uim-xim with the Anthy engine on the virtual X server.
#include "X11InputFixture.h"
#include "XInputMethodServer.h"

using namespace x11test;
using testsupport::XInputMethodServer;

namespace
{

class X11InputServer : public X11Input
{
protected:
    void SetUp() override
    {
        if (!XInputMethodServer::available())
            GTEST_SKIP() << "uim-xim is not installed (Debian: uim-xim uim-anthy xfonts-base)";
        testsupport::useVirtualDisplay();
        ASSERT_TRUE(XInputMethodServer::shared());
        X11Input::SetUp();
    }

    const char* modifiers() const override { return XInputMethodServer::modifiers(); }

    //! With the server gone the context goes too, and keys type plainly.
    void typeWhileAway()
    {
        ASSERT_TRUE(pumpUntil([] { return !ime::x11::hasInputContext(); }));
        Device->Posted.clear();
        send({"type", "xy"});
        const std::vector<SKey> typed = presses();
        ASSERT_EQ(2u, typed.size());
        EXPECT_EQ(KEY_KEY_X, typed[0].Key);
        EXPECT_EQ(KEY_KEY_Y, typed[1].Key);
    }

    //! Switches the server's Japanese input on and types romaji into it.
    void compose(const char* romaji)
    {
        send({"key", "shift+space"});
        send({"type", "--delay", "30", romaji});
    }
};

TEST_P(X11InputServer, ConvertedTextArrivesAsAcceptEventsOnly)
{
    compose("nihongo");
    EXPECT_EQ(L"", accepted());
    send({"key", "space"});
    send({"key", "Return"});
    EXPECT_EQ(L"\u65e5\u672c\u8a9e", accepted());
    // The keys that composed it were the server's: none was pressed for the engine.
    for (const SKey& k : presses())
        EXPECT_EQ(KEY_ACCEPT, k.Key);
}

TEST_P(X11InputServer, ClosingTheInputMethodDiscardsTheComposition)
{
    compose("aiu");
    ime::closeInputMethod();
    send({"key", "Return"});
    EXPECT_EQ(L"", accepted());
}

TEST_P(X11InputServer, ServerGoingAwayLeavesPlainKeysUntilItComesBack)
{
    compose("a");
    ASSERT_TRUE(XInputMethodServer::shared()->restart([this] { typeWhileAway(); }));
    ASSERT_TRUE(pumpUntil([] { return ime::x11::hasInputContext(); }));
    Device->Posted.clear();
    compose("ai");
    send({"key", "Return"});
    EXPECT_EQ(L"\u3042\u3044", accepted());
}

INSTANTIATE_TEST_SUITE_P(Locales, X11InputServer, ::testing::Values("ja_JP.UTF-8", "ja_JP.EUC-JP"));

} // namespace
