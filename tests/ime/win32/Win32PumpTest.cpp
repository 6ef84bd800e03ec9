// The pump and the Windows backend on the real USER32 and IMM32 (Wine's, in
// CI), with the engine's own window. The input method manager itself makes
// the commits: a composition string set on the window's context and
// completed, which it delivers by calling the window procedure directly.
#include "ime/CIrrInputMethod.h"
#include "platform/InputMethodPlatform.h"
#include "platform/win32/Win32Platform.h"
#include "harness/CRecordingDevice.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <imm.h>

#include <clocale>
#include <string>
#include <vector>

using namespace irr;
using testsupport::CRecordingDevice;

namespace
{

const wchar_t* const Nihongo = L"\u65e5\u672c\u8a9e";
// 日本語 in code page 932.
const std::string NihongoCp932 = "\x93\xfa\x96\x7b\x8c\xea";

class CKeyRecorder : public IEventReceiver
{
public:
    std::vector<SEvent::SKeyInput> Keys;
    int CompositionChanges = 0;
    bool OnEvent(const SEvent& event) override
    {
        if (event.EventType == EET_KEY_INPUT_EVENT)
            Keys.push_back(event.KeyInput);
        if (event.EventType == EET_USER_EVENT &&
            event.UserEvent.UserData1 == ime::CompositionChangedEvent)
            ++CompositionChanges;
        return false;
    }
};

void discardQueuedMessages()
{
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
    {
    }
}

class Win32Pump : public ::testing::Test
{
protected:
    void SetUp() override
    {
        IrrlichtDevice* inner = ime::createDevice(
            video::EDT_SOFTWARE, core::dimension2d<u32>(640, 480), 16, false, false, false, 0);
        ASSERT_TRUE(inner);
        inner->setEventReceiver(&Receiver);
        Device = new CRecordingDevice(inner);
        inner->drop();
        Pump = new CIrrInputMethod(Device);
        Window = ime::win32::getDeviceWindow();
        ASSERT_TRUE(Window);
        SetForegroundWindow(Window);
        SetFocus(Window);
        ASSERT_EQ(Window, GetFocus());
        Pump->run();
        Device->Posted.clear();
        setlocale(LC_ALL, "C");
    }

    void TearDown() override
    {
        if (Pump)
            Pump->drop();
        if (Device)
            Device->drop();
        // The window's end posts WM_QUIT; the next test starts afresh.
        discardQueuedMessages();
    }

    //! Gives the window's input context a composition; complete commits it.
    void compose(const wchar_t* text, bool complete)
    {
        HIMC context = ImmGetContext(Window);
        ASSERT_TRUE(context);
        ImmSetOpenStatus(context, TRUE);
        EXPECT_TRUE(ImmSetCompositionStringW(context, SCS_SETSTR, (void*)text,
                                             (DWORD)(wcslen(text) * sizeof(wchar_t)), 0, 0));
        if (complete)
        {
            EXPECT_TRUE(ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0));
        }
        ImmReleaseContext(Window, context);
    }

    //! Every posted event must be a pressed KEY_ACCEPT without modifiers;
    //! they must spell expected.
    void expectAccepted(const std::wstring& expected)
    {
        std::wstring text;
        for (const SEvent& e : Device->Posted)
        {
            const bool accept = e.EventType == EET_KEY_INPUT_EVENT &&
                                e.KeyInput.Key == KEY_ACCEPT && e.KeyInput.PressedDown &&
                                !e.KeyInput.Shift && !e.KeyInput.Control;
            EXPECT_TRUE(accept) << "event " << text.size();
            text += accept ? e.KeyInput.Char : L'?';
        }
        EXPECT_EQ(expected, text);
    }

    CKeyRecorder Receiver;
    CRecordingDevice* Device = 0;
    CIrrInputMethod* Pump = 0;
    HWND Window = 0;
};

TEST(WindowsLocale, JapaneseLocaleGivesTheJapaneseAnsiCodePage)
{
    // What the rest of this program takes for granted: Wine's Windows
    // follows the Japanese locale it was started in.
    EXPECT_EQ(932u, GetACP());
    const char* name = setlocale(LC_ALL, "");
    ASSERT_TRUE(name);
    EXPECT_NE(std::string::npos, std::string(name).find(".932")) << name;
    setlocale(LC_ALL, "C");
}

TEST_F(Win32Pump, CommitSentToTheWindowArrivesOnceAsAcceptEvents)
{
    compose(Nihongo, true);
    EXPECT_TRUE(Pump->run());
    expectAccepted(Nihongo);
    // Neither a second reading nor the bytes of WM_CHAR may follow.
    Device->Posted.clear();
    EXPECT_TRUE(Pump->run());
    EXPECT_TRUE(Device->Posted.empty());
    for (const SEvent::SKeyInput& key : Receiver.Keys)
        EXPECT_EQ(KEY_ACCEPT, key.Key) << "a key of " << (int)key.Char;
}

TEST_F(Win32Pump, CommitIsReadAsTheUsersDoubleByteText)
{
    compose(Nihongo, true);
    ime::SPlatformMessage message;
    ASSERT_TRUE(ime::peekAndDispatchMessage(Device, message));
    EXPECT_EQ(ime::EPMT_IME_COMPOSITION, message.Type);
    ASSERT_TRUE(message.HasResultString);
    ASSERT_EQ((s32)NihongoCp932.size(), ime::getCompositionResult(0, 0));
    char bytes[16] = {};
    EXPECT_EQ(4, ime::getCompositionResult(bytes, 4));
    EXPECT_EQ(NihongoCp932.substr(0, 4), std::string(bytes, 4));
    EXPECT_EQ(6, ime::getCompositionResult(bytes, sizeof(bytes)));
    EXPECT_EQ(NihongoCp932, std::string(bytes, 6));
}

TEST_F(Win32Pump, PostedCompositionMessageIsCaughtAtTheWindowToo)
{
    compose(L"\u3042", true);
    EXPECT_TRUE(Pump->run());
    Device->Posted.clear();
    // A system that posts the message: the result is still in the context.
    PostMessageA(Window, WM_IME_COMPOSITION, 0, GCS_RESULTSTR | GCS_RESULTCLAUSE);
    EXPECT_TRUE(Pump->run());
    expectAccepted(L"\u3042");
}

TEST_F(Win32Pump, CompositionInProgressPostsNothingUntilCommitted)
{
    compose(L"\u306b\u307b\u3093", false);
    EXPECT_TRUE(Pump->run());
    EXPECT_TRUE(Device->Posted.empty());
    compose(Nihongo, true);
    EXPECT_TRUE(Pump->run());
    expectAccepted(Nihongo);
}

TEST_F(Win32Pump, CommitWhileInactiveIsDroppedNotDelayed)
{
    Device->Active = false;
    compose(Nihongo, true);
    EXPECT_TRUE(Pump->run());
    Device->Active = true;
    EXPECT_TRUE(Pump->run());
    EXPECT_TRUE(Device->Posted.empty());
}

TEST_F(Win32Pump, QuitEndsTheLoopAfterWhatWasCommittedBeforeIt)
{
    compose(Nihongo, true);
    PostQuitMessage(0);
    EXPECT_FALSE(Pump->run());
    expectAccepted(Nihongo);
    Device->Posted.clear();
    EXPECT_TRUE(Pump->run());
    EXPECT_TRUE(Device->Posted.empty());
}

TEST_F(Win32Pump, LocaleInForceBeforeRunIsInForceAfterIt)
{
    setlocale(LC_ALL, "C");
    compose(Nihongo, true);
    EXPECT_TRUE(Pump->run());
    EXPECT_EQ(3u, Device->Posted.size());
    EXPECT_STREQ("C", setlocale(LC_ALL, 0));
}

TEST_F(Win32Pump, EngineStillGetsItsKeysAndTheCloseOfItsWindow)
{
    PostMessageA(Window, WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_TRUE(Pump->run());
    ASSERT_EQ(1u, Receiver.Keys.size());
    EXPECT_EQ(KEY_LEFT, Receiver.Keys[0].Key);
    EXPECT_TRUE(Receiver.Keys[0].PressedDown);

    Device->closeDevice();
    EXPECT_FALSE(Pump->run());
}

TEST_F(Win32Pump, CompositionWindowGoesToThePointAndTheMethodCanBeClosed)
{
    ime::setCompositionWindowPos(30, 40);
    HIMC context = ImmGetContext(Window);
    ASSERT_TRUE(context);
    COMPOSITIONFORM form = {};
    ASSERT_TRUE(ImmGetCompositionWindow(context, &form));
    EXPECT_EQ((DWORD)CFS_POINT, form.dwStyle);
    EXPECT_EQ(30, form.ptCurrentPos.x);
    EXPECT_EQ(40, form.ptCurrentPos.y);

    ImmSetOpenStatus(context, TRUE);
    ime::closeInputMethod();
    EXPECT_FALSE(ImmGetOpenStatus(context));
    ImmReleaseContext(Window, context);
}

// A box drawing the composition itself: no system composition window, each
// change read at the window and told to the engine, the commit as always.
TEST_F(Win32Pump, InlineCompositionIsReadAtTheWindowAndNeverPostedAsText)
{
    ime::setInlineComposition(true);
    compose(L"\u306b\u307b\u3093", false);
    EXPECT_TRUE(Pump->run());
    EXPECT_GE(Receiver.CompositionChanges, 1);
    EXPECT_TRUE(Receiver.Keys.empty());
    const ime::SComposition& composition = ime::getComposition();
    EXPECT_EQ(std::wstring(L"\u306b\u307b\u3093"), composition.Text.c_str());
    EXPECT_EQ(3u, composition.Marks.size());
    EXPECT_GE(composition.Caret, 0);
    EXPECT_LE(composition.Caret, 3);

    compose(Nihongo, true);
    Device->Posted.clear();
    EXPECT_TRUE(Pump->run());
    std::wstring accepted;
    for (const SEvent& e : Device->Posted)
        if (e.EventType == EET_KEY_INPUT_EVENT && e.KeyInput.Key == KEY_ACCEPT)
            accepted += e.KeyInput.Char;
        else
            EXPECT_EQ(EET_USER_EVENT, e.EventType);
    EXPECT_EQ(std::wstring(Nihongo), accepted);
    EXPECT_TRUE(ime::getComposition().Text.empty());

    // The candidate window keeps clear of the clause's line.
    ime::setCandidateWindowPos(core::rect<s32>(30, 40, 80, 56));
    HIMC context = ImmGetContext(Window);
    ASSERT_TRUE(context);
    CANDIDATEFORM form = {};
    ASSERT_TRUE(ImmGetCandidateWindow(context, 0, &form));
    EXPECT_EQ((DWORD)CFS_EXCLUDE, form.dwStyle);
    EXPECT_EQ(30, form.ptCurrentPos.x);
    EXPECT_EQ(56, form.ptCurrentPos.y);
    EXPECT_EQ(40, form.rcArea.top);
    ImmReleaseContext(Window, context);
    ime::setInlineComposition(false);
}

} // namespace
