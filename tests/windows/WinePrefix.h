#ifndef TESTS_WINDOWS_WINE_PREFIX_H_INCLUDED
#define TESTS_WINDOWS_WINE_PREFIX_H_INCLUDED

#include <string>
#include <vector>

namespace windowstest
{

//! A private Wine prefix, booted on first use on the test program's virtual
//! X server and removed, its server ended, when the program ends. Points
//! WINEPREFIX (and a quiet WINEDEBUG) of this process at it, so that every
//! Windows program the tests start runs in it. Null when it did not boot.
const char* useWinePrefix();

//! The command line that runs the Windows demo under Wine.
std::vector<std::string> windowsDemoCommand();

//! The command line that runs the Windows build of examples/ under Wine.
std::vector<std::string> windowsExampleCommand(const std::vector<std::string>& arguments);

//! Sets how Wine's X11 driver talks to the X input method (its InputStyle:
//! "onthespot" hands the composition to Windows programs); null puts
//! Wine's default back. False when the setting failed.
bool setWineInputStyle(const char* style);

} // namespace windowstest

#endif
