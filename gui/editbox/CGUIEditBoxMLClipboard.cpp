#include "gui/editbox/CGUIEditBoxML.h"

#include "gui/editbox/CrLfPairs.h"

#include "text/UserLocaleText.h"

#include <string>

namespace irr
{
namespace gui
{

// A password never reaches the clipboard, and neither does text the user's
// locale cannot express: the clipboard then keeps what it had.
bool CGUIEditBoxML::copySelection()
{
    if (PasswordBox || !ClipboardOperator || SelectionStart == SelectionEnd)
        return false;
    const s32 begin = core::min_(SelectionStart, SelectionEnd);
    const s32 end = core::max_(SelectionStart, SelectionEnd);
    std::string bytes;
    if (!ime::wideToUserLocale(Text.subString((u32)begin, end - begin), bytes))
        return false;
    ClipboardOperator->copyToClipboard(bytes.c_str());
    return true;
}

// Clipboard bytes that are not valid in the user's locale paste nothing;
// like a paste that would pass MaxChars, the selection still goes.
void CGUIEditBoxML::paste()
{
    const c8* clipboard = ClipboardOperator->getTextFromClipboard();
    core::stringw pasted;
    if (clipboard && ime::userLocaleToWide(clipboard, pasted))
    {
        const bool selection = SelectionStart != SelectionEnd;
        const s32 from = selection ? core::min_(SelectionStart, SelectionEnd) : CursorPos;
        const s32 to = selection ? core::max_(SelectionStart, SelectionEnd) : CursorPos;
        const s32 kept = (s32)Text.size() - (to - from);
        // The limit weighs the text as it came; the pairs collapse after.
        if (MaxChars == 0 || (u32)kept + pasted.size() <= MaxChars)
        {
            // A single-line box keeps the pairs until it breaks lines. Only
            // pairs within the pasted text collapse: a CR LF that forms
            // where it meets the text is two breaks, as when typed.
            const bool deferPairs = !hasLineLayout() && hasCrLfPair(pasted);
            if (hasLineLayout())
                collapseCrLfPairs(pasted);
            core::stringw candidate(Text.subString(0, from));
            candidate.append(pasted);
            candidate.append(Text.subString((u32)to, (s32)Text.size() - to));
            Text = candidate;
            CursorPos = from + (s32)pasted.size();
            CollapsePairsPending = CollapsePairsPending || deferPairs;
        }
    }
    SelectionStart = SelectionEnd = 0;
}

} // end namespace gui
} // end namespace irr
