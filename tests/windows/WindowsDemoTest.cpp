// The Windows program under Wine, seen and driven from outside as a person
// would: the prompt, the drivers, typing, real X input methods (uim-xim
// with Anthy; fcitx5 with pinyin and with hangul in code pages 936 and 949)
// committing through Wine's IMM32, the clipboard shared with X clients, and
// the file dialog in code page 932.
#include "app/DriverPrompt.h"
#include "ime/server/XInputMethodServer.h"
#include "support/DemoProcess.h"
#include "support/TestEnvironment.h"
#include "support/XWindowProbe.h"
#include "windows/WinePrefix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

using testsupport::DemoProcess;
using testsupport::XWindowProbe;

namespace
{

const char* const Caption = "Irrlicht Engine - Multilingual GUI Demo";
// What a Windows console program writes for the prompt: its line breaks
// are the system's.
std::string windowsPrompt()
{
    std::string text;
    for (const char* c = DriverPromptText; *c; ++c)
        text += *c == '\n' ? std::string("\r\n") : std::string(1, *c);
    return text;
}

class WindowsDemo : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(windowstest::useWinePrefix()) << "Wine did not boot";
        Probe.reset(new XWindowProbe());
        const std::string prepare = std::string(MOJIBAN_SOURCE_DIR) +
                                    "/scripts/prepare-workdir.sh " + Directory.path() +
                                    " >/dev/null";
        ASSERT_EQ(0, system(prepare.c_str()));
        // Under a Japanese locale Wine gives Windows programs code page 932.
        setenv("LC_ALL", "ja_JP.UTF-8", 1);
    }

    void TearDown() override
    {
        Process.reset();
        unsetenv("LC_ALL");
        unsetenv("XMODIFIERS");
    }

    void start(const std::string& input)
    {
        Process.reset(new DemoProcess(input, Directory.path(), windowstest::windowsDemoCommand()));
    }

    //! Starts the demo with a driver letter and waits for its window.
    bool open(char driver)
    {
        start(std::string(1, driver) + "\n");
        if (!Probe->waitForWindow(Caption, 30000))
            return false;
        // Drivers may replace the first window while they start (Direct3D
        // does): take the one that is there after a few frames.
        usleep(1500 * 1000);
        Window = Probe->waitForWindow(Caption, 5000);
        return Window != 0;
    }

    //! xdotool with "%w" standing for the demo window; coordinates given
    //! with --window are the window's own, wherever Wine placed it.
    void xdotool(std::string arguments)
    {
        for (size_t at; (at = arguments.find("%w")) != std::string::npos;)
            arguments.replace(at, 2, std::to_string(Window));
        EXPECT_EQ(0, system(("xdotool " + arguments + " >/dev/null 2>&1").c_str())) << arguments;
        usleep(300 * 1000);
    }
    void click(int x, int y)
    {
        xdotool("mousemove --window %w " + std::to_string(x) + " " + std::to_string(y) +
                " click 1");
    }

    //! What the CLIPBOARD selection holds, as UTF-8, read by another client.
    std::string clipboard()
    {
        return testsupport::runShell("timeout 5 xclip -o -selection clipboard 2>/dev/null");
    }

    unsigned long background() { return Probe->pixel(Window, 600, 450); }

    testsupport::TemporaryDirectory Directory;
    std::unique_ptr<DemoProcess> Process;
    std::unique_ptr<XWindowProbe> Probe;
    testsupport::XWindowId Window = 0;
};

TEST_F(WindowsDemo, PromptThenExitOneForLettersWithoutADevice)
{
    // b asks for Direct3D 8, which the engine cannot be built with here.
    for (const char* input : {"A\n", "7\n", "", "b\n"})
    {
        start(input);
        EXPECT_EQ(1, Process->waitForExit(30000)) << '"' << input << '"';
        EXPECT_EQ(0u, Process->output().find(windowsPrompt())) << '"' << input << '"';
    }
    EXPECT_EQ(0u, Probe->waitForWindow(Caption, 0));
}

class WindowsDemoDriver : public WindowsDemo, public ::testing::WithParamInterface<char>
{
};

TEST_P(WindowsDemoDriver, OpensTheCaptionedWindowWithItsElementsAndClosesWithZero)
{
    ASSERT_TRUE(open(GetParam())) << Process->output();
    int width = 0, height = 0;
    ASSERT_TRUE(Probe->windowSize(Window, width, height));
    EXPECT_EQ(640, width);
    EXPECT_EQ(480, height);
    EXPECT_EQ(Caption, Probe->windowName(Window));

    // The three buttons stand out from the background; above each is none.
    const unsigned long clear = background();
    for (int top : {210, 250, 290})
    {
        EXPECT_NE(clear, Probe->pixel(Window, 14, top + 4)) << top;
        EXPECT_EQ(clear, Probe->pixel(Window, 14, top - 4)) << top;
    }
    // The close box, as a window manager's would ask.
    Probe->sendDeleteWindow(Window);
    EXPECT_EQ(0, Process->waitForExit(15000));
}

// a runs on Wine's Direct3D 9, which draws with OpenGL (Mesa on Xvfb).
INSTANTIATE_TEST_SUITE_P(Drivers, WindowsDemoDriver, ::testing::Values('c', 'd', 'e', 'a'));

TEST_F(WindowsDemo, TypedAndCommittedTextReachTheBoxAndTheClipboardCrosses)
{
    ASSERT_TRUE(testsupport::XInputMethodServer::available()) << "uim-xim is not installed";
    ASSERT_TRUE(testsupport::XInputMethodServer::shared());
    setenv("XMODIFIERS", testsupport::XInputMethodServer::modifiers(), 1);
    ASSERT_TRUE(open('d'));

    click(540, 90);
    xdotool("key End");
    xdotool("type --delay 50 ab");
    xdotool("key BackSpace");
    // Japanese input on, romaji, convert, commit, input off.
    xdotool("key shift+space");
    xdotool("type --delay 50 nihongo");
    xdotool("key space");
    // The first conversion loads the dictionary.
    usleep(1500 * 1000);
    xdotool("key Return");
    xdotool("key shift+space");
    xdotool("key ctrl+a ctrl+c");
    EXPECT_EQ("Editable Text1a\u65e5\u672c\u8a9e", clipboard());

    // From an X client into the second box, and back out again.
    testsupport::runShell(
        "printf '%s' '\u8cbc\u308a\u4ed8\u3051' | xclip -selection clipboard -i >/dev/null 2>&1");
    click(540, 120);
    xdotool("key ctrl+a ctrl+v");
    xdotool("key ctrl+a ctrl+c");
    EXPECT_EQ("\u8cbc\u308a\u4ed8\u3051", clipboard());

    click(60, 226); // Quit
    EXPECT_EQ(0, Process->waitForExit(15000));
}

// A Chinese and a Korean user's commit: Wine gives the program code page
// 936 under a simplified Chinese locale and 949 under a Korean one, and its
// XIM bridge hands what the server commits to IMM32. 汉语 has no form in
// code pages 932 and 949, 한국어 none in 932 and 936: only the locale's own
// code page carries them whole.
struct SCommit
{
    const char* Locale;
    const char* Server;
    const char* Keys;
    const char* CommitKey;
    const char* Expected; // UTF-8, as an X client reads the copy
};

void PrintTo(const SCommit& commit, std::ostream* os)
{
    *os << commit.Server << " " << commit.Locale;
}

class WindowsDemoCommit : public WindowsDemo, public ::testing::WithParamInterface<SCommit>
{
};

TEST_P(WindowsDemoCommit, CommittedTextReachesTheBoxInTheLocalesCodePage)
{
    const SCommit& commit = GetParam();
    ASSERT_TRUE(testsupport::XInputMethodServer::available(commit.Server)) << commit.Server;
    testsupport::XInputMethodServer* server =
        testsupport::XInputMethodServer::shared(commit.Server);
    ASSERT_TRUE(server);
    setenv("XMODIFIERS", testsupport::XInputMethodServer::modifiers(commit.Server), 1);
    setenv("LC_ALL", commit.Locale, 1);
    ASSERT_TRUE(open('d'));

    click(540, 120);
    // fcitx5 starts each context with composing off. While it composes,
    // Wine hands Ctrl+A and Ctrl+C on as plain letters: it goes off again
    // before the copy. A busy machine may make the program's context late
    // for the first switch, which then leaves composing on at the copy: the
    // next round switches it off first.
    const std::string toggle = std::string("key ") + server->toggleKey();
    std::string copied;
    for (int round = 0; round < 3 && copied != commit.Expected; ++round)
    {
        if (round > 0)
            xdotool(toggle);
        xdotool("key ctrl+a BackSpace");
        xdotool(toggle);
        xdotool(std::string("type --delay 50 ") + commit.Keys);
        xdotool(std::string("key ") + commit.CommitKey);
        xdotool(toggle);
        // The first conversion may load a dictionary: a few copies are allowed.
        for (int tries = 0; tries < 3 && copied != commit.Expected; ++tries)
        {
            xdotool("key ctrl+a ctrl+c");
            copied = clipboard();
            // A switch that the server takes late leaves it composing for
            // Ctrl+A, which then types an "a" after the commit instead of
            // selecting: that letter is the copy's, not the commit's.
            while (copied.size() > strlen(commit.Expected) && copied.back() == 'a')
                copied.pop_back();
        }
    }
    EXPECT_EQ(commit.Expected, copied);

    Probe->sendDeleteWindow(Window);
    EXPECT_EQ(0, Process->waitForExit(15000));
}

INSTANTIATE_TEST_SUITE_P(ChineseKorean, WindowsDemoCommit,
                         ::testing::Values(SCommit{"zh_CN.UTF-8", "fcitx5-pinyin", "hanyu", "space",
                                                   "\u6c49\u8bed"},
                                           SCommit{"ko_KR.UTF-8", "fcitx5-hangul", "gksrnrdj",
                                                   "Return", "\ud55c\uad6d\uc5b4"}));

//! Which pixels of a rectangle of the window differ from its first one:
//! the shape of what is drawn there, whatever the colour depth.
std::vector<bool> inkOf(XWindowProbe& probe, testsupport::XWindowId window, int x, int y, int w,
                        int h)
{
    const std::vector<unsigned long> pixels = probe.capture(window, x, y, w, h);
    std::vector<bool> ink;
    for (unsigned long p : pixels)
        ink.push_back(p != pixels[0]);
    return ink;
}

// The dialog's first row: the Japanese folder, which sorts first.
const int RowX = 157, RowY = 173, RowWidth = 200, RowHeight = 14;

TEST_F(WindowsDemo, FileDialogShowsEntersAndOpensJapaneseNames)
{
    // The Linux program draws the same row from the same name in UTF-8.
    std::vector<bool> linuxRow;
    {
        DemoProcess linuxDemo("d\n", Directory.path());
        const testsupport::XWindowId w = Probe->waitForWindow(Caption, 15000);
        ASSERT_NE(0u, w);
        usleep(700 * 1000);
        EXPECT_EQ(
            0,
            system(
                ("xdotool mousemove --window " + std::to_string(w) + " 60 306 click 1").c_str()));
        usleep(700 * 1000);
        linuxRow = inkOf(*Probe, w, RowX, RowY, RowWidth, RowHeight);
        Probe->sendDeleteWindow(w);
        EXPECT_EQ(0, linuxDemo.waitForExit(10000));
    }

    ASSERT_TRUE(open('d'));
    const std::vector<bool> noDialog = inkOf(*Probe, Window, 146, 118, 348, 246);
    click(60, 306); // File Open
    EXPECT_EQ(linuxRow, inkOf(*Probe, Window, RowX, RowY, RowWidth, RowHeight))
        << "the folder's name is not drawn as the Linux program draws it";

    const std::vector<bool> path = inkOf(*Probe, Window, 157, 146, 240, 14);
    click(250, 180);
    xdotool("click --delay 80 --repeat 2 1"); // twice on the folder enters it
    EXPECT_NE(path, inkOf(*Probe, Window, 157, 146, 240, 14)) << "the folder was not entered";
    // ".", ".." and then the file inside.
    click(250, 212);
    click(450, 155); // OK
    EXPECT_EQ(noDialog, inkOf(*Probe, Window, 146, 118, 348, 246))
        << "OK with the file chosen did not close the dialog";

    click(60, 226); // Quit
    EXPECT_EQ(0, Process->waitForExit(15000));
}

// The example's box draws the composition itself: Wine's X11 driver, on the
// spot, hands uim-xim's reading to the program as IMM32 compositions.
TEST_F(WindowsDemo, ExampleDrawsTheReadingInItsBoxThroughWinesInputMethodBridge)
{
    ASSERT_TRUE(testsupport::XInputMethodServer::available()) << "uim-xim is not installed";
    ASSERT_TRUE(testsupport::XInputMethodServer::shared());
    setenv("XMODIFIERS", testsupport::XInputMethodServer::modifiers(), 1);
    ASSERT_TRUE(windowstest::setWineInputStyle("onthespot"));
    Process.reset(
        new DemoProcess("", Directory.path(),
                        windowstest::windowsExampleCommand(
                            {"--font", "Z:\\usr\\share\\fonts\\opentype\\ipafont-gothic\\ipag.ttf",
                             "--seconds", "60"})));
    Window = Probe->waitForWindow("Mojiban example", 30000);
    ASSERT_NE(Window, 0u);
    usleep(1500 * 1000);

    // Right of the box's own text, where the reading goes.
    auto ink = [&]
    {
        const std::vector<bool> shape = inkOf(*Probe, Window, 160, 426, 300, 26);
        return (size_t)std::count(shape.begin(), shape.end(), true);
    };
    click(300, 438);
    const size_t empty = ink();
    xdotool("key shift+space");
    xdotool("type --delay 80 nihongo");
    usleep(1000 * 1000);
    EXPECT_GT(ink(), empty + 100) << "the reading did not show in the box";

    // Escape drops it: nothing was committed, nothing stays.
    xdotool("key Escape");
    usleep(500 * 1000);
    EXPECT_LE(ink(), empty + 20);
    xdotool("key shift+space");

    Probe->sendDeleteWindow(Window);
    EXPECT_EQ(0, Process->waitForExit(15000));
    EXPECT_TRUE(windowstest::setWineInputStyle(0));
}

} // namespace
