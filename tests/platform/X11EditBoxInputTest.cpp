// Typing into the demo's edit box through the X keyboard and pointer: the
// whole road from the X server through the input method and the pump.
#include "X11InputFixture.h"

using namespace irr;

using namespace x11test;

namespace
{

class X11EditBoxInput : public X11Input
{
};

TEST_P(X11EditBoxInput, KanjiAndKeysTypedOnTheKeyboardReachTheClickedBox)
{
    gui::CGUIEditBoxML* box = addBox(core::rect<s32>(350, 80, 550, 100));
    ASSERT_TRUE(Driver->mapKeysyms({Hi, Moto, Go}));
    click(360, 90);
    ASSERT_TRUE(Device->getGUIEnvironment()->hasFocus(box));
    s32 emptyX = 0, emptyY = 0;
    ASSERT_TRUE(testsupport::x11::getInputContextSpotLocation(emptyX, emptyY));

    send({"key", "U65E5", "U672C", "U8A9E"});
    send({"type", "ab"});
    send({"key", "BackSpace", "shift+Left", "shift+Left", "Delete"});
    EXPECT_EQ(std::wstring(L"\u65e5\u672c"), std::wstring(box->getText()));

    // Composition follows the cursor: right past what was typed.
    send({"type", "xy"});
    EXPECT_EQ(std::wstring(L"\u65e5\u672cxy"), std::wstring(box->getText()));
    s32 x = 0, y = 0;
    ASSERT_TRUE(testsupport::x11::getInputContextSpotLocation(x, y));
    EXPECT_GT(x, emptyX);
    EXPECT_LT(x, 550);
    EXPECT_EQ(emptyY, y);
}

TEST_P(X11EditBoxInput, ACharacterTheLocaleCannotWriteIsMarkedAndTheRestKept)
{
    gui::CGUIEditBoxML* box = addBox(core::rect<s32>(350, 80, 550, 100));
    const unsigned long Han = 0x100d55c; // 한: Hangul, which EUC-JP lacks
    ASSERT_TRUE(Driver->mapKeysyms({Hi, Han, Moto}));
    click(360, 90);
    send({"key", "U65E5", "UD55C", "U672C"});
    const bool utf8 = locale() == "ja_JP.UTF-8";
    EXPECT_EQ(std::wstring(utf8 ? L"\u65e5\ud55c\u672c" : L"\u65e5\u3013\u672c"),
              std::wstring(box->getText()));
}

INSTANTIATE_TEST_SUITE_P(Locales, X11EditBoxInput,
                         ::testing::Values("ja_JP.UTF-8", "ja_JP.EUC-JP"));

class X11EditBoxPaste : public X11Input
{
};

// Another program's text pasted into a box in a locale that lacks some of
// it: the rest arrives, with the mark a commit would carry.
TEST_P(X11EditBoxPaste, TextFromAnotherProgramArrivesWithMarksForWhatTheLocaleLacks)
{
    gui::CGUIEditBoxML* box = addBox(core::rect<s32>(350, 80, 550, 100));
    // 这个한국어𠀀: 这个 and 𠀀 are not Korean, 한국어 is not Chinese.
    ASSERT_EQ(0, system("printf '\xe8\xbf\x99\xe4\xb8\xaa\xed\x95\x9c\xea\xb5\xad\xec\x96\xb4"
                        "\xf0\xa0\x80\x80' | xclip -selection clipboard -i"));
    // xclip serves from a child of its own, which may take the selection late.
    ASSERT_TRUE(
        pumpUntil([] { return system("xclip -selection clipboard -o >/dev/null 2>&1") == 0; }));
    click(360, 90);
    send({"key", "ctrl+v"});
    const bool korean = locale() == "ko_KR.EUC-KR";
    EXPECT_EQ(std::wstring(korean ? L"\u3013\u3013\ud55c\uad6d\uc5b4\u3013"
                                  : L"\u8fd9\u4e2a\ud55c\uad6d\uc5b4\U00020000"),
              std::wstring(box->getText()));
}

// GB18030 writes every character.
INSTANTIATE_TEST_SUITE_P(Locales, X11EditBoxPaste,
                         ::testing::Values("ko_KR.EUC-KR", "zh_CN.GB18030"));

// Compose sequences are the UTF-8 locale's; the EUC-JP one has none.
class X11EditBoxCompose : public X11EditBoxInput
{
};

TEST_P(X11EditBoxCompose, LeavingABoxDropsWhatWasBeingComposed)
{
    gui::CGUIEditBoxML* first = addBox(core::rect<s32>(350, 80, 550, 100));
    gui::CGUIEditBoxML* second = addBox(core::rect<s32>(350, 110, 550, 130));
    ASSERT_TRUE(Driver->mapKeysyms({0xff20})); // Multi_key
    click(360, 90);
    send({"key", "Multi_key", "apostrophe"});
    click(360, 120);
    ASSERT_TRUE(Device->getGUIEnvironment()->hasFocus(second));
    send({"key", "e"});
    EXPECT_EQ(std::wstring(L""), std::wstring(first->getText()));
    EXPECT_EQ(std::wstring(L"e"), std::wstring(second->getText()));
}

INSTANTIATE_TEST_SUITE_P(Utf8, X11EditBoxCompose, ::testing::Values("ja_JP.UTF-8"));

} // namespace
