#ifndef TEXT_DIRECTORY_LISTING_H_INCLUDED
#define TEXT_DIRECTORY_LISTING_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace ime
{

//! The working directory's entries as the file system's own names, in the
//! user's code page, sorted; what the engine's createFileList gives, except
//! that no name is altered. The caller drops the list.
io::IFileList* createDirectoryListing(io::IFileSystem* fileSystem);

} // end namespace ime
} // end namespace irr

#endif
