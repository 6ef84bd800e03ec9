#include "ime/CIrrInputMethod.h"

#include "text/UserLocaleText.h"

#include <vector>

namespace irr
{

CIrrInputMethod::CIrrInputMethod(IrrlichtDevice* device) : Device(device)
{
    if (Device)
        Device->grab();
}

CIrrInputMethod::~CIrrInputMethod()
{
    if (Device)
        Device->drop();
}

bool CIrrInputMethod::run()
{
    bool quit = false;

    if (Device)
        Device->getTimer()->tick();
    if (!ime::runEngineFrame(Device))
        quit = true;

    ime::SPlatformMessage message;
    while (ime::peekAndDispatchMessage(Device, message))
    {
        switch (message.Type)
        {
        case ime::EPMT_INPUT_EVENT:
            if (Device)
                Device->postEventFromUser(message.Event);
            break;
        case ime::EPMT_IME_COMPOSITION:
            if (message.HasResultString && Device && ime::isWindowActive(Device))
                postCommittedString(message);
            break;
        case ime::EPMT_IME_PREEDIT:
            if (Device)
                postCompositionChange();
            break;
        case ime::EPMT_QUIT:
            // Keep draining: what is already queued still reaches the engine.
            quit = true;
            break;
        default:
            break;
        }
    }

    return !quit;
}

void CIrrInputMethod::postCommittedString(const ime::SPlatformMessage& message)
{
    if (message.ResultText)
    {
        postCharacters(message.ResultText, message.ResultLength);
        return;
    }

    const s32 length = ime::getCompositionResult(0, 0);
    if (length <= 0)
        return;
    std::vector<c8> bytes((size_t)length + 1);
    s32 read = ime::getCompositionResult(bytes.data(), (u32)length);
    if (read < 0)
        read = 0;
    if (read > length)
        read = length;
    bytes[read] = 0;

    // Bytes that are not valid in the user's locale post nothing at all:
    // half a string would be worse than none. The locale is back before any
    // event is posted, so that handlers run in the caller's.
    core::stringw characters;
    if (ime::userLocaleToWide(bytes.data(), characters))
        postCharacters(characters.c_str(), characters.size());
}

// The GUI environment hands user events to no element, so the focused one,
// the box whose composition it is, gets the event from here when the
// program's receiver did not take it. It only says that the composition
// changed; the box reads it, so an event seen twice changes nothing.
void CIrrInputMethod::postCompositionChange()
{
    SEvent event = {};
    event.EventType = EET_USER_EVENT;
    event.UserEvent.UserData1 = ime::CompositionChangedEvent;
    event.UserEvent.UserData2 = 0;
    if (Device->postEventFromUser(event))
        return;
    gui::IGUIEnvironment* gui = Device->getGUIEnvironment();
    gui::IGUIElement* focus = gui ? gui->getFocus() : 0;
    if (focus)
        focus->OnEvent(event);
}

void CIrrInputMethod::postCharacters(const wchar_t* characters, u32 count)
{
    for (u32 i = 0; i < count; ++i)
    {
        SEvent event = {};
        event.EventType = EET_KEY_INPUT_EVENT;
        event.KeyInput.Char = characters[i];
        event.KeyInput.Key = KEY_ACCEPT;
        event.KeyInput.PressedDown = true;
        event.KeyInput.Shift = false;
        event.KeyInput.Control = false;
        Device->postEventFromUser(event);
    }
}

} // end namespace irr
