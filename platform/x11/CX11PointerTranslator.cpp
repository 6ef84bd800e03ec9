#include "platform/x11/CX11PointerTranslator.h"

namespace irr
{
namespace ime
{
namespace x11
{
namespace
{
// What counts as one multiple click; the engine's own devices use these.
const Time MultiClickMilliseconds = 500;
const s32 MultiClickDistance = 3;

u32 buttonStates(unsigned int state)
{
    u32 states = 0;
    if (state & Button1Mask)
        states |= EMBSM_LEFT;
    if (state & Button3Mask)
        states |= EMBSM_RIGHT;
    if (state & Button2Mask)
        states |= EMBSM_MIDDLE;
    return states;
}

u32 buttonState(unsigned int button)
{
    switch (button)
    {
    case Button1:
        return EMBSM_LEFT;
    case Button2:
        return EMBSM_MIDDLE;
    case Button3:
        return EMBSM_RIGHT;
    default:
        return 0;
    }
}
} // namespace

CX11PointerTranslator::CX11PointerTranslator()
    : LastButton(0), LastClickTime(0), LastClickX(0), LastClickY(0), ClickCount(0)
{
}

u32 CX11PointerTranslator::translate(const XEvent& x, SEvent events[2])
{
    SEvent event = {};
    event.EventType = EET_MOUSE_INPUT_EVENT;

    if (x.type == MotionNotify)
    {
        event.MouseInput.Event = EMIE_MOUSE_MOVED;
        event.MouseInput.X = x.xmotion.x;
        event.MouseInput.Y = x.xmotion.y;
        event.MouseInput.Shift = (x.xmotion.state & ShiftMask) != 0;
        event.MouseInput.Control = (x.xmotion.state & ControlMask) != 0;
        event.MouseInput.ButtonStates = buttonStates(x.xmotion.state);
        events[0] = event;
        return 1;
    }

    const XButtonEvent& b = x.xbutton;
    const bool pressed = x.type == ButtonPress;
    event.MouseInput.X = b.x;
    event.MouseInput.Y = b.y;
    event.MouseInput.Shift = (b.state & ShiftMask) != 0;
    event.MouseInput.Control = (b.state & ControlMask) != 0;
    // The state X reports is the one before this event; the engine's
    // events carry the one after it.
    event.MouseInput.ButtonStates = buttonStates(b.state);
    if (pressed)
        event.MouseInput.ButtonStates |= buttonState(b.button);
    else
        event.MouseInput.ButtonStates &= ~buttonState(b.button);

    switch (b.button)
    {
    case Button1:
        event.MouseInput.Event = pressed ? EMIE_LMOUSE_PRESSED_DOWN : EMIE_LMOUSE_LEFT_UP;
        break;
    case Button2:
        event.MouseInput.Event = pressed ? EMIE_MMOUSE_PRESSED_DOWN : EMIE_MMOUSE_LEFT_UP;
        break;
    case Button3:
        event.MouseInput.Event = pressed ? EMIE_RMOUSE_PRESSED_DOWN : EMIE_RMOUSE_LEFT_UP;
        break;
    case Button4:
    case Button5:
        // A wheel notch arrives as a press and a release; one event is the notch.
        if (!pressed)
            return 0;
        event.MouseInput.Event = EMIE_MOUSE_WHEEL;
        event.MouseInput.Wheel = b.button == Button4 ? 1.f : -1.f;
        break;
    default:
        return 0;
    }
    events[0] = event;
    if (pressed && b.button <= Button3 && countClick(event, b.button, b.time))
    {
        events[1] = event;
        return 2;
    }
    return 1;
}

bool CX11PointerTranslator::countClick(SEvent& event, unsigned int button, Time time)
{
    const s32 dx = event.MouseInput.X - LastClickX;
    const s32 dy = event.MouseInput.Y - LastClickY;
    if (ClickCount > 0 && button == LastButton && time - LastClickTime <= MultiClickMilliseconds &&
        dx <= MultiClickDistance && dx >= -MultiClickDistance && dy <= MultiClickDistance &&
        dy >= -MultiClickDistance && ClickCount < 3)
        ++ClickCount;
    else
        ClickCount = 1;
    LastButton = button;
    LastClickTime = time;
    LastClickX = event.MouseInput.X;
    LastClickY = event.MouseInput.Y;

    if (ClickCount < 2)
        return false;
    // The double- and triple-click codes follow the press codes in the same
    // button order (left, right, middle).
    const u32 first = ClickCount == 2 ? EMIE_LMOUSE_DOUBLE_CLICK : EMIE_LMOUSE_TRIPLE_CLICK;
    event.MouseInput.Event =
        (EMOUSE_INPUT_EVENT)(first + (event.MouseInput.Event - EMIE_LMOUSE_PRESSED_DOWN));
    return true;
}

} // end namespace x11
} // end namespace ime
} // end namespace irr
