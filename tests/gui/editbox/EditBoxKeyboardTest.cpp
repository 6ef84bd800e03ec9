#include "EditBoxTestSupport.h"

#include "platform/InputMethodPlatform.h"
#include "platform/TickCountOverride.h"
#include "support/ScopedDevice.h"

using namespace irr;
using namespace editboxtest;

namespace
{

class EditBoxKeyboard : public ::testing::Test
{
protected:
    EditBoxKeyboard()
        : Parent(new RecordingParent(App.gui(), core::rect<s32>(0, 0, 640, 480))),
          Clipboard(new FakeClipboard())
    {
        useIpaFont(App.gui());
        Parent->drop();
        ime::setTickCountOverride(true, 1000);
    }
    ~EditBoxKeyboard() override
    {
        ime::setTickCountOverride(false);
        Clipboard->drop();
    }

    TestEditBox* box(const wchar_t* text, bool multiLine = false)
    {
        TestEditBox* b = makeBox(App.gui(), text, core::rect<s32>(20, 20, 220, 120), Parent);
        b->setMultiLine(multiLine);
        useClipboard(b, Clipboard);
        App.gui()->setFocus(b);
        Parent->Events.clear();
        return b;
    }

    static bool press(TestEditBox* b, EKEY_CODE key, wchar_t c = 0, bool shift = false,
                      bool control = false)
    {
        return b->OnEvent(keyEvent(key, c, shift, control));
    }

    static void type(TestEditBox* b, const wchar_t* text)
    {
        for (; *text; ++text)
            EXPECT_TRUE(press(b, KEY_ACCEPT, *text));
    }

    static void expectSelection(TestEditBox* b, s32 start, s32 end, s32 cursor)
    {
        EXPECT_EQ(b->SelectionStart, start);
        EXPECT_EQ(b->SelectionEnd, end);
        EXPECT_EQ(b->CursorPos, cursor);
    }

    testsupport::ScopedDevice App;
    RecordingParent* Parent;
    FakeClipboard* Clipboard;
};

TEST_F(EditBoxKeyboard, ComposedAndTypedCharactersGoInAtTheCursor)
{
    TestEditBox* b = box(L"ab");
    b->CursorPos = 1;
    b->BlinkStartTime = 0;
    type(b, L"\x65e5\x672c\x8a9e");
    EXPECT_EQ(std::wstring(b->getText()), L"a\x65e5\x672c\x8a9e"
                                          L"b");
    EXPECT_EQ(b->CursorPos, 4);
    EXPECT_EQ(b->BlinkStartTime, 1000u);

    b->setText(L"abcd");
    b->setMax(5);
    b->CursorPos = 4;
    type(b, L"\x65e5\x672c\x8a9e");
    EXPECT_EQ(std::wstring(b->getText()), L"abcd\x65e5");

    // The limit counts the whole text, even when a selection would go.
    press(b, KEY_KEY_A, L'a', false, true);
    EXPECT_TRUE(press(b, KEY_KEY_X, L'x'));
    EXPECT_EQ(std::wstring(b->getText()), L"abcd\x65e5");

    b->setMax(0);
    press(b, KEY_KEY_A, L'a', false, true);
    EXPECT_TRUE(press(b, KEY_KEY_Z, L'z'));
    EXPECT_EQ(std::wstring(b->getText()), L"z");
    expectSelection(b, 0, 0, 1);

    b->setEnabled(false);
    type(b, L"q");
    EXPECT_EQ(std::wstring(b->getText()), L"z");
}

TEST_F(EditBoxKeyboard, BackspaceAndDeleteStopAtTheEnds)
{
    TestEditBox* b = box(L"abcdef");
    EXPECT_TRUE(press(b, KEY_BACK));
    EXPECT_EQ(std::wstring(b->getText()), L"abcdef");
    EXPECT_EQ(b->CursorPos, 0);
    b->CursorPos = 6;
    EXPECT_TRUE(press(b, KEY_DELETE));
    EXPECT_EQ(std::wstring(b->getText()), L"abcdef");

    b->CursorPos = 3;
    b->BlinkStartTime = 0;
    press(b, KEY_BACK);
    EXPECT_EQ(std::wstring(b->getText()), L"abdef");
    EXPECT_EQ(b->CursorPos, 2);
    EXPECT_EQ(b->BlinkStartTime, 1000u);
    press(b, KEY_DELETE);
    EXPECT_EQ(std::wstring(b->getText()), L"abef");
    EXPECT_EQ(b->CursorPos, 2);

    b->SelectionStart = 3;
    b->SelectionEnd = 1;
    press(b, KEY_DELETE);
    EXPECT_EQ(std::wstring(b->getText()), L"af");
    expectSelection(b, 0, 0, 1);

    b->setEnabled(false);
    press(b, KEY_BACK);
    EXPECT_EQ(std::wstring(b->getText()), L"af");
}

TEST_F(EditBoxKeyboard, ShiftExtendsAndPlainKeysClearTheSelection)
{
    TestEditBox* b = box(L"abcdefgh");
    b->CursorPos = 5;
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(press(b, KEY_LEFT, 0, true));
    expectSelection(b, 5, 2, 2);
    b->BlinkStartTime = 0;
    press(b, KEY_RIGHT);
    expectSelection(b, 0, 0, 3);
    EXPECT_EQ(b->BlinkStartTime, 1000u);

    b->CursorPos = 0;
    press(b, KEY_LEFT, 0, true);
    expectSelection(b, 0, 0, 0);
    press(b, KEY_END, 0, true);
    expectSelection(b, 0, 8, 8);
    press(b, KEY_HOME);
    expectSelection(b, 0, 0, 0);
}

TEST_F(EditBoxKeyboard, ControlKeysSelectFromTheOldCursorWithoutRestartingTheBlink)
{
    TestEditBox* b = box(L"abcdef");
    b->BlinkStartTime = 7;
    b->CursorPos = 2;
    press(b, KEY_END, 0, true, true);
    expectSelection(b, 2, 6, 6);
    b->CursorPos = 2;
    press(b, KEY_HOME, 0, true, true);
    expectSelection(b, 0, 2, 0);
    press(b, KEY_END, 0, false, true);
    expectSelection(b, 0, 0, 6);
    press(b, KEY_KEY_A, L'a', false, true);
    expectSelection(b, 0, 6, 6);
    EXPECT_EQ(b->BlinkStartTime, 7u);
}

TEST_F(EditBoxKeyboard, EnterNotifiesTheParentOrBreaksTheLine)
{
    TestEditBox* single = box(L"one");
    single->CursorPos = 3;
    EXPECT_TRUE(press(single, KEY_RETURN, L'\r'));
    EXPECT_EQ(std::wstring(single->getText()), L"one");
    ASSERT_EQ(Parent->Events.size(), 1u);
    EXPECT_EQ(Parent->Events[0].EventType, EET_GUI_EVENT);
    EXPECT_EQ(Parent->Events[0].GUIEvent.EventType, gui::EGET_EDITBOX_ENTER);
    EXPECT_EQ(Parent->Events[0].GUIEvent.Caller, single);
    EXPECT_EQ(Parent->Events[0].GUIEvent.Element, (gui::IGUIElement*)0);

    TestEditBox* orphan = new TestEditBox(App.gui(), L"x", 0, core::rect<s32>(0, 0, 100, 20));
    EXPECT_TRUE(orphan->OnEvent(keyEvent(KEY_RETURN, L'\r')));
    orphan->drop();

    TestEditBox* multi = box(L"one", true);
    multi->CursorPos = 3;
    EXPECT_TRUE(press(multi, KEY_RETURN, L'\r'));
    EXPECT_EQ(std::wstring(multi->getText()), L"one\n");
    EXPECT_EQ(multi->CursorPos, 4);
    EXPECT_EQ(lines(*multi), (std::vector<std::wstring>{L"one ", L""}));
    EXPECT_TRUE(Parent->Events.empty());
}

TEST_F(EditBoxKeyboard, LineFeedTypedAfterABreakIsKept)
{
    TestEditBox* b = box(L"", true);
    Clipboard->Content = "one\r\ntwo";
    press(b, KEY_KEY_V, L'v', false, true);
    EXPECT_EQ(std::wstring(b->getText()), L"one\rtwo");
    EXPECT_EQ(b->CursorPos, 7);
    b->CursorPos = 4;
    press(b, KEY_RETURN, L'\r');
    EXPECT_EQ(std::wstring(b->getText()), L"one\r\ntwo");
    EXPECT_EQ(lines(*b), (std::vector<std::wstring>{L"one ", L" ", L"two"}));
    EXPECT_EQ(b->CursorPos, 5);
}

// The limit weighs the pasted text as it came, a CR LF pair two characters,
// although a box with lines keeps one of them. A pair that only forms where
// the paste meets the text is two breaks, as when typed.
TEST_F(EditBoxKeyboard, PastedPairsCountWholeAgainstTheLimit)
{
    for (bool multiLine : {true, false})
    {
        TestEditBox* b = box(L"", multiLine);
        b->setMax(5);
        Clipboard->Content = "a\r\nb\r\nc";
        EXPECT_TRUE(press(b, KEY_KEY_V, L'v', false, true));
        EXPECT_EQ(std::wstring(b->getText()), L"") << multiLine;
        EXPECT_EQ(b->CursorPos, 0);
        b->setMax(7);
        press(b, KEY_KEY_V, L'v', false, true);
        EXPECT_EQ(std::wstring(b->getText()), multiLine ? L"a\rb\rc" : L"a\r\nb\r\nc");
        EXPECT_EQ(b->CursorPos, (s32)b->text().size());
    }

    TestEditBox* b = box(L"x\r", true);
    b->CursorPos = 2;
    Clipboard->Content = "\ny";
    press(b, KEY_KEY_V, L'v', false, true);
    EXPECT_EQ(std::wstring(b->getText()), L"x\r\ny");
    EXPECT_EQ(lines(*b), (std::vector<std::wstring>{L"x ", L" ", L"y"}));
    EXPECT_EQ(b->CursorPos, 4);
}

TEST_F(EditBoxKeyboard, HomeAndEndWorkOnTheCursorLine)
{
    TestEditBox* b = box(L"first\nsecond\nthird", true);
    b->CursorPos = 8;
    press(b, KEY_END);
    EXPECT_EQ(b->CursorPos, 12); // before the line feed
    press(b, KEY_HOME, 0, true);
    expectSelection(b, 12, 6, 6);
    b->CursorPos = 15;
    press(b, KEY_END);
    EXPECT_EQ(b->CursorPos, 18);

    TestEditBox* single = box(L"first\nsecond");
    single->CursorPos = 8;
    press(single, KEY_HOME);
    EXPECT_EQ(single->CursorPos, 0);
    press(single, KEY_END);
    EXPECT_EQ(single->CursorPos, 12);
}

// Word wrap alone makes display lines too: Home and End go to the edges of
// the cursor's line, End stopping before the space the wrap dropped.
TEST_F(EditBoxKeyboard, HomeAndEndStopAtASoftWrap)
{
    TestEditBox* b =
        makeBox(App.gui(), L"alpha beta gamma delta", core::rect<s32>(20, 20, 100, 120), Parent);
    b->setWordWrap(true);
    App.gui()->setFocus(b);
    ASSERT_EQ(lines(*b), (std::vector<std::wstring>{L"alpha beta", L"gamma delta"}));
    b->CursorPos = 13;
    press(b, KEY_HOME);
    EXPECT_EQ(b->CursorPos, 11);
    press(b, KEY_END);
    EXPECT_EQ(b->CursorPos, 22);
    b->CursorPos = 3;
    press(b, KEY_END, 0, true);
    expectSelection(b, 3, 10, 10);
    press(b, KEY_HOME);
    expectSelection(b, 0, 0, 0);
}

TEST_F(EditBoxKeyboard, UpAndDownKeepTheColumnWhereTheLineAllows)
{
    TestEditBox* b = box(L"abc\nlonger line\n", true);
    b->CursorPos = 4 + 7;
    b->BlinkStartTime = 3;
    EXPECT_TRUE(press(b, KEY_UP));
    EXPECT_EQ(b->CursorPos, 3);
    EXPECT_EQ(b->BlinkStartTime, 3u);
    EXPECT_TRUE(press(b, KEY_UP));
    EXPECT_EQ(b->CursorPos, 3);

    // Onto the empty last line: its start, never before it.
    b->CursorPos = 4 + 5;
    press(b, KEY_DOWN);
    EXPECT_EQ(b->CursorPos, 16);
    press(b, KEY_DOWN);
    EXPECT_EQ(b->CursorPos, 16);

    // Shift anchors at the far end of an existing selection.
    b->CursorPos = 6;
    press(b, KEY_RIGHT, 0, true);
    press(b, KEY_UP, 0, true);
    expectSelection(b, 7, 3, 3);
    b->CursorPos = 2;
    b->SelectionStart = 1;
    b->SelectionEnd = 2;
    press(b, KEY_DOWN, 0, true);
    expectSelection(b, 1, 6, 6);
    press(b, KEY_DOWN);
    expectSelection(b, 0, 0, 16);

    // Onto a line exactly as long as the column: its end. A line ending in a
    // break is one shorter here, as standing after its break is standing on
    // the next line.
    TestEditBox* c = box(L"ab\nabcd\nxy", true);
    c->CursorPos = 3 + 2;
    press(c, KEY_DOWN);
    EXPECT_EQ(c->CursorPos, 10);
    c->CursorPos = 3 + 3;
    press(c, KEY_UP);
    EXPECT_EQ(c->CursorPos, 2);
    EXPECT_EQ(c->getLineFromPos(c->CursorPos), 0);

    TestEditBox* single = box(L"abc");
    EXPECT_FALSE(press(single, KEY_UP));
    EXPECT_FALSE(press(single, KEY_DOWN));
    EXPECT_EQ(Parent->Events.size(), 2u);
}

TEST_F(EditBoxKeyboard, UnhandledKeysReachTheParent)
{
    TestEditBox* b = box(L"abc");
    b->CursorPos = 2;
    const SEvent unhandled[] = {keyEvent(KEY_LEFT, 0, false, true),
                                keyEvent(KEY_BACK, 0, false, true),
                                keyEvent(KEY_KEY_B, L'b', false, true),
                                keyEvent(KEY_KEY_Z, L'z', false, true),
                                keyEvent(KEY_TAB, L'\t'),
                                keyEvent(KEY_ESCAPE),
                                keyEvent(KEY_SHIFT),
                                keyEvent(KEY_F5),
                                keyEvent(KEY_KEY_Q, L'q', false, false, false)};
    for (const SEvent& event : unhandled)
        EXPECT_FALSE(b->OnEvent(event)) << (int)event.KeyInput.Key;
    EXPECT_EQ(Parent->Events.size(), sizeof(unhandled) / sizeof(unhandled[0]));
    EXPECT_EQ(std::wstring(b->getText()), L"abc");
    EXPECT_EQ(b->CursorPos, 2);
}

TEST_F(EditBoxKeyboard, CopyCutAndPasteThroughTheClipboard)
{
    TestEditBox* b = box(L"hello world");
    b->SelectionStart = 0;
    b->SelectionEnd = 5;
    press(b, KEY_KEY_C, L'c', false, true);
    EXPECT_STREQ(Clipboard->Content.c_str(), "hello");
    expectSelection(b, 0, 5, 0);

    press(b, KEY_END);
    press(b, KEY_KEY_V, L'v', false, true);
    EXPECT_EQ(std::wstring(b->getText()), L"hello worldhello");
    expectSelection(b, 0, 0, 16);

    b->SelectionStart = 11;
    b->SelectionEnd = 5;
    press(b, KEY_KEY_X, L'x', false, true);
    EXPECT_STREQ(Clipboard->Content.c_str(), " world");
    EXPECT_EQ(std::wstring(b->getText()), L"hellohello");
    expectSelection(b, 0, 0, 5);

    // Pasting over a selection replaces it.
    b->SelectionStart = 0;
    b->SelectionEnd = 5;
    press(b, KEY_KEY_V, L'v', false, true);
    EXPECT_EQ(std::wstring(b->getText()), L" worldhello");
    expectSelection(b, 0, 0, 6);
}

TEST_F(EditBoxKeyboard, ClipboardRefusalsLeaveTheTextAlone)
{
    TestEditBox* b = box(L"12345678");
    b->setMax(10);
    Clipboard->Content = "abc";
    b->CursorPos = 4;
    EXPECT_TRUE(press(b, KEY_KEY_V, L'v', false, true));
    EXPECT_EQ(std::wstring(b->getText()), L"12345678");
    EXPECT_EQ(b->CursorPos, 4);
    Clipboard->Content = "abcd";
    b->SelectionStart = 1;
    b->SelectionEnd = 2;
    EXPECT_TRUE(press(b, KEY_KEY_V, L'v', false, true));
    EXPECT_EQ(std::wstring(b->getText()), L"12345678");
    expectSelection(b, 0, 0, 4);

    // A clipboard that gives nothing pastes nothing: the selected text stays.
    Clipboard->Empty = true;
    b->SelectionStart = 1;
    b->SelectionEnd = 3;
    EXPECT_TRUE(press(b, KEY_KEY_V, L'v', false, true));
    EXPECT_EQ(std::wstring(b->getText()), L"12345678");
    expectSelection(b, 0, 0, 4);
    Clipboard->Empty = false;

    // A password stays out of the clipboard.
    b->setPasswordBox(true);
    b->SelectionStart = 0;
    b->SelectionEnd = 3;
    press(b, KEY_KEY_C, L'c', false, true);
    press(b, KEY_KEY_X, L'x', false, true);
    EXPECT_EQ(Clipboard->Copies, 0);
    EXPECT_EQ(std::wstring(b->getText()), L"12345678");

    // A disabled box copies on cut but keeps its text, and pastes nothing.
    b->setPasswordBox(false);
    b->setEnabled(false);
    press(b, KEY_KEY_X, L'x', false, true);
    EXPECT_STREQ(Clipboard->Content.c_str(), "123");
    EXPECT_EQ(std::wstring(b->getText()), L"12345678");
    press(b, KEY_KEY_V, L'v', false, true);
    EXPECT_EQ(std::wstring(b->getText()), L"12345678");

    // Without a clipboard the keys are still taken.
    b->setEnabled(true);
    useClipboard(b, 0);
    EXPECT_TRUE(press(b, KEY_KEY_V, L'v', false, true));
    EXPECT_TRUE(press(b, KEY_KEY_C, L'c', false, true));
}

TEST_F(EditBoxKeyboard, UnconvertibleTextNeitherCopiesNorPastes)
{
    testsupport::ScopedUserLocale locale("ja_JP.EUC-JP");
    TestEditBox* b = box(L"a\xd55c\xae00z");
    Clipboard->Content = "before";
    b->SelectionStart = 0;
    b->SelectionEnd = 4;
    press(b, KEY_KEY_C, L'c', false, true);
    press(b, KEY_KEY_X, L'x', false, true);
    EXPECT_STREQ(Clipboard->Content.c_str(), "before");
    EXPECT_EQ(std::wstring(b->getText()), L"a\xd55c\xae00z");

    // Bytes that are no EUC-JP text paste nothing and drop the selection.
    Clipboard->Content = "\x8e";
    b->CursorPos = 1;
    press(b, KEY_KEY_V, L'v', false, true);
    EXPECT_EQ(std::wstring(b->getText()), L"a\xd55c\xae00z");
    expectSelection(b, 0, 0, 1);
}

} // namespace
