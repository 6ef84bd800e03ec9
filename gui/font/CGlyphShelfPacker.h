#ifndef GUI_FONT_C_GLYPH_SHELF_PACKER_H_INCLUDED
#define GUI_FONT_C_GLYPH_SHELF_PACKER_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace gui
{

//! Places rectangles on a square page row by row ("shelves").
/** Glyphs of one font at one size are about equally tall, so a shelf as tall
as the first glyph put on it wastes little. Every rectangle keeps one empty
pixel to its right and below, so that neighbours never touch. */
class CGlyphShelfPacker
{
public:
    //! \param side: Width and height of the page in pixels.
    explicit CGlyphShelfPacker(u32 side = 0);

    //! Forgets every placement; the whole page is free again.
    void reset();

    //! Finds room for a width x height rectangle.
    /** \param at: Receives the upper-left corner on success.
    \return False when the page has no room left for it, or the rectangle
    with its padding is larger than the page. */
    bool place(u32 width, u32 height, core::position2d<s32>& at);

    //! \return True when a rectangle this large fits on an empty page.
    bool fitsEmptyPage(u32 width, u32 height) const;

    u32 getSide() const { return Side; }

private:
    u32 Side;
    //! Top of the open shelf, its height and the first free column on it.
    u32 ShelfTop;
    u32 ShelfHeight;
    u32 ShelfX;
};

} // end namespace gui
} // end namespace irr

#endif
