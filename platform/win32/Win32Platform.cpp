#include "platform/InputMethodPlatform.h"
#include "platform/PlatformClock.h"
#include "platform/win32/CWin32CommitCatcher.h"
#include "platform/win32/CWin32Composition.h"
#include "platform/win32/Win32Platform.h"

#include <windows.h>
#include <imm.h>

#include <cstring>

namespace irr
{
namespace ime
{
namespace
{
// The message last removed from the queue.
MSG CurrentMessage;
// The string the pump may read while the composition message describing it
// is the current one.
core::stringc CurrentResult;
HWND DeviceWindow = 0;

BOOL CALLBACK findEngineWindow(HWND window, LPARAM found)
{
    char name[32];
    if (GetClassNameA(window, name, sizeof(name)) && strcmp(name, "CIrrDeviceWin32") == 0)
    {
        *(HWND*)found = window;
        return FALSE;
    }
    return TRUE;
}

void describeCommit(SPlatformMessage& message)
{
    const bool change = win32::CWin32CommitCatcher::isCompositionChangePending();
    message.Type = change ? EPMT_IME_PREEDIT : EPMT_IME_COMPOSITION;
    message.HasResultString = win32::CWin32CommitCatcher::takePending(CurrentResult);
}
} // namespace

HWND win32::getDeviceWindow()
{
    return DeviceWindow;
}

IrrlichtDevice* createDevice(video::E_DRIVER_TYPE driverType,
                             const core::dimension2d<u32>& windowSize, u32 bits, bool fullscreen,
                             bool stencilbuffer, bool vsync, IEventReceiver* receiver)
{
    // The engine's own createDevice, in the form that our name does not hide.
    SIrrlichtCreationParameters parameters;
    parameters.DriverType = driverType;
    parameters.WindowSize = windowSize;
    parameters.Bits = (u8)bits;
    parameters.Fullscreen = fullscreen;
    parameters.Stencilbuffer = stencilbuffer;
    parameters.Vsync = vsync;
    parameters.EventReceiver = receiver;
    IrrlichtDevice* device = createDeviceEx(parameters);
    win32::CWin32CommitCatcher::clear();
    win32::CWin32Composition::clear();
    CurrentResult = "";
    DeviceWindow = 0;
    // The engine made its window on this thread and keeps it to itself;
    // its class name finds it. The null device has none.
    if (device)
    {
        EnumThreadWindows(GetCurrentThreadId(), findEngineWindow, (LPARAM)&DeviceWindow);
        win32::CWin32CommitCatcher::install(DeviceWindow);
    }
    return device;
}

bool isWindowActive(IrrlichtDevice* device)
{
    return device && device->isWindowActive();
}

bool runEngineFrame(IrrlichtDevice*)
{
    // The engine's own run would take the messages the pump must see.
    return true;
}

bool peekAndDispatchMessage(IrrlichtDevice* device, SPlatformMessage& message)
{
    (void)device; // the window procedure is the engine's, wrapped at creation
    CurrentResult = "";
    message.Type = EPMT_OTHER;
    message.HasResultString = false;
    message.ResultText = 0;
    message.ResultLength = 0;

    // Strings caught while the system called the window directly (inside
    // PeekMessageA or while a message was dispatched) come first.
    if (win32::CWin32CommitCatcher::hasPending())
    {
        describeCommit(message);
        return true;
    }
    if (!PeekMessageA(&CurrentMessage, NULL, 0, 0, PM_REMOVE))
    {
        if (!win32::CWin32CommitCatcher::hasPending())
            return false;
        describeCommit(message);
        return true;
    }

    TranslateMessage(&CurrentMessage);
    DispatchMessageA(&CurrentMessage);

    // WM_QUIT reaches no window; a string caught before it waits for the
    // next call, which the pump makes since it drains the queue.
    if (CurrentMessage.message == WM_QUIT)
        message.Type = EPMT_QUIT;
    else if (CurrentMessage.message == WM_IME_COMPOSITION ||
             win32::CWin32CommitCatcher::hasPending())
        describeCommit(message);
    return true;
}

s32 getCompositionResult(c8* buffer, u32 bufferSize)
{
    // The string was read from the input context at the window, once.
    const u32 length = CurrentResult.size();
    if (!buffer)
        return (s32)length;
    const u32 copied = length < bufferSize ? length : bufferSize;
    memcpy(buffer, CurrentResult.c_str(), copied);
    return (s32)copied;
}

IOSOperator* getClipboardOperator(IOSOperator* engineOperator)
{
    // The engine's window procedure owns the Windows clipboard traffic.
    return engineOperator;
}

void setCompositionWindowPos(s32 x, s32 y)
{
    HWND window = GetFocus();
    HIMC context = ImmGetContext(window);
    COMPOSITIONFORM form;
    ZeroMemory(&form, sizeof(form));
    form.dwStyle = CFS_POINT;
    form.ptCurrentPos.x = x;
    form.ptCurrentPos.y = y;
    ImmSetCompositionWindow(context, &form);
    ImmReleaseContext(window, context);
}

void setInlineComposition(bool wanted)
{
    win32::CWin32Composition::setInline(wanted);
}

const SComposition& getComposition()
{
    return win32::CWin32Composition::get();
}

// Excluding the clause's rectangle lets the system open the window below
// the line, or above it where the screen ends.
void setCandidateWindowPos(const core::rect<s32>& clause)
{
    HWND window = GetFocus();
    HIMC context = ImmGetContext(window);
    CANDIDATEFORM form;
    ZeroMemory(&form, sizeof(form));
    form.dwIndex = 0;
    form.dwStyle = CFS_EXCLUDE;
    form.ptCurrentPos.x = clause.UpperLeftCorner.X;
    form.ptCurrentPos.y = clause.LowerRightCorner.Y;
    form.rcArea.left = clause.UpperLeftCorner.X;
    form.rcArea.top = clause.UpperLeftCorner.Y;
    form.rcArea.right = clause.LowerRightCorner.X;
    form.rcArea.bottom = clause.LowerRightCorner.Y;
    ImmSetCandidateWindow(context, &form);
    ImmReleaseContext(window, context);
}

void closeInputMethod()
{
    HWND window = GetFocus();
    HIMC context = ImmGetContext(window);
    ImmSetOpenStatus(context, FALSE);
    ImmReleaseContext(window, context);
}

// Windows input methods commit on being switched off, through the messages
// the pump reads; nothing is committed here.
bool finishComposition(core::stringw&)
{
    return false;
}

u32 readPlatformClock()
{
    return (u32)GetTickCount();
}

} // end namespace ime
} // end namespace irr
