#include "app/MyEventReceiver.h"

#include "app/AppGlobals.h"
#include "gui/dialog/CGUIFileOpenDialogML.h"

using namespace irr;

namespace
{

void logAction(const wchar_t* line)
{
    if (AppLogListBox)
        AppLogListBox->addItem(line);
}

void setSkinAlpha(gui::IGUIEnvironment* env, s32 pos)
{
    for (s32 i = 0; i < gui::EGDC_COUNT; ++i)
    {
        gui::IGUISkin* skin = env->getSkin();
        if (!skin)
            return;
        video::SColor colour = skin->getColor((gui::EGUI_DEFAULT_COLOR)i);
        colour.setAlpha((u32)(pos & 0xFF));
        skin->setColor((gui::EGUI_DEFAULT_COLOR)i, colour);
    }
}

void openTestWindow(gui::IGUIEnvironment* env)
{
    logAction(L"Window created");
    AppWindowOffset += 30;
    if (AppWindowOffset > 200)
        AppWindowOffset = 0;

    const s32 o = AppWindowOffset;
    gui::IGUIWindow* window =
        env->addWindow(core::rect<s32>(100 + o, 100 + o, 300 + o, 200 + o), false, L"Test window");
    if (window)
        env->addStaticText(L"Please close me", core::rect<s32>(35, 35, 140, 50), true, false,
                           window);
}

void openFileDialog(gui::IGUIEnvironment* env)
{
    logAction(L"File open");
    gui::IGUIElement* dialog = new gui::CGUIFileOpenDialogML(env, env->getRootGUIElement());
    dialog->drop();
}

} // namespace

bool MyEventReceiver::OnEvent(const SEvent& event)
{
    if (event.EventType != EET_GUI_EVENT)
        return false;

    gui::IGUIElement* caller = event.GUIEvent.Caller;
    gui::IGUIEnvironment* env = AppDevice ? AppDevice->getGUIEnvironment() : 0;
    if (!caller || !env)
        return false;
    const s32 id = caller->getID();

    switch (event.GUIEvent.EventType)
    {
    case gui::EGET_SCROLL_BAR_CHANGED:
        // Handled but passed on: the scroll bar itself still reacts.
        if (id == TransparencyScrollBarId && caller->getType() == gui::EGUIET_SCROLL_BAR)
            setSkinAlpha(env, static_cast<gui::IGUIScrollBar*>(caller)->getPos());
        return false;
    case gui::EGET_BUTTON_CLICKED:
        switch (id)
        {
        case QuitButtonId:
            AppDevice->closeDevice();
            return true;
        case NewWindowButtonId:
            openTestWindow(env);
            return true;
        case FileOpenButtonId:
            openFileDialog(env);
            return true;
        default:
            return false;
        }
    default:
        return false;
    }
}
