#include "text/DirectoryListing.h"

// Windows has a listing of its own (text/win32).
#if !defined(_WIN32)

namespace irr
{
namespace ime
{

io::IFileList* createDirectoryListing(io::IFileSystem* fileSystem)
{
    // The engine keeps names as they are on POSIX systems.
    return fileSystem->createFileList();
}

} // end namespace ime
} // end namespace irr

#endif
