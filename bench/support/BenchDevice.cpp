#include "support/BenchDevice.h"

#include "support/VirtualDisplay.h"

#include <cstdio>

using namespace irr;

namespace benchsupport
{

namespace
{
video::IVideoDriver* CurrentDriver = 0;
} // namespace

video::IVideoDriver* currentDriver()
{
    return CurrentDriver;
}

BenchDevice::BenchDevice(video::E_DRIVER_TYPE type, const core::dimension2d<u32>& size)
    : Type(type), Device(0)
{
    if (type != video::EDT_NULL && !useVirtualDisplay())
        return;
    SIrrlichtCreationParameters params;
    params.DriverType = type;
    params.WindowSize = size;
    // The demo's depth; vsync off so that a frame costs what it draws.
    params.Bits = 16;
    params.Vsync = false;
    params.LoggingLevel = ELL_NONE;
    Device = createDeviceEx(params);
    if (!Device)
    {
        fprintf(stderr, "no engine device for the %s driver\n", driverName(type));
        return;
    }
    CurrentDriver = Device->getVideoDriver();
}

BenchDevice::~BenchDevice()
{
    if (!Device)
        return;
    if (CurrentDriver == Device->getVideoDriver())
        CurrentDriver = 0;
    Device->closeDevice();
    Device->drop();
}

const char* driverName(video::E_DRIVER_TYPE type)
{
    switch (type)
    {
    case video::EDT_NULL:
        return "null";
    case video::EDT_SOFTWARE:
        return "software";
    case video::EDT_BURNINGSVIDEO:
        return "burnings";
    case video::EDT_OPENGL:
        return "opengl";
    default:
        return "other";
    }
}

} // namespace benchsupport
