#ifndef TESTS_HARNESS_X11_BACKEND_PROBE_H_INCLUDED
#define TESTS_HARNESS_X11_BACKEND_PROBE_H_INCLUDED

#include <irrlicht.h>

// Looks into the X11 platform layer and drives it from outside, for tests
// and fuzzers; the program itself has none of this.

namespace testsupport
{
namespace x11
{

//! Queues a string as if the input method had just committed it: multibyte
//! text in the user's locale. The pump picks it up in its next run.
void queueCommittedString(const irr::c8* bytes, irr::u32 length);

//! Makes text the composition the platform gives, as a server of the
//! callbacks style would, with one mark (irr::ime::E_COMPOSITION_MARK) per
//! character (all ECM_INPUT for null), and queues the message saying so.
void queueComposition(const wchar_t* text, const irr::u8* marks, irr::s32 caret);

//! What the edit boxes last asked of setInlineComposition; false before.
bool getInlineCompositionWish();

//! Queues a request to end the program behind whatever is already queued.
void queueQuitRequest();

//! The last point given to setCompositionWindowPos, in window coordinates.
//! False while none was given since the program started.
bool getCompositionWindowPos(irr::s32& x, irr::s32& y);

//! How often closeInputMethod was called since the program started.
irr::u32 getInputMethodCloseCount();

//! The X window of the device made by createDevice while that device lives;
//! 0 otherwise.
unsigned long getDeviceWindowId();

//! Whether an input context of the user's input method is open on that window.
bool hasInputContext();

//! Whether a key is with the input-method server and later events wait
//! for its answer.
bool isWaitingForInputMethod();

//! The spot location the input context holds, read back from it. False
//! without an input context. (IBus 1.5.27's XIM server dies of this query.)
bool getInputContextSpotLocation(irr::s32& x, irr::s32& y);

//! The input style the server reports for the window's context
//! (XIMPreeditPosition etc.). False when it does not answer, as fcitx5 does
//! not; IBus answers 0 whatever the style.
bool getInputContextStyle(unsigned long& style);

} // namespace x11
} // namespace testsupport

#endif
