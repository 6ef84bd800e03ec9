// Real input method servers composing Chinese and Korean for the demo's two
// edit boxes: fcitx5 and IBus with pinyin, hangul and chewing, each in the
// UTF-8 locale and the legacy one of its language.
#include "ime/server/X11InputServerFixture.h"

using namespace irr;

using namespace x11test;

namespace
{

struct SWord
{
    //! The end of the server's name: its input method.
    const char* Method;
    const char* Keys;
    //! The key that commits the last of it. A Hangul server commits each
    //! syllable when the next one starts and hands this key back after
    //! committing the last.
    const char* Commit;
    const wchar_t* Text;
};

// 中文 in pinyin and on the standard zhuyin keyboard (ㄓㄨㄥ, ㄨㄣˊ), 한국어
// on the two-set Korean keyboard.
const SWord Words[] = {
    {"pinyin", "zhongwen", "space", L"\u4e2d\u6587"},
    {"hangul", "gksrnrdj", "Return", L"\ud55c\uad6d\uc5b4"},
    {"chewing", "5j/ jp6", "Return", L"\u4e2d\u6587"},
};

class X11ChineseKoreanInput : public X11InputServer
{
protected:
    const SWord& word() const
    {
        for (const SWord& w : Words)
            if (Name.find(w.Method) != std::string::npos)
                return w;
        return Words[0];
    }
    bool hangul() const { return Name.find("hangul") != std::string::npos; }
    bool keepsCompositionOnLeaving() const
    {
        return Name == "ibus-hangul" || Name == "ibus-chewing";
    }
};

TEST_P(X11ChineseKoreanInput, CommittedWordReachesTheFocusedBoxExactlyAndLeavingDoublesNothing)
{
    clickInto(First);
    ASSERT_TRUE(composeInto(First));
    type(word().Keys);
    // Hangul: the syllables before the last are in, the last is still composed.
    const std::wstring before = hangul() ? L"\ud55c\uad6d" : L"";
    pumpUntil([&] { return text(First) == before; });
    EXPECT_EQ(before, text(First));
    send({"key", word().Commit});
    // A busy server answers late: wait for the word rather than assume it.
    pumpUntil([&] { return text(First) == word().Text; });
    EXPECT_EQ(word().Text, text(First));
    // One KEY_ACCEPT per character; the server handed back nothing but the
    // Hangul commit key, which a single-line box does not type.
    size_t accepted = 0;
    for (const SKey& k : presses())
    {
        EXPECT_TRUE(k.Key == KEY_ACCEPT || (hangul() && k.Key == KEY_RETURN)) << k.Key;
        accepted += k.Key == KEY_ACCEPT;
    }
    EXPECT_EQ(std::wstring(word().Text).size(), accepted);

    // Leaving for the other box in the middle of the word: what was
    // committed stays, and what the server commits as the box loses the
    // focus is that box's. IBus's hangul and chewing engines commit their
    // composition then (the last syllable, the whole phrase); fcitx5 draws
    // the composition itself in this style and drops it, as pinyin does.
    clickInto(Second);
    ASSERT_TRUE(composeInto(Second));
    type(word().Keys);
    pumpUntil([&] { return text(Second) == before; });
    clickInto(First);
    EXPECT_EQ(word().Text, text(First));
    EXPECT_EQ(keepsCompositionOnLeaving() ? word().Text : before, text(Second));
}

INSTANTIATE_TEST_SUITE_P(
    Servers, X11ChineseKoreanInput,
    ::testing::Values("fcitx5-pinyin zh_CN.UTF-8", "fcitx5-pinyin zh_CN.GB18030",
                      "ibus-libpinyin zh_CN.UTF-8", "ibus-libpinyin zh_CN.GB18030",
                      "fcitx5-hangul ko_KR.UTF-8", "fcitx5-hangul ko_KR.EUC-KR",
                      "ibus-hangul ko_KR.UTF-8", "ibus-hangul ko_KR.EUC-KR",
                      "fcitx5-chewing zh_TW.UTF-8", "fcitx5-chewing zh_TW.BIG5",
                      "ibus-chewing zh_TW.UTF-8", "ibus-chewing zh_TW.BIG5"));

} // namespace
