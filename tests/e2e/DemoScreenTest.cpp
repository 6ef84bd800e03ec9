// The demo's screen as a person uses it: fonts, buttons, the file dialog,
// test windows, transparency and the ways out.
#include "e2e/DemoSession.h"

#include <gtest/gtest.h>

using e2e::DemoSession;
using e2e::Region;
using e2e::SessionOptions;

namespace
{

// The dialog opens centred in the 640x480 window.
const int DialogX = 145, DialogY = 115;

// Where the dialog stands but no other element does.
Region dialogOnlyArea(DemoSession& demo)
{
    return demo.capture(260, 190, 230, 170);
}

TEST(DemoScreen, TrueTypeFontAndBuiltInFontLookDifferent)
{
    Region withFont, withoutFont;
    {
        DemoSession demo;
        ASSERT_TRUE(demo.started());
        withFont = demo.capture(10, 210, 100, 32);
        EXPECT_GT(withFont.countOtherThan(demo.pixel(14, 214)), 40) << "no label on Quit";
        demo.closeWindow();
        EXPECT_EQ(0, demo.waitForExit());
    }
    {
        SessionOptions options;
        options.WithFont = false;
        DemoSession demo(options);
        ASSERT_TRUE(demo.started());
        withoutFont = demo.capture(10, 210, 100, 32);
        EXPECT_GT(withoutFont.countOtherThan(demo.pixel(14, 214)), 40) << "no label on Quit";
        demo.closeWindow();
        EXPECT_EQ(0, demo.waitForExit());
    }
    EXPECT_FALSE(withFont == withoutFont);
}

TEST(DemoScreen, NewWindowStaggersSevenWindowsAndStartsOver)
{
    DemoSession demo;
    ASSERT_TRUE(demo.started());
    const unsigned long background = demo.background();
    EXPECT_EQ(background, demo.pixel(470, 370));
    EXPECT_EQ(background, demo.pixel(105, 105));

    for (int i = 0; i < 7; ++i)
        demo.click(60, 266);

    // The sixth window reaches (480, 380); no other covers its lower right.
    EXPECT_GT(demo.capture(455, 355, 24, 24).countOtherThan(background), 400);
    EXPECT_EQ(background, demo.pixel(485, 385));
    // The seventh starts over at (100, 100).
    EXPECT_GT(demo.capture(101, 101, 28, 28).countOtherThan(background), 700);

    demo.click(60, 226);
    EXPECT_EQ(0, demo.waitForExit());
}

TEST(DemoScreen, FileDialogEntersAFolderChoosesAFileAndCloses)
{
    DemoSession demo;
    ASSERT_TRUE(demo.started());
    const Region before = dialogOnlyArea(demo);

    demo.click(60, 306);
    const Region open = dialogOnlyArea(demo);
    EXPECT_FALSE(open == before) << "no dialog";
    const Region directory = demo.capture(DialogX + 12, DialogY + 32, 240, 16);

    demo.doubleClick(250, 180); // the Japanese folder
    EXPECT_FALSE(demo.capture(DialogX + 12, DialogY + 32, 240, 16) == directory)
        << "the directory text did not change";
    demo.click(250, 196); // the file inside it
    demo.click(450, 155); // OK
    EXPECT_TRUE(dialogOnlyArea(demo) == before) << "OK with a file did not close the dialog";

    demo.closeWindow();
    EXPECT_EQ(0, demo.waitForExit());
}

TEST(DemoScreen, FileDialogOkOnAFolderStaysCancelAndCloseBoxLeave)
{
    DemoSession demo;
    ASSERT_TRUE(demo.started());
    const Region before = dialogOnlyArea(demo);

    demo.click(60, 306);
    demo.click(250, 180); // a folder, chosen once
    demo.click(450, 155); // OK does nothing for a folder
    EXPECT_FALSE(dialogOnlyArea(demo) == before);
    demo.click(450, 180); // Cancel
    EXPECT_TRUE(dialogOnlyArea(demo) == before);

    demo.click(60, 306);
    EXPECT_FALSE(dialogOnlyArea(demo) == before);
    demo.click(DialogX + 350 - 12, DialogY + 10); // the title bar's close box
    EXPECT_TRUE(dialogOnlyArea(demo) == before);

    demo.closeWindow();
    EXPECT_EQ(0, demo.waitForExit());
}

TEST(DemoScreen, FileDialogFollowsADragOfItsTitleBar)
{
    DemoSession demo;
    ASSERT_TRUE(demo.started());
    const unsigned long background = demo.background();
    demo.click(60, 306);
    EXPECT_GT(demo.capture(500, 370, 40, 20).count(background), 790);

    demo.drag(DialogX + 60, DialogY + 8, DialogX + 110, DialogY + 38);
    // Moved by (50, 30): its new lower right is covered, its old left strip free.
    EXPECT_LT(demo.capture(500, 370, 40, 20).count(background), 10);
    EXPECT_EQ(background, demo.pixel(DialogX + 20, DialogY + 240));

    demo.closeWindow();
    EXPECT_EQ(0, demo.waitForExit());
}

TEST(DemoScreen, ScrollBarMakesTheGuiInvisibleAtZeroAndOpaqueAtTheMaximum)
{
    DemoSession demo;
    ASSERT_TRUE(demo.started());
    const unsigned long background = demo.background();

    // The strip above the Quit label: button face and frame, no text. Text
    // keeps its colour's full alpha, so labels stay readable at any position.
    demo.drag(233, 52, 60, 52);
    const Region invisible = demo.capture(10, 210, 100, 8);
    EXPECT_EQ(invisible.count(background), (int)invisible.Pixels.size());

    demo.drag(168, 52, 600, 52); // the thumb now sits at the left end
    const Region opaque = demo.capture(10, 210, 100, 8);
    EXPECT_EQ(0, opaque.count(background));

    demo.click(60, 226); // Quit
    EXPECT_EQ(0, demo.waitForExit());
}

TEST(DemoScreen, QuitAndTheCloseBoxBothEndWithZero)
{
    for (char driver : {'c', 'd', 'e'})
    {
        SessionOptions options;
        options.Driver = driver;
        {
            DemoSession demo(options);
            ASSERT_TRUE(demo.started());
            demo.click(60, 226);
            EXPECT_EQ(0, demo.waitForExit()) << driver;
        }
        {
            DemoSession demo(options);
            ASSERT_TRUE(demo.started());
            demo.closeWindow();
            EXPECT_EQ(0, demo.waitForExit()) << driver;
        }
    }
}

} // namespace
