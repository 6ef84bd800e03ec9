#ifndef PLATFORM_WIN32_C_WIN32_COMMIT_CATCHER_H_INCLUDED
#define PLATFORM_WIN32_C_WIN32_COMMIT_CATCHER_H_INCLUDED

#include <irrlicht.h>

#include <windows.h>

namespace irr
{
namespace ime
{
namespace win32
{

//! Takes the strings the input method commits at the engine's window itself.
//!
//! The system may send WM_IME_COMPOSITION straight to the window procedure
//! instead of posting it (Wine always does), and then the message loop never
//! sees it; the engine's procedure hands it to the default one, which turns
//! the result into WM_IME_CHAR and one WM_CHAR per byte, and the engine
//! ignores both. So the window procedure is wrapped: a message carrying a
//! result has its string read there, once, and queued for the pump; the
//! result part of the message goes no further, so that no character can
//! arrive a second time as bytes. Everything else reaches the engine as
//! before. Sent or posted, a commit is caught in exactly one place.
class CWin32CommitCatcher
{
public:
    //! Wraps the window's procedure; once per window. False when the window
    //! is not one of this thread's.
    static bool install(HWND window);

    //! Whether a caught string, or a change of the composition, waits for
    //! the pump.
    static bool hasPending();
    //! Takes the oldest of them: true for a string, moved into result as
    //! multibyte text in the user's code page, as the input method gave it;
    //! false for a change of the composition (or nothing), which
    //! CWin32Composition holds.
    static bool takePending(core::stringc& result);
    //! Whether the oldest waiting entry is a change of the composition.
    static bool isCompositionChangePending();
    //! Forgets every caught string (a new device starts clean).
    static void clear();

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    static void catchResult();
    static void queueCompositionChange();
};

} // end namespace win32
} // end namespace ime
} // end namespace irr

#endif
