#include "EditBoxTestSupport.h"

#include "support/ScopedDevice.h"

#include <clocale>
#include <string>

using namespace irr;
using namespace editboxtest;

namespace
{

struct SLocaleCase
{
    const char* Locale;
    const char* Bytes; // "日本" in the locale's encoding
};

// The case's name in test lists: the locale, not the pointers' bytes.
void PrintTo(const SLocaleCase& c, std::ostream* os)
{
    *os << c.Locale;
}

// The engine's own OS operator on a window of a private X server, in real
// user locales.
class EditBoxClipboard : public ::testing::TestWithParam<SLocaleCase>
{
protected:
    EditBoxClipboard() : App(video::EDT_SOFTWARE), Locale(GetParam().Locale)
    {
        useIpaFont(App.gui());
    }

    TestEditBox* box(const wchar_t* text)
    {
        TestEditBox* b = makeBox(App.gui(), text, core::rect<s32>(20, 20, 220, 40),
                                 App.gui()->getRootGUIElement());
        App.gui()->setFocus(b);
        return b;
    }

    IOSOperator* clipboard() { return App.device()->getOSOperator(); }

    static void control(TestEditBox* b, EKEY_CODE key)
    {
        EXPECT_TRUE(b->OnEvent(keyEvent(key, 0, false, true)));
    }

    testsupport::ScopedDevice App;
    testsupport::ScopedUserLocale Locale;
};

TEST_P(EditBoxClipboard, JapaneseTravelsInTheLocalesEncoding)
{
    TestEditBox* from = box(L"x\x65e5\x672cy");
    from->SelectionStart = 1;
    from->SelectionEnd = 3;
    control(from, KEY_KEY_C);
    ASSERT_TRUE(clipboard()->getTextFromClipboard());
    EXPECT_EQ(std::string(clipboard()->getTextFromClipboard()), GetParam().Bytes);
    EXPECT_STREQ(setlocale(LC_ALL, 0), "C");

    control(from, KEY_KEY_X);
    EXPECT_EQ(std::wstring(from->getText()), L"xy");

    TestEditBox* to = box(L"ab");
    to->CursorPos = 1;
    control(to, KEY_KEY_V);
    EXPECT_EQ(std::wstring(to->getText()), L"a\x65e5\x672c"
                                           L"b");
    EXPECT_EQ(to->CursorPos, 3);
    EXPECT_STREQ(setlocale(LC_ALL, 0), "C");
}

TEST_P(EditBoxClipboard, InvalidBytesPasteNothing)
{
    clipboard()->copyToClipboard("ok\xff\xfe");
    TestEditBox* b = box(L"abc");
    b->CursorPos = 2;
    b->SelectionStart = 0;
    b->SelectionEnd = 1;
    control(b, KEY_KEY_V);
    EXPECT_EQ(std::wstring(b->getText()), L"abc");
    EXPECT_EQ(b->SelectionStart, b->SelectionEnd);
    EXPECT_EQ(b->CursorPos, 2);
    EXPECT_STREQ(setlocale(LC_ALL, 0), "C");
}

INSTANTIATE_TEST_SUITE_P(Locales, EditBoxClipboard,
                         ::testing::Values(SLocaleCase{"ja_JP.UTF-8", "\xe6\x97\xa5\xe6\x9c\xac"},
                                           SLocaleCase{"ja_JP.EUC-JP", "\xc6\xfc\xcb\xdc"}));

} // namespace
