// The real demo with an input-method server that stops answering (SIGSTOP,
// as a debugger or a machine under memory pressure would stop it) before
// start-up, while composing and while idle, and one killed while composing:
// the window keeps drawing, plain keys keep typing, the clipboard keeps
// serving, and once the server answers again it composes again.
#include "ime/server/XInputMethodServer.h"
#include "support/DemoProcess.h"
#include "support/TestEnvironment.h"
#include "support/VirtualDisplay.h"
#include "support/XInputDriver.h"
#include "support/XWindowProbe.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>

using testsupport::XInputMethodServer;

namespace
{

const char* const Caption = "Irrlicht Engine - Multilingual GUI Demo";
const char* const A = "\xe3\x81\x82"; // あ
const std::string Plain = "plain";
// What the user is promised: frames, typing and the clipboard within 3 s of
// the server going silent, and the window within 3 s of start-up.
const int PromiseMs = 3000;

long long nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    const long long end = nowMs() + timeoutMs;
    while (!done())
    {
        if (nowMs() > end)
            return false;
        usleep(20 * 1000);
    }
    return true;
}

//! The parameter is the server's name.
class X11SilentServer : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        if (!XInputMethodServer::available(GetParam()))
            GTEST_SKIP() << GetParam() << " or libnss-wrapper is not installed";
        testsupport::useVirtualDisplay();
        Server = XInputMethodServer::shared(GetParam());
        ASSERT_TRUE(Server) << GetParam() << " did not start";
        Probe.reset(new testsupport::XWindowProbe());
        Keyboard.reset(new testsupport::XInputDriver());
        const std::string prepare = std::string(MOJIBAN_SOURCE_DIR) +
                                    "/scripts/prepare-workdir.sh " + Directory.path() +
                                    " >/dev/null";
        ASSERT_EQ(0, system(prepare.c_str()));
    }

    void TearDown() override
    {
        if (Server)
            Server->resume();
        unsetenv("XMODIFIERS");
        unsetenv("LC_ALL");
    }

    //! Starts the demo with the server named in XMODIFIERS; true once its
    //! window is there within the promised time.
    bool startDemo()
    {
        setenv("XMODIFIERS", XInputMethodServer::modifiers(GetParam()), 1);
        setenv("LC_ALL", "ja_JP.UTF-8", 1);
        const long long start = nowMs();
        Demo.reset(new testsupport::DemoProcess("e\n", Directory.path()));
        Window = Probe->waitForWindow(Caption, 15000);
        const long long took = nowMs() - start;
        std::printf("window after %lld ms\n", took);
        std::fflush(stdout);
        if (!Window || took > PromiseMs)
            return false;
        Keyboard->focus(Window);
        xdotool("mousemove --window " + std::to_string(Window) + " 545 90 click 1");
        // The box starts with a text of its own.
        key("ctrl+a BackSpace");
        return true;
    }

    void xdotool(const std::string& arguments)
    {
        ASSERT_EQ(0, system(("xdotool " + arguments + " >/dev/null 2>&1").c_str()));
    }

    void type(const std::string& text) { xdotool("type --delay 30 " + text); }
    void key(const std::string& keys) { xdotool("key --delay 30 " + keys); }

    //! The first box's text, copied by the demo and read from the
    //! clipboard by another client; empty when it does not come in time.
    std::string boxText(int timeoutMs = PromiseMs)
    {
        const std::string none = "(none)";
        testsupport::runShell("printf '%s' '" + none +
                              "' | xclip -selection clipboard -i >/dev/null 2>&1");
        key("ctrl+a ctrl+c End");
        std::string text;
        waitFor(
            [&]
            {
                text = testsupport::runShell("timeout 2 xclip -selection clipboard -o 2>/dev/null");
                return text != none;
            },
            timeoutMs);
        return text == none ? "" : text;
    }

    //! Waits until the box's text is what is expected.
    bool boxTextBecomes(const std::string& expected, int timeoutMs = PromiseMs)
    {
        const long long end = nowMs() + timeoutMs;
        std::string text;
        do
            text = boxText();
        while (text != expected && nowMs() < end);
        EXPECT_EQ(expected, text);
        return text == expected;
    }

    //! The window keeps drawing: the text cursor blinks in the first box.
    bool framesKeepComing()
    {
        const std::vector<unsigned long> first = Probe->capture(Window, 352, 82, 196, 16);
        return waitFor([&] { return Probe->capture(Window, 352, 82, 196, 16) != first; },
                       PromiseMs);
    }

    //! Puts the box's text back, by pasting it: typing it could compose.
    void restoreBox(const std::string& text)
    {
        if (text.empty())
        {
            key("ctrl+a BackSpace");
            return;
        }
        testsupport::runShell("printf '%s' '" + text +
                              "' | xclip -selection clipboard -i >/dev/null 2>&1");
        key("ctrl+a ctrl+v");
    }

    //! Switches composing on until "a" gives あ, leaving the text as it was.
    //! Until the demo has the server again, keys (the switch too) type
    //! plainly; whatever they typed is taken back each time.
    bool composingOn(const std::string& before)
    {
        for (int attempt = 0; attempt < 8; ++attempt)
        {
            type("a");
            key("Return");
            std::string text;
            waitFor([&] { return (text = boxText()) != before; }, PromiseMs);
            restoreBox(before);
            if (text == before + A)
                return boxTextBecomes(before);
            key(Server->toggleKey());
            restoreBox(before);
        }
        return false;
    }

    //! Starts composing with one key, left uncommitted, and waits until the
    //! server shows it: a key still on its way when the server stops is
    //! typed plainly.
    void startComposing(const std::string& before)
    {
        ASSERT_TRUE(composingOn(before));
        const int shown = XInputMethodServer::countMappedWindowsBesides(Window);
        type("k");
        ASSERT_TRUE(
            waitFor([&] { return XInputMethodServer::countMappedWindowsBesides(Window) > shown; },
                    PromiseMs))
            << "the server shows no composition";
    }

    //! After the server answers again a commit arrives exactly, after what
    //! was typed meanwhile and without what was composed before.
    void composesAgain(const std::string& before)
    {
        ASSERT_TRUE(composingOn(before));
        type("ka");
        key("Return");
        boxTextBecomes(before + "\xe3\x81\x8b"); // か
    }

    //! Plain keys type while the server is silent, as promised. Enough of
    //! them to move the cursor out from under a stopped server's window.
    void plainKeysType(const std::string& before)
    {
        const long long start = nowMs();
        type(Plain);
        EXPECT_TRUE(framesKeepComing()) << "the window stopped drawing";
        EXPECT_TRUE(boxTextBecomes(before + Plain));
        std::printf("plain keys read back after %lld ms\n", nowMs() - start);
    }

    testsupport::TemporaryDirectory Directory;
    XInputMethodServer* Server = 0;
    std::unique_ptr<testsupport::XWindowProbe> Probe;
    std::unique_ptr<testsupport::XInputDriver> Keyboard;
    std::unique_ptr<testsupport::DemoProcess> Demo;
    testsupport::XWindowId Window = 0;
};

TEST_P(X11SilentServer, StoppedBeforeStartUp)
{
    Server->pause();
    ASSERT_TRUE(startDemo()) << "no window within 3 s";
    plainKeysType("");
    Server->resume();
    composesAgain(Plain);
}

TEST_P(X11SilentServer, StoppedWhileComposingThenClosed)
{
    ASSERT_TRUE(startDemo());
    startComposing("");
    Server->pause();
    plainKeysType("");
    Server->resume();
    composesAgain(Plain);

    // Closing the window with a silent server still ends the program.
    Server->pause();
    Probe->sendDeleteWindow(Window);
    const long long start = nowMs();
    EXPECT_EQ(0, Demo->waitForExit(PromiseMs));
    std::printf("ended %lld ms after the close request\n", nowMs() - start);
}

TEST_P(X11SilentServer, StoppedWhileIdle)
{
    ASSERT_TRUE(startDemo());
    ASSERT_TRUE(composingOn(""));
    Server->pause();
    plainKeysType("");
    Server->resume();
    composesAgain(Plain);
}

TEST_P(X11SilentServer, KilledWhileComposing)
{
    ASSERT_TRUE(startDemo());
    startComposing("");
    ASSERT_TRUE(Server->restart([this] { plainKeysType(""); }));
    composesAgain(Plain);
}

INSTANTIATE_TEST_SUITE_P(Servers, X11SilentServer, ::testing::Values("uim", "fcitx5"));

} // namespace
