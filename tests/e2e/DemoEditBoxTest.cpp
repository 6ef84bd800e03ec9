// Both edit boxes as a person uses them: the real pointer and keyboard, the
// input method's Unicode keys, and the clipboard shared with other X clients.
#include "e2e/DemoSession.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using e2e::DemoSession;
using e2e::Region;
using e2e::SessionOptions;

namespace
{

// Inside each box, where its text stands; the frame stays out.
Region firstBoxText(DemoSession& demo)
{
    return demo.capture(352, 82, 196, 16);
}
Region secondBoxText(DemoSession& demo)
{
    return demo.capture(352, 112, 196, 16);
}

// Focus elsewhere, so that neither cursor nor selection is drawn.
void leaveBoxes(DemoSession& demo)
{
    demo.click(600, 420);
}

using testsupport::runShell;

// A single-line box's line is as tall as the whole box, a little more than
// its frame, so the first key or click scrolls it by a pixel. Baselines are
// taken after that has happened.
void touchBoxes(DemoSession& demo)
{
    demo.click(545, 90);
    demo.key("End");
    demo.click(545, 120);
    demo.key("End");
    leaveBoxes(demo);
}

TEST(DemoEditBox, TypingLatinTextAndTakingItBackWithBackspaceAndDelete)
{
    DemoSession demo;
    ASSERT_TRUE(demo.started());
    touchBoxes(demo);
    const Region start = firstBoxText(demo);

    demo.click(545, 90);
    demo.key("End");
    demo.type("xyz");
    leaveBoxes(demo);
    EXPECT_FALSE(firstBoxText(demo) == start) << "typed text not shown";

    demo.click(545, 90);
    demo.key("End BackSpace BackSpace BackSpace");
    leaveBoxes(demo);
    EXPECT_TRUE(firstBoxText(demo) == start) << "Backspace did not take the text back";

    demo.click(545, 90);
    demo.key("Home Delete");
    leaveBoxes(demo);
    EXPECT_FALSE(firstBoxText(demo) == start);
    demo.click(545, 90);
    demo.key("Home shift+e");
    leaveBoxes(demo);
    EXPECT_TRUE(firstBoxText(demo) == start) << "Delete took more than one character";

    demo.closeWindow();
    EXPECT_EQ(0, demo.waitForExit());
}

class DemoJapaneseInput : public ::testing::TestWithParam<const char*>
{
};

TEST_P(DemoJapaneseInput, UnicodeKeysArriveAsCharactersInTheBox)
{
    SessionOptions options;
    options.Locale = GetParam();
    DemoSession demo(options);
    ASSERT_TRUE(demo.started());
    touchBoxes(demo);
    const unsigned long face = demo.pixel(545, 84);
    const int before = firstBoxText(demo).countOtherThan(face);

    // What an input method commits arrives as keys of these characters.
    ASSERT_TRUE(demo.mapKeysyms({0x10065e5, 0x100672c, 0x1008a9e}));
    demo.click(545, 90);
    demo.key("End space U65E5 U672C U8A9E"); // 日本語
    leaveBoxes(demo);
    const int after = firstBoxText(demo).countOtherThan(face);
    // Three kanji at 12 pixels carry far more ink than a space.
    EXPECT_GT(after, before + 60) << "kanji not shown";

    demo.click(545, 90);
    demo.key("End BackSpace BackSpace BackSpace BackSpace");
    leaveBoxes(demo);
    EXPECT_EQ(before, firstBoxText(demo).countOtherThan(face)) << "not three characters";

    demo.closeWindow();
    EXPECT_EQ(0, demo.waitForExit());
}

INSTANTIATE_TEST_SUITE_P(Locales, DemoJapaneseInput,
                         ::testing::Values("ja_JP.UTF-8", "ja_JP.EUC-JP"));

TEST(DemoEditBox, SelectionWithShiftAndWithTheMouseIsHighlighted)
{
    DemoSession demo;
    ASSERT_TRUE(demo.started());
    const unsigned long face = demo.pixel(545, 84);

    // The highlight covers "Editable Text1", about 80 by 12 pixels.
    demo.click(545, 90);
    demo.key("End");
    const int unselected = firstBoxText(demo).count(face);
    demo.key("shift+Home");
    EXPECT_LT(firstBoxText(demo).count(face), unselected - 600) << "no highlight";
    demo.key("End");
    EXPECT_GT(firstBoxText(demo).count(face), unselected - 100) << "highlight stayed";

    demo.drag(356, 90, 420, 90);
    const Region dragged = demo.capture(356, 82, 60, 16);
    EXPECT_LT(dragged.count(face), (int)dragged.Pixels.size() / 2) << "no highlight";

    demo.closeWindow();
    EXPECT_EQ(0, demo.waitForExit());
}

TEST(DemoEditBox, CopyCutAndPasteBetweenTheTwoBoxes)
{
    DemoSession demo;
    ASSERT_TRUE(demo.started());
    touchBoxes(demo);
    const Region first = firstBoxText(demo);

    demo.click(545, 90);
    demo.key("ctrl+a ctrl+c");
    demo.click(545, 120);
    demo.key("ctrl+a ctrl+v");
    leaveBoxes(demo);
    EXPECT_TRUE(secondBoxText(demo) == first) << "the second box does not show the first's text";

    demo.click(545, 90);
    demo.key("ctrl+a ctrl+x");
    leaveBoxes(demo);
    const Region emptied = firstBoxText(demo);
    EXPECT_EQ(emptied.count(demo.pixel(545, 84)), (int)emptied.Pixels.size()) << "cut left text";

    demo.click(545, 90);
    demo.key("ctrl+v");
    leaveBoxes(demo);
    EXPECT_TRUE(firstBoxText(demo) == first) << "paste did not bring the cut text back";

    demo.closeWindow();
    EXPECT_EQ(0, demo.waitForExit());
}

struct ClipboardCase
{
    const char* Locale;
    const char* Bytes; // 日本 in that locale's encoding
};

// The case's name in test lists: the locale, not the pointers' bytes.
void PrintTo(const ClipboardCase& c, std::ostream* os)
{
    *os << c.Locale;
}

class DemoClipboard : public ::testing::TestWithParam<ClipboardCase>
{
};

TEST_P(DemoClipboard, SharesLocaleTextWithAnotherXClient)
{
    SessionOptions options;
    options.Locale = GetParam().Locale;
    DemoSession demo(options);
    ASSERT_TRUE(demo.started());
    const unsigned long face = demo.pixel(545, 84);
    const std::string bytes = GetParam().Bytes;

    // From another client into the box.
    const std::string set = "printf '%s' '" + bytes + "' | xclip -selection clipboard -i";
    ASSERT_EQ(0, system(set.c_str()));
    demo.click(545, 90);
    demo.key("ctrl+a ctrl+v");
    leaveBoxes(demo);
    const int ink = firstBoxText(demo).countOtherThan(face);
    EXPECT_GT(ink, 60) << "nothing pasted";
    EXPECT_LT(ink, 400) << "more than two characters pasted";

    // From the box to another client: UTF-8 to whoever asks for UTF8_STRING
    // (xclip's default), the locale's own bytes as STRING.
    demo.click(545, 90);
    demo.key("ctrl+a ctrl+c");
    EXPECT_EQ("\xe6\x97\xa5\xe6\x9c\xac", runShell("timeout 5 xclip -selection clipboard -o"));
    EXPECT_EQ(bytes, runShell("timeout 5 xclip -selection clipboard -o -t STRING"));

    demo.closeWindow();
    EXPECT_EQ(0, demo.waitForExit());
}

INSTANTIATE_TEST_SUITE_P(Locales, DemoClipboard,
                         ::testing::Values(ClipboardCase{"ja_JP.UTF-8", "\xe6\x97\xa5\xe6\x9c\xac"},
                                           ClipboardCase{"ja_JP.EUC-JP", "\xc6\xfc\xcb\xdc"}));

} // namespace
