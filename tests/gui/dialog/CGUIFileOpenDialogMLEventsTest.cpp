#include "DialogTestSupport.h"
#include "support/ScopedDevice.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace irr;
using namespace dialogtest;

namespace
{

const char* const JapaneseFile = "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e.txt"; // 日本語.txt, UTF-8

// A directory with a folder and two files, the dialog open on it below a
// parent that records what the dialog tells it.
class DialogEvents : public ::testing::Test
{
protected:
    DialogEvents() : Locale("ja_JP.UTF-8"), Cwd(prepared(Dir)), Destroyed(false)
    {
        Parent = new RecordingParent(App.gui());
        Parent->drop();
        Dialog = new DialogProbe(App.gui(), Parent, &Destroyed);
        Dialog->drop();
    }

    static const std::string& prepared(const testsupport::TemporaryDirectory& dir)
    {
        makeDirectory(dir.path() + "/folder");
        writeFile(dir.path() + "/folder/inner.txt");
        writeFile(dir.path() + "/readme.txt");
        writeFile(dir.path() + "/" + JapaneseFile);
        return dir.path();
    }

    s32 item(const wchar_t* name)
    {
        const s32 index = itemIndex(Dialog->list(), name);
        EXPECT_GE(index, 0) << "no list item";
        return index;
    }

    testsupport::ScopedUserLocale Locale;
    testsupport::TemporaryDirectory Dir;
    ScopedWorkingDirectory Cwd;
    testsupport::ScopedDevice App;
    RecordingParent* Parent;
    DialogProbe* Dialog;
    bool Destroyed;
};

} // namespace

TEST_F(DialogEvents, OkAfterAFileReportsItsBytesToTheParentAndThenCloses)
{
    const std::string path = Dir.path() + "/" + JapaneseFile;
    EXPECT_FALSE(selectItem(Dialog, item(L"\u65e5\u672c\u8a9e.txt")));
    EXPECT_TRUE(clickButton(Dialog, Dialog->okButton()));

    EXPECT_TRUE(Destroyed);
    ASSERT_EQ(2u, Parent->Records.size()); // the list's change, then the result
    const RecordingParent::Record& result = Parent->Records[1];
    EXPECT_EQ(gui::EGET_FILE_SELECTED, result.Type);
    EXPECT_EQ(Dialog, result.Caller);
    EXPECT_TRUE(result.Element == 0);

    // One wide character per byte, and the engine's narrowing gives back
    // the very path the file system listed.
    ASSERT_EQ(path.size(), result.FileName.size());
    for (u32 i = 0; i < path.size(); ++i)
        EXPECT_EQ((wchar_t)path[i], result.FileName[i]) << "byte " << i;
    const core::stringc narrowed = result.FileName;
    EXPECT_EQ(path, std::string(narrowed.c_str()));
    FILE* opened = fopen(narrowed.c_str(), "r");
    EXPECT_TRUE(opened != 0);
    if (opened)
        fclose(opened);
}

TEST_F(DialogEvents, OkWithADirectoryOrNothingChosenDoesNothing)
{
    EXPECT_FALSE(clickButton(Dialog, Dialog->okButton()));

    selectItem(Dialog, item(L"readme.txt"));
    selectItem(Dialog, item(L"folder"));
    EXPECT_STREQ(L"", Dialog->getFileName());
    EXPECT_FALSE(clickButton(Dialog, Dialog->okButton()));

    EXPECT_FALSE(Destroyed);
    EXPECT_TRUE(hasChild(Parent, Dialog));
    for (const RecordingParent::Record& r : Parent->Records)
        EXPECT_NE(gui::EGET_FILE_SELECTED, r.Type);
}

TEST_F(DialogEvents, SelectingAgainEntersAFolderButOnlyRecordsAFile)
{
    selectItem(Dialog, item(L"readme.txt"));
    const size_t before = Parent->Records.size();
    EXPECT_TRUE(selectItem(Dialog, item(L"readme.txt"), true));
    EXPECT_EQ(before, Parent->Records.size()); // consumed, nothing sent
    // An ASCII path reads back unchanged.
    EXPECT_EQ(core::stringw((Dir.path() + "/readme.txt").c_str()),
              core::stringw(Dialog->getFileName()));
    EXPECT_TRUE(hasChild(Parent, Dialog));

    selectItem(Dialog, item(L"folder"), true);
    EXPECT_EQ(Dir.path() + "/folder", std::string(Dialog->getDirectoryName().c_str()));
    EXPECT_GE(itemIndex(Dialog->list(), L"inner.txt"), 0);
    EXPECT_EQ(-1, itemIndex(Dialog->list(), L"readme.txt"));
    EXPECT_STREQ(L"", Dialog->getFileName());
    ASSERT_FALSE(Parent->Records.empty());
    EXPECT_EQ(gui::EGET_LISTBOX_SELECTED_AGAIN, Parent->Records.back().Type);
}

TEST_F(DialogEvents, ListEventsWithoutASelectionAreHarmless)
{
    EXPECT_FALSE(selectItem(Dialog, -1));
    EXPECT_FALSE(selectItem(Dialog, -1, true));
    EXPECT_STREQ(L"", Dialog->getFileName());
    EXPECT_EQ(Dir.path(), std::string(Dialog->getDirectoryName().c_str()));
}

TEST_F(DialogEvents, CancelAndTheCloseButtonBothReportCancellation)
{
    EXPECT_TRUE(clickButton(Dialog, Dialog->cancelButton()));
    EXPECT_TRUE(Destroyed);
    ASSERT_EQ(1u, Parent->Records.size());
    EXPECT_EQ(gui::EGET_FILE_CHOOSE_DIALOG_CANCELLED, Parent->Records[0].Type);
    EXPECT_EQ(Dialog, Parent->Records[0].Caller);

    // The close button, clicked for real through the environment.
    Parent->Records.clear();
    Dialog = new DialogProbe(App.gui(), Parent, &Destroyed);
    Dialog->drop();
    const core::position2d<s32> centre = Dialog->closeButton()->getAbsolutePosition().getCenter();
    SEvent event;
    event.EventType = EET_MOUSE_INPUT_EVENT;
    event.MouseInput.X = centre.X;
    event.MouseInput.Y = centre.Y;
    event.MouseInput.Wheel = 0;
    event.MouseInput.Shift = event.MouseInput.Control = false;
    const EMOUSE_INPUT_EVENT steps[] = {EMIE_MOUSE_MOVED, EMIE_LMOUSE_PRESSED_DOWN,
                                        EMIE_LMOUSE_LEFT_UP};
    for (EMOUSE_INPUT_EVENT step : steps)
    {
        event.MouseInput.Event = step;
        event.MouseInput.ButtonStates = step == EMIE_LMOUSE_PRESSED_DOWN ? EMBSM_LEFT : 0;
        App.device()->postEventFromUser(event);
    }
    EXPECT_FALSE(hasChild(Parent, Dialog));
    ASSERT_FALSE(Parent->Records.empty());
    EXPECT_EQ(gui::EGET_FILE_CHOOSE_DIALOG_CANCELLED, Parent->Records.back().Type);
    EXPECT_EQ(Dialog, Parent->Records.back().Caller);

    // The environment lets go of the element under the pointer once the
    // pointer moves on; then nothing holds the dialog any more.
    event.MouseInput.Event = EMIE_MOUSE_MOVED;
    event.MouseInput.X = event.MouseInput.Y = 5;
    App.device()->postEventFromUser(event);
    EXPECT_TRUE(Destroyed);
}

TEST_F(DialogEvents, AParentMayCloseTheDialogWhileHandlingItsResult)
{
    Parent->RemoveDialogOnResult = true;
    selectItem(Dialog, item(L"readme.txt"));
    EXPECT_TRUE(clickButton(Dialog, Dialog->okButton()));
    EXPECT_TRUE(Destroyed);
    EXPECT_EQ(gui::EGET_FILE_SELECTED, Parent->Records.back().Type);
    EXPECT_TRUE(Parent->getChildren().empty());
}

TEST_F(DialogEvents, DraggingFollowsThePointerOnlyInsideTheParent)
{
    const core::rect<s32> start(145, 115, 495, 365);
    ASSERT_EQ(start, Dialog->getAbsolutePosition());

    EXPECT_TRUE(sendMouse(Dialog, EMIE_LMOUSE_PRESSED_DOWN, 200, 120));
    EXPECT_EQ(Dialog, App.gui()->getFocus());
    EXPECT_TRUE(sendMouse(Dialog, EMIE_MOUSE_MOVED, 210, 130));
    EXPECT_EQ(start + core::position2d<s32>(10, 10), Dialog->getAbsolutePosition());

    EXPECT_TRUE(sendMouse(Dialog, EMIE_MOUSE_MOVED, 700, 130));
    EXPECT_TRUE(sendMouse(Dialog, EMIE_MOUSE_MOVED, 0, 200));
    EXPECT_TRUE(sendMouse(Dialog, EMIE_MOUSE_MOVED, 300, 480));
    EXPECT_EQ(start + core::position2d<s32>(10, 10), Dialog->getAbsolutePosition());

    // Back inside: the distance counts from the last accepted position.
    EXPECT_TRUE(sendMouse(Dialog, EMIE_MOUSE_MOVED, 215, 140));
    EXPECT_EQ(start + core::position2d<s32>(15, 20), Dialog->getAbsolutePosition());

    EXPECT_TRUE(sendMouse(Dialog, EMIE_LMOUSE_LEFT_UP, 215, 140));
    EXPECT_FALSE(sendMouse(Dialog, EMIE_MOUSE_MOVED, 300, 300));
    EXPECT_EQ(start + core::position2d<s32>(15, 20), Dialog->getAbsolutePosition());

    // Losing the focus ends a drag as well.
    sendMouse(Dialog, EMIE_LMOUSE_PRESSED_DOWN, 215, 140);
    SEvent lost;
    lost.EventType = EET_GUI_EVENT;
    lost.GUIEvent.Caller = Dialog;
    lost.GUIEvent.Element = 0;
    lost.GUIEvent.EventType = gui::EGET_ELEMENT_FOCUS_LOST;
    Dialog->OnEvent(lost);
    sendMouse(Dialog, EMIE_MOUSE_MOVED, 300, 300);
    EXPECT_EQ(start + core::position2d<s32>(15, 20), Dialog->getAbsolutePosition());
}

TEST_F(DialogEvents, TheWheelScrollsTheList)
{
    char name[32];
    for (int i = 0; i < 60; ++i)
    {
        snprintf(name, sizeof(name), "/file%02d.txt", i);
        writeFile(Dir.path() + name);
    }
    Dialog->refill();
    gui::IGUIScrollBar* scrollBar = 0;
    const core::list<gui::IGUIElement*>& children = Dialog->list()->getChildren();
    for (core::list<gui::IGUIElement*>::ConstIterator it = children.begin(); it != children.end();
         ++it)
        if ((*it)->getType() == gui::EGUIET_SCROLL_BAR)
            scrollBar = static_cast<gui::IGUIScrollBar*>(*it);
    ASSERT_TRUE(scrollBar != 0);
    ASSERT_EQ(0, scrollBar->getPos());

    const core::position2d<s32> over = Dialog->list()->getAbsolutePosition().getCenter();
    EXPECT_TRUE(sendMouse(Dialog, EMIE_MOUSE_WHEEL, over.X, over.Y, -1.f));
    EXPECT_GT(scrollBar->getPos(), 0);
}

TEST(DialogDrawing, DrawsItsFrameThroughTheSkinAndNothingWhenHidden)
{
    testsupport::TemporaryDirectory dir;
    ScopedWorkingDirectory cwd(dir.path());
    testsupport::ScopedDevice app(video::EDT_BURNINGSVIDEO);
    DialogProbe* dialog = new DialogProbe(app.gui(), app.gui()->getRootGUIElement());
    dialog->drop();

    const video::SColor clear(255, 0, 0, 255);
    const s32 bodyX = 150, bodyY = 300; // inside the dialog, left of the list
    const s32 titleX = 160, titleY = 122;
    app.drawFrame(clear);
    EXPECT_NE(clear, app.pixel(bodyX, bodyY));
    EXPECT_NE(clear, app.pixel(titleX, titleY));
    EXPECT_EQ(clear, app.pixel(140, 300)); // just outside

    dialog->setVisible(false);
    app.drawFrame(clear);
    EXPECT_EQ(clear, app.pixel(bodyX, bodyY));
    EXPECT_EQ(clear, app.pixel(300, 200)); // where the list was
}
