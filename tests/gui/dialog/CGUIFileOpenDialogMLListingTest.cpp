#include "DialogTestSupport.h"
#include "ime/UserLocaleText.h"
#include "support/ScopedAppDevice.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

using namespace irr;
using namespace dialogtest;

namespace
{

// The same Japanese names, "資料" (a folder) and "日本語.txt", in the two
// encodings a Japanese user's locale may use.
struct Encoding
{
    const char* Locale;
    const char* Folder;
    const char* File;
};

const Encoding EucJp = {"ja_JP.EUC-JP", "\xbb\xf1\xce\xc1", "\xc6\xfc\xcb\xdc\xb8\xec.txt"};
const Encoding Utf8 = {"ja_JP.UTF-8", "\xe8\xb3\x87\xe6\x96\x99",
                       "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e.txt"};

const wchar_t* const FolderName = L"\u8cc7\u6599";
const wchar_t* const FileName = L"\u65e5\u672c\u8a9e.txt";

std::string processLocale()
{
    const char* name = setlocale(LC_ALL, 0);
    return name ? name : "";
}

core::stringw widened(const std::string& ascii)
{
    return core::stringw(ascii.c_str());
}

void PrintTo(const Encoding& enc, std::ostream* os)
{
    *os << enc.Locale;
}

class JapaneseNames : public ::testing::TestWithParam<Encoding>
{
};

} // namespace

TEST_P(JapaneseNames, AreListedDecodedWithTheirIconsInTheFileSystemsOrder)
{
    const Encoding& enc = GetParam();
    testsupport::ScopedUserLocale locale(enc.Locale);
    testsupport::TemporaryDirectory dir;
    makeDirectory(dir.path() + "/" + enc.Folder);
    writeFile(dir.path() + "/" + enc.File);
    writeFile(dir.path() + "/" + enc.Folder + "/" + enc.File);
    ScopedWorkingDirectory cwd(dir.path());
    testsupport::ScopedAppDevice app;

    DialogProbe* dialog = new DialogProbe(app.gui(), app.gui()->getRootGUIElement());
    dialog->drop();
    gui::IGUIListBox* list = dialog->list();
    gui::IGUISkin* skin = app.gui()->getSkin();

    const s32 folder = itemIndex(list, FolderName);
    const s32 file = itemIndex(list, FileName);
    ASSERT_GE(folder, 0);
    ASSERT_GE(file, 0);
    EXPECT_EQ((s32)skin->getIcon(gui::EGDI_DIRECTORY), list->getIcon(folder));
    EXPECT_EQ((s32)skin->getIcon(gui::EGDI_FILE), list->getIcon(file));

    io::IFileList* listing = dialog->listing();
    ASSERT_EQ(listing->getFileCount(), list->getItemCount());
    EXPECT_STREQ(enc.Folder, listing->getFileName(folder).c_str());
    EXPECT_STREQ(enc.File, listing->getFileName(file).c_str());
    EXPECT_EQ(widened(dir.path()), core::stringw(dialog->directoryText()->getText()));

    // Inside the folder the directory text shows its decoded name too.
    EXPECT_FALSE(selectItem(dialog, folder, true));
    EXPECT_EQ(widened(dir.path()) + L"/" + FolderName,
              core::stringw(dialog->directoryText()->getText()));
    EXPECT_GE(itemIndex(list, FileName), 0);
    EXPECT_EQ(itemIndex(list, FolderName), -1);
    EXPECT_EQ(dir.path() + "/" + enc.Folder, std::string(dialog->getDirectoryName().c_str()));
}

INSTANTIATE_TEST_SUITE_P(UserLocale, JapaneseNames, ::testing::Values(EucJp, Utf8),
                         [](const ::testing::TestParamInfo<Encoding>& info)
                         { return info.param.Locale == EucJp.Locale ? "EucJp" : "Utf8"; });

TEST(DialogListing, LeavesTheProcessLocaleAsItFoundIt)
{
    testsupport::ScopedUserLocale locale(EucJp.Locale);
    testsupport::TemporaryDirectory dir;
    makeDirectory(dir.path() + "/" + EucJp.Folder);
    ScopedWorkingDirectory cwd(dir.path());
    testsupport::ScopedAppDevice app;

    ASSERT_TRUE(setlocale(LC_ALL, Utf8.Locale) != 0);
    const std::string before = processLocale();
    DialogProbe* dialog = new DialogProbe(app.gui(), app.gui()->getRootGUIElement());
    dialog->drop();
    EXPECT_EQ(before, processLocale());
    // Decoded in the user's locale, not the process's.
    ASSERT_GE(itemIndex(dialog->list(), FolderName), 0);

    selectItem(dialog, itemIndex(dialog->list(), FolderName), true);
    EXPECT_EQ(before, processLocale());
    setlocale(LC_ALL, "C");
}

TEST(DialogListing, UndecodableNamesAreShownSelectedAndEnteredByTheirBytes)
{
    // Latin-1 and EUC-JP names in a UTF-8 user's directory.
    testsupport::ScopedUserLocale locale(Utf8.Locale);
    testsupport::TemporaryDirectory dir;
    const std::string badFile = "caf\xe9-\xff.txt";
    makeDirectory(dir.path() + "/" + EucJp.Folder);
    writeFile(dir.path() + "/" + badFile);
    writeFile(dir.path() + "/" + EucJp.Folder + "/inner.txt");
    ScopedWorkingDirectory cwd(dir.path());
    testsupport::ScopedAppDevice app;

    DialogProbe* dialog = new DialogProbe(app.gui(), app.gui()->getRootGUIElement());
    dialog->drop();
    gui::IGUIListBox* list = dialog->list();

    const s32 file = itemIndex(list, L"caf\ufffd-\ufffd.txt");
    ASSERT_GE(file, 0);
    selectItem(dialog, file);
    const core::stringc narrowed = dialog->getFileName();
    EXPECT_EQ(dir.path() + "/" + badFile, std::string(narrowed.c_str()));
    FILE* opened = fopen(narrowed.c_str(), "r");
    EXPECT_TRUE(opened != 0);
    if (opened)
        fclose(opened);

    const s32 folder = itemIndex(list, L"\ufffd\ufffd\ufffd\ufffd");
    ASSERT_GE(folder, 0);
    EXPECT_EQ((s32)app.gui()->getSkin()->getIcon(gui::EGDI_DIRECTORY), list->getIcon(folder));
    selectItem(dialog, folder, true);
    EXPECT_GE(itemIndex(list, L"inner.txt"), 0);
    EXPECT_EQ(widened(dir.path()) + L"/\ufffd\ufffd\ufffd\ufffd",
              core::stringw(dialog->directoryText()->getText()));
}

TEST(DialogListing, LenientDecodingKeepsWhatIsValidAroundBadBytes)
{
    struct Case
    {
        const char* Locale;
        const char* Bytes;
        const wchar_t* Expected;
    };
    const Case cases[] = {
        {Utf8.Locale,
         "\xe3\x81\x82"
         "b",
         L"\u3042b"},
        {Utf8.Locale, "a\xff\xe3\x81\x82", L"a\ufffd\u3042"},
        {Utf8.Locale, "a\xe3\x81", L"a\ufffd\ufffd"}, // cut short at the end
        {EucJp.Locale, "\xa4\xa2x\xa4", L"\u3042x\ufffd"},
        {EucJp.Locale, "", L""},
    };
    for (const Case& c : cases)
    {
        testsupport::ScopedUserLocale locale(c.Locale);
        setlocale(LC_ALL, "");
        const core::stringw decoded = ime::decodeMultibyteLeniently(c.Bytes, strlen(c.Bytes));
        EXPECT_EQ(core::stringw(c.Expected), decoded) << c.Locale << " " << c.Bytes;
        setlocale(LC_ALL, "C");
    }
}
