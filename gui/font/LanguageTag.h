#ifndef GUI_FONT_LANGUAGE_TAG_H_INCLUDED
#define GUI_FONT_LANGUAGE_TAG_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace gui
{

//! A BCP 47 tag in the form font configurations use: lower case, '-'
//! between subtags, language and territory only ("zh-Hant" becomes "zh-tw",
//! "ko_KR" "ko-kr").
/** \return False, leaving normalised empty, for a null or empty tag, one
with characters other than ASCII letters, digits, '-' and '_', an empty
subtag, or a first subtag that is not 2 or 3 letters. */
bool normaliseLanguageTag(const c8* tag, core::stringc& normalised);

} // end namespace gui
} // end namespace irr

#endif
