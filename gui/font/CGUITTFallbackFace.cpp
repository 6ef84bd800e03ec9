#include "gui/font/CGUITTFallbackFace.h"

namespace irr
{
namespace gui
{

namespace
{
// A bitmap-only face can only be drawn at the sizes of its strikes; any
// other strike would stand out of the line or shrink beside its neighbours.
bool servesPixelSize(FT_Face face, u32 size)
{
    if (FT_IS_SCALABLE(face))
        return true;
    for (FT_Int i = 0; i < face->num_fixed_sizes; ++i)
        if (face->available_sizes[i].height == (FT_Short)size)
            return true;
    return false;
}
} // namespace

CGUITTFallbackFace::CGUITTFallbackFace(CGUITTFace* face, video::IVideoDriver* driver)
    : Face(face), Driver(driver), ServesSize(false)
{
    Face->grab();
}

CGUITTFallbackFace::~CGUITTFallbackFace()
{
    // The records point into the face, so they go first.
    Glyphs.clear();
    Face->drop();
}

void CGUITTFallbackFace::setSize(u32 size)
{
    Glyphs.clear();
    const FT_Face face = Face->Face;
    ServesSize = size > 0 && servesPixelSize(face, size);
    const u32 count = face->num_glyphs > 0 ? (u32)face->num_glyphs : 0;
    CGUITTGlyph blank;
    blank.Driver = Driver;
    blank.FaceHandle = &Face->Face;
    blank.Size = size;
    // Sized once and filled with fresh records, so no record with textures
    // is ever copied.
    Glyphs.reallocate(count);
    for (u32 i = 0; i < count; ++i)
        Glyphs.push_back(blank);
}

u32 CGUITTFallbackFace::getGlyphIndex(u32 character) const
{
    if (!ServesSize)
        return 0;
    return FT_Get_Char_Index(Face->Face, (FT_ULong)character);
}

const CGUITTGlyph* CGUITTFallbackFace::getGlyph(u32 glyphIndex)
{
    if (!glyphIndex || glyphIndex > Glyphs.size())
        return 0;
    CGUITTGlyph& glyph = Glyphs[glyphIndex - 1];
    if (!glyph.Cached)
        glyph.cache(glyphIndex);
    return &glyph;
}

} // end namespace gui
} // end namespace irr
