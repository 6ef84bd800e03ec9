#include "EditBoxTestSupport.h"

#include "platform/InputMethodPlatform.h"
#include "platform/TickCountOverride.h"
#include "harness/X11BackendProbe.h"
#include "support/ScopedDevice.h"

using namespace irr;
using namespace editboxtest;

namespace
{

class EditBoxMouse : public ::testing::Test
{
protected:
    EditBoxMouse()
        : Parent(new RecordingParent(App.gui(), core::rect<s32>(0, 0, 640, 480))),
          Font(useIpaFont(App.gui()))
    {
        Parent->drop();
        ime::setTickCountOverride(true, 4242);
    }
    ~EditBoxMouse() override { ime::setTickCountOverride(false); }

    //! A box that has been drawn once, so that its frame is known.
    TestEditBox* box(const wchar_t* text, const core::rect<s32>& rect, bool multiLine = false)
    {
        TestEditBox* b = makeBox(App.gui(), text, rect, Parent);
        b->setMultiLine(multiLine);
        b->setTextAlignment(gui::EGUIA_UPPERLEFT, gui::EGUIA_UPPERLEFT);
        b->draw();
        return b;
    }

    //! The pointer x that hits character column of line in b.
    s32 xOf(TestEditBox* b, s32 line, s32 column)
    {
        b->setTextRect(line);
        const core::stringw text = b->lineLayout() ? b->BrokenLines[line] : b->text();
        const s32 inset = App.gui()->getSkin()->getSize(gui::EGDS_TEXT_DISTANCE_X) + 1;
        return b->CurrentTextRect.UpperLeftCorner.X +
               widthOf(Font, text.subString(0, column).c_str()) + 1 - inset;
    }
    s32 yOf(TestEditBox* b, s32 line)
    {
        b->setTextRect(line);
        return b->CurrentTextRect.getCenter().Y;
    }

    static bool mouse(TestEditBox* b, EMOUSE_INPUT_EVENT type, s32 x, s32 y)
    {
        return b->OnEvent(mouseEvent(type, x, y));
    }

    testsupport::ScopedDevice App;
    RecordingParent* Parent;
    gui::IGUIFont* Font;
};

TEST_F(EditBoxMouse, ClickDragAndReleaseSelect)
{
    TestEditBox* b = box(L"Editable Text1", core::rect<s32>(350, 80, 550, 100));
    b->BlinkStartTime = 0;
    const s32 y = yOf(b, 0);

    EXPECT_TRUE(mouse(b, EMIE_LMOUSE_PRESSED_DOWN, xOf(b, 0, 2), y));
    EXPECT_TRUE(App.gui()->hasFocus(b));
    EXPECT_EQ(b->CursorPos, 2);
    EXPECT_EQ(b->SelectionStart, 2);
    EXPECT_EQ(b->SelectionEnd, 2);
    EXPECT_EQ(b->BlinkStartTime, 4242u);

    EXPECT_TRUE(mouse(b, EMIE_MOUSE_MOVED, xOf(b, 0, 4), y));
    EXPECT_EQ(b->CursorPos, 4);
    EXPECT_TRUE(mouse(b, EMIE_LMOUSE_LEFT_UP, xOf(b, 0, 6), y));
    EXPECT_EQ(b->SelectionStart, 2);
    EXPECT_EQ(b->SelectionEnd, 6);
    EXPECT_EQ(b->CursorPos, 6);
    EXPECT_FALSE(b->MouseSelecting);

    // Neither moves without a drag nor other buttons are taken.
    EXPECT_FALSE(mouse(b, EMIE_MOUSE_MOVED, xOf(b, 0, 9), y));
    EXPECT_FALSE(mouse(b, EMIE_RMOUSE_PRESSED_DOWN, xOf(b, 0, 9), y));
    EXPECT_EQ(b->CursorPos, 6);

    // A press on the focused box starts a new selection there.
    ime::setTickCountOverride(true, 9999);
    EXPECT_TRUE(mouse(b, EMIE_LMOUSE_PRESSED_DOWN, xOf(b, 0, 8), y));
    EXPECT_EQ(b->SelectionStart, 8);
    EXPECT_EQ(b->BlinkStartTime, 4242u);
    EXPECT_TRUE(b->MouseSelecting);
    // ... and one while a drag is on extends it.
    EXPECT_TRUE(mouse(b, EMIE_LMOUSE_PRESSED_DOWN, xOf(b, 0, 10), y));
    EXPECT_EQ(b->SelectionStart, 8);
    EXPECT_EQ(b->SelectionEnd, 10);
}

// The program hands every mouse event to the GUI environment, which moves
// the focus to the pressed element before the press reaches it. That press
// still restarts the blink; a later one into the focused box does not, nor
// does the first press after the focus came by another way.
TEST_F(EditBoxMouse, ThePressThatFocusesTheBoxRestartsTheBlink)
{
    TestEditBox* b = box(L"Editable Text1", core::rect<s32>(350, 80, 550, 100));
    b->BlinkStartTime = 0;
    const s32 y = yOf(b, 0);
    auto post = [&](EMOUSE_INPUT_EVENT type, s32 x)
    { App.gui()->postEventFromUser(mouseEvent(type, x, y)); };

    ASSERT_FALSE(App.gui()->hasFocus(b));
    post(EMIE_LMOUSE_PRESSED_DOWN, xOf(b, 0, 2));
    EXPECT_TRUE(App.gui()->hasFocus(b));
    EXPECT_EQ(b->BlinkStartTime, 4242u);
    EXPECT_EQ(b->CursorPos, 2);
    EXPECT_EQ(b->SelectionStart, 2);
    EXPECT_EQ(b->SelectionEnd, 2);
    post(EMIE_LMOUSE_LEFT_UP, xOf(b, 0, 2));

    ime::setTickCountOverride(true, 9999);
    post(EMIE_LMOUSE_PRESSED_DOWN, xOf(b, 0, 5));
    post(EMIE_LMOUSE_LEFT_UP, xOf(b, 0, 5));
    EXPECT_EQ(b->BlinkStartTime, 4242u);
    EXPECT_EQ(b->CursorPos, 5);

    App.gui()->setFocus(0);
    App.gui()->setFocus(b);
    post(EMIE_MOUSE_MOVED, xOf(b, 0, 1));
    post(EMIE_LMOUSE_PRESSED_DOWN, xOf(b, 0, 1));
    EXPECT_EQ(b->BlinkStartTime, 4242u);
    EXPECT_EQ(b->CursorPos, 1);
}

TEST_F(EditBoxMouse, PressesOutsideAndReleasesWithoutFocusPassOn)
{
    TestEditBox* b = box(L"abc", core::rect<s32>(350, 80, 550, 100));
    EXPECT_FALSE(mouse(b, EMIE_LMOUSE_LEFT_UP, 400, 90));
    App.gui()->setFocus(b);
    b->CursorPos = 1;
    EXPECT_FALSE(mouse(b, EMIE_LMOUSE_PRESSED_DOWN, 349, 90));
    EXPECT_FALSE(mouse(b, EMIE_LMOUSE_PRESSED_DOWN, 400, 101));
    EXPECT_EQ(b->CursorPos, 1);
    EXPECT_FALSE(b->MouseSelecting);
    EXPECT_EQ(Parent->Events.size(), 4u); // the focus event and three mouse events
    // The edge counts as inside.
    EXPECT_TRUE(mouse(b, EMIE_LMOUSE_PRESSED_DOWN, 550, 100));
    EXPECT_EQ(b->CursorPos, 3);
}

TEST_F(EditBoxMouse, ClicksBesideTheLinesFindTheNearestLine)
{
    TestEditBox* b = box(L"first\nsecond\nthird", core::rect<s32>(20, 20, 220, 120), true);
    App.gui()->setFocus(b);
    mouse(b, EMIE_LMOUSE_PRESSED_DOWN, 210, yOf(b, 1));
    EXPECT_EQ(b->CursorPos, 13); // the end of "second "
    mouse(b, EMIE_LMOUSE_LEFT_UP, xOf(b, 0, 2), 21);
    EXPECT_EQ(b->CursorPos, 2);
    mouse(b, EMIE_LMOUSE_PRESSED_DOWN, xOf(b, 2, 1), 119);
    EXPECT_EQ(b->CursorPos, 14);
    mouse(b, EMIE_LMOUSE_LEFT_UP, 0, 0);
    EXPECT_EQ(b->CursorPos, 0);

    // Single-line: the whole text is the line.
    TestEditBox* single = box(L"abc", core::rect<s32>(20, 130, 220, 150));
    EXPECT_EQ(single->getCursorPos(400, 0), 3);
}

// Drawing insets the text by the skin's text distance; wrapping and hit
// testing must take the same inset, whatever the skin says.
TEST_F(EditBoxMouse, ASkinsWiderTextDistanceMovesWrapsAndHitsWithTheDrawnText)
{
    gui::IGUISkin* skin = App.gui()->getSkin();
    const s32 saved = skin->getSize(gui::EGDS_TEXT_DISTANCE_X);
    skin->setSize(gui::EGDS_TEXT_DISTANCE_X, 10);
    // "alpha beta" fits the default inset's wrap width but not this one's.
    const s32 width = widthOf(Font, L"alpha beta") + 10;
    TestEditBox* b = box(L"alpha beta", core::rect<s32>(20, 20, 20 + width, 120), true);
    b->setWordWrap(true);
    b->draw();
    ASSERT_EQ(2u, lines(*b).size());
    EXPECT_EQ(L"beta", lines(*b)[1]);
    EXPECT_EQ(b->FrameRect.UpperLeftCorner.X, b->getAbsolutePosition().UpperLeftCorner.X + 11);

    App.gui()->setFocus(b);
    mouse(b, EMIE_LMOUSE_PRESSED_DOWN, xOf(b, 1, 2), yOf(b, 1));
    mouse(b, EMIE_LMOUSE_LEFT_UP, xOf(b, 1, 2), yOf(b, 1));
    EXPECT_EQ(b->BrokenLineStarts[1] + 2, b->CursorPos);
    skin->setSize(gui::EGDS_TEXT_DISTANCE_X, saved);
}

TEST_F(EditBoxMouse, CompositionWindowSitsAtTheCursor)
{
    TestEditBox* b = box(L"Editable Text1", core::rect<s32>(350, 80, 550, 100));
    const s32 h = (s32)Font->getDimension(L"|").Height;
    mouse(b, EMIE_LMOUSE_PRESSED_DOWN, xOf(b, 0, 4), yOf(b, 0));
    s32 x = 0, y = 0;
    ASSERT_TRUE(testsupport::x11::getCompositionWindowPos(x, y));
    EXPECT_EQ(x, 350 + 3 + widthOf(Font, L"Edit"));
    EXPECT_EQ(y, 100 - 2 * h);

    b->OnEvent(keyEvent(KEY_END));
    testsupport::x11::getCompositionWindowPos(x, y);
    EXPECT_EQ(x, 350 + 3 + widthOf(Font, L"Editable Text1"));

    b->setDrawBorder(false);
    b->OnEvent(keyEvent(KEY_ACCEPT, L'\x65e5'));
    testsupport::x11::getCompositionWindowPos(x, y);
    EXPECT_EQ(x, 350 + widthOf(Font, L"Editable Text1\x65e5"));

    // Scrolled to the end of a long text, it stays with the cursor, which
    // keeps the width of "_ " free at the frame's right edge.
    b->setDrawBorder(true);
    b->setText(L"a line much longer than the box can show in one go");
    b->OnEvent(keyEvent(KEY_END));
    testsupport::x11::getCompositionWindowPos(x, y);
    const s32 inset = App.gui()->getSkin()->getSize(gui::EGDS_TEXT_DISTANCE_X) + 1;
    EXPECT_EQ(x, 550 - inset - widthOf(Font, L"_ "));
}

// A drag leaves the composition window where the press put it; the release
// puts it at the cursor, on the cursor's own line.
TEST_F(EditBoxMouse, CompositionWindowWaitsForTheReleaseOfADrag)
{
    TestEditBox* b = box(L"first\nsecond\nthird", core::rect<s32>(20, 20, 220, 120), true);
    s32 px = 0, py = 0;
    mouse(b, EMIE_LMOUSE_PRESSED_DOWN, xOf(b, 0, 2), yOf(b, 0));
    ASSERT_TRUE(testsupport::x11::getCompositionWindowPos(px, py));
    b->setTextRect(0);
    EXPECT_EQ(px, 20 + 3 + widthOf(Font, L"fi"));
    EXPECT_EQ(py, b->CurrentTextRect.LowerRightCorner.Y);

    mouse(b, EMIE_MOUSE_MOVED, xOf(b, 2, 3), yOf(b, 2));
    ASSERT_EQ(b->CursorPos, 16);
    s32 dx = 0, dy = 0;
    testsupport::x11::getCompositionWindowPos(dx, dy);
    EXPECT_EQ(dx, px);
    EXPECT_EQ(dy, py);

    mouse(b, EMIE_LMOUSE_LEFT_UP, xOf(b, 2, 4), yOf(b, 2));
    ASSERT_EQ(b->CursorPos, 17);
    testsupport::x11::getCompositionWindowPos(px, py);
    b->setTextRect(2);
    EXPECT_EQ(px, 20 + 3 + widthOf(Font, L"thir"));
    EXPECT_EQ(py, b->CurrentTextRect.LowerRightCorner.Y);
}

} // namespace
