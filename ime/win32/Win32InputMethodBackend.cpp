#include "ime/InputMethodPlatform.h"
#include "ime/PlatformClock.h"

#include <windows.h>
#include <imm.h>

namespace irr
{
namespace ime
{
namespace
{
// The message last removed from the queue: a composition result is read
// while its WM_IME_COMPOSITION is the current message.
MSG CurrentMessage;
} // namespace

IrrlichtDevice* createDevice(video::E_DRIVER_TYPE driverType,
                             const core::dimension2d<u32>& windowSize, u32 bits, bool fullscreen,
                             bool stencilbuffer, bool vsync, IEventReceiver* receiver)
{
    // The engine's window procedure already hands the input method's
    // messages to the thread's queue, where the pump finds them.
    return ::irr::createDevice(driverType, windowSize, bits, fullscreen, stencilbuffer, vsync,
                               receiver);
}

bool isWindowActive(IrrlichtDevice* device)
{
    return device && device->isWindowActive();
}

bool peekAndDispatchMessage(IrrlichtDevice* device, SPlatformMessage& message)
{
    (void)device; // the window procedure is the engine's; it needs no help here
    if (!PeekMessageA(&CurrentMessage, NULL, 0, 0, PM_REMOVE))
        return false;

    TranslateMessage(&CurrentMessage);
    DispatchMessageA(&CurrentMessage);

    message.Type = EPMT_OTHER;
    message.HasResultString = false;
    if (CurrentMessage.message == WM_IME_COMPOSITION)
    {
        message.Type = EPMT_IME_COMPOSITION;
        message.HasResultString = (CurrentMessage.lParam & GCS_RESULTSTR) != 0;
    }
    else if (CurrentMessage.message == WM_QUIT)
    {
        message.Type = EPMT_QUIT;
    }
    return true;
}

s32 getCompositionResult(c8* buffer, u32 bufferSize)
{
    HWND window = GetFocus();
    HIMC context = ImmGetContext(window);
    const LONG length =
        ImmGetCompositionStringA(context, GCS_RESULTSTR, buffer, buffer ? (DWORD)bufferSize : 0);
    ImmReleaseContext(window, context);
    return (s32)length;
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

void closeInputMethod()
{
    HWND window = GetFocus();
    HIMC context = ImmGetContext(window);
    ImmSetOpenStatus(context, FALSE);
    ImmReleaseContext(window, context);
}

u32 readPlatformClock()
{
    return (u32)GetTickCount();
}

} // end namespace ime
} // end namespace irr
