#ifndef TESTS_E2E_DEMO_SESSION_H_INCLUDED
#define TESTS_E2E_DEMO_SESSION_H_INCLUDED

#include "support/DemoProcess.h"
#include "support/TestEnvironment.h"
#include "support/XInputDriver.h"
#include "support/XWindowProbe.h"

#include <memory>
#include <string>
#include <vector>

namespace e2e
{

//! A rectangle of the demo window as a person sees it.
struct Region
{
    int X, Y, Width, Height;
    std::vector<unsigned long> Pixels;

    //! Pixels that differ from the given colour.
    int countOtherThan(unsigned long colour) const;
    //! Pixels of exactly that colour.
    int count(unsigned long colour) const;
    bool operator==(const Region& other) const { return Pixels == other.Pixels; }
};

struct SessionOptions
{
    char Driver = 'e';
    bool WithFont = true;
    const char* Locale = "ja_JP.UTF-8";
};

//! The real demo in a private virtual X server, in a fresh working directory
//! laid out like the one the demo command prepares, driven with xdotool.
class DemoSession
{
public:
    explicit DemoSession(const SessionOptions& options = SessionOptions());
    ~DemoSession();

    bool started() const { return Window != 0; }
    const std::string& workingDirectory() const { return Directory.path(); }

    //! Runs xdotool with these arguments; "%w" stands for the demo window.
    bool xdotool(const std::string& arguments);
    void click(int x, int y);
    void doubleClick(int x, int y);
    void drag(int fromX, int fromY, int toX, int toY);
    //! Keys by X keysym name, e.g. "ctrl+a", "BackSpace", "U65E5". Keysyms
    //! no key carries (kanji) must be put on keys first with mapKeysyms.
    void key(const std::string& keys);
    //! Puts keysyms on free keys, as a keyboard layout with them would.
    bool mapKeysyms(const std::vector<unsigned long>& keysyms);
    void type(const std::string& utf8Text);
    //! Lets the demo draw a few frames.
    void settle(int milliseconds = 300);

    Region capture(int x, int y, int width, int height);
    unsigned long pixel(int x, int y);
    //! The clear colour where no element stands.
    unsigned long background();

    //! Asks the window to close as a window manager's close box does.
    void closeWindow();
    //! Waits for the program's end and gives its exit code (-1: still runs).
    int waitForExit(int timeoutMs = 10000);

private:
    testsupport::TemporaryDirectory Directory;
    std::unique_ptr<testsupport::DemoProcess> Process;
    std::unique_ptr<testsupport::XWindowProbe> Probe;
    std::unique_ptr<testsupport::XInputDriver> Keyboard;
    testsupport::XWindowId Window;
};

} // namespace e2e

#endif
