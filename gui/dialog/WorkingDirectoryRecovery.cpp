#include "gui/dialog/WorkingDirectoryRecovery.h"

#if !defined(_WIN32)
#include <cerrno>
#include <climits>
#include <unistd.h>
#endif

namespace irr
{
namespace gui
{

#if defined(_WIN32)

// A directory that is some process's working directory cannot be removed.
bool returnToExistingDirectory(io::IFileSystem*, const io::path&)
{
    return false;
}

#else

namespace
{

bool workingDirectoryRemoved()
{
    char buffer[PATH_MAX];
    // Too long a path (ERANGE) or no right to read a parent is not removal.
    return !getcwd(buffer, sizeof(buffer)) && errno == ENOENT;
}

// Linux still names a removed working directory, marked as such.
io::path removedDirectoryName()
{
    io::path name;
#if defined(__linux__)
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/cwd", buffer, sizeof(buffer) - 1);
    if (length <= 0)
        return name;
    buffer[length] = 0;
    name = buffer;
    const io::path mark(" (deleted)");
    if (name.size() > mark.size() && name.subString(name.size() - mark.size(), mark.size()) == mark)
        name = name.subString(0, name.size() - mark.size());
#endif
    return name;
}

} // namespace

bool returnToExistingDirectory(io::IFileSystem* fileSystem, const io::path& lastKnown)
{
    if (!fileSystem || !workingDirectoryRemoved())
        return false;

    io::path candidate = lastKnown.size() ? lastKnown : removedDirectoryName();
    while (candidate.size() && candidate[0] == '/')
    {
        const s32 slash = candidate.findLast('/');
        // The root itself is kept as "/", and always exists.
        candidate = candidate.subString(0, slash > 0 ? slash : 1);
        if (fileSystem->changeWorkingDirectoryTo(candidate))
            return true;
        if (candidate == "/")
            break;
    }
    return false;
}

#endif

} // end namespace gui
} // end namespace irr
