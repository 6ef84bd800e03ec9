// Real input method servers composing Japanese for the demo's two edit
// boxes: Debian's uim-xim, fcitx5 and IBus, each with Anthy, on the virtual
// X server, in both Japanese locales.
#include "ime/server/X11InputServerFixture.h"

using namespace irr;

using namespace x11test;

namespace
{

const wchar_t* const Nihongo = L"\u65e5\u672c\u8a9e"; // 日本語

TEST_P(X11InputServer, ConvertedTextReachesTheFocusedBoxExactly)
{
    clickInto(First);
    ASSERT_TRUE(composeInto(First));
    type("nihongo");
    send({"key", "space"});
    EXPECT_EQ(L"", text(First));
    send({"key", "Return"});
    EXPECT_EQ(Nihongo, text(First));
    EXPECT_TRUE(onlyCommitsPressed());

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
