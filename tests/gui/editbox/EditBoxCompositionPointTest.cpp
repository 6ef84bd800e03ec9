#include "EditBoxTestSupport.h"

#include "platform/InputMethodPlatform.h"
#include "harness/X11BackendProbe.h"
#include "support/ScopedDevice.h"

using namespace irr;
using namespace editboxtest;

namespace
{

// A single-line box's point is the width of all of its text before the
// cursor from the box's left edge; a box with lines puts it on the cursor's
// own line, at the width of that line's text before the cursor. These cases
// take the routes where that width is not the one the scrolling measured.
class EditBoxCompositionPoint : public ::testing::Test
{
protected:
    EditBoxCompositionPoint()
        : Parent(new RecordingParent(App.gui(), core::rect<s32>(0, 0, 640, 480))),
          Font(useIpaFont(App.gui()))
    {
        Parent->drop();
    }

    TestEditBox* box(const wchar_t* text, bool multiLine, bool wordWrap,
                     const core::rect<s32>& rect = core::rect<s32>(100, 50, 300, 250))
    {
        TestEditBox* b = makeBox(App.gui(), text, rect, Parent);
        b->setMultiLine(multiLine);
        b->setWordWrap(wordWrap);
        b->setTextAlignment(gui::EGUIA_UPPERLEFT, gui::EGUIA_UPPERLEFT);
        b->draw();
        return b;
    }

    core::position2d<s32> point()
    {
        s32 x = 0, y = 0;
        EXPECT_TRUE(testsupport::x11::getCompositionWindowPos(x, y));
        return core::position2d<s32>(x, y);
    }

    s32 pointX() { return point().X; }

    //! The point of a single-line box whose text is not scrolled: its left
    //! edge, the border's 3 pixels and the width of everything before the
    //! cursor.
    s32 expectedX(TestEditBox* b)
    {
        EXPECT_EQ(b->HScrollPos, 0) << "this box was not meant to scroll";
        const core::stringw before = b->text().subString(0, b->CursorPos);
        return 100 + 3 + widthOf(Font, before.c_str());
    }

    //! The point of a box with lines: the foot of the cursor's line as it is
    //! shown, scrolled, moved right by that line's text before the cursor.
    core::position2d<s32> expectedOnLine(TestEditBox* b)
    {
        const s32 line = b->getLineFromPos(b->CursorPos);
        b->setTextRect(line);
        const s32 column = b->CursorPos - b->BrokenLineStarts[line];
        const core::stringw before = b->BrokenLines[line].subString(0, column);
        return core::position2d<s32>(b->CurrentTextRect.UpperLeftCorner.X +
                                         widthOf(Font, before.c_str()),
                                     b->CurrentTextRect.LowerRightCorner.Y);
    }

    testsupport::ScopedDevice App;
    RecordingParent* Parent;
    gui::IGUIFont* Font;
};

TEST_F(EditBoxCompositionPoint, BoxesWithLinesPlaceItOnTheCursorsLine)
{
    for (bool wordWrap : {false, true})
    {
        SCOPED_TRACE(wordWrap ? "word wrap" : "no wrap");
        // The longest line comes first: measured from the text's start, the
        // point would lie right of it, and at the box's bottom edge.
        TestEditBox* b = box(L"a rather long first line\r\nshort\nxy", true, wordWrap);
        const s32 lineHeight = b->CurrentTextRect.getHeight();
        b->OnEvent(keyEvent(KEY_END, 0, false, true));
        ASSERT_EQ(b->getLineFromPos(b->CursorPos), 2);
        EXPECT_EQ(point(), expectedOnLine(b));
        EXPECT_EQ(pointX(), 100 + 3 + widthOf(Font, L"xy"));

        b->OnEvent(keyEvent(KEY_KEY_Z, L'z'));
        EXPECT_EQ(pointX(), 100 + 3 + widthOf(Font, L"xyz"));
        b->OnEvent(keyEvent(KEY_UP));
        EXPECT_EQ(point(), expectedOnLine(b));
        b->OnEvent(keyEvent(KEY_UP));
        EXPECT_EQ(point(), expectedOnLine(b));
        // At the foot of each line, from the first line's.
        EXPECT_EQ(point().Y, b->FrameRect.UpperLeftCorner.Y + lineHeight);
        b->OnEvent(keyEvent(KEY_DOWN));
        EXPECT_EQ(point().Y, b->FrameRect.UpperLeftCorner.Y + 2 * lineHeight);
        b->remove();
    }
}

TEST_F(EditBoxCompositionPoint, AScrolledBoxWithLinesPlacesItWhereTheLineIsShown)
{
    // Lines enough to scroll a box three lines high, and a long line to
    // scroll sideways in the box without wrap.
    std::wstring text;
    for (int i = 0; i < 12; ++i)
        text += L"line " + std::to_wstring(i) + L"\n";
    text += L"and the last line, far longer than the box is wide";
    TestEditBox* b = box(text.c_str(), true, false, core::rect<s32>(100, 50, 200, 100));
    b->OnEvent(keyEvent(KEY_END, 0, false, true));
    ASSERT_GT(b->VScrollPos, 0);
    ASSERT_GT(b->HScrollPos, 0);
    EXPECT_EQ(point(), expectedOnLine(b));
    // The cursor is shown inside the box, and so is the point.
    EXPECT_LE(point().X, 200);
    EXPECT_LE(point().Y, 100);
    EXPECT_GT(point().Y, 50);
}

TEST_F(EditBoxCompositionPoint, SingleLineFollowsTheCursorWithAndWithoutAutoScroll)
{
    TestEditBox* b = box(L"Editable Text", false, false);
    b->OnEvent(keyEvent(KEY_END));
    b->OnEvent(keyEvent(KEY_ACCEPT, L'\x65e5'));
    EXPECT_EQ(pointX(), expectedX(b));

    // Nothing measured for scrolling now: the point is measured on its own.
    b->setAutoScroll(false);
    b->OnEvent(keyEvent(KEY_HOME));
    b->OnEvent(keyEvent(KEY_RIGHT));
    EXPECT_EQ(pointX(), 100 + 3 + widthOf(Font, L"E"));

    // Another font between two keys: the point is in the new font's pixels.
    b->setAutoScroll(true);
    gui::IGUIFont* builtIn = App.gui()->getBuiltInFont();
    b->setOverrideFont(builtIn);
    b->OnEvent(keyEvent(KEY_END));
    s32 x = 0, y = 0;
    testsupport::x11::getCompositionWindowPos(x, y);
    EXPECT_EQ(x, 100 + 3 + widthOf(builtIn, b->getText()));
}

} // namespace
