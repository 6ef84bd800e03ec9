#include "gui/font/CGUITTGlyph.h"

#include "gui/font/CGUITTGlyphAtlas.h"
#include "gui/font/GlyphTextureFlags.h"
#include "gui/font/GlyphTexturePixels.h"

#include FT_BITMAP_H

#include <cstdio>
#include <cstring>

namespace irr
{
namespace gui
{

namespace
{

//! First byte of bitmap row y, counted from the top, whatever the flow.
const u8* bitmapRow(const FT_Bitmap& bitmap, u32 y)
{
    const s32 pitch = bitmap.pitch;
    const u8* top = bitmap.buffer;
    if (pitch < 0)
        top -= (ptrdiff_t)pitch * (s32)(bitmap.rows - 1);
    return top + (ptrdiff_t)pitch * (s32)y;
}

// The bitmap as one byte per pixel, rows width bytes apart, 1 where the
// monochrome texture is set. A font's own strike can answer the monochrome
// request in any depth (grey strikes of 2, 4 or 8 bits, colour strikes), so
// FreeType's own conversion reads it, each row within its pitch; a grey
// pixel counts as set from half its range up. False when FreeType cannot
// convert it.
bool readMonochrome(FT_Library library, const FT_Bitmap& bitmap, core::array<u8>& out)
{
    const u32 width = bitmap.width;
    const u32 rows = bitmap.rows;
    out.set_used(width * rows);
    if (!width || !rows)
        return true;

    FT_Bitmap converted;
    FT_Bitmap_Init(&converted);
    const bool ok = !FT_Bitmap_Convert(library, &bitmap, &converted, 1) &&
                    converted.width == width && converted.rows == rows;
    if (ok)
    {
        const u32 levels = converted.num_grays ? converted.num_grays : 256;
        for (u32 y = 0; y < rows; ++y)
        {
            const u8* row = bitmapRow(converted, y);
            for (u32 x = 0; x < width; ++x)
                out[y * width + x] = row[x] * 2u >= levels;
        }
    }
    FT_Bitmap_Done(library, &converted);
    return ok;
}

} // namespace

CGUITTGlyph::CGUITTGlyph()
    : Cached(false), Driver(0), FaceHandle(0), Size(0), Top(0), Left(0), Width(0), Height(0),
      TexWidth(0), TexHeight(0), Texture(0), Top16(0), Left16(0), Width16(0), Height16(0),
      TexWidth16(0), TexHeight16(0), Texture16(0), Atlas(0)
{
}

CGUITTGlyph::CGUITTGlyph(const CGUITTGlyph& other) : CGUITTGlyph()
{
    Driver = other.Driver;
    FaceHandle = other.FaceHandle;
    Size = other.Size;
    Atlas = other.Atlas;
}

CGUITTGlyph& CGUITTGlyph::operator=(const CGUITTGlyph& other)
{
    if (this != &other)
    {
        releaseCache();
        Driver = other.Driver;
        FaceHandle = other.FaceHandle;
        Size = other.Size;
        Atlas = other.Atlas;
    }
    return *this;
}

CGUITTGlyph::~CGUITTGlyph()
{
    releaseCache();
}

void CGUITTGlyph::releaseCache()
{
    if (Driver)
    {
        if (Texture)
            Driver->removeTexture(Texture);
        if (Texture16)
            Driver->removeTexture(Texture16);
    }
    Texture = 0;
    Texture16 = 0;
    Coverage.clear();
    Cached = false;
    Top = Left = Width = Height = 0;
    TexWidth = TexHeight = 0;
    Top16 = Left16 = Width16 = Height16 = 0;
    TexWidth16 = TexHeight16 = 0;
    AtlasSlot = SGlyphAtlasSlot();
    AtlasSlot16 = SGlyphAtlasSlot();
    Monochrome.clear();
}

void CGUITTGlyph::cache(u32 glyphIndex)
{
    if (!FaceHandle || !*FaceHandle)
        return;
    FT_Face face = *FaceHandle;
    FT_Set_Pixel_Sizes(face, 0, Size);
    cacheAntiAliased(face, glyphIndex);
    cacheMonochrome(face, glyphIndex);
}

void CGUITTGlyph::cacheAntiAliased(FT_Face face, u32 glyphIndex)
{
    if (FT_Load_Glyph(face, glyphIndex, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP))
        return;
    FT_GlyphSlot slot = face->glyph;
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE)
        return;
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL))
        return;

    const FT_Bitmap& bitmap = slot->bitmap;
    // Rows are copied byte for byte: only an 8-bit grey bitmap fits them.
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY && bitmap.rows && bitmap.width)
        return;
    const u32 width = bitmap.width;
    const u32 rows = bitmap.rows;
    Coverage.set_used(width * rows);
    for (u32 y = 0; y < rows; ++y)
        memcpy(Coverage.pointer() + y * width, bitmapRow(bitmap, y), width);

    Top = slot->bitmap_top;
    Left = slot->bitmap_left;
    Width = (s32)width;
    Height = (s32)rows;
    if (!Atlas || !placeInAtlas(false, Coverage))
        makeAntiAliasedTexture(glyphIndex);

    // Counted as rendered even when the driver gave no texture: the metrics
    // and the coverage are good, and asking FreeType again on every use
    // would not make the driver succeed.
    Cached = true;
}

void CGUITTGlyph::makeAntiAliasedTexture(u32 glyphIndex)
{
    const u32 width = (u32)Width;
    const u32 rows = (u32)Height;
    TexWidth = TexHeight = getGlyphTextureSide(width, rows);

    core::array<u32> pixels;
    pixels.set_used(TexWidth * TexHeight);
    memset(pixels.pointer(), 0, pixels.size() * sizeof(u32));
    const video::E_DRIVER_TYPE driverType = Driver ? Driver->getDriverType() : video::EDT_NULL;
    for (u32 y = 0; y < rows; ++y)
        for (u32 x = 0; x < width; ++x)
            pixels[y * TexWidth + x] = getCoveragePixel(Coverage[y * width + x], driverType);

    c8 name[32];
    snprintf(name, sizeof(name), "TTFontGlyph%u", glyphIndex);
    replaceTexture(Texture, name, video::ECF_A8R8G8B8, TexWidth, pixels.pointer(), false);
}

void CGUITTGlyph::cacheMonochrome(FT_Face face, u32 glyphIndex)
{
    if (FT_Load_Glyph(face, glyphIndex, FT_LOAD_RENDER | FT_LOAD_NO_HINTING | FT_LOAD_MONOCHROME))
        return;
    FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    core::array<u8> set;
    if (!readMonochrome(slot->library, bitmap, set))
        return;
    const u32 width = bitmap.width;
    const u32 rows = bitmap.rows;

    Top16 = slot->bitmap_top;
    Left16 = slot->bitmap_left;
    Width16 = (s32)width;
    Height16 = (s32)rows;
    if (!Atlas || !placeInAtlas(true, set))
        makeMonochromeTexture(glyphIndex, set);
}

void CGUITTGlyph::makeMonochromeTexture(u32 glyphIndex, const core::array<u8>& set)
{
    const u32 width = (u32)Width16;
    const u32 rows = (u32)Height16;
    TexWidth16 = TexHeight16 = getGlyphTextureSide(width, rows);

    core::array<u16> pixels;
    pixels.set_used(TexWidth16 * TexHeight16);
    memset(pixels.pointer(), 0, pixels.size() * sizeof(u16));
    for (u32 y = 0; y < rows; ++y)
        for (u32 x = 0; x < width; ++x)
            if (set[y * width + x])
                pixels[y * TexWidth16 + x] = 0xFFFF;

    c8 name[32];
    snprintf(name, sizeof(name), "TTFontGlyph%u_16", glyphIndex);
    replaceTexture(Texture16, name, video::ECF_A1R5G5B5, TexWidth16, pixels.pointer(), true);
}

// Atlas mode: the bitmap goes on a page of the font's atlas. Its copy stays
// with the record where the driver draws pixels, so that the glyph can be
// written again after its page was emptied. False when the glyph needs a
// texture of its own after all: larger than a page, or no page to be had.
bool CGUITTGlyph::placeInAtlas(bool monochrome, const core::array<u8>& bitmap)
{
    if (Atlas->failed())
        return false;
    const s32 width = monochrome ? Width16 : Width;
    const s32 height = monochrome ? Height16 : Height;
    SGlyphAtlasSlot& slot = monochrome ? AtlasSlot16 : AtlasSlot;
    const bool keep = Atlas->keepsPixels();
    // The software driver draws anti-aliased glyphs from Coverage, never
    // from a page.
    const bool placed = (!monochrome && !Atlas->holdsAntiAliased()) || width <= 0 || height <= 0 ||
                        Atlas->place(slot, monochrome, keep ? bitmap.const_pointer() : 0, width,
                                     height) == CGUITTGlyphAtlas::EP_PLACED;
    if (keep && monochrome)
        Monochrome = bitmap;
    // Nothing draws the null driver's pixels.
    if (!keep && placed && !monochrome)
        Coverage.clear();
    return placed;
}

// Makes one glyph texture under the creation flags it needs and hands the
// driver's flags back as they were, so the caller's settings survive. A
// driver that gives no image or texture leaves the slot empty: the font then
// simply does not draw that variant of the glyph.
void CGUITTGlyph::replaceTexture(video::ITexture*& slot, const c8* name,
                                 video::ECOLOR_FORMAT format, u32 side, void* pixels,
                                 bool monochrome)
{
    if (!Driver)
        return;

    video::IImage* image = Driver->createImageFromData(format, core::dimension2d<u32>(side, side),
                                                       pixels, false, true);

    const u32 callersFlags = getTextureCreationFlags(Driver);
    setGlyphTextureCreationFlags(Driver, monochrome);

    if (slot)
        Driver->removeTexture(slot);
    slot = 0;
    if (image)
    {
        slot = Driver->addTexture(name, image);
        image->drop();
    }
    if (slot && monochrome)
        Driver->makeColorKeyTexture(slot, video::SColor(0x00000000));

    setTextureCreationFlags(Driver, callersFlags);
}

} // end namespace gui
} // end namespace irr
