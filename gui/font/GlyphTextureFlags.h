#ifndef GUI_FONT_GLYPH_TEXTURE_FLAGS_H_INCLUDED
#define GUI_FONT_GLYPH_TEXTURE_FLAGS_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace gui
{

//! Every texture creation flag of the driver that is on, as one word.
u32 getTextureCreationFlags(video::IVideoDriver* driver);

//! Puts every creation flag back as getTextureCreationFlags read it.
void setTextureCreationFlags(video::IVideoDriver* driver, u32 flags);

//! The flags a glyph texture is made under: 16 bits for the monochrome
//! variant, 32 for the anti-aliased one, no mip-maps.
void setGlyphTextureCreationFlags(video::IVideoDriver* driver, bool monochrome);

} // end namespace gui
} // end namespace irr

#endif
