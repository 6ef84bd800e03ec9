// The directory listing the file dialog shows, on the real Windows file
// system calls, in code page 932.
#include "text/DirectoryListing.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

using namespace irr;

namespace
{

TEST(Win32DirectoryListing, KeepsDoubleByteNamesAndCaseAsTheyAre)
{
    IrrlichtDevice* device = createDevice(video::EDT_NULL);
    ASSERT_TRUE(device);
    io::IFileSystem* files = device->getFileSystem();
    const io::path start = files->getWorkingDirectory();

    char temp[MAX_PATH];
    ASSERT_TRUE(GetTempPathA(MAX_PATH, temp));
    const std::string dir =
        std::string(temp) + "mojiban-listing-" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(dir.c_str(), 0));
    ASSERT_TRUE(files->changeWorkingDirectoryTo(dir.c_str()));
    // 日本語フォルダ: the second byte of "ォ" (83 48) is an 'H'.
    const std::string folder = "\x93\xfa\x96\x7b\x8c\xea\x83\x74\x83\x48\x83\x8b\x83\x5f";
    ASSERT_TRUE(CreateDirectoryW(L"\u65e5\u672c\u8a9e\u30d5\u30a9\u30eb\u30c0", 0));
    HANDLE file = CreateFileA("ReadMe.TXT", GENERIC_WRITE, 0, 0, CREATE_NEW, 0, 0);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    CloseHandle(file);

    io::IFileList* list = ime::createDirectoryListing(files);
    ASSERT_TRUE(list);
    int found = 0;
    for (u32 i = 0; i < list->getFileCount(); ++i)
    {
        const std::string name = list->getFileName(i).c_str();
        if (name == folder)
        {
            ++found;
            EXPECT_TRUE(list->isDirectory(i));
            // The dialog enters a folder by this name.
            EXPECT_TRUE(files->changeWorkingDirectoryTo(list->getFileName(i)));
            EXPECT_TRUE(files->changeWorkingDirectoryTo(".."));
        }
        else if (name == "ReadMe.TXT")
        {
            ++found;
            EXPECT_FALSE(list->isDirectory(i));
        }
        else if (name == "..")
        {
            ++found;
        }
    }
    EXPECT_EQ(3, found);
    list->drop();

    RemoveDirectoryW(L"\u65e5\u672c\u8a9e\u30d5\u30a9\u30eb\u30c0");
    DeleteFileA("ReadMe.TXT");
    files->changeWorkingDirectoryTo(start);
    RemoveDirectoryA(dir.c_str());
    device->drop();
}

} // namespace
