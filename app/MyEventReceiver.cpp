#include "app/MyEventReceiver.h"

#include "app/AppGlobals.h"

using namespace irr;

bool MyEventReceiver::OnEvent(const SEvent& event)
{
    if (event.EventType != EET_GUI_EVENT)
        return false;

    const s32 id = event.GUIEvent.Caller ? event.GUIEvent.Caller->getID() : -1;
    if (event.GUIEvent.EventType == gui::EGET_BUTTON_CLICKED && id == 101)
    {
        AppDevice->closeDevice();
        return true;
    }
    return false;
}
