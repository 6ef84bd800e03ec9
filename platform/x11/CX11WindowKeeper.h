#ifndef PLATFORM_X11_C_X11_WINDOW_KEEPER_H_INCLUDED
#define PLATFORM_X11_C_X11_WINDOW_KEEPER_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace ime
{
namespace x11
{

class CX11DeviceWindow;

//! Ties the window to the life of the engine device that draws into it.
//! The device's file system holds the keeper; the video driver holds the
//! file system, so the keeper goes last, once nothing draws into the window
//! any more, and takes the window and the input method with it. As an
//! archive loader it loads nothing: the engine tells no one when a device
//! ends, and of what a device holds only the file system outlives the video
//! driver and takes objects from outside (its archive loaders).
class CX11WindowKeeper : public io::IArchiveLoader
{
public:
    //! Takes ownership of the window; onRelease is called just before the
    //! window goes.
    CX11WindowKeeper(CX11DeviceWindow* window, void (*onRelease)(CX11DeviceWindow*));

    bool isALoadableFileFormat(const io::path&) const override { return false; }
    bool isALoadableFileFormat(io::IReadFile*) const override { return false; }
    bool isALoadableFileFormat(io::E_FILE_ARCHIVE_TYPE) const override { return false; }
    io::IFileArchive* createArchive(const io::path&, bool, bool) const override { return 0; }
    io::IFileArchive* createArchive(io::IReadFile*, bool, bool) const override { return 0; }

protected:
    ~CX11WindowKeeper() override;

private:
    CX11DeviceWindow* Window;
    void (*OnRelease)(CX11DeviceWindow*);
};

} // end namespace x11
} // end namespace ime
} // end namespace irr

#endif
