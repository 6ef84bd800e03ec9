#ifndef GUI_FONT_C_GUI_TT_GLYPH_ATLAS_H_INCLUDED
#define GUI_FONT_C_GUI_TT_GLYPH_ATLAS_H_INCLUDED

#include "gui/font/CGUITTGlyph.h"

#include <irrlicht.h>

namespace irr
{
namespace gui
{

class CGlyphAtlasPage;

//! The page textures of one font in atlas mode.
/** Glyph records of the font keep their bitmaps and a slot on a page
instead of textures of their own; a text is drawn with one batch per page.
Anti-aliased and monochrome glyphs lie on pages of their own formats, the
formats of the glyph textures. Pages are made as they are needed, up to
getMemoryLimit bytes of texture memory; after that the least recently drawn
page is emptied for the new glyphs, and glyphs that lay on it are written
again from their records when they are next drawn. */
class CGUITTGlyphAtlas
{
public:
    //! \param driver: Not grabbed: the font holds it and destroys the atlas
    //! before dropping it.
    explicit CGUITTGlyphAtlas(video::IVideoDriver* driver);
    //! Removes every page texture.
    ~CGUITTGlyphAtlas();

    //! Drops every page and sizes the pages for a font of this pixel height.
    void reset(u32 pixelSize);

    enum E_PLACEMENT
    {
        //! The bitmap is on a page; slot says where.
        EP_PLACED,
        //! Larger than a page: the glyph needs textures of its own.
        EP_TOO_LARGE,
        //! No page to be had: the glyph needs a texture of its own for this
        //! variant; when the driver never made a page, failed() turns true.
        EP_FAILED
    };

    //! Puts a glyph's bitmap on a page of its variant.
    /** \param bitmap: height rows of width bytes, coverage or 0/1; may be
    null where no pixels are kept (see keepsPixels). */
    E_PLACEMENT place(SGlyphAtlasSlot& slot, bool monochrome, const u8* bitmap, s32 width,
                      s32 height);

    //! The slot's page still holds what was placed there.
    bool isCurrent(const SGlyphAtlasSlot& slot) const;

    //! Draws a glyph's variant from its page at the next flush.
    /** Places the bitmap again when its page was emptied meanwhile. Glyphs
    queued within one draw call share clip and colour.
    \return False when the glyph must be drawn from its own textures. */
    bool queue(const CGUITTGlyph& glyph, bool antiAliased, const core::position2d<s32>& pen,
               s32 baseline, const core::rect<s32>* clip, video::SColor color);

    //! Draws everything queued, one batch per page.
    void flush();

    //! False on the null driver, which can draw nothing: glyphs are placed,
    //! but neither pixels nor copies of the bitmaps are kept.
    bool keepsPixels() const { return KeepsPixels; }
    //! False on the software driver, which draws anti-aliased glyphs from
    //! their coverage, never from a texture.
    bool holdsAntiAliased() const { return HoldsAntiAliased; }
    //! A page could not be made; from then on the font makes glyph textures.
    bool failed() const { return Failed; }

    u32 getPageSide() const { return Side; }
    u32 getPageCount() const;
    //! Texture memory of all pages at their own formats.
    u32 getTextureBytes() const { return TextureBytes; }
    //! Pages emptied or removed for want of memory so far.
    u32 getPagesEvicted() const { return Evicted; }
    //! Texture memory a font's pages may take before the oldest is reused.
    static u32 getMemoryLimit() { return 16u << 20; }

private:
    CGUITTGlyphAtlas(const CGUITTGlyphAtlas&);
    CGUITTGlyphAtlas& operator=(const CGUITTGlyphAtlas&);

    s32 pageWithRoom(bool monochrome);
    s32 makePage(bool monochrome);
    s32 leastRecentlyDrawn(s32 kind) const;
    s32 recycle(s32 page);
    void removePage(s32 page);
    void removeAll();

    video::IVideoDriver* Driver;
    bool KeepsPixels;
    bool HoldsAntiAliased;
    bool Failed;
    u32 Side;
    u32 TextureBytes;
    u32 Evicted;
    //! Pages by number; a removed page leaves a null entry, so that the
    //! numbers in glyph slots keep naming the same page.
    core::array<CGlyphAtlasPage*> Pages;
    //! The page of each variant new glyphs go to (anti-aliased, monochrome).
    s32 Open[2];
    u32 NextGeneration;
    //! Counts flushes; a page's LastDrawn is the count it was last drawn at.
    u32 Draws;
    //! The page of the glyph queued last, or -1.
    s32 LastQueued;
    core::rect<s32> Clip;
    bool Clipped;
    video::SColor Color;
};

} // end namespace gui
} // end namespace irr

#endif
