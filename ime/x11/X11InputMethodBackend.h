#ifndef IME_X11_INPUT_METHOD_BACKEND_H_INCLUDED
#define IME_X11_INPUT_METHOD_BACKEND_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace ime
{
namespace x11
{

//! Queues a string as if the input method had just committed it: multibyte
//! text in the user's locale. The pump picks it up in its next run.
void queueCommittedString(const c8* bytes, u32 length);

//! Queues a request to end the program behind whatever is already queued.
void queueQuitRequest();

//! The last point given to setCompositionWindowPos, in window coordinates.
//! False while none was given.
bool getCompositionWindowPos(s32& x, s32& y);

//! How often closeInputMethod was called since the program started.
u32 getInputMethodCloseCount();

//! The X window of the device made by createDevice while that device lives;
//! 0 otherwise.
unsigned long getDeviceWindowId();

//! Whether an input context of the user's input method is open on that window.
bool hasInputContext();

//! The spot location the input context holds, read back from it. False
//! without an input context. (IBus 1.5.27's XIM server dies of this query.)
bool getInputContextSpotLocation(s32& x, s32& y);

//! For tests: the input style the server reports for the window's context
//! (XIMPreeditPosition etc.). False when it does not answer, as fcitx5 does
//! not; IBus answers 0 whatever the style.
bool getInputContextStyle(unsigned long& style);

} // end namespace x11
} // end namespace ime
} // end namespace irr

#endif
