#ifndef PLATFORM_WIN32_WIN32_PLATFORM_H_INCLUDED
#define PLATFORM_WIN32_WIN32_PLATFORM_H_INCLUDED

#include <windows.h>

namespace irr
{
namespace ime
{
namespace win32
{

//! The window of the device last made by createDevice, whose procedure
//! catches committed strings; null before any.
HWND getDeviceWindow();

} // end namespace win32
} // end namespace ime
} // end namespace irr

#endif
