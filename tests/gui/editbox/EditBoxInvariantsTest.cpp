#include "EditBoxTestSupport.h"

#include "gui/font/CGUITTFont.h"
#include "support/ScopedAppDevice.h"
#include "support/TestEnvironment.h"

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

// Random property changes and texts, with the indices poked where an
// editing operation could have left them; drawing in between.
TEST(EditBoxInvariants, RandomPropertySequencesKeepTheBoxSound)
{
    testsupport::ScopedAppDevice app;
    gui::CGUITTFace* face = new gui::CGUITTFace();
    gui::CGUITTFont* ipa = new gui::CGUITTFont();
    ASSERT_TRUE(face->load(testsupport::ipaFontPath()));
    ASSERT_TRUE(ipa->attach(face, 12));
    face->drop();
    gui::IGUIFont* const fonts[] = {0, app.gui()->getBuiltInFont(), ipa};
    for (unsigned seed = 1; seed <= 40; ++seed)
    {
        std::mt19937 rng(seed);
        TestEditBox* box = makeBox(L"Editable Text1", core::rect<s32>(10, 10, 130, 70),
                                   app.gui()->getRootGUIElement());
        for (int step = 0; step < 300; ++step)
        {
            const bool flag = rng() % 2 == 0;
            const s32 size = (s32)box->text().size();
            const unsigned op = rng() % 12;
            switch (op)
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
                // Text that arrives unbroken with the indices after it, as
                // typing or pasting leaves them.
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
                app.gui()->setFocus(flag ? box : 0);
                box->draw();
                break;
            default:
                box->getTextDimension();
                break;
            }
            expectSound(*box);
            expectStableBreak(box);
            if (::testing::Test::HasFatalFailure())
            {
                ADD_FAILURE() << "seed " << seed << " step " << step;
                break;
            }
        }
        box->remove();
        if (::testing::Test::HasFatalFailure())
            break;
    }
    ipa->drop();
}

} // namespace
