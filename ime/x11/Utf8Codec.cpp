#include "ime/x11/Utf8Codec.h"

#include "ime/CUserLocaleScope.h"

#include <climits>
#include <cwchar>

namespace irr
{
namespace ime
{
namespace x11
{
namespace
{

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

//! One character from UTF-8 at at; false for anything malformed, overlong,
//! a surrogate or beyond U+10FFFF.
bool readUtf8(const std::string& in, size_t& at, unsigned long& c)
{
    const unsigned char lead = (unsigned char)in[at];
    size_t extra;
    unsigned long minimum;
    if (lead < 0x80)
    {
        c = lead;
        ++at;
        return true;
    }
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
    if (at + extra >= in.size())
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

//! The first of U+FFFD, U+3013 and '?' that the current locale can write.
std::string replacementMark()
{
    const wchar_t candidates[] = {0xFFFD, 0x3013};
    char buffer[MB_LEN_MAX];
    for (wchar_t c : candidates)
    {
        mbstate_t state = {};
        const size_t length = wcrtomb(buffer, c, &state);
        if (length != (size_t)-1)
            return std::string(buffer, length);
    }
    return "?";
}

bool isAscii(const std::string& text)
{
    for (char c : text)
        if ((unsigned char)c >= 0x80)
            return false;
    return true;
}

} // namespace

bool localeToUtf8(const std::string& localeBytes, std::string& utf8)
{
    utf8.clear();
    CUserLocaleScope userLocale;
    mbstate_t state = {};
    for (size_t at = 0; at < localeBytes.size();)
    {
        wchar_t c = 0;
        const size_t used = mbrtowc(&c, localeBytes.data() + at, localeBytes.size() - at, &state);
        if (used == (size_t)-1 || used == (size_t)-2)
            return false;
        appendUtf8(utf8, (unsigned long)c);
        at += used ? used : 1;
    }
    return true;
}

bool utf8ToLocale(const std::string& utf8, std::string& localeBytes)
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
        if (length == (size_t)-1)
            return false;
        localeBytes.append(buffer, length);
    }
    return true;
}

size_t utf8ToLocaleReplacing(const std::string& utf8, std::string& localeBytes)
{
    // What a key types is ASCII nearly always, and ASCII is the same in every
    // locale the demo meets: no locale switch for it.
    if (isAscii(utf8))
    {
        localeBytes = utf8;
        return 0;
    }
    localeBytes.clear();
    CUserLocaleScope userLocale;
    const std::string mark = replacementMark();
    size_t marks = 0;
    mbstate_t state = {};
    char buffer[MB_LEN_MAX];
    for (size_t at = 0; at < utf8.size();)
    {
        unsigned long c = 0;
        size_t length = (size_t)-1;
        if (readUtf8(utf8, at, c))
            length = wcrtomb(buffer, (wchar_t)c, &state);
        else
            ++at;
        if (length == (size_t)-1)
        {
            // A failed conversion leaves the shift state undefined.
            state = mbstate_t();
            localeBytes += mark;
            ++marks;
        }
        else
        {
            localeBytes.append(buffer, length);
        }
    }
    return marks;
}

} // end namespace x11
} // end namespace ime
} // end namespace irr
