#ifndef GUI_FONT_GLYPH_TEXTURE_PIXELS_H_INCLUDED
#define GUI_FONT_GLYPH_TEXTURE_PIXELS_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace gui
{

//! Side of the square texture that holds a glyph bitmap of the given size:
//! the smallest power of two strictly greater than the larger of the two.
//! The font draws with source rectangles one pixel short of the texture, so
//! the texture must always be at least one pixel larger than the bitmap.
u32 getGlyphTextureSide(u32 width, u32 rows);

//! The 32-bit texture pixel for one anti-aliased coverage value on the given
//! driver. Direct3D 8 blends with the colour channels as well, so it gets the
//! coverage in every channel; every other driver gets white with the
//! coverage as alpha.
u32 getCoveragePixel(u8 coverage, video::E_DRIVER_TYPE driverType);

} // end namespace gui
} // end namespace irr

#endif
