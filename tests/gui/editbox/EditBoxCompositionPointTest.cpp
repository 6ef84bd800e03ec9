#include "EditBoxTestSupport.h"

#include "ime/InputMethodPlatform.h"
#include "harness/X11BackendProbe.h"
#include "support/ScopedAppDevice.h"

using namespace irr;
using namespace editboxtest;

namespace
{

// The composition point's x is always the width of all of the text before
// the cursor, however the box lays it out and whether or not it scrolled to
// get there. These cases take the routes where that width is not the one
// the scrolling measured.
class EditBoxCompositionPoint : public ::testing::Test
{
protected:
    EditBoxCompositionPoint()
        : Parent(new RecordingParent(App.gui(), core::rect<s32>(0, 0, 640, 480))),
          Font(useIpaFont(App.gui()))
    {
        Parent->drop();
    }

    TestEditBox* box(const wchar_t* text, bool multiLine, bool wordWrap)
    {
        TestEditBox* b = makeBox(App.gui(), text, core::rect<s32>(100, 50, 300, 250), Parent);
        b->setMultiLine(multiLine);
        b->setWordWrap(wordWrap);
        b->setTextAlignment(gui::EGUIA_UPPERLEFT, gui::EGUIA_UPPERLEFT);
        b->draw();
        return b;
    }

    s32 pointX()
    {
        s32 x = 0, y = 0;
        EXPECT_TRUE(testsupport::x11::getCompositionWindowPos(x, y));
        return x;
    }

    //! The point of a box whose text is not scrolled: its left edge, the
    //! border's 3 pixels and the width of everything before the cursor.
    s32 expectedX(TestEditBox* b)
    {
        EXPECT_EQ(b->HScrollPos, 0) << "this box was not meant to scroll";
        const core::stringw before = b->text().subString(0, b->CursorPos);
        return 100 + 3 + widthOf(Font, before.c_str());
    }

    testsupport::ScopedAppDevice App;
    RecordingParent* Parent;
    gui::IGUIFont* Font;
};

TEST_F(EditBoxCompositionPoint, MultiLineBoxesMeasureEveryLineBeforeTheCursor)
{
    for (bool wordWrap : {false, true})
    {
        SCOPED_TRACE(wordWrap ? "word wrap" : "no wrap");
        // The longest line comes first, so the point is wider than the
        // cursor's own line.
        TestEditBox* b = box(L"a rather long first line\r\nshort\nxy", true, wordWrap);
        b->OnEvent(keyEvent(KEY_END, 0, false, true));
        EXPECT_EQ(pointX(), expectedX(b));
        EXPECT_GT(pointX(), 100 + 3 + widthOf(Font, L"xy"));

        b->OnEvent(keyEvent(KEY_KEY_Z, L'z'));
        EXPECT_EQ(pointX(), expectedX(b));
        b->OnEvent(keyEvent(KEY_LEFT));
        b->OnEvent(keyEvent(KEY_LEFT));
        EXPECT_EQ(pointX(), expectedX(b));
        b->remove();
    }
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
