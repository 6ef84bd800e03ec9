#ifndef GUI_DIALOG_LENIENT_MULTIBYTE_DECODER_H_INCLUDED
#define GUI_DIALOG_LENIENT_MULTIBYTE_DECODER_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace gui
{

//! Decodes multibyte text in the process's current locale.
/** Unlike mbstowcs it never gives up: each byte that does not start a valid
character becomes U+FFFD and decoding goes on after it, so a name written
in another encoding is still shown, with its readable parts intact.
\param text: The bytes; null gives an empty result.
\param length: Number of bytes to decode; a zero byte ends decoding early.
\return The decoded text. */
core::stringw decodeMultibyteLeniently(const c8* text, u32 length);

} // end namespace gui
} // end namespace irr

#endif
