#include "harness/EditBoxSoundness.h"

using namespace irr;

namespace harness
{
namespace
{
bool within(s32 index, s32 size)
{
    return index >= 0 && index <= size;
}

const char* findLineFault(const SEditBoxState& state)
{
    const core::stringw& text = *state.Text;
    const core::array<core::stringw>& lines = *state.Lines;
    const core::array<s32>& starts = *state.LineStarts;
    if (lines.size() == 0)
        return "line layout without lines";
    if (starts[0] != 0)
        return "the first line does not start the text";
    for (u32 i = 0; i < lines.size(); ++i)
    {
        const s32 start = starts[i];
        if (i > 0 && start < starts[i - 1])
            return "line starts go backwards";
        if (start < 0 || start + (s32)lines[i].size() > (s32)text.size())
            return "a line reaches past the text";
        for (u32 k = 0; k < lines[i].size(); ++k)
        {
            wchar_t c = text[start + k];
            if (c == L'\r' || c == L'\n')
                c = L' ';
            if (lines[i][k] != c)
                return "a line is not the text it starts at";
        }
    }
    return 0;
}
} // namespace

const char* findEditBoxFault(const SEditBoxState& state)
{
    const s32 size = (s32)state.Text->size();
    if (!within(state.CursorPos, size))
        return "cursor outside the text";
    if (!within(state.SelectionStart, size))
        return "selection start outside the text";
    if (!within(state.SelectionEnd, size))
        return "selection end outside the text";
    if (state.Lines->size() != state.LineStarts->size())
        return "line texts and line starts differ in number";
    return state.LineLayout ? findLineFault(state) : 0;
}

} // namespace harness
