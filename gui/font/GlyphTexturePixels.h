#ifndef GUI_FONT_GLYPH_TEXTURE_PIXELS_H_INCLUDED
#define GUI_FONT_GLYPH_TEXTURE_PIXELS_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace gui
{

//! Side of the square texture that holds a glyph bitmap.
/** The font draws with source rectangles one pixel short of the texture, so
the texture must always be at least one pixel larger than the bitmap.
\param width: Bitmap width in pixels.
\param rows: Bitmap height in pixels.
\return The smallest power of two strictly greater than the larger of the
two. */
u32 getGlyphTextureSide(u32 width, u32 rows);

//! The 32-bit texture pixel for one anti-aliased coverage value.
/** Direct3D 8 blends with the colour channels as well, so it gets the
coverage in every channel; every other driver gets white with the coverage
as alpha.
\param coverage: 0 empty to 255 full.
\param driverType: The driver the texture is made for.
\return The A8R8G8B8 pixel; 0 for no coverage on every driver. */
u32 getCoveragePixel(u8 coverage, video::E_DRIVER_TYPE driverType);

} // end namespace gui
} // end namespace irr

#endif
