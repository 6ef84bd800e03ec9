#include "platform/win32/CWin32Composition.h"

#include <cstring>

namespace irr
{
namespace ime
{
namespace win32
{
namespace
{
bool Inline = false;
SComposition Composition;

// The clause being converted: inverted once converted, as Windows' own
// controls show it, and thick-underlined while not yet converted.
u8 markOf(BYTE attribute)
{
    switch (attribute)
    {
    case ATTR_TARGET_CONVERTED:
        return ECM_TARGET_INVERTED;
    case ATTR_TARGET_NOTCONVERTED:
        return ECM_TARGET_UNDERLINED;
    default:
        return ECM_INPUT;
    }
}

// The bytes of one composition part, or none when the context has none.
core::array<BYTE> readPart(HIMC context, DWORD part)
{
    core::array<BYTE> bytes;
    const LONG length = ImmGetCompositionStringW(context, part, 0, 0);
    if (length <= 0)
        return bytes;
    bytes.set_used((u32)length);
    const LONG read = ImmGetCompositionStringW(context, part, bytes.pointer(), (DWORD)length);
    bytes.set_used(read > 0 ? (u32)(read < length ? read : length) : 0);
    return bytes;
}

// Without attributes, a clause the caret stands in is still the one the
// candidate window belongs to: its characters are marked as the target.
void markCaretClause(const core::array<BYTE>& clauses, SComposition& composition)
{
    const u32 count = clauses.size() / sizeof(DWORD);
    const DWORD* starts = (const DWORD*)clauses.const_pointer();
    for (u32 i = 0; i + 1 < count; ++i)
    {
        const s32 begin = (s32)starts[i];
        const s32 end = core::min_((s32)starts[i + 1], (s32)composition.Marks.size());
        if (composition.Caret < begin || composition.Caret >= end || count <= 2)
            continue;
        for (s32 c = begin; c < end; ++c)
            composition.Marks[c] = ECM_TARGET_UNDERLINED;
        return;
    }
}
} // namespace

bool CWin32Composition::isInline()
{
    return Inline;
}

void CWin32Composition::setInline(bool wanted)
{
    Inline = wanted;
    if (!wanted)
        clear();
}

bool CWin32Composition::read(LPARAM)
{
    HWND focus = GetFocus();
    HIMC context = ImmGetContext(focus);
    const core::array<BYTE> text = readPart(context, GCS_COMPSTR);
    const core::array<BYTE> attributes = readPart(context, GCS_COMPATTR);
    const core::array<BYTE> clauses = readPart(context, GCS_COMPCLAUSE);
    const LONG caret = ImmGetCompositionStringW(context, GCS_CURSORPOS, 0, 0);
    ImmReleaseContext(focus, context);

    SComposition now;
    now.Caret = 0;
    const u32 count = text.size() / sizeof(WCHAR);
    now.Text = core::stringw((const wchar_t*)text.const_pointer(), count);
    bool anyTarget = false;
    for (u32 i = 0; i < count; ++i)
    {
        const u8 mark = i < attributes.size() ? markOf(attributes[i]) : (u8)ECM_INPUT;
        anyTarget |= mark != ECM_INPUT;
        now.Marks.push_back(mark);
    }
    now.Caret = core::clamp((s32)caret, 0, (s32)count);
    if (!anyTarget)
        markCaretClause(clauses, now);

    const bool changed =
        now.Text != Composition.Text || now.Caret != Composition.Caret ||
        now.Marks.size() != Composition.Marks.size() ||
        (count && memcmp(now.Marks.const_pointer(), Composition.Marks.const_pointer(), count) != 0);
    Composition = now;
    return changed;
}

bool CWin32Composition::clear()
{
    const bool had = !Composition.Text.empty();
    Composition.Text = L"";
    Composition.Marks.clear();
    Composition.Caret = 0;
    return had;
}

const SComposition& CWin32Composition::get()
{
    return Composition;
}

} // end namespace win32
} // end namespace ime
} // end namespace irr
