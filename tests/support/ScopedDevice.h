#ifndef TESTS_SUPPORT_SCOPED_DEVICE_H_INCLUDED
#define TESTS_SUPPORT_SCOPED_DEVICE_H_INCLUDED

#include <irrlicht.h>

namespace testsupport
{

//! A real engine device of the given driver (640x480), dropped with the
//! object. Drivers other than EDT_NULL open a window on a private virtual X
//! server.
class ScopedDevice
{
public:
    explicit ScopedDevice(irr::video::E_DRIVER_TYPE type = irr::video::EDT_NULL);
    ~ScopedDevice();

    irr::IrrlichtDevice* device() const { return Device; }
    irr::video::IVideoDriver* driver() const { return Device->getVideoDriver(); }
    irr::gui::IGUIEnvironment* gui() const { return Device->getGUIEnvironment(); }

    //! Draws one frame of the GUI (clear colour like the demo's, opaque) and
    //! returns the pixel colour at (x, y) of what was drawn.
    void drawFrame(irr::video::SColor clear = irr::video::SColor(255, 200, 200, 200));
    //! The back buffer after drawFrame, as ARGB; alpha forced to 255.
    irr::video::SColor pixel(irr::s32 x, irr::s32 y);
    //! Takes a fresh screenshot for pixel(); called by drawFrame.
    void captureScreen();

private:
    ScopedDevice(const ScopedDevice&);
    ScopedDevice& operator=(const ScopedDevice&);

    irr::IrrlichtDevice* Device;
    irr::video::IImage* Screen;
};

} // namespace testsupport

#endif
