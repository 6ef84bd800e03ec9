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

} // end namespace x11
} // end namespace ime
} // end namespace irr

#endif
