// What the file-open dialog does with a file system that changes or refuses
// under it: the shown directory removed, folders that cannot be read or
// entered, names with the separator of another system.
#include "DialogTestSupport.h"
#include "support/ScopedDevice.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace irr;
using namespace dialogtest;

namespace
{

core::stringw widened(const std::string& ascii)
{
    return core::stringw(ascii.c_str());
}

// Every item is an entry of the listing, none carries a path, and the text
// above the list names the directory listed.
void expectConsistent(DialogProbe* dialog, const std::string& directory)
{
    gui::IGUIListBox* list = dialog->list();
    ASSERT_TRUE(dialog->listing());
    ASSERT_EQ(list->getItemCount(), dialog->listing()->getFileCount());
    for (u32 i = 0; i < list->getItemCount(); ++i)
        EXPECT_EQ(core::stringw(list->getListItem(i)).findFirst(L'/'), -1) << i;
    EXPECT_EQ(core::stringw(dialog->directoryText()->getText()), widened(directory));
}

bool enter(DialogProbe* dialog, const wchar_t* name)
{
    const s32 index = itemIndex(dialog->list(), name);
    if (index < 0)
        return false;
    selectItem(dialog, index);
    selectItem(dialog, index, true);
    return true;
}

std::string workingDirectory()
{
    char buffer[4096];
    return getcwd(buffer, sizeof(buffer)) ? buffer : "";
}

} // namespace

// The folder shown is deleted, with the folder the user is about to enter:
// the dialog goes to the nearest folder that still exists instead of
// listing nothing, or the root under names with a slash.
TEST(DialogBadInput, ARemovedDirectoryGivesWayToItsNearestExistingParent)
{
    testsupport::TemporaryDirectory dir;
    const std::string gone = dir.path() + "/gone";
    makeDirectory(gone);
    makeDirectory(gone + "/deeper");
    makeDirectory(gone + "/deeper/sub");
    writeFile(dir.path() + "/kept.txt");
    ScopedWorkingDirectory cwd(gone + "/deeper");
    testsupport::ScopedDevice app;
    DialogProbe* dialog = new DialogProbe(app.gui(), app.gui()->getRootGUIElement());
    dialog->drop();
    ASSERT_GE(itemIndex(dialog->list(), L"sub"), 0);

    ASSERT_EQ(0, rmdir((gone + "/deeper/sub").c_str()));
    ASSERT_EQ(0, rmdir((gone + "/deeper").c_str()));
    ASSERT_EQ(0, rmdir(gone.c_str()));
    ASSERT_TRUE(enter(dialog, L"sub"));
    EXPECT_EQ(workingDirectory(), dir.path());
    expectConsistent(dialog, dir.path());
    EXPECT_GE(itemIndex(dialog->list(), L"kept.txt"), 0);

    // The dialog works on from there.
    selectItem(dialog, itemIndex(dialog->list(), L"kept.txt"));
    EXPECT_TRUE(clickButton(dialog, dialog->okButton()));
}

// A dialog opened in a directory that is already gone starts from there too.
TEST(DialogBadInput, OpeningInARemovedDirectoryListsItsParent)
{
    testsupport::TemporaryDirectory dir;
    const std::string gone = dir.path() + "/gone";
    makeDirectory(gone);
    ScopedWorkingDirectory cwd(gone);
    ASSERT_EQ(0, rmdir(gone.c_str()));
    testsupport::ScopedDevice app;

    DialogProbe* dialog = new DialogProbe(app.gui(), app.gui()->getRootGUIElement());
    dialog->drop();
    expectConsistent(dialog, dir.path());
    EXPECT_EQ(itemIndex(dialog->list(), L"gone"), -1);
}

// As a user without the right to read or enter them. Root may do anything,
// so under root the case runs in a child process as the user nobody.
TEST(DialogBadInput, FoldersThatCannotBeReadOrEnteredKeepTheDialogUsable)
{
    testsupport::TemporaryDirectory dir;
    ASSERT_EQ(0, chmod(dir.path().c_str(), 0755));
    const std::string locked = dir.path() + "/locked"; // neither read nor entered
    const std::string blind = dir.path() + "/blind";   // entered, not read
    makeDirectory(locked);
    makeDirectory(blind);
    writeFile(dir.path() + "/f.txt");
    ASSERT_EQ(0, chmod(locked.c_str(), 0000));
    ASSERT_EQ(0, chmod(blind.c_str(), 0311));
    ASSERT_EQ(0, chmod((dir.path() + "/f.txt").c_str(), 0644));

    EXPECT_EXIT(
        {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                _exit(2);
            ScopedWorkingDirectory cwd(dir.path());
            testsupport::ScopedDevice app;
            DialogProbe* dialog = new DialogProbe(app.gui(), app.gui()->getRootGUIElement());
            dialog->drop();

            // Refused: the same folder is listed again.
            enter(dialog, L"locked");
            expectConsistent(dialog, dir.path());
            EXPECT_GE(itemIndex(dialog->list(), L"f.txt"), 0);

            // Entered but unreadable: nothing to choose, and a way back.
            EXPECT_TRUE(enter(dialog, L"blind"));
            expectConsistent(dialog, blind);
            EXPECT_EQ(itemIndex(dialog->list(), L"f.txt"), -1);
            EXPECT_TRUE(enter(dialog, L".."));
            expectConsistent(dialog, dir.path());
            EXPECT_TRUE(clickButton(dialog, dialog->cancelButton()));
            _exit(::testing::Test::HasFailure() ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
}

// Another system's separator in a name: the engine's listing takes a
// backslash for one and keeps what follows it, so such a file shows under
// that last part and cannot be chosen by its real name. The dialog itself
// must not be thrown by it.
TEST(DialogBadInput, BackslashesInNamesAreTheEnginesSeparators)
{
    testsupport::TemporaryDirectory dir;
    writeFile(dir.path() + "/a\\b.txt");
    writeFile(dir.path() + "/trailing\\");
    ScopedWorkingDirectory cwd(dir.path());
    testsupport::ScopedDevice app;
    DialogProbe* dialog = new DialogProbe(app.gui(), app.gui()->getRootGUIElement());
    dialog->drop();

    ASSERT_EQ(dialog->list()->getItemCount(), dialog->listing()->getFileCount());
    EXPECT_EQ(itemIndex(dialog->list(), L"a\\b.txt"), -1);
    EXPECT_GE(itemIndex(dialog->list(), L"b.txt"), 0);
    const s32 cut = itemIndex(dialog->list(), L"trailing");
    ASSERT_GE(cut, 0);
    EXPECT_TRUE(enter(dialog, L"trailing"));
    expectConsistent(dialog, dir.path());
}
