#include "gui/font/CGlyphShelfPacker.h"

namespace irr
{
namespace gui
{

namespace
{
// Empty pixels right of and below every rectangle.
const u32 Padding = 1;
} // namespace

CGlyphShelfPacker::CGlyphShelfPacker(u32 side) : Side(side), ShelfTop(0), ShelfHeight(0), ShelfX(0)
{
}

void CGlyphShelfPacker::reset()
{
    ShelfTop = ShelfHeight = ShelfX = 0;
}

bool CGlyphShelfPacker::fitsEmptyPage(u32 width, u32 height) const
{
    return width + Padding <= Side && height + Padding <= Side;
}

bool CGlyphShelfPacker::place(u32 width, u32 height, core::position2d<s32>& at)
{
    if (!fitsEmptyPage(width, height))
        return false;
    const u32 w = width + Padding;
    const u32 h = height + Padding;
    // A glyph taller than the open shelf, or one that does not fit beside
    // the last, opens a new shelf below; the open shelf can only grow while
    // nothing below it exists, which is always the case.
    if (ShelfX + w > Side)
    {
        ShelfTop += ShelfHeight;
        ShelfHeight = 0;
        ShelfX = 0;
    }
    if (ShelfTop + core::max_(ShelfHeight, h) > Side)
        return false;
    at = core::position2d<s32>((s32)ShelfX, (s32)ShelfTop);
    ShelfX += w;
    ShelfHeight = core::max_(ShelfHeight, h);
    return true;
}

} // end namespace gui
} // end namespace irr
