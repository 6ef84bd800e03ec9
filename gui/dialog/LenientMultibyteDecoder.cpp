#include "gui/dialog/LenientMultibyteDecoder.h"

#include <cstring>
#include <cwchar>

namespace irr
{
namespace gui
{

namespace
{
const wchar_t ReplacementCharacter = 0xFFFD;
}

core::stringw decodeMultibyteLeniently(const c8* text, u32 length)
{
    core::stringw decoded;
    if (!text)
        return decoded;
    decoded.reserve(length + 1);

    mbstate_t state;
    memset(&state, 0, sizeof(state));
    u32 pos = 0;
    while (pos < length)
    {
        wchar_t character = 0;
        const size_t used = mbrtowc(&character, text + pos, length - pos, &state);
        if (used == (size_t)-1 || used == (size_t)-2)
        {
            // Invalid or cut short: show the byte and resynchronise on the
            // next one, which may well start a valid character.
            decoded.append(ReplacementCharacter);
            memset(&state, 0, sizeof(state));
            ++pos;
        }
        else if (used == 0)
        {
            break;
        }
        else
        {
            decoded.append(character);
            pos += (u32)used;
        }
    }
    return decoded;
}

} // end namespace gui
} // end namespace irr
