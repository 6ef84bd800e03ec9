#ifndef GUI_FONT_C_GUI_TT_GLYPH_H_INCLUDED
#define GUI_FONT_C_GUI_TT_GLYPH_H_INCLUDED

#include <irrlicht.h>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace irr
{
namespace gui
{

//! One glyph of a face at one pixel size: where its bitmap sits relative to
//! the pen, a copy of its anti-aliased coverage, and two textures made from
//! it, a 32-bit anti-aliased one and a 16-bit monochrome one. The record owns
//! the coverage copy and both textures and removes the textures from the
//! driver when it ends.
//!
//! Records live by value in the font's array. A copy never takes over the
//! original's textures: it gets the same driver, face and size and starts
//! empty, so a texture can never end up owned (and removed) twice.
class CGUITTGlyph : public IReferenceCounted
{
public:
    CGUITTGlyph();
    CGUITTGlyph(const CGUITTGlyph& other);
    CGUITTGlyph& operator=(const CGUITTGlyph& other);
    virtual ~CGUITTGlyph();

    //! Renders glyph glyphIndex of the face with FreeType and makes both
    //! textures. Sets Cached once the anti-aliased rendering succeeded; a
    //! failure of either variant leaves that variant as it was.
    void cache(u32 glyphIndex);

    //! The anti-aliased rendering succeeded; the font renders the record
    //! again only while this is false.
    bool Cached;
    //! Makes and removes the textures; not grabbed, the font holds it.
    video::IVideoDriver* Driver;
    //! The owning face's Face field, read at each cache.
    FT_Face* FaceHandle;
    //! Pixel height of the font.
    u32 Size;

    s32 Top;
    s32 Left;
    s32 Width;
    s32 Height;
    u32 TexWidth;
    u32 TexHeight;
    video::ITexture* Texture;

    s32 Top16;
    s32 Left16;
    //! Size of the monochrome bitmap; its outline may round to other pixels
    //! than the anti-aliased one.
    s32 Width16;
    s32 Height16;
    u32 TexWidth16;
    u32 TexHeight16;
    video::ITexture* Texture16;

    //! Height rows of Width bytes, no gap between rows; 0 empty, 255 full.
    core::array<u8> Coverage;

private:
    void cacheAntiAliased(FT_Face face, u32 glyphIndex);
    void cacheMonochrome(FT_Face face, u32 glyphIndex);
    void replaceTexture(video::ITexture*& slot, const c8* name, video::ECOLOR_FORMAT format,
                        u32 side, void* pixels, bool monochrome);
    void releaseCache();
};

} // end namespace gui
} // end namespace irr

#endif
