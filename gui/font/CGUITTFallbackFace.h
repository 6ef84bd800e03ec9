#ifndef GUI_FONT_C_GUI_TT_FALLBACK_FACE_H_INCLUDED
#define GUI_FONT_C_GUI_TT_FALLBACK_FACE_H_INCLUDED

#include "gui/font/CGUITTFace.h"
#include "gui/font/CGUITTGlyph.h"

#include <irrlicht.h>

namespace irr
{
namespace gui
{

//! A further face of a font and its glyph records at the font's pixel size.
/** Owned by one CGUITTFont, which makes and deletes it; not reference
counted itself. Holds a reference to its face from construction to
destruction, and its records remove their textures when they go. */
class CGUITTFallbackFace
{
public:
    //! Grabs face, which must be loaded. No records until setSize.
    CGUITTFallbackFace(CGUITTFace* face, video::IVideoDriver* driver);
    //! Removes every texture of its records, then drops the face.
    ~CGUITTFallbackFace();

    //! Discards every record and makes empty ones for size pixels.
    void setSize(u32 size);

    //! FreeType's glyph index for a character, 0 when the face cannot serve
    //! it at the current size (no glyph, or a bitmap-only face without a
    //! strike of that size).
    u32 getGlyphIndex(u32 character) const;

    //! The record of a glyph, rendered on first use; null for index 0 or
    //! one beyond the face's glyphs.
    const CGUITTGlyph* getGlyph(u32 glyphIndex);

    //! The face, grabbed by this object.
    CGUITTFace* getFace() const { return Face; }

private:
    CGUITTFallbackFace(const CGUITTFallbackFace&);
    CGUITTFallbackFace& operator=(const CGUITTFallbackFace&);

    CGUITTFace* Face;
    video::IVideoDriver* Driver;
    //! Glyph index i at position i - 1, as the font's own records.
    core::array<CGUITTGlyph> Glyphs;
    //! A scalable face, or a bitmap-only one with a strike of the font's
    //! size: only then are its glyphs as tall as the attached face's.
    bool ServesSize;
};

} // end namespace gui
} // end namespace irr

#endif
