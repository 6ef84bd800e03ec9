#ifndef PLATFORM_X11_X11_KEY_MAP_H_INCLUDED
#define PLATFORM_X11_X11_KEY_MAP_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace ime
{
namespace x11
{

//! The engine's key code for an X keysym. False for keysyms the engine has
//! no code for (kanji, accented letters, most punctuation on shifted keys):
//! their characters take the committed-string path instead.
bool engineKeyForKeysym(unsigned long keysym, EKEY_CODE& key);

//! The character a keysym stands for, or 0 when it stands for none.
//! Covers what a key can type without an input method: Latin-1, the
//! keysyms that carry a Unicode code point, and the editing keys that
//! have a control character.
wchar_t characterForKeysym(unsigned long keysym);

//! The engine's key event for a key with an engine key code; state is the X
//! modifier state of the event, from which Shift and Control are taken.
SEvent makeKeyEvent(EKEY_CODE key, wchar_t character, bool pressedDown, unsigned int state);

} // end namespace x11
} // end namespace ime
} // end namespace irr

#endif
