#include "support/ScopedDevice.h"

#include "support/VirtualDisplay.h"

#include <gtest/gtest.h>

using namespace irr;

namespace testsupport
{

ScopedDevice::ScopedDevice(video::E_DRIVER_TYPE type) : Device(0), Screen(0)
{
    if (type != video::EDT_NULL)
        useVirtualDisplay();
    SIrrlichtCreationParameters params;
    params.DriverType = type;
    params.WindowSize = core::dimension2d<u32>(640, 480);
    params.Bits = 16;
    params.LoggingLevel = ELL_NONE;
    Device = createDeviceEx(params);
    if (!Device)
        ADD_FAILURE() << "no engine device for driver " << (int)type;
}

ScopedDevice::~ScopedDevice()
{
    if (Screen)
        Screen->drop();
    if (Device)
        Device->drop();
}

void ScopedDevice::drawFrame(video::SColor clear)
{
    video::IVideoDriver* video = driver();
    video->beginScene(true, true, clear);
    gui()->drawAll();
    video->endScene();
    captureScreen();
}

void ScopedDevice::captureScreen()
{
    if (Screen)
        Screen->drop();
    Screen = driver()->createScreenShot();
}

video::SColor ScopedDevice::pixel(s32 x, s32 y)
{
    if (!Screen)
        captureScreen();
    if (!Screen)
    {
        ADD_FAILURE() << "the driver gave no screenshot";
        return video::SColor(0);
    }
    video::SColor c = Screen->getPixel((u32)x, (u32)y);
    c.setAlpha(255);
    return c;
}

} // namespace testsupport
