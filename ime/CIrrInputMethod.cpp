#include "ime/CIrrInputMethod.h"

#include "ime/CUserLocaleScope.h"
#include "ime/InputMethodPlatform.h"

#include <cstdlib>

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

    ime::SPlatformMessage message;
    while (ime::peekAndDispatchMessage(Device, message))
    {
        if (message.Type == ime::EPMT_IME_COMPOSITION)
        {
            if (message.HasResultString && Device && ime::isWindowActive(Device))
                postCommittedString();
        }
        else if (message.Type == ime::EPMT_QUIT)
        {
            // Keep draining: what is already queued still reaches the engine.
            quit = true;
        }
    }

    return !quit;
}

void CIrrInputMethod::postCommittedString()
{
    const s32 length = ime::getCompositionResult(0, 0);
    if (length <= 0)
        return;

    c8* bytes = new c8[length + 1];
    s32 read = ime::getCompositionResult(bytes, (u32)length);
    if (read < 0)
        read = 0;
    if (read > length)
        read = length;
    bytes[read] = 0;

    wchar_t* characters = new wchar_t[length + 1];
    size_t count;
    {
        ime::CUserLocaleScope userLocale;
        count = mbstowcs(characters, bytes, (size_t)length);
    }

    // Bytes that are not valid in the user's locale post nothing at all:
    // half a string would be worse than none.
    if (count != (size_t)-1)
    {
        for (size_t i = 0; i < count; ++i)
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

    delete[] characters;
    delete[] bytes;
}

} // end namespace irr
