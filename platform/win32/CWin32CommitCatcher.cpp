#include "platform/win32/CWin32CommitCatcher.h"

#include "platform/win32/CWin32Composition.h"

#include <imm.h>

#include <vector>

namespace irr
{
namespace ime
{
namespace win32
{
namespace
{

// Every engine window has the same procedure (its class's), so one saved
// pointer serves all of them.
WNDPROC EngineProcedure = 0;
// Commits and changes of the composition in the order they came, so that
// a box sees a syllable committed and the next one begun as they were.
struct SPendingEntry
{
    bool IsComposition;
    core::stringc Result;
};
core::array<SPendingEntry> Pending;

// What a message says about the committed text; the rest (the composition
// still being typed) is the engine's business.
const LPARAM ResultFlags =
    GCS_RESULTSTR | GCS_RESULTCLAUSE | GCS_RESULTREADSTR | GCS_RESULTREADCLAUSE;

LRESULT callEngine(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsWindowUnicode(window))
        return CallWindowProcW(EngineProcedure, window, message, wParam, lParam);
    return CallWindowProcA(EngineProcedure, window, message, wParam, lParam);
}

} // namespace

bool CWin32CommitCatcher::install(HWND window)
{
    if (!window || GetWindowThreadProcessId(window, 0) != GetCurrentThreadId())
        return false;

    // The A and W forms must match the window, or the system would convert
    // every text message on its way through the wrapper.
    const bool unicode = IsWindowUnicode(window) != FALSE;
    const LONG_PTR current =
        unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC) : GetWindowLongPtrA(window, GWLP_WNDPROC);
    const LONG_PTR ours = (LONG_PTR)&CWin32CommitCatcher::windowProcedure;
    if (current == ours)
        return true;
    EngineProcedure = (WNDPROC)current;
    if (unicode)
        SetWindowLongPtrW(window, GWLP_WNDPROC, ours);
    else
        SetWindowLongPtrA(window, GWLP_WNDPROC, ours);
    return true;
}

bool CWin32CommitCatcher::hasPending()
{
    return !Pending.empty();
}

bool CWin32CommitCatcher::takePending(core::stringc& result)
{
    if (Pending.empty())
        return false;
    const bool isResult = !Pending[0].IsComposition;
    if (isResult)
        result = Pending[0].Result;
    Pending.erase(0);
    return isResult;
}

bool CWin32CommitCatcher::isCompositionChangePending()
{
    return !Pending.empty() && Pending[0].IsComposition;
}

void CWin32CommitCatcher::queueCompositionChange()
{
    SPendingEntry entry;
    entry.IsComposition = true;
    Pending.push_back(entry);
}

void CWin32CommitCatcher::clear()
{
    Pending.clear();
}

LRESULT CALLBACK CWin32CommitCatcher::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                                      LPARAM lParam)
{
    if (message == WM_IME_COMPOSITION && (lParam & GCS_RESULTSTR))
    {
        catchResult();
        // A message that was only the result has been handled in full.
        lParam &= ~ResultFlags;
        if (!lParam && !CWin32Composition::isInline())
            return 0;
    }
    // The box draws the composition: the system's composition window
    // neither opens nor shows it, and the message's composition part ends here.
    if (CWin32Composition::isInline())
    {
        switch (message)
        {
        case WM_IME_SETCONTEXT:
            lParam &= ~(LPARAM)ISC_SHOWUICOMPOSITIONWINDOW;
            break;
        case WM_IME_STARTCOMPOSITION:
            return 0;
        case WM_IME_COMPOSITION:
            if (CWin32Composition::read(lParam))
                queueCompositionChange();
            lParam &= ~CWin32Composition::CompositionFlags;
            if (!lParam)
                return 0;
            break;
        case WM_IME_ENDCOMPOSITION:
            if (CWin32Composition::clear())
                queueCompositionChange();
            break;
        default:
            break;
        }
    }
    return callEngine(window, message, wParam, lParam);
}

void CWin32CommitCatcher::catchResult()
{
    // One use of the input context: the focus window's, taken, read twice
    // (length, then text) and released.
    HWND focus = GetFocus();
    HIMC context = ImmGetContext(focus);
    const LONG length = ImmGetCompositionStringA(context, GCS_RESULTSTR, 0, 0);
    if (length > 0)
    {
        std::vector<c8> bytes((size_t)length);
        const LONG read =
            ImmGetCompositionStringA(context, GCS_RESULTSTR, bytes.data(), (DWORD)length);
        if (read > 0)
        {
            SPendingEntry entry;
            entry.IsComposition = false;
            entry.Result = core::stringc(bytes.data(), (u32)(read < length ? read : length));
            Pending.push_back(entry);
        }
    }
    ImmReleaseContext(focus, context);
}

} // end namespace win32
} // end namespace ime
} // end namespace irr
