#ifndef IME_X11_UTF8_CODEC_H_INCLUDED
#define IME_X11_UTF8_CODEC_H_INCLUDED

#include <string>

namespace irr
{
namespace ime
{
namespace x11
{

//! Text between the user's locale and UTF-8, the encoding other X clients
//! exchange through UTF8_STRING. Both fail (return false) on bytes the
//! source encoding does not allow or characters the target cannot express.
bool localeToUtf8(const std::string& localeBytes, std::string& utf8);
bool utf8ToLocale(const std::string& utf8, std::string& localeBytes);

//! UTF-8 to the user's locale for text that must not be lost as a whole for
//! one character: each character the locale cannot express, and each byte
//! that is not UTF-8, becomes the locale's replacement mark (U+FFFD where the
//! locale has it, else the geta mark U+3013, else '?'). Returns how many
//! marks were put in.
size_t utf8ToLocaleReplacing(const std::string& utf8, std::string& localeBytes);

} // end namespace x11
} // end namespace ime
} // end namespace irr

#endif
