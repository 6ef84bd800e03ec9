#ifndef TESTS_IME_X_INPUT_METHOD_SERVER_H_INCLUDED
#define TESTS_IME_X_INPUT_METHOD_SERVER_H_INCLUDED

#include "support/TestEnvironment.h"

#include <functional>
#include <string>
#include <sys/types.h>

namespace testsupport
{

//! A real X input method server (Debian's uim-xim with the Anthy engine)
//! on the test's X server, with a home of its own so that nothing it
//! learns carries over from earlier runs. One serves the whole test
//! program: a second one on the same display leaves clients waiting.
class XInputMethodServer
{
public:
    //! Whether the server is installed here.
    static bool available();
    //! The program's server, started on first use and ended with the
    //! program. Null when it did not come up.
    static XInputMethodServer* shared();
    //! Ends the server the way a crash would, then starts it again; returns
    //! whether it came back.
    bool restart(const std::function<void()>& whileAway);
    //! The XMODIFIERS value that selects it.
    static const char* modifiers() { return "@im=uim"; }

private:
    XInputMethodServer();
    ~XInputMethodServer();
    XInputMethodServer(const XInputMethodServer&);
    XInputMethodServer& operator=(const XInputMethodServer&);

    bool start();
    void stop();
    bool announced();

    pid_t Pid;
    TemporaryDirectory Home;
};

} // namespace testsupport

#endif
