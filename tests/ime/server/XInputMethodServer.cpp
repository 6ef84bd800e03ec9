#include "ime/server/XInputMethodServer.h"

#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace testsupport
{

struct XInputMethodServer::SKind
{
    //! What the tests call it: the program, and its input method unless that is Anthy.
    const char* Name;
    std::vector<const char*> Command;
    //! The selection a running server owns; the root window's XIM_SERVERS
    //! list may still name one that has gone.
    const char* Selection;
    const char* Modifiers;
    const char* Toggle;
    //! The input method it composes with: fcitx5's profile default, IBus's
    //! engine (set once a context has the focus). uim names it in Command.
    const char* Method;
    bool NeedsBus;
    bool StartsContextsSwitchedOff;
    bool ReportsInputStyle;
    //! Keys that compose one character, the keys that commit it, and the
    //! character: what proves the server composes.
    const char* ProofKeys;
    const char* ProofCommit;
    const wchar_t* ProofText;
};

namespace
{

// Addons of fcitx5 that a desktop has and a test does not need: they only
// cost start-up time. The XIM front end, the input methods and the classic
// window that shows the composition stay.
const char* const Fcitx5Unneeded = "--disable=wayland,waylandim,kimpanel,notificationitem,"
                                   "notifications,clipboard,dbusfrontend,fcitx4frontend,"
                                   "ibusfrontend,quickphrase,unicode,imselector,cloudpinyin";

// Anthy takes its home from the password database, not from HOME: without
// a private entry there every test would learn into the user's own
// dictionary, and what the user taught it would change the tests' results.
const char* const NssWrapper = "/usr/lib/x86_64-linux-gnu/libnss_wrapper.so";

#define MOJIBAN_FCITX5                                                                             \
    {"/usr/bin/fcitx5", Fcitx5Unneeded}, "@server=fcitx", "@im=fcitx", "ctrl+space"
#define MOJIBAN_IBUS {"/usr/bin/ibus-daemon", "--xim"}, "@server=ibus", "@im=ibus"

// あ for "a" in Japanese, 啊 (fcitx5) or 阿 (libpinyin) for "a" in pinyin,
// 아 for "dk" on the Korean two-set keyboard, 八 for ㄅㄚ on the standard
// zhuyin keyboard: the first candidate of each, with nothing learnt yet.
const XInputMethodServer::SKind Kinds[] = {
    {"uim",
     {"/usr/bin/uim-xim", "--engine=anthy-utf8"},
     "@server=uim",
     "@im=uim",
     "shift+space",
     "",
     false,
     true,
     true,
     "a",
     "Return",
     L"\u3042"},
    {"fcitx5", MOJIBAN_FCITX5, "anthy", true, true, false, "a", "Return", L"\u3042"},
    {"ibus", MOJIBAN_IBUS, "ctrl+j", "anthy", true, false, false, "a", "Return", L"\u3042"},
    {"fcitx5-pinyin", MOJIBAN_FCITX5, "pinyin", true, true, false, "a", "space", L"\u554a"},
    {"fcitx5-hangul", MOJIBAN_FCITX5, "hangul", true, true, false, "dk", "Return", L"\uc544"},
    {"fcitx5-chewing", MOJIBAN_FCITX5, "chewing", true, true, false, "18 ", "Return", L"\u516b"},
    {"ibus-libpinyin", MOJIBAN_IBUS, "Shift_L", "libpinyin", true, false, false, "a", "space",
     L"\u963f"},
    {"ibus-hangul", MOJIBAN_IBUS, "shift+space", "hangul", true, false, false, "dk", "Return",
     L"\uc544"},
    {"ibus-chewing", MOJIBAN_IBUS, "Shift_L", "chewing", true, false, false, "18 ", "Return",
     L"\u516b"},
};

#undef MOJIBAN_FCITX5
#undef MOJIBAN_IBUS

const XInputMethodServer::SKind* findKind(const std::string& name)
{
    for (const XInputMethodServer::SKind& kind : Kinds)
        if (name == kind.Name)
            return &kind;
    return 0;
}

const char* serverLocale(const XInputMethodServer::SKind& kind)
{
    const std::string method = kind.Method;
    if (method == "libpinyin" || method == "pinyin")
        return "zh_CN.UTF-8";
    if (method == "hangul")
        return "ko_KR.UTF-8";
    if (method == "chewing")
        return "zh_TW.UTF-8";
    return "ja_JP.UTF-8";
}

bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    for (int waited = 0; waited < timeoutMs; waited += 20)
    {
        if (done())
            return true;
        timespec pause = {0, 20 * 1000 * 1000};
        nanosleep(&pause, 0);
    }
    return done();
}

//! In a child: output to nothing, no descriptor of the test's but the pipe
//! to keep, and death with the test program.
void detachChild(int keepFd)
{
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const int null = open("/dev/null", O_RDWR);
    if (null >= 0)
    {
        dup2(null, 0);
        dup2(null, 1);
        dup2(null, 2);
    }
    for (int fd = 3; fd < 1024; ++fd)
        if (fd != keepFd)
            close(fd);
}

} // namespace

XInputMethodServer::XInputMethodServer(const SKind& kind) : Kind(kind), Pid(0), BusPid(0) {}

XInputMethodServer::~XInputMethodServer()
{
    stop();
    if (BusPid > 0)
    {
        kill(BusPid, SIGKILL);
        waitpid(BusPid, 0, 0);
    }
}

bool XInputMethodServer::available(const std::string& name)
{
    const SKind* kind = findKind(name);
    if (!kind || access(kind->Command[0], X_OK) != 0 || access(NssWrapper, R_OK) != 0)
        return false;
    // Each input method is a package of its own.
    const std::string program = kind->Command[0], method = kind->Method;
    if (program == "/usr/bin/fcitx5")
        return access(("/usr/share/fcitx5/inputmethod/" + method + ".conf").c_str(), R_OK) == 0;
    if (program == "/usr/bin/ibus-daemon")
        return access(("/usr/share/ibus/component/" + method + ".xml").c_str(), R_OK) == 0;
    return true;
}

XInputMethodServer* XInputMethodServer::shared(const std::string& name)
{
    // Made after the virtual display, so they end before that does.
    static std::unique_ptr<XInputMethodServer> servers[sizeof(Kinds) / sizeof(Kinds[0])];
    static bool tried[sizeof(Kinds) / sizeof(Kinds[0])] = {};
    const SKind* kind = findKind(name);
    if (!kind)
        return 0;
    const size_t index = (size_t)(kind - Kinds);
    if (!tried[index])
    {
        // Kinds of one program (fcitx5 with pinyin, then with hangul) take
        // turns: the one running ends first.
        for (size_t other = 0; other < sizeof(Kinds) / sizeof(Kinds[0]); ++other)
            if (other != index && servers[other] &&
                std::string(Kinds[other].Selection) == kind->Selection)
            {
                servers[other].reset();
                tried[other] = false;
            }
        tried[index] = true;
        servers[index].reset(new XInputMethodServer(*kind));
        if (!servers[index]->start())
            servers[index].reset();
    }
    return servers[index].get();
}

const char* XInputMethodServer::modifiers(const std::string& name)
{
    const SKind* kind = findKind(name);
    return kind ? kind->Modifiers : "";
}

const char* XInputMethodServer::toggleKey() const
{
    return Kind.Toggle;
}

bool XInputMethodServer::startsContextsSwitchedOff() const
{
    return Kind.StartsContextsSwitchedOff;
}

bool XInputMethodServer::reportsInputStyle() const
{
    return Kind.ReportsInputStyle;
}

const char* XInputMethodServer::proofKeys() const
{
    return Kind.ProofKeys;
}

const char* XInputMethodServer::proofCommitKeys() const
{
    return Kind.ProofCommit;
}

const wchar_t* XInputMethodServer::proofText() const
{
    return Kind.ProofText;
}

void XInputMethodServer::stop()
{
    if (Pid > 0)
    {
        // The server's helpers (IBus starts several) are in its group.
        kill(-Pid, SIGKILL);
        waitpid(Pid, 0, 0);
        // The X server lets the selection go once it sees the connection
        // close; a server started after must not take the old owner for its own.
        waitFor([this] { return !announced(); }, 5000);
    }
    Pid = 0;
}

void XInputMethodServer::pause()
{
    if (Pid > 0)
        kill(-Pid, SIGSTOP);
}

void XInputMethodServer::resume()
{
    if (Pid > 0)
        kill(-Pid, SIGCONT);
}

bool XInputMethodServer::restart(const std::function<void()>& whileAway)
{
    stop();
    whileAway();
    return start();
}

void XInputMethodServer::prepareHome()
{
    mkdir((Home.path() + "/run").c_str(), 0700);
    const std::string uid = std::to_string(getuid()), gid = std::to_string(getgid());
    std::ofstream(Home.path() + "/passwd")
        << "tester:x:" << uid << ":" << gid << ":tester:" << Home.path() << ":/bin/sh\n";
    std::ofstream(Home.path() + "/group") << "tester:x:" << gid << ":\n";
    if (std::string(Kind.Command[0]) != "/usr/bin/fcitx5")
        return;
    // A profile whose default input method is the kind's (for Japanese
    // Anthy: fcitx5-mozc can hang in its own server's start-up, and the
    // client with it).
    mkdir((Home.path() + "/.config").c_str(), 0700);
    mkdir((Home.path() + "/.config/fcitx5").c_str(), 0700);
    std::ofstream profile(Home.path() + "/.config/fcitx5/profile");
    profile << "[Groups/0]\nName=Default\nDefault Layout=us\nDefaultIM=" << Kind.Method
            << "\n\n[Groups/0/Items/0]\nName=keyboard-us\nLayout=\n\n"
               "[Groups/0/Items/1]\nName="
            << Kind.Method << "\nLayout=\n\n[GroupOrder]\n0=Default\n";
}

void XInputMethodServer::setChildEnvironment()
{
    setenv("HOME", Home.path().c_str(), 1);
    setenv("LD_PRELOAD", NssWrapper, 1);
    setenv("NSS_WRAPPER_PASSWD", (Home.path() + "/passwd").c_str(), 1);
    setenv("NSS_WRAPPER_GROUP", (Home.path() + "/group").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (Home.path() + "/run").c_str(), 1);
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        unsetenv(name);
    // It serves clients of every locale whatever its own, but IBus's panel
    // picks the engines it preloads, and may switch a new context to, by
    // its language.
    setenv("LC_ALL", serverLocale(Kind), 1);
    if (!BusAddress.empty())
        setenv("DBUS_SESSION_BUS_ADDRESS", BusAddress.c_str(), 1);
    // ibus-anthy is Python and needs Debian's own interpreter with its
    // bindings, not another one found earlier on PATH.
    const char* path = getenv("PATH");
    setenv("PATH", (std::string("/usr/bin:/bin:") + (path ? path : "")).c_str(), 1);
}

bool XInputMethodServer::startBus()
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    BusPid = fork();
    if (BusPid == 0)
    {
        detachChild(fds[1]);
        // What it starts on demand (dconf, the accessibility bus) keeps to
        // the private home too.
        setChildEnvironment();
        const std::string printAddress = "--print-address=" + std::to_string(fds[1]);
        execlp("dbus-daemon", "dbus-daemon", "--session", "--nofork", "--nopidfile",
               printAddress.c_str(), (char*)0);
        _exit(127);
    }
    close(fds[1]);
    char c;
    while (BusPid > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
        BusAddress += c;
    close(fds[0]);
    return !BusAddress.empty();
}

bool XInputMethodServer::start()
{
    prepareHome();
    if (Kind.NeedsBus && BusAddress.empty() && !startBus())
        return false;
    Pid = fork();
    if (Pid == 0)
    {
        setpgid(0, 0);
        detachChild(-1);
        setChildEnvironment();
        std::vector<char*> argv;
        for (const char* a : Kind.Command)
            argv.push_back(const_cast<char*>(a));
        argv.push_back(0);
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (Pid < 0)
        return false;
    // An upper bound for a slow machine; it is usually up within 2 seconds.
    // A server that ended (not installed right, display gone) fails at once.
    bool ended = false;
    const bool up = waitFor(
        [this, &ended] { return announced() || (ended = waitpid(Pid, 0, WNOHANG) == Pid); }, 30000);
    if (ended)
        Pid = 0;
    return up && !ended;
}

bool XInputMethodServer::announced()
{
    Display* dpy = XOpenDisplay(0);
    if (!dpy)
        return false;
    const Atom name = XInternAtom(dpy, Kind.Selection, False);
    const bool owned = XGetSelectionOwner(dpy, name) != None;
    XCloseDisplay(dpy);
    return owned;
}

namespace
{
int countViewable(Display* dpy, Window parent, Window besides)
{
    Window root = 0, up = 0;
    Window* children = 0;
    unsigned int count = 0;
    int viewable = 0;
    // A window may go while it is looked at.
    if (!XQueryTree(dpy, parent, &root, &up, &children, &count))
        return 0;
    for (unsigned int i = 0; i < count; ++i)
    {
        XWindowAttributes attributes;
        if (children[i] != besides && XGetWindowAttributes(dpy, children[i], &attributes) &&
            attributes.map_state == IsViewable)
            ++viewable;
        viewable += countViewable(dpy, children[i], besides);
    }
    if (children)
        XFree(children);
    return viewable;
}
} // namespace

int XInputMethodServer::countMappedWindowsBesides(unsigned long window)
{
    Display* dpy = XOpenDisplay(0);
    if (!dpy)
        return 0;
    const int viewable = countViewable(dpy, DefaultRootWindow(dpy), window);
    XCloseDisplay(dpy);
    return viewable;
}

bool XInputMethodServer::attachFocusedClient()
{
    if (std::string(Kind.Command[0]) != "/usr/bin/ibus-daemon")
        return false;
    // The engine is set on the focused context; without one the call fails.
    // Its exit status says nothing either way, so the caller checks by typing.
    const pid_t pid = fork();
    if (pid == 0)
    {
        detachChild(-1);
        setChildEnvironment();
        execl("/usr/bin/ibus", "ibus", "engine", Kind.Method, (char*)0);
        _exit(127);
    }
    if (pid < 0)
        return false;
    int status = 0;
    if (!waitFor([pid, &status] { return waitpid(pid, &status, WNOHANG) == pid; }, 10000))
    {
        kill(pid, SIGKILL);
        waitpid(pid, 0, 0);
    }
    return true;
}

} // namespace testsupport
