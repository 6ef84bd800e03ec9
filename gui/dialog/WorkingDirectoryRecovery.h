#ifndef GUI_DIALOG_WORKING_DIRECTORY_RECOVERY_H_INCLUDED
#define GUI_DIALOG_WORKING_DIRECTORY_RECOVERY_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace gui
{

//! When the process's working directory no longer exists (it was removed
//! while the program stood in it), changes to the nearest parent of
//! lastKnown that still exists and returns true. lastKnown may be empty:
//! then the system's own record of the removed directory is used where it
//! keeps one. Does nothing, and returns false, while the working directory
//! exists or when no parent can be found.
bool returnToExistingDirectory(io::IFileSystem* fileSystem, const io::path& lastKnown);

} // end namespace gui
} // end namespace irr

#endif
