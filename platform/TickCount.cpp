#include "platform/InputMethodPlatform.h"
#include "platform/PlatformClock.h"
#include "platform/TickCountOverride.h"

namespace irr
{
namespace ime
{
namespace
{
bool TickOverridden = false;
u32 TickOverride = 0;
} // namespace

u32 getTickCount()
{
    return TickOverridden ? TickOverride : readPlatformClock();
}

void setTickCountOverride(bool enabled, u32 milliseconds)
{
    TickOverridden = enabled;
    TickOverride = milliseconds;
}

} // end namespace ime
} // end namespace irr
