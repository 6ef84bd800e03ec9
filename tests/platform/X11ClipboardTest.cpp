// The demo window's clipboard against a real X server and another client.
// GoogleTest goes before Xlib, whose macros clash with it.
#include <gtest/gtest.h>

#include "text/UserLocaleText.h"
#include "platform/x11/CX11Clipboard.h"
#include "support/TestEnvironment.h"
#include "support/VirtualDisplay.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

using namespace irr::ime;
using namespace irr::ime::x11;
using testsupport::ScopedUserLocale;
using testsupport::TemporaryDirectory;

namespace
{

const std::string NihonUtf8 = "\xe6\x97\xa5\xe6\x9c\xac";
const std::string NihonEucJp = "\xc6\xfc\xcb\xdc";

TEST(UserLocaleText, ConvertsBetweenTheLocaleAndUtf8BothWays)
{
    std::string out;
    {
        ScopedUserLocale locale("ja_JP.EUC-JP");
        ASSERT_TRUE(userLocaleToUtf8(NihonEucJp + "ab", out));
        EXPECT_EQ(NihonUtf8 + "ab", out);
        ASSERT_TRUE(utf8ToUserLocale(NihonUtf8 + "ab", out));
        EXPECT_EQ(NihonEucJp + "ab", out);
        // An emoji has no EUC-JP form; half-valid input is no input.
        EXPECT_FALSE(utf8ToUserLocale("\xf0\x9f\x98\x80", out));
        EXPECT_FALSE(userLocaleToUtf8("\xc6", out));
    }
    {
        ScopedUserLocale locale("ja_JP.UTF-8");
        const std::string outsideBmp = "\xf0\x9f\x98\x80";
        ASSERT_TRUE(utf8ToUserLocale(outsideBmp, out));
        EXPECT_EQ(outsideBmp, out);
        ASSERT_TRUE(userLocaleToUtf8(outsideBmp, out));
        EXPECT_EQ(outsideBmp, out);
    }
}

TEST(UserLocaleText, RefusesMalformedUtf8)
{
    ScopedUserLocale locale("ja_JP.EUC-JP");
    std::string out = "kept";
    for (const char* bad :
         {"\xc0\xaf", "\xe6\x97", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\x80", "\xff", "a\xe6"})
    {
        EXPECT_FALSE(utf8ToUserLocale(bad, out)) << bad;
        out = "kept";
        EXPECT_FALSE(utf8ToUserLocaleReplacing(bad, out)) << bad;
        EXPECT_EQ("kept", out);
    }
    // Valid UTF-8 is never refused for what the locale lacks: the emoji is a geta mark.
    ASSERT_TRUE(utf8ToUserLocaleReplacing(NihonUtf8 + "\xf0\x9f\x98\x80", out));
    EXPECT_EQ(NihonEucJp + "\xa2\xae", out);
}

TEST(UserLocaleText, CommittedUtf8KeepsEveryCharacterTheLocaleCanWrite)
{
    const std::string emoji = "\xf0\x9f\x98\x80";
    irr::core::stringw out;
    {
        ScopedUserLocale locale("ja_JP.EUC-JP");
        // EUC-JP has no U+FFFD: the geta mark stands in.
        EXPECT_EQ(2u, utf8ToWideForUserLocale(NihonUtf8 + emoji + "a\xff", out));
        EXPECT_EQ(irr::core::stringw(L"\u65e5\u672c\u3013a\u3013"), out);
    }
    {
        ScopedUserLocale locale("ja_JP.UTF-8");
        EXPECT_EQ(2u, utf8ToWideForUserLocale(emoji + "\xe6\x97", out));
        // The cut-off character costs one mark per byte, like the dialog's names.
        EXPECT_EQ(irr::core::stringw(L"\U0001f600\ufffd\ufffd"), out);
        // A zero byte ends the text, as it would for the engine.
        EXPECT_EQ(0u, utf8ToWideForUserLocale(std::string("ab\0c", 4), out));
        EXPECT_EQ(irr::core::stringw(L"ab"), out);
    }
    {
        ScopedUserLocale locale("C");
        EXPECT_EQ(2u, utf8ToWideForUserLocale("x" + NihonUtf8, out));
        EXPECT_EQ(irr::core::stringw(L"x??"), out);
    }
}

TEST(UserLocaleText, StrictConversionsRefuseWhatTheLocaleCannotHold)
{
    ScopedUserLocale locale("ja_JP.EUC-JP");
    irr::core::stringw wide(L"kept");
    EXPECT_FALSE(userLocaleToWide("\xc6\xfc\xff", wide));
    EXPECT_EQ(irr::core::stringw(L"kept"), wide);
    ASSERT_TRUE(userLocaleToWide(NihonEucJp.c_str(), wide));
    EXPECT_EQ(irr::core::stringw(L"\u65e5\u672c"), wide);

    std::string bytes;
    EXPECT_FALSE(wideToUserLocale(irr::core::stringw(L"\u65e5\U0001f600"), bytes));
    ASSERT_TRUE(wideToUserLocale(irr::core::stringw(L"\u65e5\u672c"), bytes));
    EXPECT_EQ(NihonEucJp, bytes);
    EXPECT_TRUE(userLocaleCanWrite(L'\u65e5'));
    EXPECT_FALSE(userLocaleCanWrite(0x1F600));
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class X11Clipboard : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::useVirtualDisplay();
        Dpy = XOpenDisplay(0);
        ASSERT_TRUE(Dpy);
        Win = XCreateSimpleWindow(Dpy, DefaultRootWindow(Dpy), 0, 0, 10, 10, 0, 0, 0);
        XSelectInput(Dpy, Win, PropertyChangeMask);
        Clipboard.attach(Dpy, Win);
    }

    void TearDown() override
    {
        Clipboard.detach();
        if (Dpy)
            XCloseDisplay(Dpy);
    }

    //! Runs a shell command in the background while serving our selection,
    //! then gives what it wrote.
    std::string serveWhile(const std::string& command)
    {
        const std::string out = Directory.path() + "/out";
        const std::string done = Directory.path() + "/done";
        unlink(out.c_str());
        unlink(done.c_str());
        const std::string background = "(" + command + " > " + out + "; touch " + done + ") &";
        EXPECT_EQ(0, system(background.c_str()));
        for (int waited = 0; waited < 5000 && access(done.c_str(), F_OK) != 0; waited += 5)
        {
            while (XPending(Dpy))
            {
                XEvent event;
                XNextEvent(Dpy, &event);
                Clipboard.handleEvent(event);
            }
            usleep(5000);
        }
        return readFile(out);
    }

    void setWithXclip(const std::string& bytes)
    {
        const std::string file = Directory.path() + "/in";
        std::ofstream(file, std::ios::binary) << bytes;
        const Atom clipboard = XInternAtom(Dpy, "CLIPBOARD", False);
        // An xclip of an earlier test may still serve the selection.
        const Window before = XGetSelectionOwner(Dpy, clipboard);
        const std::string command = "xclip -selection clipboard -i < " + file;
        ASSERT_EQ(0, system(command.c_str()));
        // xclip takes the selection from a child of its own, maybe only now.
        for (int waited = 0; waited < 3000; waited += 10)
        {
            const Window owner = XGetSelectionOwner(Dpy, clipboard);
            if (owner != None && owner != Win && owner != before)
                return;
            usleep(10000);
        }
        ADD_FAILURE() << "xclip did not take the clipboard";
    }

    TemporaryDirectory Directory;
    Display* Dpy = 0;
    Window Win = 0;
    CX11Clipboard Clipboard;
};

TEST_F(X11Clipboard, AnotherClientReadsUtf8OrTheLocaleBytes)
{
    ScopedUserLocale locale("ja_JP.EUC-JP");
    Clipboard.setText(NihonEucJp);
    EXPECT_EQ(NihonUtf8, serveWhile("xclip -selection clipboard -o"));
    EXPECT_EQ(NihonEucJp, serveWhile("xclip -selection clipboard -o -t STRING"));
    const std::string targets = serveWhile("xclip -selection clipboard -o -t TARGETS");
    EXPECT_NE(std::string::npos, targets.find("UTF8_STRING")) << targets;

    // Our own text comes back without a round trip.
    std::string own;
    ASSERT_TRUE(Clipboard.getText(own));
    EXPECT_EQ(NihonEucJp, own);
}

TEST_F(X11Clipboard, TakesAnotherClientsTextInTheLocale)
{
    std::string got;
    {
        ScopedUserLocale locale("ja_JP.EUC-JP");
        setWithXclip(NihonUtf8); // UTF-8, converted to EUC-JP
        ASSERT_TRUE(Clipboard.getText(got));
        EXPECT_EQ(NihonEucJp, got);
        setWithXclip(NihonEucJp); // not UTF-8: taken as the locale's bytes
        ASSERT_TRUE(Clipboard.getText(got));
        EXPECT_EQ(NihonEucJp, got);
    }
    ScopedUserLocale locale("ja_JP.UTF-8");
    setWithXclip(NihonUtf8);
    ASSERT_TRUE(Clipboard.getText(got));
    EXPECT_EQ(NihonUtf8, got);
}

// 中文, then 𠀀 (U+20000) and 😀 (U+1F600), which GB18030 writes in four bytes.
const std::string ChineseUtf8 = "\xe4\xb8\xad\xe6\x96\x87\xf0\xa0\x80\x80\xf0\x9f\x98\x80";
const std::string ChineseGb18030 = "\xd6\xd0\xce\xc4\x95\x32\x82\x36\x94\x39\xfc\x36";
// 한국어; 这个 has no EUC-KR form, and EUC-KR writes 〓 as A1 EB.
const std::string KoreanUtf8 = "\xed\x95\x9c\xea\xb5\xad\xec\x96\xb4";
const std::string KoreanEucKr = "\xc7\xd1\xb1\xb9\xbe\xee";
const std::string ZheGeUtf8 = "\xe8\xbf\x99\xe4\xb8\xaa";

TEST_F(X11Clipboard, ChineseAndKoreanCrossInTheirLegacyLocales)
{
    std::string got;
    {
        ScopedUserLocale locale("zh_CN.GB18030");
        setWithXclip(ChineseUtf8);
        ASSERT_TRUE(Clipboard.getText(got));
        EXPECT_EQ(ChineseGb18030, got);
        Clipboard.setText(ChineseGb18030);
        EXPECT_EQ(ChineseUtf8, serveWhile("xclip -selection clipboard -o"));
    }
    ScopedUserLocale locale("ko_KR.EUC-KR");
    Clipboard.setText(KoreanEucKr);
    EXPECT_EQ(KoreanUtf8, serveWhile("xclip -selection clipboard -o"));
    EXPECT_EQ(KoreanEucKr, serveWhile("xclip -selection clipboard -o -t STRING"));
    // What the locale cannot write arrives as its mark, as in a commit; the
    // rest arrives whole.
    setWithXclip(ZheGeUtf8 + KoreanUtf8);
    ASSERT_TRUE(Clipboard.getText(got));
    EXPECT_EQ("\xa1\xeb\xa1\xeb" + KoreanEucKr, got);
    setWithXclip(KoreanEucKr); // not UTF-8: still the locale's own bytes
    ASSERT_TRUE(Clipboard.getText(got));
    EXPECT_EQ(KoreanEucKr, got);
}

TEST_F(X11Clipboard, MillionCharacterTextsTravelBothWays)
{
    ScopedUserLocale locale("ja_JP.UTF-8");
    std::string large;
    for (int i = 0; i < 1000000; ++i)
        large += "\xe3\x81\x82"; // あ: 3 MB, far past one X request
    setWithXclip(large);
    std::string got;
    ASSERT_TRUE(Clipboard.getText(got));
    EXPECT_EQ(large.size(), got.size());
    EXPECT_TRUE(got == large);

    Clipboard.setText(large);
    EXPECT_TRUE(serveWhile("xclip -selection clipboard -o") == large);
}

TEST_F(X11Clipboard, NoOwnerGivesNothingAndLosingOwnershipIsNoticed)
{
    std::string got;
    EXPECT_FALSE(Clipboard.getText(got));

    Clipboard.setText("mine");
    setWithXclip("theirs");
    // The server tells us we lost the selection.
    XSync(Dpy, False);
    while (XPending(Dpy))
    {
        XEvent event;
        XNextEvent(Dpy, &event);
        Clipboard.handleEvent(event);
    }
    ASSERT_TRUE(Clipboard.getText(got));
    EXPECT_EQ("theirs", got);
}

} // namespace
