#include "DialogTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

using namespace irr;

namespace dialogtest
{

ScopedWorkingDirectory::ScopedWorkingDirectory(const std::string& dir)
{
    char buffer[4096];
    if (getcwd(buffer, sizeof(buffer)))
        Saved = buffer;
    EXPECT_EQ(0, chdir(dir.c_str())) << dir;
}

ScopedWorkingDirectory::~ScopedWorkingDirectory()
{
    if (!Saved.empty())
    {
        EXPECT_EQ(0, chdir(Saved.c_str()));
    }
}

void makeDirectory(const std::string& path)
{
    ASSERT_EQ(0, mkdir(path.c_str(), 0700)) << path;
}

void writeFile(const std::string& path)
{
    FILE* f = fopen(path.c_str(), "w");
    ASSERT_TRUE(f != 0) << path;
    fputs("content\n", f);
    fclose(f);
}

RecordingParent::RecordingParent(gui::IGUIEnvironment* env)
    : gui::IGUIElement(gui::EGUIET_ELEMENT, env, env->getRootGUIElement(), -1,
                       core::rect<s32>(0, 0, 640, 480)),
      RemoveDialogOnResult(false)
{
}

bool RecordingParent::OnEvent(const SEvent& event)
{
    if (event.EventType == EET_GUI_EVENT)
    {
        Record r = {event.GUIEvent.EventType, event.GUIEvent.Caller, event.GUIEvent.Element,
                    core::stringw()};
        if (r.Caller && r.Caller->getType() == gui::EGUIET_FILE_OPEN_DIALOG)
            r.FileName = static_cast<gui::IGUIFileOpenDialog*>(r.Caller)->getFileName();
        Records.push_back(r);
        if (RemoveDialogOnResult &&
            (r.Type == gui::EGET_FILE_SELECTED || r.Type == gui::EGET_FILE_CHOOSE_DIALOG_CANCELLED))
            r.Caller->remove();
    }
    return false;
}

s32 itemIndex(gui::IGUIListBox* list, const wchar_t* text)
{
    for (u32 i = 0; i < list->getItemCount(); ++i)
        if (core::stringw(list->getListItem(i)) == text)
            return (s32)i;
    return -1;
}

bool selectItem(DialogProbe* dialog, s32 index, bool again)
{
    dialog->list()->setSelected(index);
    SEvent event;
    event.EventType = EET_GUI_EVENT;
    event.GUIEvent.Caller = dialog->list();
    event.GUIEvent.Element = 0;
    event.GUIEvent.EventType = again ? gui::EGET_LISTBOX_SELECTED_AGAIN : gui::EGET_LISTBOX_CHANGED;
    return dialog->OnEvent(event);
}

bool clickButton(gui::IGUIElement* dialog, gui::IGUIButton* button)
{
    SEvent event;
    event.EventType = EET_GUI_EVENT;
    event.GUIEvent.Caller = button;
    event.GUIEvent.Element = 0;
    event.GUIEvent.EventType = gui::EGET_BUTTON_CLICKED;
    return dialog->OnEvent(event);
}

bool sendMouse(gui::IGUIElement* target, EMOUSE_INPUT_EVENT type, s32 x, s32 y, f32 wheel)
{
    SEvent event;
    event.EventType = EET_MOUSE_INPUT_EVENT;
    event.MouseInput.Event = type;
    event.MouseInput.X = x;
    event.MouseInput.Y = y;
    event.MouseInput.Wheel = wheel;
    event.MouseInput.ButtonStates = 0;
    event.MouseInput.Shift = false;
    event.MouseInput.Control = false;
    return target->OnEvent(event);
}

bool hasChild(gui::IGUIElement* parent, gui::IGUIElement* child)
{
    const core::list<gui::IGUIElement*>& children = parent->getChildren();
    for (core::list<gui::IGUIElement*>::ConstIterator it = children.begin(); it != children.end();
         ++it)
        if (*it == child)
            return true;
    return false;
}

} // namespace dialogtest
