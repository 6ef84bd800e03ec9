#include "GlyphDrawPrototypes.h"

#include <map>

using namespace irr;

namespace benchsupport
{

namespace
{

// The font's line height; the glyph's top row sits this far below the pen
// minus its bitmap top.
const s32 FontSize = 12;

core::position2d<s32> glyphOrigin(const gui::CGUITTGlyph& glyph, const core::position2d<s32>& pen)
{
    return core::position2d<s32>(pen.X + glyph.Left16, pen.Y + FontSize - glyph.Top16);
}

core::rect<s32> fullRect(const gui::CGUITTGlyph& glyph)
{
    return core::rect<s32>(0, 0, (s32)glyph.TexWidth16 - 1, (s32)glyph.TexHeight16 - 1);
}

} // namespace

void drawWithTightRects(gui::CGUITTFont& font, video::IVideoDriver& driver,
                        const core::stringw& text, const core::position2d<s32>& pen,
                        video::SColor color)
{
    core::position2d<s32> at = pen;
    for (u32 i = 0; i < text.size(); ++i)
    {
        const gui::CGUITTGlyph* glyph = font.getGlyph(font.getGlyphIndex(text[i]));
        if (glyph && glyph->Texture16)
        {
            // The record keeps the anti-aliased bitmap's size only; the
            // monochrome one is the same outline and at most as large.
            const core::rect<s32> tight(0, 0, core::min_(glyph->Width + 1, (s32)glyph->TexWidth16),
                                        core::min_(glyph->Height + 1, (s32)glyph->TexHeight16));
            driver.draw2DImage(glyph->Texture16, glyphOrigin(*glyph, at), tight, 0, color, true);
        }
        at.X += font.getGlyphAdvance(text[i]);
    }
}

void drawBatchedByGlyph(gui::CGUITTFont& font, video::IVideoDriver& driver,
                        const core::stringw& text, const core::position2d<s32>& pen,
                        video::SColor color)
{
    std::map<const gui::CGUITTGlyph*, core::array<core::position2d<s32>>> runs;
    core::position2d<s32> at = pen;
    for (u32 i = 0; i < text.size(); ++i)
    {
        const gui::CGUITTGlyph* glyph = font.getGlyph(font.getGlyphIndex(text[i]));
        if (glyph && glyph->Texture16)
            runs[glyph].push_back(glyphOrigin(*glyph, at));
        at.X += font.getGlyphAdvance(text[i]);
    }
    for (auto& run : runs)
    {
        core::array<core::rect<s32>> rects;
        for (u32 i = 0; i < run.second.size(); ++i)
            rects.push_back(fullRect(*run.first));
        driver.draw2DImageBatch(run.first->Texture16, run.second, rects, 0, color, true);
    }
}

} // namespace benchsupport
