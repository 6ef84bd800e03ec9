#ifndef PLATFORM_X11_C_X11_POINTER_TRANSLATOR_H_INCLUDED
#define PLATFORM_X11_C_X11_POINTER_TRANSLATOR_H_INCLUDED

#include <irrlicht.h>

#include <X11/Xlib.h>

namespace irr
{
namespace ime
{
namespace x11
{

//! Turns the window's pointer events into the engine's mouse events, as the
//! engine's own window would have made them; it posts nothing itself.
class CX11PointerTranslator
{
public:
    CX11PointerTranslator();

    //! ButtonPress, ButtonRelease and MotionNotify; buttons 4 and 5 are the
    //! wheel. Returns how many engine events the X event means, 0 to 2, in
    //! events: a press of the same button close in time and place to the
    //! one before is followed by a double or triple click.
    u32 translate(const XEvent& event, SEvent events[2]);

private:
    //! Counts the press; true, with event made the multiple click, when it is one.
    bool countClick(SEvent& event, unsigned int button, Time time);

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
