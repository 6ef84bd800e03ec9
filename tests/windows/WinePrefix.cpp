#include "windows/WinePrefix.h"

#include "support/TestEnvironment.h"
#include "support/VirtualDisplay.h"

#include <cstdlib>
#include <memory>

namespace windowstest
{
namespace
{

const char* const Wine = "/usr/lib/wine/wine64";
const char* const WineServer = "/usr/lib/wine/wineserver";

class CPrefix
{
public:
    CPrefix() : Booted(false)
    {
        setenv("WINEPREFIX", (Directory.path() + "/prefix").c_str(), 1);
        setenv("WINEDEBUG", "-all", 1);
        // Nothing here needs Mono or Gecko; their installers would ask.
        setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
        const std::string boot = std::string(Wine) + " wineboot --init >/dev/null 2>&1";
        // The first window fails while the boot still finishes in the background.
        const std::string wait = std::string(WineServer) + " -w";
        Booted = system(boot.c_str()) == 0 && system(wait.c_str()) == 0;
    }
    ~CPrefix()
    {
        const std::string end = std::string(WineServer) + " -k >/dev/null 2>&1";
        if (system(end.c_str()) != 0)
        {
            // Already gone.
        }
    }
    std::string path() const { return Directory.path() + "/prefix"; }
    bool Booted;

private:
    testsupport::TemporaryDirectory Directory;
};

} // namespace

const char* useWinePrefix()
{
    testsupport::useVirtualDisplay();
    // Made after the virtual display, so it ends before that does.
    static CPrefix prefix;
    static const std::string path = prefix.path();
    return prefix.Booted ? path.c_str() : 0;
}

std::vector<std::string> windowsDemoCommand()
{
    return {Wine, MOJIBAN_WINDOWS_DEMO};
}

std::vector<std::string> windowsExampleCommand(const std::vector<std::string>& arguments)
{
    std::vector<std::string> command = {Wine, MOJIBAN_WINDOWS_EXAMPLE};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return command;
}

bool setWineInputStyle(const char* style)
{
    const std::string key = " 'HKCU\\Software\\Wine\\X11 Driver' /v InputStyle";
    const std::string change = style ? std::string(" reg add") + key + " /d " + style + " /f"
                                     : std::string(" reg delete") + key + " /f";
    const std::string set = std::string(Wine) + change + " >/dev/null 2>&1";
    const std::string wait = std::string(WineServer) + " -w";
    return system(set.c_str()) == 0 && system(wait.c_str()) == 0;
}

} // namespace windowstest
