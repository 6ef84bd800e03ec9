#include "app/AppGlobals.h"
#include "app/MyEventReceiver.h"
#include "ScopedAppDevice.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <vector>

using namespace irr;

namespace
{

// The demo's buttons, scroll bar and log, with the receiver beside them;
// events are handed to the receiver as the engine would.
class DemoReceiver : public ::testing::Test
{
protected:
    DemoReceiver()
    {
        char buffer[4096];
        if (getcwd(buffer, sizeof(buffer)))
            SavedCwd = buffer;
        // The dialog lists the working directory: keep that small.
        EXPECT_EQ(0, chdir(Dir.path().c_str()));

        gui::IGUIEnvironment* env = App.gui();
        for (s32 id = 101; id <= 103; ++id)
            Buttons.push_back(env->addButton(core::rect<s32>(10, 210, 110, 242), 0, id));
        ScrollBar = env->addScrollBar(true, core::rect<s32>(150, 45, 350, 60), 0, 104);
        ScrollBar->setMax(255);
        AppLogListBox = env->addListBox(core::rect<s32>(50, 110, 250, 180), 0, -1, false);
    }
    ~DemoReceiver() override
    {
        if (!SavedCwd.empty())
        {
            EXPECT_EQ(0, chdir(SavedCwd.c_str()));
        }
    }

    bool send(gui::EGUI_EVENT_TYPE type, gui::IGUIElement* caller)
    {
        SEvent event;
        event.EventType = EET_GUI_EVENT;
        event.GUIEvent.Caller = caller;
        event.GUIEvent.Element = 0;
        event.GUIEvent.EventType = type;
        return Receiver.OnEvent(event);
    }
    bool click(s32 id) { return send(gui::EGET_BUTTON_CLICKED, Buttons[id - 101]); }

    std::vector<gui::IGUIElement*> rootChildren(gui::EGUI_ELEMENT_TYPE type)
    {
        std::vector<gui::IGUIElement*> found;
        const core::list<gui::IGUIElement*>& children =
            App.gui()->getRootGUIElement()->getChildren();
        for (core::list<gui::IGUIElement*>::ConstIterator it = children.begin();
             it != children.end(); ++it)
            if ((*it)->getType() == type)
                found.push_back(*it);
        return found;
    }

    u32 logLines(const wchar_t* text)
    {
        u32 count = 0;
        for (u32 i = 0; i < AppLogListBox->getItemCount(); ++i)
            if (core::stringw(AppLogListBox->getListItem(i)) == text)
                ++count;
        return count;
    }

    testsupport::TemporaryDirectory Dir;
    std::string SavedCwd;
    testsupport::ScopedAppDevice App;
    MyEventReceiver Receiver;
    std::vector<gui::IGUIButton*> Buttons;
    gui::IGUIScrollBar* ScrollBar;
};

} // namespace

TEST_F(DemoReceiver, NewWindowStaggersTestWindowsAndWrapsAfterTheSixth)
{
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(click(102));

    EXPECT_EQ(7u, AppLogListBox->getItemCount());
    EXPECT_EQ(7u, logLines(L"Window created"));
    const std::vector<gui::IGUIElement*> windows = rootChildren(gui::EGUIET_WINDOW);
    ASSERT_EQ(7u, windows.size());
    EXPECT_EQ(core::rect<s32>(130, 130, 330, 230), windows[0]->getAbsolutePosition());
    EXPECT_EQ(core::rect<s32>(280, 280, 480, 380), windows[5]->getAbsolutePosition());
    EXPECT_EQ(core::rect<s32>(100, 100, 300, 200), windows[6]->getAbsolutePosition());
    EXPECT_EQ(0, AppWindowOffset);

    for (gui::IGUIElement* window : windows)
    {
        EXPECT_STREQ(L"Test window", window->getText());
        gui::IGUIElement* text = 0;
        const core::list<gui::IGUIElement*>& children = window->getChildren();
        for (core::list<gui::IGUIElement*>::ConstIterator it = children.begin();
             it != children.end(); ++it)
            if ((*it)->getType() == gui::EGUIET_STATIC_TEXT)
                text = *it;
        ASSERT_TRUE(text != 0);
        EXPECT_STREQ(L"Please close me", text->getText());
        EXPECT_EQ(core::rect<s32>(35, 35, 140, 50), text->getRelativePosition());
    }
}

TEST_F(DemoReceiver, FileOpenOpensOneDialogPerClick)
{
    EXPECT_TRUE(click(103));
    EXPECT_TRUE(click(103));

    EXPECT_EQ(2u, logLines(L"File open"));
    EXPECT_EQ(2u, AppLogListBox->getItemCount());
    const std::vector<gui::IGUIElement*> dialogs = rootChildren(gui::EGUIET_FILE_OPEN_DIALOG);
    ASSERT_EQ(2u, dialogs.size());
    for (gui::IGUIElement* dialog : dialogs)
    {
        EXPECT_STREQ(L"Please choose a file.", dialog->getText());
        EXPECT_EQ(core::rect<s32>(145, 115, 495, 365), dialog->getAbsolutePosition());
        // Only the root holds it: closing it frees it.
        EXPECT_EQ(1, dialog->getReferenceCount());
    }
}

TEST_F(DemoReceiver, TheScrollBarSetsTheAlphaOfEverySkinColour)
{
    gui::IGUISkin* skin = App.gui()->getSkin();
    std::vector<video::SColor> before;
    for (s32 i = 0; i < gui::EGDC_COUNT; ++i)
        before.push_back(skin->getColor((gui::EGUI_DEFAULT_COLOR)i));

    for (s32 pos : {0, 255, 77})
    {
        ScrollBar->setPos(pos);
        EXPECT_FALSE(send(gui::EGET_SCROLL_BAR_CHANGED, ScrollBar));
        for (s32 i = 0; i < gui::EGDC_COUNT; ++i)
        {
            const video::SColor c = skin->getColor((gui::EGUI_DEFAULT_COLOR)i);
            EXPECT_EQ((u32)pos, c.getAlpha()) << "colour " << i;
            EXPECT_EQ(before[i].color & 0x00FFFFFF, c.color & 0x00FFFFFF) << "colour " << i;
        }
    }
}

TEST_F(DemoReceiver, QuitClosesTheDevice)
{
    EXPECT_TRUE(click(101));
    EXPECT_FALSE(App.device()->run());
    EXPECT_EQ(0u, AppLogListBox->getItemCount());
}

TEST_F(DemoReceiver, EverythingElseIsLeftToOthers)
{
    gui::IGUIEnvironment* env = App.gui();
    gui::IGUIButton* other = env->addButton(core::rect<s32>(0, 0, 10, 10), 0, 105);
    gui::IGUIScrollBar* otherBar = env->addScrollBar(true, core::rect<s32>(0, 0, 10, 10), 0, 105);
    gui::IGUIButton* fakeBar = env->addButton(core::rect<s32>(0, 0, 10, 10), 0, 104);
    const video::SColor window = env->getSkin()->getColor(gui::EGDC_WINDOW);

    EXPECT_FALSE(send(gui::EGET_BUTTON_CLICKED, other));
    otherBar->setPos(0);
    EXPECT_FALSE(send(gui::EGET_SCROLL_BAR_CHANGED, otherBar));
    // Id 104 on something that is not a scroll bar has no position to read.
    EXPECT_FALSE(send(gui::EGET_SCROLL_BAR_CHANGED, fakeBar));
    EXPECT_FALSE(send(gui::EGET_BUTTON_CLICKED, 0));
    EXPECT_FALSE(send(gui::EGET_FILE_SELECTED, Buttons[2]));
    EXPECT_FALSE(send(gui::EGET_ELEMENT_HOVERED, Buttons[1]));
    EXPECT_FALSE(send(gui::EGET_FILE_CHOOSE_DIALOG_CANCELLED, Buttons[0]));

    SEvent key;
    key.EventType = EET_KEY_INPUT_EVENT;
    key.KeyInput.Char = L'a';
    key.KeyInput.Key = KEY_KEY_A;
    key.KeyInput.PressedDown = true;
    key.KeyInput.Shift = key.KeyInput.Control = false;
    EXPECT_FALSE(Receiver.OnEvent(key));

    EXPECT_EQ(window, env->getSkin()->getColor(gui::EGDC_WINDOW));
    EXPECT_EQ(0u, AppLogListBox->getItemCount());
    EXPECT_TRUE(rootChildren(gui::EGUIET_WINDOW).empty());
    EXPECT_TRUE(App.device()->run());
}

TEST_F(DemoReceiver, ActionsSurviveAMissingLog)
{
    AppLogListBox = 0;
    EXPECT_TRUE(click(102));
    EXPECT_TRUE(click(103));
    EXPECT_EQ(1u, rootChildren(gui::EGUIET_WINDOW).size());
    EXPECT_EQ(1u, rootChildren(gui::EGUIET_FILE_OPEN_DIALOG).size());
}
