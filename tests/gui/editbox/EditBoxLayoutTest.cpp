#include "EditBoxTestSupport.h"

#include "gui/font/CGUITTFont.h"
#include "support/ScopedDevice.h"
#include "support/TestEnvironment.h"

using namespace irr;
using namespace editboxtest;

namespace
{

// On the null device, once with the engine's built-in font and once with
// IPA Gothic at the demo's 12 pixels as the skin's font. Expectations are
// measured with the same font, so each case holds for both.
class EditBoxLayout : public ::testing::TestWithParam<bool>
{
protected:
    EditBoxLayout() : Root(App.gui()->getRootGUIElement()), Font(App.gui()->getBuiltInFont())
    {
        if (!GetParam())
            return;
        gui::CGUITTFace* face = new gui::CGUITTFace();
        gui::CGUITTFont* font = new gui::CGUITTFont(App.driver());
        EXPECT_TRUE(face->load(testsupport::ipaFontPath()));
        EXPECT_TRUE(font->attach(face, 12));
        App.gui()->getSkin()->setFont(font);
        face->drop();
        font->drop();
        Font = font;
    }

    //! A word-wrapping box whose wrap width (the box's width less 6) is wrap.
    TestEditBox* wrapBox(const wchar_t* text, s32 wrap)
    {
        TestEditBox* box =
            makeBox(App.gui(), text, core::rect<s32>(10, 10, 10 + wrap + 6, 200), Root);
        box->setWordWrap(true);
        return box;
    }

    testsupport::ScopedDevice App;
    gui::IGUIElement* Root;
    gui::IGUIFont* Font;
};

TEST_P(EditBoxLayout, HardBreaksMakeLinesAndCrLfBecomesOneCharacter)
{
    TestEditBox* empty = makeBox(App.gui(), L"", core::rect<s32>(0, 0, 200, 100), Root);
    empty->setMultiLine(true);
    EXPECT_EQ(lines(*empty), std::vector<std::wstring>{L""});
    EXPECT_EQ(starts(*empty), std::vector<s32>{0});

    TestEditBox* box = makeBox(App.gui(), L"ab\r\ncd", core::rect<s32>(0, 0, 200, 100), Root);
    box->setMultiLine(true);
    EXPECT_EQ(std::wstring(box->getText()), L"ab\rcd");
    EXPECT_EQ(lines(*box), (std::vector<std::wstring>{L"ab ", L"cd"}));
    EXPECT_EQ(starts(*box), (std::vector<s32>{0, 3}));

    // An index between a CR and its LF stands after the CR once the pair
    // is one break: at the start of the next line.
    TestEditBox* single =
        makeBox(App.gui(), L"ab\r\ncd\r\nef", core::rect<s32>(0, 0, 200, 100), Root);
    single->CursorPos = 3;
    single->SelectionStart = 1;
    single->SelectionEnd = 7;
    single->setMultiLine(true);
    EXPECT_EQ(std::wstring(single->getText()), L"ab\rcd\ref");
    EXPECT_EQ(single->CursorPos, 3);
    EXPECT_EQ(single->getLineFromPos(single->CursorPos), 1);
    EXPECT_EQ(single->SelectionStart, 1);
    EXPECT_EQ(single->SelectionEnd, 6);
    EXPECT_EQ(single->getLineFromPos(single->SelectionEnd), 2);

    // A lone LF and a final break each start a line; the last one is empty.
    box->setText(L"a\nb\r");
    EXPECT_EQ(lines(*box), (std::vector<std::wstring>{L"a ", L"b ", L""}));
    EXPECT_EQ(starts(*box), (std::vector<s32>{0, 2, 4}));

    // Pairs collapse once: the line feed left behind a CR LF LF run is a
    // break of its own and survives later breaks.
    box->setText(L"a\r\n\nb");
    EXPECT_EQ(std::wstring(box->getText()), L"a\r\nb");
    box->setRelativePosition(core::rect<s32>(0, 0, 150, 100));
    EXPECT_EQ(std::wstring(box->getText()), L"a\r\nb");
    EXPECT_EQ(lines(*box), (std::vector<std::wstring>{L"a ", L" ", L"b"}));
}

TEST_P(EditBoxLayout, LineFeedIsASpaceWithoutMultiLine)
{
    TestEditBox* box = wrapBox(L"aa\nbb\r\ncc", 400);
    EXPECT_EQ(lines(*box), std::vector<std::wstring>{L"aa bb cc"});
    EXPECT_EQ(std::wstring(box->getText()), L"aa\nbb\rcc");
}

TEST_P(EditBoxLayout, WordThatFitsExactlyStaysAndOnePixelMoreWraps)
{
    const s32 room = widthOf(Font, L"aaa") + widthOf(Font, L"  ") + widthOf(Font, L"bbb");

    TestEditBox* fits = wrapBox(L"aaa  bbb x", room);
    EXPECT_EQ(lines(*fits), std::vector<std::wstring>{L"aaa  bbb x"});

    TestEditBox* wraps = wrapBox(L"aaa  bbb x", room - 1);
    // The two spaces belong to neither line; a position in them is the first line's.
    EXPECT_EQ(lines(*wraps), (std::vector<std::wstring>{L"aaa", L"bbb x"}));
    EXPECT_EQ(starts(*wraps), (std::vector<s32>{0, 5}));
    EXPECT_EQ(wraps->getLineFromPos(4), 0);
    EXPECT_EQ(wraps->getLineFromPos(5), 1);
}

TEST_P(EditBoxLayout, OverWideFirstWordGetsAnEmptyLineBeforeIt)
{
    TestEditBox* box = wrapBox(L"wwwwwwww x", widthOf(Font, L"www"));
    EXPECT_EQ(lines(*box), (std::vector<std::wstring>{L"", L"wwwwwwww x"}));
    EXPECT_EQ(starts(*box), (std::vector<s32>{0, 0}));
    // With shared starts the later line wins.
    EXPECT_EQ(box->getLineFromPos(0), 1);
    EXPECT_EQ(box->getLineFromPos(9), 1);
}

TEST_P(EditBoxLayout, RunsWithoutSpacesAreNeverSplitAndTheLastCharacterIsNotMeasured)
{
    std::wstring japanese;
    for (int i = 0; i < 40; ++i)
        japanese += L"\x65e5\x672c\x8a9e";
    TestEditBox* box = wrapBox((L"ab " + japanese + L" c").c_str(), 60);
    EXPECT_EQ(lines(*box), (std::vector<std::wstring>{L"ab", japanese + L" c"}));

    // "aaa" fills the room; the final "b" joins the line although it overflows.
    TestEditBox* last = wrapBox(L"aaa b", widthOf(Font, L"aaa"));
    EXPECT_EQ(lines(*last), std::vector<std::wstring>{L"aaa b"});
}

TEST_P(EditBoxLayout, LineRectanglesTouchAndFollowAlignment)
{
    TestEditBox* box = makeBox(App.gui(), L"ab\ncdef", core::rect<s32>(0, 0, 200, 100), Root);
    box->setMultiLine(true);
    box->FrameRect = core::rect<s32>(100, 50, 300, 150);
    const s32 h = (s32)Font->getDimension(L"ab ").Height + Font->getKerningHeight();

    box->setTextAlignment(gui::EGUIA_UPPERLEFT, gui::EGUIA_UPPERLEFT);
    box->setTextRect(1);
    EXPECT_EQ(box->CurrentTextRect,
              core::rect<s32>(100, 50 + h, 100 + widthOf(Font, L"cdef"), 50 + 2 * h));

    box->setTextAlignment(gui::EGUIA_LOWERRIGHT, gui::EGUIA_LOWERRIGHT);
    box->setTextRect(0);
    const core::rect<s32> first = box->CurrentTextRect;
    box->setTextRect(1);
    EXPECT_EQ(box->CurrentTextRect.LowerRightCorner, core::position2d<s32>(300, 150));
    EXPECT_EQ(first.LowerRightCorner.Y, box->CurrentTextRect.UpperLeftCorner.Y);

    box->setTextAlignment(gui::EGUIA_CENTER, gui::EGUIA_CENTER);
    box->setTextRect(0);
    const s32 w = widthOf(Font, L"ab ");
    EXPECT_EQ(box->CurrentTextRect.UpperLeftCorner,
              core::position2d<s32>(100 + 100 - w / 2, 50 + 50 - (2 * h) / 2));
}

TEST_P(EditBoxLayout, VerticalScrollShowsTheCursorLineAtTheBottom)
{
    TestEditBox* box =
        makeBox(App.gui(), L"0\n1\n2\n3\n4\n5\n6\n7\n8\n9", core::rect<s32>(0, 0, 200, 56), Root);
    box->setMultiLine(true);
    box->setTextAlignment(gui::EGUIA_UPPERLEFT, gui::EGUIA_UPPERLEFT);
    box->draw();
    const s32 h = (s32)Font->getDimension(L"0 ").Height + Font->getKerningHeight();
    const s32 frameBottom = box->FrameRect.LowerRightCorner.Y;
    const s32 frameTop = box->FrameRect.UpperLeftCorner.Y;
    ASSERT_GT(frameBottom - frameTop, 2 * h);
    ASSERT_LT(frameBottom - frameTop, 10 * h);

    box->CursorPos = 18; // line 9
    box->calculateScrollPos();
    EXPECT_EQ(box->VScrollPos, frameTop + 10 * h - frameBottom);
    box->setTextRect(9);
    EXPECT_EQ(box->CurrentTextRect.LowerRightCorner.Y, frameBottom);

    box->CursorPos = 16; // line 8, still below the first screenful
    box->calculateScrollPos();
    EXPECT_EQ(box->VScrollPos, frameTop + 9 * h - frameBottom);

    box->CursorPos = 0;
    box->calculateScrollPos();
    EXPECT_EQ(box->VScrollPos, 0);

    box->setAutoScroll(false);
    box->CursorPos = 18;
    box->calculateScrollPos();
    EXPECT_EQ(box->VScrollPos, 0);

    // A line taller than its frame that ends on the frame's bottom edge is
    // scrolled so that its top shows.
    TestEditBox* low = makeBox(App.gui(), L"x", core::rect<s32>(0, 100, 200, 100 + h), Root);
    low->setMultiLine(true);
    low->setTextAlignment(gui::EGUIA_UPPERLEFT, gui::EGUIA_LOWERRIGHT);
    low->draw();
    ASSERT_LT(low->FrameRect.getHeight(), h);
    low->calculateScrollPos();
    EXPECT_EQ(low->VScrollPos, low->FrameRect.getHeight() - h);
}

TEST_P(EditBoxLayout, HorizontalScrollKeepsRoomForTheCursor)
{
    const wchar_t* longText = L"a rather long line of text that overflows";
    TestEditBox* box = makeBox(App.gui(), longText, core::rect<s32>(0, 0, 120, 20), Root);
    box->draw();
    const s32 cursorRoom = widthOf(Font, L"_ ");
    ASSERT_GT(widthOf(Font, longText), box->FrameRect.getWidth());

    box->CursorPos = (s32)wcslen(longText);
    box->calculateScrollPos();
    EXPECT_EQ(box->HScrollPos, box->FrameRect.UpperLeftCorner.X + widthOf(Font, longText) +
                                   cursorRoom - box->FrameRect.LowerRightCorner.X);
    box->CursorPos = 0;
    box->calculateScrollPos();
    EXPECT_EQ(box->HScrollPos, 0);

    TestEditBox* right = makeBox(App.gui(), L"short", core::rect<s32>(0, 30, 120, 50), Root);
    right->setTextAlignment(gui::EGUIA_LOWERRIGHT, gui::EGUIA_CENTER);
    right->draw();
    right->CursorPos = 5;
    right->calculateScrollPos();
    EXPECT_EQ(right->HScrollPos, cursorRoom);
    right->CursorPos = 0;
    right->calculateScrollPos();
    EXPECT_EQ(right->HScrollPos, 0);
}

TEST_P(EditBoxLayout, TextDimensionSpansTheShownLinesOnly)
{
    TestEditBox* box = makeBox(App.gui(), L"ab\ncdef", core::rect<s32>(0, 0, 200, 100), Root);
    box->setMultiLine(true);
    const s32 h = (s32)Font->getDimension(L"ab ").Height + Font->getKerningHeight();
    EXPECT_EQ(box->getTextDimension(),
              core::dimension2du((u32)widthOf(Font, L"cdef"), (u32)(2 * h)));

    // Back in single-line mode the old lines no longer count.
    box->setMultiLine(false);
    EXPECT_EQ(box->getTextDimension().Width, (u32)widthOf(Font, L"ab\ncdef"));
    EXPECT_EQ(box->getTextDimension().Height, 100u + Font->getKerningHeight());
}

TEST_P(EditBoxLayout, LongTextsBreakInOnePass)
{
    // 100,000 characters with a CR LF every 50: quadratic work would take minutes.
    core::stringw text;
    text.reserve(100001);
    for (int i = 0; i < 100000; ++i)
        text.append(i % 50 == 48 ? L'\r' : (i % 50 == 49 ? L'\n' : (i % 7 ? L'x' : L' ')));
    TestEditBox* box = makeBox(App.gui(), text.c_str(), core::rect<s32>(0, 0, 300, 100), Root);
    box->setMultiLine(true);
    box->setWordWrap(true);
    EXPECT_EQ(box->text().size(), 98000u);
    EXPECT_GE(box->BrokenLines.size(), 2000u);
    expectSound(*box);
}

INSTANTIATE_TEST_SUITE_P(Fonts, EditBoxLayout, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info)
                         { return std::string(info.param ? "IpaGothic" : "BuiltIn"); });

} // namespace
