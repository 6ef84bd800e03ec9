#include "text/DirectoryListing.h"

#include <windows.h>

namespace irr
{
namespace ime
{

io::IFileList* createDirectoryListing(io::IFileSystem* fileSystem)
{
    // The engine lists a Windows directory case-insensitively and so lowers
    // every byte of every name, the second bytes of double-byte characters
    // too: in code page 932 "ォ" (83 48) comes back as "ド" (83 68), and a
    // folder named with it can no longer be shown or entered. The same
    // listing, with the names kept.
    io::path path = fileSystem->getWorkingDirectory();
    path.replace('\\', '/');
    if (path.lastChar() != '/')
        path.append('/');
    io::IFileList* list = fileSystem->createEmptyFileList(path, false, false);

    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA("*", &entry);
    if (search != INVALID_HANDLE_VALUE)
    {
        do
        {
            const bool directory = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            list->addItem(path + entry.cFileName, 0, entry.nFileSizeLow, directory, 0);
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    list->sort();
    return list;
}

} // end namespace ime
} // end namespace irr
