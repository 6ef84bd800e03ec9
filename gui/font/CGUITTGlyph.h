#ifndef GUI_FONT_C_GUI_TT_GLYPH_H_INCLUDED
#define GUI_FONT_C_GUI_TT_GLYPH_H_INCLUDED

#include <irrlicht.h>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace irr
{
namespace gui
{

class CGUITTGlyphAtlas;

//! Where a glyph's bitmap lies on a page of the font's glyph atlas.
struct SGlyphAtlasSlot
{
    SGlyphAtlasSlot() : Page(-1), Generation(0), X(0), Y(0) {}
    //! Number of the page, or -1 when the bitmap is on none.
    s32 Page;
    //! The page's generation when the bitmap was written; a page emptied
    //! since has another.
    u32 Generation;
    s32 X; //!< Left column of the bitmap on the page.
    s32 Y; //!< Top row of the bitmap on the page.
};

//! One glyph of a face at one pixel size, with its textures.
/** Holds where the glyph's bitmap sits relative to the pen, a copy of its
anti-aliased coverage, and two textures made from it: a 32-bit anti-aliased
one named "TTFontGlyph<index>" and a 16-bit monochrome one named
"TTFontGlyph<index>_16". The record owns the coverage copy and both textures
and removes the textures from Driver when it is destroyed or assigned.

Records live by value in the font's array. A copy never takes over the
original's textures: it gets the same driver, face and size and starts
empty, so a texture can never end up owned (and removed) twice. The
reference count is not used. */
class CGUITTGlyph : public IReferenceCounted
{
public:
    //! An empty record: no driver, no face, nothing rendered.
    CGUITTGlyph();
    //! An empty record with the driver, face and size of other.
    CGUITTGlyph(const CGUITTGlyph& other);
    //! Releases this record's textures and coverage and takes the driver,
    //! face and size of other; nothing rendered.
    CGUITTGlyph& operator=(const CGUITTGlyph& other);
    //! Removes both textures from Driver and frees the coverage.
    ~CGUITTGlyph() override;

    //! Renders the glyph with FreeType at Size pixels and makes both textures.
    /** Sets Cached once the anti-aliased rendering succeeded. A failure of
    either variant leaves that variant's fields and texture as they were. The
    driver's texture creation flags are the same afterwards. Does nothing
    without a face.
    \param glyphIndex: FreeType glyph index of this record, 1 or more. */
    void cache(u32 glyphIndex);

    //! The anti-aliased rendering succeeded; the font renders the record
    //! again only while this is false.
    bool Cached;
    //! Makes and removes the textures; not grabbed, the font holds it.
    video::IVideoDriver* Driver;
    //! Address of the owning CGUITTFace's Face field, read at each cache.
    FT_Face* FaceHandle;
    //! Pixel height of the font.
    u32 Size;

    s32 Top;       //!< Pixels from the baseline up to the anti-aliased bitmap's top row.
    s32 Left;      //!< Pixels from the pen right to its left column.
    s32 Width;     //!< Width of the anti-aliased bitmap in pixels.
    s32 Height;    //!< Rows of the anti-aliased bitmap.
    u32 TexWidth;  //!< Side of the square 32-bit texture, a power of two.
    u32 TexHeight; //!< Equal to TexWidth.
    //! The 32-bit texture, or null; owned by the record, removed from Driver
    //! with it.
    video::ITexture* Texture;

    s32 Top16;  //!< Top of the monochrome bitmap.
    s32 Left16; //!< Left of the monochrome bitmap.
    //! Width of the monochrome bitmap; its outline may round to other
    //! pixels than the anti-aliased one.
    s32 Width16;
    s32 Height16;    //!< Rows of the monochrome bitmap.
    u32 TexWidth16;  //!< Side of the square 16-bit texture, a power of two.
    u32 TexHeight16; //!< Equal to TexWidth16.
    //! The 16-bit texture, or null; owned by the record, removed from Driver
    //! with it.
    video::ITexture* Texture16;

    //! Height rows of Width bytes, no gap between rows; 0 empty, 255 full.
    core::array<u8> Coverage;

    //! Set by a font in atlas mode: the record then makes no textures (but
    //! for a glyph larger than a page) and keeps slots on the atlas's pages
    //! instead, and a copy of the monochrome bitmap to write it again. Not
    //! owned.
    CGUITTGlyphAtlas* Atlas;
    //! The anti-aliased bitmap's place in the atlas; the atlas moves it.
    mutable SGlyphAtlasSlot AtlasSlot;
    //! The monochrome bitmap's place in the atlas.
    mutable SGlyphAtlasSlot AtlasSlot16;
    //! Atlas mode only: Height16 rows of Width16 bytes, 1 where set.
    core::array<u8> Monochrome;

private:
    void cacheAntiAliased(FT_Face face, u32 glyphIndex);
    void cacheMonochrome(FT_Face face, u32 glyphIndex);
    void makeAntiAliasedTexture(u32 glyphIndex);
    void makeMonochromeTexture(u32 glyphIndex, const core::array<u8>& set);
    bool placeInAtlas(bool monochrome, const core::array<u8>& bitmap);
    void replaceTexture(video::ITexture*& slot, const c8* name, video::ECOLOR_FORMAT format,
                        u32 side, void* pixels, bool monochrome);
    void releaseCache();
};

} // end namespace gui
} // end namespace irr

#endif
