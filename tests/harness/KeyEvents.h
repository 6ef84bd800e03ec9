#ifndef HARNESS_KEY_EVENTS_H_INCLUDED
#define HARNESS_KEY_EVENTS_H_INCLUDED

#include <irrlicht.h>

namespace harness
{

//! A key event as the engine posts it for a key of the keyboard (or, with
//! KEY_ACCEPT, for a committed character); other fields zero.
inline irr::SEvent keyEvent(irr::EKEY_CODE key, wchar_t c = 0, bool shift = false,
                            bool control = false, bool pressed = true)
{
    irr::SEvent event = {};
    event.EventType = irr::EET_KEY_INPUT_EVENT;
    event.KeyInput.Key = key;
    event.KeyInput.Char = c;
    event.KeyInput.Shift = shift;
    event.KeyInput.Control = control;
    event.KeyInput.PressedDown = pressed;
    return event;
}

} // namespace harness

#endif
