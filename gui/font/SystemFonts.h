#ifndef GUI_FONT_SYSTEM_FONTS_H_INCLUDED
#define GUI_FONT_SYSTEM_FONTS_H_INCLUDED

#include "gui/font/CGUITTFace.h"

#include <irrlicht.h>

namespace irr
{
namespace gui
{

//! A font file of the system and the face inside it.
struct SSystemFontFile
{
    //! Narrow path of the file.
    core::stringc Path;
    //! Index of the face in a collection (.ttc, .otc); 0 for a single face.
    s32 FaceIndex;

    SSystemFontFile() : FaceIndex(0) {}
};

//! Finds the system's font for a language.
/** On Linux and other systems with fontconfig, the first scalable font
fontconfig ranks for the language that covers it (for a tag with a
territory fontconfig knows, such as zh-cn, that territory exactly). On
Windows, the first file of a fixed table that exists in the Windows fonts
folder (docs/DESIGN.md lists it). Reads the system's configuration on every
call: meant for setting a font up, not for drawing.
\param language: A BCP 47 tag such as "zh-CN", "zh-TW", "ko", "ja", "vi" or
"th"; case and '_' or '-' do not matter, a script subtag (zh-Hans, zh-Hant)
stands for its usual territory.
\param found: Receives the file and face; unchanged on failure.
\return False for a null, empty or malformed tag, a language the system
does not know, or when no font covers it. */
bool findSystemFont(const c8* language, SSystemFontFile& found);

//! Finds the system's font for one character, as findSystemFont.
/** \param character: A Unicode scalar value (surrogates and values above
U+10FFFF have no font).
\param found: Receives the file and face; unchanged on failure. */
bool findSystemFontFor(u32 character, SSystemFontFile& found);

//! Loads the face findSystemFont finds.
/** \return A loaded face with reference count 1, which the caller drops
(after handing it to a font, say, which grabs it), or null. */
CGUITTFace* loadSystemFace(const c8* language);

//! Loads the face findSystemFontFor finds.
/** \return A loaded face that has a glyph for character, with reference
count 1, or null. */
CGUITTFace* loadSystemFaceFor(u32 character);

} // end namespace gui
} // end namespace irr

#endif
