#ifndef BENCH_GLYPH_DRAW_PROTOTYPES_H_INCLUDED
#define BENCH_GLYPH_DRAW_PROTOTYPES_H_INCLUDED

#include "gui/font/CGUITTFont.h"

namespace benchsupport
{

//! Two ways the font could lay down its monochrome glyphs, measured beside
//! the real draw to size an optimisation before anyone makes it. Both use
//! the font's own records, advances and pen positions, and the same
//! per-glyph textures.

//! One draw2DImage per character, as the font does, but with a source
//! rectangle that ends one pixel past the glyph's bitmap instead of one
//! pixel short of the texture: the same pixels change, fewer are blended.
void drawWithTightRects(irr::gui::CGUITTFont& font, irr::video::IVideoDriver& driver,
                        const irr::core::stringw& text, const irr::core::position2d<irr::s32>& pen,
                        irr::video::SColor color);

//! The characters of one text gathered per glyph texture and drawn with one
//! draw2DImageBatch call per distinct glyph. With one colour per call the
//! blend order does not change the result.
void drawBatchedByGlyph(irr::gui::CGUITTFont& font, irr::video::IVideoDriver& driver,
                        const irr::core::stringw& text, const irr::core::position2d<irr::s32>& pen,
                        irr::video::SColor color);

} // namespace benchsupport

#endif
