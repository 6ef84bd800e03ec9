#include "ScopedAppDevice.h"

#include "app/AppGlobals.h"

namespace testsupport
{

ScopedAppDevice::ScopedAppDevice(irr::video::E_DRIVER_TYPE type) : ScopedDevice(type)
{
    AppDevice = device();
    AppGuiEnvironment = device() ? device()->getGUIEnvironment() : 0;
}

ScopedAppDevice::~ScopedAppDevice()
{
    AppLogListBox = 0;
    AppGuiEnvironment = 0;
    AppDevice = 0;
    AppWindowOffset = 0;
}

} // namespace testsupport
