#include "gui/font/CGlyphAtlasPage.h"

#include "gui/font/GlyphTextureFlags.h"
#include "gui/font/GlyphTexturePixels.h"

#include <cstdio>
#include <cstring>

namespace irr
{
namespace gui
{

namespace
{
// Engine texture names must differ between pages of all fonts.
u32 PagesMade = 0;
} // namespace

CGlyphAtlasPage::CGlyphAtlasPage()
    : Monochrome(false), Generation(0), LastDrawn(0), Driver(0), Texture(0), Locked(0),
      DriverType(video::EDT_NULL), Format(video::ECF_A8R8G8B8)
{
}

CGlyphAtlasPage::~CGlyphAtlasPage()
{
    release();
}

void CGlyphAtlasPage::release()
{
    // Not unlocked: on OpenGL that would send the pixels of a texture about
    // to go, binding it behind the driver's back.
    if (Locked)
        Locked->drop();
    Locked = 0;
    if (Texture && Driver)
        Driver->removeTexture(Texture);
    Texture = 0;
}

bool CGlyphAtlasPage::create(video::IVideoDriver* driver, u32 side, bool monochrome,
                             bool storesPixels)
{
    Driver = driver;
    DriverType = driver->getDriverType();
    Monochrome = monochrome;
    Packer = CGlyphShelfPacker(side);
    // OpenGL (Mesa's llvmpipe at least) samples a 16-bit texture markedly
    // slower than a 32-bit one, and a monochrome pixel, opaque white or
    // nothing, is the same pixel in either.
    Format =
        monochrome && DriverType != video::EDT_OPENGL ? video::ECF_A1R5G5B5 : video::ECF_A8R8G8B8;
    if (!storesPixels)
        return true;

    const video::ECOLOR_FORMAT format = Format;
    const core::dimension2d<u32> size(side, side);
    video::IImage* image = driver->createImage(format, size);
    if (!image)
        return false;
    image->fill(video::SColor(0));

    c8 name[48];
    snprintf(name, sizeof(name), "TTFontPage%u%s", ++PagesMade, monochrome ? "_16" : "");
    // The same flags and colour key as a glyph's own texture, so that the
    // driver keeps the same pixels.
    const u32 callersFlags = getTextureCreationFlags(driver);
    setGlyphTextureCreationFlags(driver, format == video::ECF_A1R5G5B5);
    Texture = driver->addTexture(name, image);
    image->drop();
    if (Texture && monochrome)
        driver->makeColorKeyTexture(Texture, video::SColor(0x00000000));
    setTextureCreationFlags(driver, callersFlags);

    // A page the driver shrank or cannot hand out for writing would draw
    // glyphs from the wrong pixels.
    if (!Texture || Texture->getSize() != size || Texture->getOriginalSize() != size || !lock())
    {
        release();
        return false;
    }
    return true;
}

bool CGlyphAtlasPage::lock()
{
    if (Locked)
        return true;
    if (!Texture)
        return false;
    void* pixels = Texture->lock(video::ETLM_READ_WRITE);
    if (!pixels)
        return false;
    const video::ECOLOR_FORMAT format = Texture->getColorFormat();
    const core::dimension2d<u32> size = Texture->getSize();
    if (Texture->getPitch() != size.Width * video::IImage::getBitsPerPixelFromFormat(format) / 8)
    {
        Texture->unlock();
        return false;
    }
    Locked = Driver->createImageFromData(format, size, pixels, true, false);
    if (!Locked)
        Texture->unlock();
    return Locked != 0;
}

void CGlyphAtlasPage::unlock()
{
    if (!Locked)
        return;
    Locked->drop();
    Locked = 0;
    Texture->unlock();
}

void CGlyphAtlasPage::clear()
{
    Packer.reset();
    Positions.set_used(0);
    Rects.set_used(0);
    if (lock())
        memset(Locked->lock(), 0, Locked->getImageDataSizeInBytes());
}

void CGlyphAtlasPage::write(const core::position2d<s32>& at, const u8* bitmap, u32 width,
                            u32 height)
{
    if (!Texture || !width || !height || !lock())
        return;
    // The bitmap becomes an image of the format a glyph texture is made
    // from, and the engine converts it into the texture's own format, as it
    // does when it makes a glyph texture.
    const u32 count = width * height;
    const bool narrow = Format == video::ECF_A1R5G5B5;
    Scratch.set_used(narrow ? (count + 1) / 2 : count);
    if (narrow)
    {
        u16* pixels = reinterpret_cast<u16*>(Scratch.pointer());
        for (u32 i = 0; i < count; ++i)
            pixels[i] = bitmap[i] ? 0xFFFF : 0;
    }
    else
    {
        for (u32 i = 0; i < count; ++i)
            Scratch[i] = getCoveragePixel(bitmap[i], DriverType);
    }
    video::IImage* glyph = Driver->createImageFromData(
        Monochrome ? video::ECF_A1R5G5B5 : video::ECF_A8R8G8B8,
        core::dimension2d<u32>(width, height), Scratch.pointer(), true, false);
    if (!glyph)
        return;
    glyph->copyTo(Locked, at);
    glyph->drop();
}

void CGlyphAtlasPage::queue(const core::position2d<s32>& screen, const core::rect<s32>& source)
{
    Positions.push_back(screen);
    Rects.push_back(source);
}

void CGlyphAtlasPage::flush(const core::rect<s32>* clip, video::SColor color)
{
    if (Positions.empty())
        return;
    unlock();
    if (Texture)
        Driver->draw2DImageBatch(Texture, Positions, Rects, clip, color, true);
    Positions.set_used(0);
    Rects.set_used(0);
}

u32 CGlyphAtlasPage::getBytes() const
{
    const u32 side = Packer.getSide();
    return side * side * (Format == video::ECF_A1R5G5B5 ? 2 : 4);
}

} // end namespace gui
} // end namespace irr
