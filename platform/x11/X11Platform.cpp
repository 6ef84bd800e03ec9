// The platform interface (platform/InputMethodPlatform.h) on X11. Besides the
// input method, this backend has to do what the engine's own X11 device
// would have done for a window whose events it does not read:
//   the window      CX11DeviceWindow makes it and reads its events;
//                   CX11WindowKeeper ties it to the engine device's life.
//   keys and text   CX11InputContext (the user's X input method: Xlib's
//                   built-in one on the window's connection, a server's in
//                   CX11ServerSession, on a connection and thread of its
//                   own, both through CX11MethodContext),
//                   X11KeyMap (keysyms to engine keys and characters).
//   the pointer     CX11PointerTranslator (buttons, motion, wheel, clicks).
//   the clipboard   CX11Clipboard (the CLIPBOARD selection with other X
//                   clients), CX11ClipboardOperator (the edit boxes' side).
// None of them posts to the engine: they describe each event in a platform
// message, and the pump posts it. X11BackendInternals.h is for tools that
// look inside.

#include "platform/InputMethodPlatform.h"
#include "platform/PlatformClock.h"
#include "platform/x11/CX11DeviceWindow.h"
#include "platform/x11/CX11WindowKeeper.h"
#include "platform/x11/X11BackendInternals.h"

#include <time.h>

namespace irr
{
namespace ime
{
namespace
{

// Messages wait here in the order they arose; the pump drains them all in one run.
core::array<x11::SQueuedMessage> Queue;
core::stringc CurrentResult;

// The window of the device made by createDevice, while that device lives.
x11::CX11DeviceWindow* DeviceWindow = 0;

x11::IInputMethodRequestObserver* RequestObserver = 0;

SComposition Composition;

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

bool runEngineFrame(IrrlichtDevice* device)
{
    // The engine's own run only ticks and reports closeDevice here: its
    // connection selects no events of the window, whose events come to
    // this layer instead.
    return !device || device->run();
}

bool peekAndDispatchMessage(IrrlichtDevice*, SPlatformMessage& message)
{
    message.Type = EPMT_OTHER;
    message.HasResultString = false;
    message.ResultText = 0;
    message.ResultLength = 0;

    if (!Queue.empty())
    {
        message.Type = Queue[0].Type;
        message.HasResultString = message.Type == EPMT_IME_COMPOSITION;
        if (message.HasResultString)
            CurrentResult = Queue[0].Committed;
        Queue.erase(0);
        return true;
    }
    return DeviceWindow && DeviceWindow->dispatchNextEvent(message);
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
    if (RequestObserver)
        RequestObserver->onCompositionWindowPos(x, y);
    if (DeviceWindow)
        DeviceWindow->getInputContext().setSpotLocation(x, y);
}

void setInlineComposition(bool wanted)
{
    if (RequestObserver)
        RequestObserver->onInlineComposition(wanted);
    if (DeviceWindow)
        DeviceWindow->getInputContext().setInlineComposition(wanted);
}

const SComposition& getComposition()
{
    return Composition;
}

// The server places its candidate window at the spot in the callbacks
// style too: at the clause's foot, so that the window opens below the line.
void setCandidateWindowPos(const core::rect<s32>& clause)
{
    const s32 x = clause.UpperLeftCorner.X;
    const s32 y = clause.LowerRightCorner.Y;
    if (RequestObserver)
        RequestObserver->onCompositionWindowPos(x, y);
    if (DeviceWindow)
        DeviceWindow->getInputContext().setSpotLocation(x, y);
}

void closeInputMethod()
{
    if (RequestObserver)
        RequestObserver->onCloseInputMethod();
    if (DeviceWindow)
        DeviceWindow->getInputContext().reset();
}

bool finishComposition(core::stringw& committed)
{
    return DeviceWindow && DeviceWindow->getInputContext().finishComposition(committed);
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

CX11DeviceWindow* getDeviceWindow()
{
    return DeviceWindow;
}

void queueMessage(const SQueuedMessage& message)
{
    Queue.push_back(message);
}

void publishComposition(const SComposition& composition)
{
    Composition = composition;
    SQueuedMessage message;
    message.Type = EPMT_IME_PREEDIT;
    queueMessage(message);
}

void setInputMethodRequestObserver(IInputMethodRequestObserver* observer)
{
    RequestObserver = observer;
}

} // end namespace x11
} // end namespace ime
} // end namespace irr
