#include "text/UserLocaleText.h"

#include <climits>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <vector>

namespace irr
{
namespace ime
{
namespace
{

const size_t ConversionFailed = (size_t)-1;
const size_t Incomplete = (size_t)-2;
const wchar_t ReplacementCharacter = 0xFFFD;

void appendUtf8(std::string& out, unsigned long c)
{
    if (c < 0x80)
    {
        out += (char)c;
    }
    else if (c < 0x800)
    {
        out += (char)(0xC0 | (c >> 6));
        out += (char)(0x80 | (c & 0x3F));
    }
    else if (c < 0x10000)
    {
        out += (char)(0xE0 | (c >> 12));
        out += (char)(0x80 | ((c >> 6) & 0x3F));
        out += (char)(0x80 | (c & 0x3F));
    }
    else
    {
        out += (char)(0xF0 | (c >> 18));
        out += (char)(0x80 | ((c >> 12) & 0x3F));
        out += (char)(0x80 | ((c >> 6) & 0x3F));
        out += (char)(0x80 | (c & 0x3F));
    }
}

//! The lead byte's payload bits, how many continuation bytes follow and the
//! smallest code point that needs them; false for a byte no character starts with.
bool readUtf8Lead(unsigned char lead, unsigned long& c, size_t& extra, unsigned long& minimum)
{
    if ((lead & 0xE0) == 0xC0)
    {
        extra = 1;
        minimum = 0x80;
        c = lead & 0x1F;
    }
    else if ((lead & 0xF0) == 0xE0)
    {
        extra = 2;
        minimum = 0x800;
        c = lead & 0x0F;
    }
    else if ((lead & 0xF8) == 0xF0)
    {
        extra = 3;
        minimum = 0x10000;
        c = lead & 0x07;
    }
    else
    {
        return false;
    }
    return true;
}

//! One character from UTF-8 at at; false for anything malformed, overlong,
//! a surrogate or beyond U+10FFFF.
bool readUtf8(const std::string& in, size_t& at, unsigned long& c)
{
    const unsigned char lead = (unsigned char)in[at];
    if (lead < 0x80)
    {
        c = lead;
        ++at;
        return true;
    }
    size_t extra = 0;
    unsigned long minimum = 0;
    if (!readUtf8Lead(lead, c, extra, minimum) || at + extra >= in.size())
        return false;
    for (size_t i = 1; i <= extra; ++i)
    {
        const unsigned char next = (unsigned char)in[at + i];
        if ((next & 0xC0) != 0x80)
            return false;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return false;
    at += extra + 1;
    return true;
}

bool canWriteInCurrentLocale(wchar_t c)
{
    char buffer[MB_LEN_MAX];
    mbstate_t state = {};
    return wcrtomb(buffer, c, &state) != ConversionFailed;
}

//! The first of U+FFFD and U+3013 that the current locale can write, else '?'.
wchar_t replacementMark()
{
    const wchar_t candidates[] = {0xFFFD, 0x3013};
    for (wchar_t c : candidates)
        if (canWriteInCurrentLocale(c))
            return c;
    return L'?';
}

bool isAscii(const std::string& text)
{
    for (char c : text)
        if ((unsigned char)c >= 0x80)
            return false;
    return true;
}

} // namespace

bool userLocaleToWide(const c8* text, core::stringw& wide)
{
    const size_t bytes = strlen(text);
    std::vector<wchar_t> buffer(bytes + 1, 0);
    size_t count;
    {
        CUserLocaleScope userLocale;
        count = mbstowcs(buffer.data(), text, bytes);
    }
    if (count == ConversionFailed)
        return false;
    buffer[count] = 0;
    wide = buffer.data();
    return true;
}

#ifndef _WIN32
bool userLocaleToWideOnThisThread(const c8* text, core::stringw& wide)
{
    // The environment's locale, as CUserLocaleScope sets it; made once.
    static const locale_t user = newlocale(LC_ALL_MASK, "", (locale_t)0);
    if (!user)
        return false;
    const size_t bytes = strlen(text);
    std::vector<wchar_t> buffer(bytes + 1, 0);
    const locale_t previous = uselocale(user);
    const size_t count = mbstowcs(buffer.data(), text, bytes);
    uselocale(previous);
    if (count == ConversionFailed)
        return false;
    buffer[count] = 0;
    wide = buffer.data();
    return true;
}
#endif

bool wideToUserLocale(const core::stringw& text, std::string& bytes)
{
    CUserLocaleScope userLocale;
    const size_t length = wcstombs(0, text.c_str(), 0);
    if (length == ConversionFailed)
        return false;
    // Room for one character more than measured: given exactly the measured
    // length, the C library stops one character short when the text holds
    // characters it writes as nothing (U+E0000 to U+E007F in EUC-JP and
    // Shift_JIS), and the copy would silently lose its last character.
    const size_t room = length + MB_CUR_MAX;
    std::string out(room + 1, '\0');
    const size_t written = wcstombs(&out[0], text.c_str(), room);
    if (written != length)
        return false;
    out.resize(written);
    bytes.swap(out);
    return true;
}

core::stringw decodeMultibyteLeniently(const c8* text, u32 length)
{
    core::stringw decoded;
    if (!text)
        return decoded;
    decoded.reserve(length + 1);

    mbstate_t state = {};
    u32 pos = 0;
    while (pos < length)
    {
        wchar_t character = 0;
        const size_t used = mbrtowc(&character, text + pos, length - pos, &state);
        if (used == ConversionFailed || used == Incomplete)
        {
            // Invalid or cut short: show the byte and resynchronise on the
            // next one, which may well start a valid character.
            decoded.append(ReplacementCharacter);
            state = mbstate_t();
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

bool userLocaleToUtf8(const std::string& localeBytes, std::string& utf8)
{
    utf8.clear();
    CUserLocaleScope userLocale;
    mbstate_t state = {};
    for (size_t at = 0; at < localeBytes.size();)
    {
        wchar_t c = 0;
        const size_t used = mbrtowc(&c, localeBytes.data() + at, localeBytes.size() - at, &state);
        if (used == ConversionFailed || used == Incomplete)
            return false;
        appendUtf8(utf8, (unsigned long)c);
        at += used ? used : 1;
    }
    return true;
}

bool utf8ToUserLocale(const std::string& utf8, std::string& localeBytes)
{
    localeBytes.clear();
    CUserLocaleScope userLocale;
    mbstate_t state = {};
    char buffer[MB_LEN_MAX];
    for (size_t at = 0; at < utf8.size();)
    {
        unsigned long c = 0;
        if (!readUtf8(utf8, at, c))
            return false;
        const size_t length = wcrtomb(buffer, (wchar_t)c, &state);
        if (length == ConversionFailed)
            return false;
        localeBytes.append(buffer, length);
    }
    return true;
}

u32 utf8ToWideForUserLocale(const std::string& utf8, core::stringw& wide)
{
    // A zero byte would end the text for the engine anyway.
    const std::string text = utf8.substr(0, utf8.find('\0'));
    wide = "";
    wide.reserve((u32)text.size() + 1);
    // What a key types is ASCII nearly always, and ASCII is the same in every
    // locale the demo meets: no locale switch for it.
    if (isAscii(text))
    {
        for (char c : text)
            wide.append((wchar_t)c);
        return 0;
    }
    CUserLocaleScope userLocale;
    const wchar_t mark = replacementMark();
    u32 marks = 0;
    for (size_t at = 0; at < text.size();)
    {
        unsigned long c = 0;
        const bool read = readUtf8(text, at, c);
        if (!read)
            ++at;
        if (read && canWriteInCurrentLocale((wchar_t)c))
        {
            wide.append((wchar_t)c);
            continue;
        }
        wide.append(mark);
        ++marks;
    }
    return marks;
}

bool utf8ToUserLocaleReplacing(const std::string& utf8, std::string& localeBytes)
{
    unsigned long c = 0;
    for (size_t at = 0; at < utf8.size();)
        if (!readUtf8(utf8, at, c))
            return false;
    core::stringw wide;
    utf8ToWideForUserLocale(utf8, wide);
    return wideToUserLocale(wide, localeBytes);
}

bool userLocaleCanWrite(wchar_t character)
{
    CUserLocaleScope userLocale;
    return canWriteInCurrentLocale(character);
}

} // end namespace ime
} // end namespace irr
