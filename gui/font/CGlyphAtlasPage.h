#ifndef GUI_FONT_C_GLYPH_ATLAS_PAGE_H_INCLUDED
#define GUI_FONT_C_GLYPH_ATLAS_PAGE_H_INCLUDED

#include "gui/font/CGlyphShelfPacker.h"

#include <irrlicht.h>

namespace irr
{
namespace gui
{

//! One square texture holding many glyphs of one variant, and the glyphs
//! waiting to be drawn from it.
/** New glyphs are written into the texture's own pixels while it stays
locked; unlocking, which is what sends the pixels to the graphics card on
OpenGL, happens once, right before the page is next drawn. */
class CGlyphAtlasPage
{
public:
    CGlyphAtlasPage();
    //! Removes the texture.
    ~CGlyphAtlasPage();

    //! Makes the page's texture under the glyph textures' creation flags.
    /** \param driver: Not grabbed; must outlive the page.
    \param storesPixels: False for a page that only places glyphs (the null
    driver): no texture, nothing written, nothing drawn.
    \return False when the driver gave no texture of exactly this size, or
    one whose pixels cannot be written. */
    bool create(video::IVideoDriver* driver, u32 side, bool monochrome, bool storesPixels);

    //! Makes the page empty again, keeping its texture.
    void clear();

    //! Room for a width x height bitmap; see CGlyphShelfPacker::place.
    bool place(u32 width, u32 height, core::position2d<s32>& at)
    {
        return Packer.place(width, height, at);
    }

    //! Writes a bitmap at a place the packer gave.
    /** \param bitmap: height rows of width bytes: coverage 0 to 255 for an
    anti-aliased page, 0 or 1 for a monochrome one. */
    void write(const core::position2d<s32>& at, const u8* bitmap, u32 width, u32 height);

    //! Keeps a glyph to be drawn by the next flush.
    void queue(const core::position2d<s32>& screen, const core::rect<s32>& source);
    bool hasQueued() const { return !Positions.empty(); }

    //! Uploads the pixels if they changed and draws the queued glyphs in one
    //! batch, in the order they were queued.
    void flush(const core::rect<s32>* clip, video::SColor color);

    //! Texture memory at the page's own format.
    u32 getBytes() const;
    video::ITexture* getTexture() const { return Texture; }

    bool Monochrome;
    //! Changes whenever the page is emptied, so that a glyph placed earlier
    //! can tell that its pixels are gone.
    u32 Generation;
    //! The atlas's draw count when the page was last drawn from.
    u32 LastDrawn;

private:
    CGlyphAtlasPage(const CGlyphAtlasPage&);
    CGlyphAtlasPage& operator=(const CGlyphAtlasPage&);

    bool lock();
    void unlock();
    void release();

    video::IVideoDriver* Driver;
    video::ITexture* Texture;
    //! The locked texture's pixels seen as an image, or null when unlocked.
    video::IImage* Locked;
    CGlyphShelfPacker Packer;
    video::E_DRIVER_TYPE DriverType;
    //! The format the page's pixels are made in.
    video::ECOLOR_FORMAT Format;
    core::array<core::position2d<s32>> Positions;
    core::array<core::rect<s32>> Rects;
    //! One bitmap's pixels in the page's format, reused between writes.
    core::array<u32> Scratch;
};

} // end namespace gui
} // end namespace irr

#endif
