#include "platform/x11/X11KeyMap.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace irr
{
namespace ime
{
namespace x11
{
namespace
{

struct SKeysymMapping
{
    unsigned long Keysym;
    EKEY_CODE Key;
};

// Keys outside the contiguous ranges handled in engineKeyForKeysym. The
// punctuation keys get the codes a US keyboard gives them on Windows, so
// that the same physical key means the same code on both platforms.
const SKeysymMapping Mappings[] = {
    {XK_BackSpace, KEY_BACK},
    {XK_Tab, KEY_TAB},
    {XK_ISO_Left_Tab, KEY_TAB},
    {XK_Clear, KEY_CLEAR},
    {XK_Return, KEY_RETURN},
    {XK_KP_Enter, KEY_RETURN},
    {XK_Pause, KEY_PAUSE},
    {XK_Caps_Lock, KEY_CAPITAL},
    {XK_Escape, KEY_ESCAPE},
    {XK_space, KEY_SPACE},
    {XK_KP_Space, KEY_SPACE},
    {XK_Prior, KEY_PRIOR},
    {XK_KP_Prior, KEY_PRIOR},
    {XK_Next, KEY_NEXT},
    {XK_KP_Next, KEY_NEXT},
    {XK_End, KEY_END},
    {XK_KP_End, KEY_END},
    {XK_Home, KEY_HOME},
    {XK_KP_Home, KEY_HOME},
    {XK_Left, KEY_LEFT},
    {XK_KP_Left, KEY_LEFT},
    {XK_Up, KEY_UP},
    {XK_KP_Up, KEY_UP},
    {XK_Right, KEY_RIGHT},
    {XK_KP_Right, KEY_RIGHT},
    {XK_Down, KEY_DOWN},
    {XK_KP_Down, KEY_DOWN},
    {XK_Select, KEY_SELECT},
    {XK_Print, KEY_SNAPSHOT},
    {XK_Execute, KEY_EXECUT},
    {XK_Insert, KEY_INSERT},
    {XK_KP_Insert, KEY_INSERT},
    {XK_Delete, KEY_DELETE},
    {XK_KP_Delete, KEY_DELETE},
    {XK_Help, KEY_HELP},
    {XK_Super_L, KEY_LWIN},
    {XK_Super_R, KEY_RWIN},
    {XK_Menu, KEY_APPS},
    {XK_KP_Multiply, KEY_MULTIPLY},
    {XK_KP_Add, KEY_ADD},
    {XK_KP_Separator, KEY_SEPARATOR},
    {XK_KP_Subtract, KEY_SUBTRACT},
    {XK_KP_Decimal, KEY_DECIMAL},
    {XK_KP_Divide, KEY_DIVIDE},
    {XK_Num_Lock, KEY_NUMLOCK},
    {XK_Scroll_Lock, KEY_SCROLL},
    {XK_Shift_L, KEY_LSHIFT},
    {XK_Shift_R, KEY_RSHIFT},
    {XK_Control_L, KEY_LCONTROL},
    {XK_Control_R, KEY_RCONTROL},
    {XK_Alt_L, KEY_LMENU},
    {XK_Alt_R, KEY_RMENU},
    {XK_Meta_L, KEY_LMENU},
    {XK_Meta_R, KEY_RMENU},
    {XK_semicolon, KEY_OEM_1},
    {XK_equal, KEY_PLUS},
    {XK_plus, KEY_PLUS},
    {XK_comma, KEY_COMMA},
    {XK_minus, KEY_MINUS},
    {XK_period, KEY_PERIOD},
    {XK_slash, KEY_OEM_2},
    {XK_grave, KEY_OEM_3},
    {XK_bracketleft, KEY_OEM_4},
    {XK_backslash, KEY_OEM_5},
    {XK_bracketright, KEY_OEM_6},
    {XK_apostrophe, KEY_OEM_7},
    {XK_less, KEY_OEM_102},
    {XK_Mode_switch, KEY_MODECHANGE},
    {XK_Kanji, KEY_KANJI},
    {XK_Zenkaku_Hankaku, KEY_KANJI},
    {XK_Henkan_Mode, KEY_CONVERT},
    {XK_Muhenkan, KEY_NONCONVERT},
    {XK_Hiragana_Katakana, KEY_KANA},
    {XK_Katakana, KEY_KANA},
    {XK_Hiragana, KEY_KANA},
};

struct SKeysymCharacter
{
    unsigned long Keysym;
    wchar_t Character;
};

const SKeysymCharacter Characters[] = {
    {XK_BackSpace, 8},     {XK_Tab, 9},         {XK_ISO_Left_Tab, 9},   {XK_Return, 13},
    {XK_KP_Enter, 13},     {XK_Escape, 27},     {XK_Delete, 127},       {XK_KP_Space, ' '},
    {XK_KP_Multiply, '*'}, {XK_KP_Add, '+'},    {XK_KP_Separator, ','}, {XK_KP_Subtract, '-'},
    {XK_KP_Decimal, '.'},  {XK_KP_Divide, '/'}, {XK_KP_Equal, '='},
};

} // namespace

bool engineKeyForKeysym(unsigned long keysym, EKEY_CODE& key)
{
    if (keysym >= XK_a && keysym <= XK_z)
        key = (EKEY_CODE)(KEY_KEY_A + (keysym - XK_a));
    else if (keysym >= XK_A && keysym <= XK_Z)
        key = (EKEY_CODE)(KEY_KEY_A + (keysym - XK_A));
    else if (keysym >= XK_0 && keysym <= XK_9)
        key = (EKEY_CODE)(KEY_KEY_0 + (keysym - XK_0));
    else if (keysym >= XK_KP_0 && keysym <= XK_KP_9)
        key = (EKEY_CODE)(KEY_NUMPAD0 + (keysym - XK_KP_0));
    else if (keysym >= XK_F1 && keysym <= XK_F24)
        key = (EKEY_CODE)(KEY_F1 + (keysym - XK_F1));
    else
    {
        for (const SKeysymMapping& m : Mappings)
        {
            if (m.Keysym == keysym)
            {
                key = m.Key;
                return true;
            }
        }
        return false;
    }
    return true;
}

wchar_t characterForKeysym(unsigned long keysym)
{
    if ((keysym >= 0x20 && keysym <= 0x7e) || (keysym >= 0xa0 && keysym <= 0xff))
        return (wchar_t)keysym;
    // Keysyms 0x01000000 + code point carry any Unicode character, outside
    // the Basic Multilingual Plane too (wchar_t is 32 bits on this platform).
    if (keysym >= 0x01000100 && keysym <= 0x0110ffff)
        return (wchar_t)(keysym - 0x01000000);
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9)
        return (wchar_t)('0' + (keysym - XK_KP_0));
    for (const SKeysymCharacter& c : Characters)
    {
        if (c.Keysym == keysym)
            return c.Character;
    }
    return 0;
}

SEvent makeKeyEvent(EKEY_CODE key, wchar_t character, bool pressedDown, unsigned int state)
{
    SEvent event = {};
    event.EventType = EET_KEY_INPUT_EVENT;
    event.KeyInput.Key = key;
    event.KeyInput.Char = character;
    event.KeyInput.PressedDown = pressedDown;
    event.KeyInput.Shift = (state & ShiftMask) != 0;
    event.KeyInput.Control = (state & ControlMask) != 0;
    return event;
}

} // end namespace x11
} // end namespace ime
} // end namespace irr
