#include "EditBoxTestSupport.h"

#include "harness/X11BackendProbe.h"
#include "support/ScopedDevice.h"
#include "support/TestEnvironment.h"

using namespace irr;
using namespace editboxtest;

namespace
{

class EditBoxProperties : public ::testing::Test
{
protected:
    EditBoxProperties() : Root(App.gui()->getRootGUIElement()) {}

    testsupport::ScopedDevice App;
    gui::IGUIElement* Root;
};

TEST_F(EditBoxProperties, PasswordModeForcesOneLineAndKeepsItsCharacter)
{
    TestEditBox* box = makeBox(App.gui(), L"one two\nthree", core::rect<s32>(0, 0, 60, 100), Root);
    box->setMultiLine(true);
    box->setWordWrap(true);
    ASSERT_GT(box->BrokenLines.size(), 1u);

    box->setPasswordBox(true, L'#');
    EXPECT_TRUE(box->isPasswordBox());
    EXPECT_FALSE(box->isMultiLineEnabled());
    EXPECT_FALSE(box->isWordWrapEnabled());
    EXPECT_EQ(box->BrokenLines.size(), 0u);
    EXPECT_EQ(box->BrokenLineStarts.size(), 0u);

    box->setPasswordBox(false, L'*');
    EXPECT_FALSE(box->isPasswordBox());
    EXPECT_EQ(box->PasswordChar, L'#');
    EXPECT_FALSE(box->isMultiLineEnabled());
    EXPECT_FALSE(box->isWordWrapEnabled());

    // Switching a wrap flag on under a password box still shows one line.
    box->setPasswordBox(true, L'#');
    box->setMultiLine(true);
    box->draw();
    EXPECT_EQ(lines(*box), std::vector<std::wstring>{L"#############"});
    EXPECT_EQ(starts(*box), std::vector<s32>{0});
    EXPECT_EQ(box->getLineFromPos(9), 0);
    box->setPasswordBox(false);
    EXPECT_EQ(lines(*box), (std::vector<std::wstring>{L"one two ", L"three"}));
}

TEST_F(EditBoxProperties, MultiLineTakesEffectAtOnce)
{
    TestEditBox* box = makeBox(App.gui(), L"ab\ncd", core::rect<s32>(0, 0, 200, 100), Root);
    box->setMultiLine(true);
    EXPECT_EQ(lines(*box), (std::vector<std::wstring>{L"ab ", L"cd"}));
    box->setMultiLine(false);
    EXPECT_EQ(box->getLineFromPos(4), 0);
}

TEST_F(EditBoxProperties, OverrideColourAndFont)
{
    TestEditBox* box = makeBox(App.gui(), L"x", core::rect<s32>(0, 0, 200, 20), Root);
    box->enableOverrideColor(false);
    box->setOverrideColor(video::SColor(255, 1, 2, 3));
    EXPECT_TRUE(box->isOverrideColorEnabled());
    EXPECT_EQ(box->getOverrideColor(), video::SColor(255, 1, 2, 3));

    gui::IGUIFont* font = App.gui()->getBuiltInFont();
    const s32 before = font->getReferenceCount();
    box->setOverrideFont(font);
    EXPECT_EQ(box->getOverrideFont(), font);
    EXPECT_EQ(box->getActiveFont(), font);
    EXPECT_EQ(font->getReferenceCount(), before + 1);
    box->setOverrideFont(0);
    EXPECT_EQ(font->getReferenceCount(), before);
    EXPECT_EQ(box->getOverrideFont(), (gui::IGUIFont*)0);

    box->setOverrideFont(font);
    box->remove();
    EXPECT_EQ(font->getReferenceCount(), before);
}

// A font attached again at another size is the same object; setting it
// again must break the lines anew, and must not let go of a font the box
// alone holds.
TEST_F(EditBoxProperties, SettingTheSameFontAgainRebreaksTheLines)
{
    gui::CGUITTFace* face = new gui::CGUITTFace();
    ASSERT_TRUE(face->load(testsupport::ipaFontPath()));
    gui::CGUITTFont* font = new gui::CGUITTFont(App.driver());
    ASSERT_TRUE(font->attach(face, 12));
    TestEditBox* box =
        makeBox(App.gui(), L"one two three four", core::rect<s32>(0, 0, 150, 100), Root);
    box->setWordWrap(true);
    box->setOverrideFont(font);
    font->drop();
    ASSERT_EQ(lines(*box), std::vector<std::wstring>{L"one two three four"});

    ASSERT_TRUE(font->attach(face, 24));
    face->drop();
    box->setOverrideFont(font);
    EXPECT_EQ(font->getReferenceCount(), 1);
    // As a box that only ever knew the larger size breaks them.
    TestEditBox* fresh = makeBox(App.gui(), box->getText(), box->getRelativePosition(), Root);
    fresh->setWordWrap(true);
    fresh->setOverrideFont(font);
    EXPECT_GT(lines(*fresh).size(), 1u);
    EXPECT_EQ(lines(*box), lines(*fresh));
}

TEST_F(EditBoxProperties, MaxCutsTheTextAndEverythingPointingIntoIt)
{
    TestEditBox* box = makeBox(App.gui(), L"Editable Text1", core::rect<s32>(0, 0, 200, 100), Root);
    box->setMax(0);
    box->setMax(20);
    EXPECT_EQ(std::wstring(box->getText()), L"Editable Text1");
    EXPECT_EQ(box->getMax(), 20u);

    box->setMultiLine(true);
    box->CursorPos = 14;
    box->SelectionStart = 2;
    box->SelectionEnd = 12;
    box->setMax(3);
    EXPECT_EQ(std::wstring(box->getText()), L"Edi");
    EXPECT_EQ(box->CursorPos, 3);
    EXPECT_EQ(box->SelectionStart, 2);
    EXPECT_EQ(box->SelectionEnd, 3);
    EXPECT_EQ(lines(*box), std::vector<std::wstring>{L"Edi"});
}

TEST_F(EditBoxProperties, SetTextResetsCursorSelectionAndHorizontalScrollOnly)
{
    TestEditBox* box = makeBox(App.gui(), L"abc", core::rect<s32>(0, 0, 200, 20), Root);
    box->CursorPos = 2;
    box->SelectionStart = 1;
    box->SelectionEnd = 3;
    box->HScrollPos = 17;
    box->VScrollPos = 9;
    box->setText(L"new text");
    EXPECT_EQ(std::wstring(box->getText()), L"new text");
    EXPECT_EQ(box->CursorPos, 0);
    EXPECT_EQ(box->SelectionStart, 0);
    EXPECT_EQ(box->SelectionEnd, 0);
    EXPECT_EQ(box->HScrollPos, 0);
    EXPECT_EQ(box->VScrollPos, 9);
}

TEST_F(EditBoxProperties, ResizingRewrapsTheText)
{
    TestEditBox* box = makeBox(App.gui(), L"one two three", core::rect<s32>(0, 0, 400, 100), Root);
    box->setWordWrap(true);
    EXPECT_EQ(box->BrokenLines.size(), 1u);
    box->setRelativePosition(core::rect<s32>(0, 0, 40, 100));
    EXPECT_GT(box->BrokenLines.size(), 1u);
}

TEST_F(EditBoxProperties, LosingTheFocusClearsTheSelectionAndClosesTheInputMethod)
{
    RecordingParent* parent = new RecordingParent(App.gui(), core::rect<s32>(0, 0, 640, 480));
    parent->drop();
    TestEditBox* box = makeBox(App.gui(), L"abcdef", core::rect<s32>(0, 0, 200, 20), parent);
    box->CursorPos = 4;
    box->SelectionStart = 1;
    box->SelectionEnd = 4;
    box->MouseSelecting = true;

    SEvent event;
    event.EventType = EET_GUI_EVENT;
    event.GUIEvent.EventType = gui::EGET_ELEMENT_FOCUS_LOST;
    event.GUIEvent.Caller = parent;
    event.GUIEvent.Element = 0;
    const u32 closes = testsupport::x11::getInputMethodCloseCount();
    EXPECT_FALSE(box->OnEvent(event));
    EXPECT_EQ(box->SelectionEnd, 4);
    EXPECT_TRUE(box->MouseSelecting);
    EXPECT_EQ(testsupport::x11::getInputMethodCloseCount(), closes);
    ASSERT_EQ(parent->Events.size(), 1u);

    event.GUIEvent.Caller = box;
    EXPECT_FALSE(box->OnEvent(event));
    EXPECT_EQ(box->SelectionStart, 0);
    EXPECT_EQ(box->SelectionEnd, 0);
    EXPECT_FALSE(box->MouseSelecting);
    EXPECT_EQ(box->CursorPos, 4);
    EXPECT_EQ(testsupport::x11::getInputMethodCloseCount(), closes + 1);
    EXPECT_EQ(parent->Events.size(), 2u);
}

} // namespace
