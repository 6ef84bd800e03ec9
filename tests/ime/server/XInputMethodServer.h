#ifndef TESTS_IME_X_INPUT_METHOD_SERVER_H_INCLUDED
#define TESTS_IME_X_INPUT_METHOD_SERVER_H_INCLUDED

#include "support/TestEnvironment.h"

#include <functional>
#include <string>
#include <sys/types.h>

namespace testsupport
{

//! A real X input method server on the test's X server, as Debian ships
//! it: uim-xim, fcitx5 or IBus through its XIM front end, composing Japanese
//! with Anthy, or fcitx5 and IBus composing Chinese (pinyin, chewing) or
//! Korean (hangul). Each gets a home of its own, so that nothing it learns carries
//! over from earlier runs, and fcitx5 and IBus a D-Bus session of their own.
//! One of a kind serves the whole test program: a second one on the same
//! display leaves clients waiting, so kinds of one program take turns.
class XInputMethodServer
{
public:
    //! What tells the servers apart: how each starts and is driven.
    struct SKind;

    //! "uim", "fcitx5" or "ibus" (with Anthy); "fcitx5-pinyin",
    //! "fcitx5-hangul", "fcitx5-chewing", "ibus-libpinyin", "ibus-hangul" or
    //! "ibus-chewing".
    static bool available(const std::string& name = "uim");
    //! The program's server of that name, started on first use and ended
    //! with the program, or when a kind of the same program is asked for.
    //! Null when it did not come up.
    static XInputMethodServer* shared(const std::string& name = "uim");
    //! The XMODIFIERS value that selects the server of that name.
    static const char* modifiers(const std::string& name = "uim");

    //! Ends the server the way a crash would, then starts it again; returns
    //! whether it came back.
    bool restart(const std::function<void()>& whileAway);
    //! Stops the server as a debugger or SIGSTOP would: it neither answers
    //! nor goes away, until resume.
    void pause();
    void resume();
    //! Windows shown on the display, at any depth, other than the given
    //! one: the servers show a composition in a window of their own.
    static int countMappedWindowsBesides(unsigned long window);
    //! The xdotool key that switches Japanese input on and off.
    const char* toggleKey() const;
    //! Whether a new input context starts with composing off. IBus keeps
    //! Anthy's mode in the engine, for every client at once.
    bool startsContextsSwitchedOff() const;
    //! Whether it reports a context's input style truly.
    bool reportsInputStyle() const;
    //! What proves that it composes: the keys that compose one character,
    //! those that commit it (for xdotool) and the character committed.
    const char* proofKeys() const;
    const char* proofCommitKeys() const;
    const wchar_t* proofText() const;
    //! What the server needs once a client's context has the focus: IBus
    //! only takes the engine then. Whether there was anything to do.
    bool attachFocusedClient();

    //! Ends the server and its D-Bus session.
    ~XInputMethodServer();

private:
    explicit XInputMethodServer(const SKind& kind);
    XInputMethodServer(const XInputMethodServer&);
    XInputMethodServer& operator=(const XInputMethodServer&);

    bool start();
    bool startBus();
    void stop();
    bool announced();
    void prepareHome();
    void setChildEnvironment();

    const SKind& Kind;
    pid_t Pid;
    pid_t BusPid;
    std::string BusAddress;
    TemporaryDirectory Home;
};

} // namespace testsupport

#endif
