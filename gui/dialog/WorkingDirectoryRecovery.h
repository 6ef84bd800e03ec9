#ifndef GUI_DIALOG_WORKING_DIRECTORY_RECOVERY_H_INCLUDED
#define GUI_DIALOG_WORKING_DIRECTORY_RECOVERY_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace gui
{

//! Leaves a working directory that was removed while the program stood in it.
/** Changes to the nearest parent of lastKnown that still exists.
\param fileSystem: Makes the change; null does nothing.
\param lastKnown: The directory as last seen. May be empty: then the
system's own record of the removed directory is used where it keeps one.
\return True after a change; false, having done nothing, while the working
directory exists or when no parent can be found. */
bool returnToExistingDirectory(io::IFileSystem* fileSystem, const io::path& lastKnown);

} // end namespace gui
} // end namespace irr

#endif
