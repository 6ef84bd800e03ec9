#ifndef PLATFORM_WIN32_C_WIN32_COMPOSITION_H_INCLUDED
#define PLATFORM_WIN32_C_WIN32_COMPOSITION_H_INCLUDED

#include "platform/InputMethodPlatform.h"

#include <irrlicht.h>

#include <windows.h>
#include <imm.h>

namespace irr
{
namespace ime
{
namespace win32
{

//! The composition a box draws itself (inline composition), read at the
//! engine's window as WM_IME_COMPOSITION tells of its changes.
class CWin32Composition
{
public:
    //! The parts of WM_IME_COMPOSITION's lParam that describe the
    //! composition rather than the result.
    static const LPARAM CompositionFlags =
        GCS_COMPSTR | GCS_COMPATTR | GCS_COMPCLAUSE | GCS_CURSORPOS | GCS_COMPREADSTR |
        GCS_COMPREADATTR | GCS_COMPREADCLAUSE | GCS_DELTASTART | CS_INSERTCHAR | CS_NOMOVECARET;

    //! Whether the focused box draws the composition.
    static bool isInline();
    //! Switching off forgets the composition.
    static void setInline(bool wanted);

    //! Reads the composition of the focus window's input context: text,
    //! attributes, clauses and caret, with one use of the context. Returns
    //! whether the composition changed.
    static bool read(LPARAM flags);
    //! Forgets the composition; returns whether there was one.
    static bool clear();

    static const SComposition& get();
};

} // end namespace win32
} // end namespace ime
} // end namespace irr

#endif
