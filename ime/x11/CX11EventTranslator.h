#ifndef IME_X11_C_X11_EVENT_TRANSLATOR_H_INCLUDED
#define IME_X11_C_X11_EVENT_TRANSLATOR_H_INCLUDED

#include <irrlicht.h>

#include <X11/Xlib.h>

namespace irr
{
namespace ime
{
namespace x11
{

//! Turns the window's pointer and key events into the engine's events and
//! posts them to the device, as the engine's own window would have done.
class CX11EventTranslator
{
public:
    CX11EventTranslator();

    //! ButtonPress, ButtonRelease and MotionNotify. A press of the same
    //! button close in time and place to the one before also posts a double
    //! or triple click. Buttons 4 and 5 are the wheel.
    void postPointerEvent(IrrlichtDevice* device, const XEvent& event);

    //! A key with an engine key code; state is the X modifier state of the
    //! event, from which Shift and Control are taken.
    void postKeyEvent(IrrlichtDevice* device, EKEY_CODE key, wchar_t character, bool pressedDown,
                      unsigned int state);

private:
    void postClicks(IrrlichtDevice* device, SEvent event, unsigned int button, Time time);

    unsigned int LastButton;
    Time LastClickTime;
    s32 LastClickX;
    s32 LastClickY;
    u32 ClickCount;
};

} // end namespace x11
} // end namespace ime
} // end namespace irr

#endif
