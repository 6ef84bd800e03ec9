#ifndef PLATFORM_PLATFORM_CLOCK_H_INCLUDED
#define PLATFORM_PLATFORM_CLOCK_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace ime
{

//! The backend's millisecond counter, truncated to 32 bits.
u32 readPlatformClock();

} // end namespace ime
} // end namespace irr

#endif
