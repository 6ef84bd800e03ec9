#include "EditBoxTestSupport.h"

#include "platform/InputMethodPlatform.h"
#include "platform/TickCountOverride.h"
#include "support/ScopedDevice.h"

#include <random>

using namespace irr;
using namespace editboxtest;

namespace
{

std::wstring randomText(std::mt19937& rng)
{
    static const wchar_t* const pieces[] = {L"a",
                                            L"word",
                                            L" ",
                                            L"  ",
                                            L"\r",
                                            L"\n",
                                            L"\r\n",
                                            L"\t",
                                            L"\x65e5",
                                            L"\x672c\x8a9e\x306e",
                                            L"\r\n\r\n",
                                            L"\n\r",
                                            L"extraordinarilylongwordthatneverfits"};
    const int count = std::uniform_int_distribution<int>(0, 30)(rng);
    std::wstring text;
    for (int i = 0; i < count; ++i)
        text += pieces[std::uniform_int_distribution<int>(0, 12)(rng)];
    return text;
}

// Breaking again, as a resize or a new font does, changes nothing.
void expectStableBreak(TestEditBox* box)
{
    const std::wstring text = box->getText();
    const std::vector<std::wstring> before = lines(*box);
    box->breakText();
    ASSERT_EQ(std::wstring(box->getText()), text);
    if (box->lineLayout())
    {
        ASSERT_EQ(lines(*box), before);
    }
}

class EditBoxInvariants : public ::testing::Test
{
protected:
    EditBoxInvariants() : Ipa(useIpaFont(App.gui())), Clipboard(new FakeClipboard())
    {
        // The skin keeps the IPA font; the built-in font becomes the default.
        Ipa->grab();
        App.gui()->getSkin()->setFont(App.gui()->getBuiltInFont());
    }
    ~EditBoxInvariants() override
    {
        Ipa->drop();
        Clipboard->drop();
    }

    TestEditBox* newBox()
    {
        TestEditBox* box = makeBox(App.gui(), L"Editable Text1", core::rect<s32>(10, 10, 130, 70),
                                   App.gui()->getRootGUIElement());
        useClipboard(box, Clipboard);
        box->setOverrideFont(Ipa);
        return box;
    }

    //! One random property change, or an index poked where an editing
    //! operation could have left it, or a frame.
    void changeProperty(TestEditBox* box, std::mt19937& rng)
    {
        gui::IGUIFont* const fonts[] = {0, App.gui()->getBuiltInFont(), Ipa};
        const bool flag = rng() % 2 == 0;
        const s32 size = (s32)box->text().size();
        switch (rng() % 12)
        {
        case 0:
            box->setText(randomText(rng).c_str());
            break;
        case 1:
            box->setMultiLine(flag);
            break;
        case 2:
            box->setWordWrap(flag);
            break;
        case 3:
            box->setPasswordBox(flag, flag ? L'#' : L'*');
            break;
        case 4:
            box->setMax(rng() % 3 == 0 ? 0 : rng() % 40);
            break;
        case 5:
            box->setOverrideFont(fonts[rng() % 3]);
            break;
        case 6:
            box->setRelativePosition(
                core::rect<s32>(10, 10, 20 + (s32)(rng() % 300), 30 + (s32)(rng() % 100)));
            break;
        case 7:
            box->setTextAlignment((gui::EGUI_ALIGNMENT)(rng() % 4),
                                  (gui::EGUI_ALIGNMENT)(rng() % 4));
            break;
        case 8:
            // Text that arrives unbroken with the indices after it.
            box->gui::IGUIElement::setText(randomText(rng).c_str());
            box->CollapsePairsPending = true;
            box->CursorPos = box->SelectionEnd = (s32)wcslen(box->getText());
            box->SelectionStart = (s32)(rng() % (box->text().size() + 1));
            box->breakText();
            break;
        case 9:
            box->CursorPos = size ? (s32)(rng() % (size + 1)) : 0;
            box->calculateScrollPos();
            break;
        case 10:
            App.gui()->setFocus(flag ? box : 0);
            box->draw();
            break;
        default:
            box->setEnabled(rng() % 5 != 0);
            box->getTextDimension();
            break;
        }
    }

    void sendRandomEvent(TestEditBox* box, std::mt19937& rng)
    {
        static const EKEY_CODE keys[] = {KEY_BACK,  KEY_DELETE, KEY_RETURN, KEY_LEFT, KEY_RIGHT,
                                         KEY_HOME,  KEY_END,    KEY_UP,     KEY_DOWN, KEY_KEY_A,
                                         KEY_KEY_C, KEY_KEY_X,  KEY_KEY_V,  KEY_TAB,  KEY_ACCEPT,
                                         KEY_SPACE, KEY_KEY_Q,  KEY_ESCAPE, KEY_F3};
        static const wchar_t chars[] = {L'a', L' ', L'\r', L'\n', L'\x65e5', L'\x8a9e', 0};
        static const EMOUSE_INPUT_EVENT mice[] = {EMIE_LMOUSE_PRESSED_DOWN, EMIE_LMOUSE_LEFT_UP,
                                                  EMIE_MOUSE_MOVED, EMIE_RMOUSE_PRESSED_DOWN};
        if (rng() % 4 == 0)
        {
            box->OnEvent(
                mouseEvent(mice[rng() % 4], (s32)(rng() % 400) - 50, (s32)(rng() % 200) - 50));
            return;
        }
        if (rng() % 20 == 0)
            Clipboard->Content = rng() % 2 ? "pasted\r\ntext\n" : "x";
        box->OnEvent(keyEvent(keys[rng() % 19], chars[rng() % 7], rng() % 3 == 0, rng() % 4 == 0,
                              rng() % 8 != 0));
    }

    testsupport::ScopedDevice App;
    gui::IGUIFont* Ipa;
    FakeClipboard* Clipboard;
};

#define CHECK_STEP(seed, step)                                                                     \
    expectSound(*box);                                                                             \
    expectStableBreak(box);                                                                        \
    if (::testing::Test::HasFatalFailure())                                                        \
    {                                                                                              \
        ADD_FAILURE() << "seed " << seed << " step " << step;                                      \
        return;                                                                                    \
    }

TEST_F(EditBoxInvariants, RandomPropertySequencesKeepTheBoxSound)
{
    for (unsigned seed = 1; seed <= 40; ++seed)
    {
        std::mt19937 rng(seed);
        TestEditBox* box = newBox();
        for (int step = 0; step < 300; ++step)
        {
            changeProperty(box, rng);
            CHECK_STEP(seed, step);
        }
        box->remove();
    }
}

TEST_F(EditBoxInvariants, RandomKeyAndMouseSequencesKeepTheBoxSound)
{
    ime::setTickCountOverride(true, 100);
    for (unsigned seed = 1; seed <= 30; ++seed)
    {
        std::mt19937 rng(1000 + seed);
        TestEditBox* box = newBox();
        App.gui()->setFocus(box);
        box->draw();
        for (int step = 0; step < 1500; ++step)
        {
            if (rng() % 10 == 0)
                changeProperty(box, rng);
            else
                sendRandomEvent(box, rng);
            CHECK_STEP(seed, step);
        }
        box->remove();
    }
    ime::setTickCountOverride(false);
}

#undef CHECK_STEP

} // namespace
