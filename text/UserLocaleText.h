#ifndef TEXT_USER_LOCALE_TEXT_H_INCLUDED
#define TEXT_USER_LOCALE_TEXT_H_INCLUDED

#include "text/CUserLocaleScope.h"

#include <irrlicht.h>

#include <string>

namespace irr
{
namespace ime
{

// Every conversion between the program's wide text and the multibyte text
// of the user's locale (or UTF-8, which other X clients speak) goes through
// these, so that the pump, the X11 window, the clipboard and the file dialog
// agree on the encoding and on what happens to text that does not fit.
// Unless a function says otherwise it switches to the user's locale itself
// (CUserLocaleScope) and leaves the caller's locale as it found it.

//! Multibyte text of the user's locale, up to its zero byte, as wide text.
//! False, with wide left alone, when some byte sequence is not valid there:
//! half a text would be worse than none.
bool userLocaleToWide(const c8* text, core::stringw& wide);

#ifndef _WIN32
//! As userLocaleToWide, but safe on any thread: the user's locale is put in
//! force for the calling thread alone (uselocale), where switching the
//! process's locale would change it under the program's other threads.
bool userLocaleToWideOnThisThread(const c8* text, core::stringw& wide);
#endif

//! Wide text as multibyte text of the user's locale. False when the locale
//! cannot write some character.
bool wideToUserLocale(const core::stringw& text, std::string& bytes);

//! Multibyte text in the current locale (the caller switches, once for many
//! texts). Never gives up: each byte that does not start a valid character
//! becomes U+FFFD and decoding goes on after it, so a name written in another
//! encoding is still shown with its readable parts intact. A zero byte ends
//! decoding early; null text gives an empty result.
core::stringw decodeMultibyteLeniently(const c8* text, u32 length);

//! Text between the user's locale and UTF-8. Both fail (return false) on
//! bytes the source encoding does not allow or characters the target cannot
//! express.
bool userLocaleToUtf8(const std::string& localeBytes, std::string& utf8);
bool utf8ToUserLocale(const std::string& utf8, std::string& localeBytes);

//! UTF-8, up to its first zero byte, as wide text that the user's locale can write whole, for text
//! that must not be lost for one character (what an input method commits): each character the
//! locale cannot write, and each byte that is not UTF-8, becomes the locale's replacement mark
//! (U+FFFD where the locale has it, else the geta mark U+3013, else '?'). Returns how many marks
//! were put in.
u32 utf8ToWideForUserLocale(const std::string& utf8, core::stringw& wide);

//! UTF-8 that another program hands over (a paste) as multibyte text of the user's locale, each
//! character the locale cannot write as its replacement mark, as utf8ToWideForUserLocale does for
//! commits: one character the locale lacks must not cost the rest. False, with localeBytes left
//! alone, when the text is not UTF-8 at all (the caller may know better what it is).
bool utf8ToUserLocaleReplacing(const std::string& utf8, std::string& localeBytes);

//! Whether the user's locale can write the character.
bool userLocaleCanWrite(wchar_t character);

} // end namespace ime
} // end namespace irr

#endif
