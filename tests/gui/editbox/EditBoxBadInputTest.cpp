// What the edit box does with the worst a user can hand it: enormous and
// odd clipboard texts, characters outside the Basic Multilingual Plane,
// characters the locale writes as nothing.
#include "EditBoxTestSupport.h"

#include "support/ScopedDevice.h"

#include <string>

using namespace irr;
using namespace editboxtest;

namespace
{

class EditBoxBadInput : public ::testing::Test
{
protected:
    EditBoxBadInput() : Clipboard(new FakeClipboard()) { useIpaFont(App.gui()); }
    ~EditBoxBadInput() override { Clipboard->drop(); }

    TestEditBox* box(const wchar_t* text)
    {
        TestEditBox* b = makeBox(App.gui(), text, core::rect<s32>(20, 20, 220, 40),
                                 App.gui()->getRootGUIElement());
        useClipboard(b, Clipboard);
        App.gui()->setFocus(b);
        return b;
    }

    static void control(TestEditBox* b, EKEY_CODE key)
    {
        EXPECT_TRUE(b->OnEvent(keyEvent(key, 0, false, true)));
    }

    testsupport::ScopedDevice App;
    FakeClipboard* Clipboard;
};

// "日本語 text " repeated to a million characters, in UTF-8.
std::string millionCharacterText(std::wstring& wide)
{
    const std::wstring piece = L"\x65e5\x672c\x8a9e text ";
    const std::string bytes = "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e text ";
    std::string out;
    wide.clear();
    while (wide.size() + piece.size() <= 1000000)
    {
        wide += piece;
        out += bytes;
    }
    while (wide.size() < 1000000)
    {
        wide += L'x';
        out += 'x';
    }
    return out;
}

} // namespace

TEST_F(EditBoxBadInput, AMillionCharacterClipboardPastesWholeOrNotAtAll)
{
    testsupport::ScopedUserLocale locale("ja_JP.UTF-8");
    std::wstring wide;
    Clipboard->Content = millionCharacterText(wide).c_str();

    TestEditBox* b = box(L"<>");
    b->CursorPos = 1;
    control(b, KEY_KEY_V);
    ASSERT_EQ(b->text().size(), 1000002u);
    EXPECT_EQ(b->CursorPos, 1000001);
    EXPECT_TRUE(std::wstring(b->getText()) == L"<" + wide + L">");
    expectSound(*b);

    // And back out, byte for byte.
    const std::string pasted = Clipboard->Content.c_str();
    b->SelectionStart = 1;
    b->SelectionEnd = 1000001;
    control(b, KEY_KEY_C);
    EXPECT_TRUE(pasted == Clipboard->Content.c_str());

    // Past the limit the paste is refused as a whole.
    TestEditBox* limited = box(L"ab");
    limited->setMax(999999);
    control(limited, KEY_KEY_V);
    EXPECT_EQ(std::wstring(limited->getText()), L"ab");
    expectSound(*limited);
}

// U+20B9F and U+1F600 are one wchar_t each here: typed, measured, erased
// and copied as one character, never as halves of a pair.
TEST_F(EditBoxBadInput, CharactersBeyondTheBasicPlaneAreWholeCharacters)
{
    testsupport::ScopedUserLocale locale("ja_JP.UTF-8");
    TestEditBox* b = box(L"");
    for (const wchar_t c : {L'a', (wchar_t)0x20B9F, (wchar_t)0x1F600, L'b'})
        EXPECT_TRUE(b->OnEvent(keyEvent(KEY_ACCEPT, c)));
    ASSERT_EQ(b->text().size(), 4u);
    EXPECT_GT(b->getTextDimension().Width, 0u);

    control(b, KEY_KEY_A);
    control(b, KEY_KEY_C);
    EXPECT_EQ(std::string(Clipboard->Content.c_str()), "a\xf0\xa0\xae\x9f\xf0\x9f\x98\x80"
                                                       "b");

    b->CursorPos = 3;
    b->SelectionStart = b->SelectionEnd = 0;
    EXPECT_TRUE(b->OnEvent(keyEvent(KEY_BACK, 0)));
    EXPECT_EQ(std::wstring(b->getText()), std::wstring(L"a") + (wchar_t)0x20B9F + L"b");

    TestEditBox* other = box(L"");
    control(other, KEY_KEY_V);
    EXPECT_EQ(other->text().size(), 4u);
    expectSound(*other);
}

// EUC-JP has no bytes for them: the copy is refused and the clipboard keeps
// what it had, rather than carrying a text with a character missing.
TEST_F(EditBoxBadInput, BeyondThePlaneTheLocaleCannotWriteNothingIsCopied)
{
    testsupport::ScopedUserLocale locale("ja_JP.EUC-JP");
    TestEditBox* b = box(L"x");
    b->OnEvent(keyEvent(KEY_ACCEPT, (wchar_t)0x20B9F));
    Clipboard->Content = "kept";
    control(b, KEY_KEY_A);
    control(b, KEY_KEY_C);
    EXPECT_EQ(std::string(Clipboard->Content.c_str()), "kept");
    EXPECT_EQ(Clipboard->Copies, 0);
}

// The C library writes the language tags U+E0000 to U+E007F as nothing in
// EUC-JP and Shift_JIS. They must not cost the copy its last character.
TEST_F(EditBoxBadInput, CharactersWrittenAsNothingDoNotShortenACopy)
{
    for (const char* name : {"ja_JP.EUC-JP", "ja_JP.SJIS"})
    {
        testsupport::ScopedUserLocale locale(name);
        TestEditBox* b = box(L"");
        for (const wchar_t c : {L'a', (wchar_t)0xE0001, L'b', (wchar_t)0xE007F, L'c'})
            b->OnEvent(keyEvent(KEY_ACCEPT, c));
        control(b, KEY_KEY_A);
        control(b, KEY_KEY_C);
        EXPECT_EQ(std::string(Clipboard->Content.c_str()), "abc") << name;
    }
}
