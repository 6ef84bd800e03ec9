#ifndef PLATFORM_TICK_COUNT_OVERRIDE_H_INCLUDED
#define PLATFORM_TICK_COUNT_OVERRIDE_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace ime
{

//! Makes getTickCount return a fixed value until disabled again.
/** For tests, benchmarks and fuzzers that need the blink and timers to hold
still; not installed, so that no program of a user depends on it. */
void setTickCountOverride(bool enabled, u32 milliseconds = 0);

} // end namespace ime
} // end namespace irr

#endif
