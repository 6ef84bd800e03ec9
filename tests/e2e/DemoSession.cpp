#include "e2e/DemoSession.h"

#include "support/VirtualDisplay.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

namespace e2e
{

int Region::countOtherThan(unsigned long colour) const
{
    int n = 0;
    for (unsigned long p : Pixels)
        n += p != colour;
    return n;
}

int Region::count(unsigned long colour) const
{
    return (int)Pixels.size() - countOtherThan(colour);
}

namespace
{
const char* const Caption = "Irrlicht Engine - Multilingual GUI Demo";

std::string quoted(const std::string& text)
{
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}
} // namespace

DemoSession::DemoSession(const SessionOptions& options) : Window(0)
{
    testsupport::useVirtualDisplay();
    const std::string prepare =
        std::string(MOJIBAN_SOURCE_DIR) + "/scripts/prepare-workdir.sh " + quoted(Directory.path());
    EXPECT_EQ(0, system(prepare.c_str()));
    if (!options.WithFont)
        unlink((Directory.path() + "/fonts/ipag.ttf").c_str());

    setenv("LC_ALL", options.Locale, 1);
    Process.reset(
        new testsupport::DemoProcess(std::string(1, options.Driver) + "\n", Directory.path()));
    Probe.reset(new testsupport::XWindowProbe());
    Keyboard.reset(new testsupport::XInputDriver());
    Window = Probe->waitForWindow(Caption, 15000);
    EXPECT_NE(0u, Window) << "the demo window did not appear";
    if (Window)
    {
        xdotool("windowfocus --sync %w");
        settle(500);
    }
}

DemoSession::~DemoSession()
{
    unsetenv("LC_ALL");
}

bool DemoSession::xdotool(const std::string& arguments)
{
    std::string args = arguments;
    const std::string id = std::to_string(Window);
    for (size_t at; (at = args.find("%w")) != std::string::npos;)
        args.replace(at, 2, id);
    const std::string command = "xdotool " + args + " >/dev/null 2>&1";
    return system(command.c_str()) == 0;
}

void DemoSession::settle(int milliseconds)
{
    usleep((useconds_t)milliseconds * 1000);
}

void DemoSession::click(int x, int y)
{
    xdotool("mousemove --window %w " + std::to_string(x) + " " + std::to_string(y) + " click 1");
    settle();
}

void DemoSession::doubleClick(int x, int y)
{
    click(x, y);
    click(x, y);
}

void DemoSession::drag(int fromX, int fromY, int toX, int toY)
{
    xdotool("mousemove --window %w " + std::to_string(fromX) + " " + std::to_string(fromY) +
            " mousedown 1");
    settle(150);
    // Two steps, so the program sees a move while the button is down.
    xdotool("mousemove --window %w " + std::to_string((fromX + toX) / 2) + " " +
            std::to_string((fromY + toY) / 2));
    settle(150);
    xdotool("mousemove --window %w " + std::to_string(toX) + " " + std::to_string(toY) +
            " mouseup 1");
    settle();
}

void DemoSession::key(const std::string& keys)
{
    xdotool("key --delay 60 " + keys);
    settle();
}

void DemoSession::type(const std::string& utf8Text)
{
    xdotool("type --delay 60 " + quoted(utf8Text));
    settle();
}

bool DemoSession::mapKeysyms(const std::vector<unsigned long>& keysyms)
{
    return Keyboard->mapKeysyms(keysyms);
}

Region DemoSession::capture(int x, int y, int width, int height)
{
    Region region;
    region.X = x;
    region.Y = y;
    region.Width = width;
    region.Height = height;
    region.Pixels = Probe->capture(Window, x, y, width, height);
    return region;
}

unsigned long DemoSession::pixel(int x, int y)
{
    return Probe->pixel(Window, x, y);
}

unsigned long DemoSession::background()
{
    return pixel(630, 470);
}

void DemoSession::closeWindow()
{
    Probe->sendDeleteWindow(Window);
}

int DemoSession::waitForExit(int timeoutMs)
{
    return Process->waitForExit(timeoutMs);
}

} // namespace e2e
