#include "ime/InputMethodPlatform.h"
#include "ime/PlatformClock.h"
#include "ime/x11/CX11DeviceWindow.h"
#include "ime/x11/CX11WindowKeeper.h"
#include "ime/x11/X11InputMethodBackend.h"

#include <time.h>

namespace irr
{
namespace ime
{
namespace
{

struct SQueuedMessage
{
    E_PLATFORM_MESSAGE_TYPE Type;
    core::stringc Committed;
};

// Messages wait here in the order they arose; the pump drains them all in one run.
core::array<SQueuedMessage> Queue;
core::stringc CurrentResult;
bool DeviceRanThisRound = false;

// The window of the device made by createDevice, while that device lives.
x11::CX11DeviceWindow* DeviceWindow = 0;

bool HaveCompositionPos = false;
s32 CompositionX = 0;
s32 CompositionY = 0;
u32 CloseCount = 0;

void forgetDeviceWindow(x11::CX11DeviceWindow* window)
{
    if (DeviceWindow == window)
        DeviceWindow = 0;
}

bool opensWindow(video::E_DRIVER_TYPE driverType)
{
    return (driverType == video::EDT_OPENGL || driverType == video::EDT_SOFTWARE ||
            driverType == video::EDT_BURNINGSVIDEO) &&
           IrrlichtDevice::isDriverSupported(driverType);
}

} // namespace

IrrlichtDevice* createDevice(video::E_DRIVER_TYPE driverType,
                             const core::dimension2d<u32>& windowSize, u32 bits, bool fullscreen,
                             bool stencilbuffer, bool vsync, IEventReceiver* receiver)
{
    SIrrlichtCreationParameters params;
    params.DriverType = driverType;
    params.WindowSize = windowSize;
    params.Bits = (u8)bits;
    params.Fullscreen = fullscreen;
    params.Stencilbuffer = stencilbuffer;
    params.Vsync = vsync;
    params.EventReceiver = receiver;

    // A full screen needs the engine's own window; drivers without a window
    // (the null device) and drivers this engine lacks go to it unchanged.
    if (fullscreen || !opensWindow(driverType))
        return createDeviceEx(params);

    x11::CX11DeviceWindow* window = new x11::CX11DeviceWindow();
    if (!window->open(windowSize))
    {
        // No display: the engine finds none either and says so its own way.
        delete window;
        return createDeviceEx(params);
    }
    params.WindowId = (void*)window->getWindowId();
    params.IgnoreInput = true;
    IrrlichtDevice* device = createDeviceEx(params);
    if (!device)
    {
        delete window;
        return 0;
    }

    DeviceWindow = window;
    x11::CX11WindowKeeper* keeper = new x11::CX11WindowKeeper(window, forgetDeviceWindow);
    device->getFileSystem()->addArchiveLoader(keeper);
    keeper->drop();
    return device;
}

bool isWindowActive(IrrlichtDevice* device)
{
    // The engine does not follow the focus of a window it did not create.
    if (DeviceWindow)
        return DeviceWindow->hasFocus();
    return device && device->isWindowActive();
}

bool peekAndDispatchMessage(IrrlichtDevice* device, SPlatformMessage& message)
{
    // The engine's own run only ticks and reports closeDevice here: its
    // connection selects no events of the window. Once per round is enough.
    if (!DeviceRanThisRound)
    {
        DeviceRanThisRound = true;
        if (device && !device->run())
            x11::queueQuitRequest();
    }

    if (!Queue.empty())
    {
        message.Type = Queue[0].Type;
        message.HasResultString = message.Type == EPMT_IME_COMPOSITION;
        if (message.HasResultString)
            CurrentResult = Queue[0].Committed;
        Queue.erase(0);
        return true;
    }

    if (DeviceWindow && DeviceWindow->dispatchNextEvent(device, message, CurrentResult))
        return true;

    DeviceRanThisRound = false;
    return false;
}

s32 getCompositionResult(c8* buffer, u32 bufferSize)
{
    const u32 length = CurrentResult.size();
    if (!buffer)
        return (s32)length;
    const u32 count = bufferSize < length ? bufferSize : length;
    for (u32 i = 0; i < count; ++i)
        buffer[i] = CurrentResult[i];
    return (s32)count;
}

IOSOperator* getClipboardOperator(IOSOperator* engineOperator)
{
    return DeviceWindow ? DeviceWindow->getClipboardOperator(engineOperator) : engineOperator;
}

void setCompositionWindowPos(s32 x, s32 y)
{
    HaveCompositionPos = true;
    CompositionX = x;
    CompositionY = y;
    if (DeviceWindow)
        DeviceWindow->getInputContext().setSpotLocation(x, y);
}

void closeInputMethod()
{
    ++CloseCount;
    if (DeviceWindow)
        DeviceWindow->getInputContext().reset();
}

u32 readPlatformClock()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    const unsigned long long ms =
        (unsigned long long)now.tv_sec * 1000ull + (unsigned long long)now.tv_nsec / 1000000ull;
    return (u32)ms;
}

namespace x11
{

void queueCommittedString(const c8* bytes, u32 length)
{
    SQueuedMessage message;
    message.Type = EPMT_IME_COMPOSITION;
    message.Committed = core::stringc(bytes, length);
    Queue.push_back(message);
}

void queueQuitRequest()
{
    SQueuedMessage message;
    message.Type = EPMT_QUIT;
    Queue.push_back(message);
}

bool getCompositionWindowPos(s32& x, s32& y)
{
    x = CompositionX;
    y = CompositionY;
    return HaveCompositionPos;
}

u32 getInputMethodCloseCount()
{
    return CloseCount;
}

unsigned long getDeviceWindowId()
{
    return DeviceWindow ? DeviceWindow->getWindowId() : 0;
}

bool hasInputContext()
{
    return DeviceWindow && DeviceWindow->getInputContext().isOpen();
}

bool getInputContextSpotLocation(s32& x, s32& y)
{
    return DeviceWindow && DeviceWindow->getInputContext().getSpotLocation(x, y);
}

bool getInputContextStyle(unsigned long& style)
{
    return DeviceWindow && DeviceWindow->getInputContext().getStyle(style);
}

} // end namespace x11
} // end namespace ime
} // end namespace irr
