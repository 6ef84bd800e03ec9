#include "DialogTestSupport.h"
#include "support/ScopedDevice.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace irr;
using namespace dialogtest;

namespace
{

core::rect<s32> R(s32 x1, s32 y1, s32 x2, s32 y2)
{
    return core::rect<s32>(x1, y1, x2, y2);
}

// Listing an empty directory keeps these tests independent of where they run.
class DialogLayout : public ::testing::Test
{
protected:
    DialogLayout() : Cwd(Dir.path()) {}
    testsupport::TemporaryDirectory Dir;
    ScopedWorkingDirectory Cwd;
    testsupport::ScopedDevice App;
};

} // namespace

TEST_F(DialogLayout, OpensCentredInTheDemoWindowWithItsChildrenLaidOut)
{
    gui::IGUIElement* root = App.gui()->getRootGUIElement();
    DialogProbe* dialog = new DialogProbe(App.gui(), root);
    dialog->drop();

    EXPECT_EQ(R(145, 115, 495, 365), dialog->getAbsolutePosition());
    EXPECT_EQ(gui::EGUIET_FILE_OPEN_DIALOG, dialog->getType());
    EXPECT_EQ(-1, dialog->getID());
    EXPECT_STREQ(L"Please choose a file.", dialog->getText());
    EXPECT_STREQ(L"", dialog->getFileName());
    EXPECT_TRUE(dialog->isTabGroup());
    EXPECT_TRUE(hasChild(root, dialog));

    gui::IGUISkin* skin = App.gui()->getSkin();
    const s32 bw = skin->getSize(gui::EGDS_WINDOW_BUTTON_WIDTH);
    EXPECT_EQ(R(350 - bw - 4, 3, 346, 3 + bw), dialog->closeButton()->getRelativePosition());
    EXPECT_STREQ(skin->getDefaultText(gui::EGDT_WINDOW_CLOSE),
                 dialog->closeButton()->getToolTipText().c_str());
    EXPECT_FALSE(dialog->closeButton()->isTabStop());
    EXPECT_EQ(R(270, 30, 340, 50), dialog->okButton()->getRelativePosition());
    EXPECT_STREQ(skin->getDefaultText(gui::EGDT_MSG_BOX_OK), dialog->okButton()->getText());
    EXPECT_EQ(R(270, 55, 340, 75), dialog->cancelButton()->getRelativePosition());
    EXPECT_STREQ(skin->getDefaultText(gui::EGDT_MSG_BOX_CANCEL), dialog->cancelButton()->getText());
    EXPECT_EQ(R(10, 55, 260, 230), dialog->list()->getRelativePosition());
    EXPECT_EQ(R(10, 30, 260, 50), dialog->directoryText()->getRelativePosition());

    gui::IGUIElement* children[] = {dialog->closeButton(), dialog->okButton(),
                                    dialog->cancelButton(), dialog->list(),
                                    dialog->directoryText()};
    for (gui::IGUIElement* child : children)
    {
        EXPECT_TRUE(child->isSubElement());
        EXPECT_EQ(dialog, child->getParent());
    }
}

TEST_F(DialogLayout, ResizingKeepsTheButtonsRightAndStretchesListAndText)
{
    DialogProbe* dialog = new DialogProbe(App.gui(), App.gui()->getRootGUIElement());
    dialog->drop();
    const core::rect<s32> closeBefore = dialog->closeButton()->getRelativePosition();

    dialog->setRelativePosition(R(100, 100, 550, 400)); // 100 wider, 50 taller

    EXPECT_EQ(closeBefore + core::position2d<s32>(100, 0),
              dialog->closeButton()->getRelativePosition());
    EXPECT_EQ(R(370, 30, 440, 50), dialog->okButton()->getRelativePosition());
    EXPECT_EQ(R(370, 55, 440, 75), dialog->cancelButton()->getRelativePosition());
    EXPECT_EQ(R(10, 55, 360, 280), dialog->list()->getRelativePosition());
    EXPECT_EQ(R(10, 30, 360, 50), dialog->directoryText()->getRelativePosition());
}

TEST_F(DialogLayout, WithoutASpriteBankTheCloseButtonStillCloses)
{
    gui::IGUISkin* skin = App.gui()->getSkin();
    gui::IGUISpriteBank* sprites = skin->getSpriteBank();
    sprites->grab();
    skin->setSpriteBank(0);

    RecordingParent* parent = new RecordingParent(App.gui());
    parent->drop();
    bool destroyed = false;
    DialogProbe* dialog = new DialogProbe(App.gui(), parent, &destroyed);
    dialog->drop();
    EXPECT_TRUE(clickButton(dialog, dialog->closeButton()));
    EXPECT_TRUE(destroyed);
    ASSERT_EQ(1u, parent->Records.size());
    EXPECT_EQ(gui::EGET_FILE_CHOOSE_DIALOG_CANCELLED, parent->Records[0].Type);

    skin->setSpriteBank(sprites);
    sprites->drop();
}

TEST_F(DialogLayout, ClosingReleasesTheChildrenTheFileSystemAndEveryListing)
{
    makeDirectory(Dir.path() + "/sub");
    io::IFileSystem* fs = App.device()->getFileSystem();
    const s32 fsReferences = fs->getReferenceCount();

    bool destroyed = false;
    DialogProbe* dialog = new DialogProbe(App.gui(), App.gui()->getRootGUIElement(), &destroyed);
    dialog->drop();
    EXPECT_EQ(fsReferences + 1, fs->getReferenceCount());

    // The listing replaced by entering a directory must go as well.
    io::IFileList* firstListing = dialog->listing();
    firstListing->grab();
    ASSERT_FALSE(selectItem(dialog, itemIndex(dialog->list(), L"sub"), true));
    EXPECT_NE(firstListing, dialog->listing());
    EXPECT_EQ(1, firstListing->getReferenceCount());
    firstListing->drop();

    std::vector<IReferenceCounted*> held = {dialog->closeButton(),   dialog->okButton(),
                                            dialog->cancelButton(),  dialog->list(),
                                            dialog->directoryText(), dialog->listing()};
    for (IReferenceCounted* object : held)
        object->grab();

    EXPECT_TRUE(clickButton(dialog, dialog->cancelButton()));
    EXPECT_TRUE(destroyed);

    EXPECT_EQ(fsReferences, fs->getReferenceCount());
    for (IReferenceCounted* object : held)
    {
        EXPECT_EQ(1, object->getReferenceCount());
        object->drop();
    }
}
