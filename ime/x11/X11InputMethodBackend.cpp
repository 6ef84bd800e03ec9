#include "ime/InputMethodPlatform.h"
#include "ime/PlatformClock.h"
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

bool HaveCompositionPos = false;
s32 CompositionX = 0;
s32 CompositionY = 0;
u32 CloseCount = 0;

} // namespace

bool peekAndDispatchMessage(IrrlichtDevice* device, SPlatformMessage& message)
{
    // The engine's own run reads and dispatches every pending X event of its
    // window; once per round is what a frame needs. A closed window or a
    // closeDevice shows as run returning false.
    if (!DeviceRanThisRound)
    {
        DeviceRanThisRound = true;
        if (device && !device->run())
            x11::queueQuitRequest();
    }

    if (Queue.empty())
    {
        DeviceRanThisRound = false;
        return false;
    }

    message.Type = Queue[0].Type;
    message.HasResultString = message.Type == EPMT_IME_COMPOSITION;
    if (message.HasResultString)
        CurrentResult = Queue[0].Committed;
    Queue.erase(0);
    return true;
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

void setCompositionWindowPos(s32 x, s32 y)
{
    HaveCompositionPos = true;
    CompositionX = x;
    CompositionY = y;
}

void closeInputMethod()
{
    ++CloseCount;
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

} // end namespace x11
} // end namespace ime
} // end namespace irr
