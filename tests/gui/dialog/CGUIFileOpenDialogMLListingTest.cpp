#include "DialogTestSupport.h"
#include "text/UserLocaleText.h"
#include "support/ScopedDevice.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

using namespace irr;
using namespace dialogtest;

namespace
{

// A folder and a file named in the user's locale: "資料" and "日本語.txt" in
// both encodings a Japanese user's locale may use, simplified Chinese "资料"
// and "中文𠀀.txt" (U+20000: four bytes in GB18030), Korean "자료" and "한국어.txt".
struct Encoding
{
    const char* Locale;
    const char* Folder;
    const char* File;
    const wchar_t* FolderName;
    const wchar_t* FileName;
    const char* Tag;
};

const Encoding EucJp = {"ja_JP.EUC-JP",  "\xbb\xf1\xce\xc1",        "\xc6\xfc\xcb\xdc\xb8\xec.txt",
                        L"\u8cc7\u6599", L"\u65e5\u672c\u8a9e.txt", "EucJp"};
const Encoding Utf8 = {
    "ja_JP.UTF-8",   "\xe8\xb3\x87\xe6\x96\x99", "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e.txt",
    L"\u8cc7\u6599", L"\u65e5\u672c\u8a9e.txt",  "Utf8"};
const Encoding Gb18030 = {"zh_CN.GB18030",
                          "\xd7\xca\xc1\xcf",
                          "\xd6\xd0\xce\xc4\x95\x32\x82\x36.txt",
                          L"\u8d44\u6599",
                          L"\u4e2d\u6587\U00020000.txt",
                          "Gb18030"};
const Encoding EucKr = {"ko_KR.EUC-KR",  "\xc0\xda\xb7\xe1",        "\xc7\xd1\xb1\xb9\xbe\xee.txt",
                        L"\uc790\ub8cc", L"\ud55c\uad6d\uc5b4.txt", "EucKr"};

const wchar_t* const FolderName = EucJp.FolderName;

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

class NamesInTheUserLocale : public ::testing::TestWithParam<Encoding>
{
};

} // namespace

TEST_P(NamesInTheUserLocale, AreListedDecodedWithTheirIconsInTheFileSystemsOrder)
{
    const Encoding& enc = GetParam();
    const wchar_t* const FolderName = enc.FolderName;
    const wchar_t* const FileName = enc.FileName;
    testsupport::ScopedUserLocale locale(enc.Locale);
    testsupport::TemporaryDirectory dir;
    makeDirectory(dir.path() + "/" + enc.Folder);
    writeFile(dir.path() + "/" + enc.File);
    writeFile(dir.path() + "/" + enc.Folder + "/" + enc.File);
    ScopedWorkingDirectory cwd(dir.path());
    testsupport::ScopedDevice app;

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

INSTANTIATE_TEST_SUITE_P(UserLocale, NamesInTheUserLocale,
                         ::testing::Values(EucJp, Utf8, Gb18030, EucKr),
                         [](const ::testing::TestParamInfo<Encoding>& info)
                         { return std::string(info.param.Tag); });

TEST(DialogListing, LeavesTheProcessLocaleAsItFoundIt)
{
    testsupport::ScopedUserLocale locale(EucJp.Locale);
    testsupport::TemporaryDirectory dir;
    makeDirectory(dir.path() + "/" + EucJp.Folder);
    ScopedWorkingDirectory cwd(dir.path());
    testsupport::ScopedDevice app;

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
    testsupport::ScopedDevice app;

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
        // A four-byte character whole, then one cut after two bytes.
        {Gb18030.Locale, "\x95\x32\x82\x36-\x95\x32", L"\U00020000-\ufffd2"},
        {EucKr.Locale, "\xc7\xd1x\xc7", L"\ud55cx\ufffd"},
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
