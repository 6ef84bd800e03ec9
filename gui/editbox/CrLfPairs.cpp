#include "gui/editbox/CrLfPairs.h"

namespace irr
{
namespace gui
{

bool hasCrLfPair(const core::stringw& text)
{
    for (u32 i = 1; i < text.size(); ++i)
    {
        if (text[i] == L'\n' && text[i - 1] == L'\r')
            return true;
    }
    return false;
}

bool collapseCrLfPairs(core::stringw& text, s32* indices, u32 count)
{
    if (!hasCrLfPair(text))
        return false;
    // The LF of a pair stands at i > 0 with a CR at i - 1.
    for (u32 k = 0; k < count; ++k)
    {
        s32 removed = 0;
        for (s32 i = 1; i < indices[k] && i < (s32)text.size(); ++i)
            removed += text[i] == L'\n' && text[i - 1] == L'\r';
        indices[k] -= removed;
    }
    core::stringw kept;
    kept.reserve(text.size() + 1);
    for (u32 i = 0; i < text.size(); ++i)
    {
        if (i > 0 && text[i] == L'\n' && text[i - 1] == L'\r')
            continue;
        kept.append(text[i]);
    }
    text = kept;
    return true;
}

} // end namespace gui
} // end namespace irr
