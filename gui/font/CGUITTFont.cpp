#include "gui/font/CGUITTFont.h"

#include "gui/font/CGUITTGlyphAtlas.h"

namespace irr
{
namespace gui
{

namespace
{
// Characters the index table covers; the rest go to FreeType every time.
const u32 IndexedCharacters = 0x10000;
// No face has this many glyphs, so it cannot be a real index.
const u32 UnknownGlyphIndex = 0xFFFFFFFFu;

// The part of a glyph texture worth blitting: the bitmap in its top-left
// corner and one transparent pixel beyond, never more than the texture less
// its last row and column. Everything left out is transparent, so the
// screen is the same, but the software drivers blend every texel they are
// given and a 12-pixel glyph sits in a 16-pixel texture.
core::rect<s32> inkedSourceRect(s32 width, s32 height, u32 texWidth, u32 texHeight)
{
    return core::rect<s32>(0, 0, core::min_(width + 1, (s32)texWidth - 1),
                           core::min_(height + 1, (s32)texHeight - 1));
}
} // namespace

CGUITTFont::CGUITTFont(video::IVideoDriver* driver)
    : AntiAlias(false), Transparency(false), Size(0), Attached(false), Driver(driver), Face(0),
      KerningWidth(0), KerningHeight(0), Atlas(0)
{
    if (Driver)
        Driver->grab();
}

CGUITTFont::~CGUITTFont()
{
    if (Attached)
    {
        Face->drop();
        Attached = false;
    }
    for (u32 i = 0; i < Fallbacks.size(); ++i)
        delete Fallbacks[i];
    Fallbacks.clear();
    // The records remove their textures through the driver, so they go first.
    Glyphs.clear();
    delete Atlas;
    if (Driver)
        Driver->drop();
}

void CGUITTFont::setGlyphAtlas(bool on)
{
    if (on == (Atlas != 0) || !Driver)
        return;
    Glyphs.clear();
    delete Atlas;
    Atlas = on ? new CGUITTGlyphAtlas(Driver) : 0;
    if (Attached)
        attach(Face, Size);
}

bool CGUITTFont::attach(CGUITTFace* face, u32 size)
{
    if (!Driver)
        return false;
    // An unloaded face has no FreeType face to count or render glyphs from.
    if (!face || !face->Loaded)
        return false;

    // Grabbed before the old face is dropped: attaching the same face again
    // must not destroy it on the way.
    face->grab();
    if (Attached)
        Face->drop();
    Face = face;
    Size = size;

    // Every earlier record goes, textures included. The array is sized once
    // and filled with fresh records, so no record with textures is copied.
    Glyphs.clear();
    CharGlyphIndices.clear();
    const u32 count = face->Face->num_glyphs > 0 ? (u32)face->Face->num_glyphs : 0;
    CGUITTGlyph blank;
    blank.Driver = Driver;
    blank.FaceHandle = &face->Face;
    blank.Size = size;
    blank.Atlas = Atlas;
    if (Atlas)
        Atlas->reset(size);
    Glyphs.reallocate(count);
    for (u32 i = 0; i < count; ++i)
        Glyphs.push_back(blank);

    for (u32 i = 0; i < Fallbacks.size(); ++i)
        Fallbacks[i]->setSize(size);
    CharFallbacks.clear();

    Attached = true;
    return true;
}

bool CGUITTFont::addFallback(CGUITTFace* face)
{
    if (!Driver || !face || !face->Loaded || findFallback(face) >= 0)
        return false;
    CGUITTFallbackFace* fallback = new CGUITTFallbackFace(face, Driver);
    fallback->setSize(Attached ? Size : 0);
    Fallbacks.push_back(fallback);
    // Characters no face served may be served now.
    CharFallbacks.clear();
    return true;
}

bool CGUITTFont::removeFallback(CGUITTFace* face)
{
    const s32 i = findFallback(face);
    if (i < 0)
        return false;
    delete Fallbacks[i];
    Fallbacks.erase(i);
    // The slots after it moved, and its characters need another face.
    CharFallbacks.clear();
    return true;
}

CGUITTFace* CGUITTFont::getFallback(u32 index) const
{
    return index < Fallbacks.size() ? Fallbacks[index]->getFace() : 0;
}

s32 CGUITTFont::findFallback(const CGUITTFace* face) const
{
    for (u32 i = 0; i < Fallbacks.size(); ++i)
        if (Fallbacks[i]->getFace() == face)
            return (s32)i;
    return -1;
}

CGUITTFont::SFallbackIndex CGUITTFont::lookUpFallback(u32 code) const
{
    for (u32 i = 0; i < Fallbacks.size(); ++i)
    {
        const u32 index = Fallbacks[i]->getGlyphIndex(code);
        if (index)
        {
            const SFallbackIndex found = {index, i + 1};
            return found;
        }
    }
    const SFallbackIndex none = {0, 0};
    return none;
}

CGUITTFont::SFallbackIndex CGUITTFont::fallbackIndexOf(wchar_t c) const
{
    const u32 code = (u32)c;
    if (code >= IndexedCharacters)
        return lookUpFallback(code);
    if (CharFallbacks.empty())
    {
        const SFallbackIndex unknown = {0, UnknownGlyphIndex};
        CharFallbacks.set_used(IndexedCharacters);
        for (u32 i = 0; i < IndexedCharacters; ++i)
            CharFallbacks[i] = unknown;
    }
    SFallbackIndex& entry = CharFallbacks.pointer()[code];
    if (entry.Slot == UnknownGlyphIndex)
        entry = lookUpFallback(code);
    return entry;
}

// The one place that picks the face for a character: measuring, hit-testing
// and drawing all come here, so they can never disagree.
const CGUITTGlyph* CGUITTFont::glyphOf(wchar_t c) const
{
    const u32 index = getGlyphIndex(c);
    if (index || Fallbacks.empty() || !Attached)
        return getGlyph(index);
    const SFallbackIndex fallback = fallbackIndexOf(c);
    if (!fallback.Slot)
        return 0;
    return Fallbacks[fallback.Slot - 1]->getGlyph(fallback.Index);
}

const CGUITTGlyph* CGUITTFont::getCharacterGlyph(wchar_t c) const
{
    return glyphOf(c);
}

CGUITTFace* CGUITTFont::getFaceOf(wchar_t c) const
{
    if (!Attached)
        return 0;
    if (getGlyphIndex(c))
        return Face;
    if (Fallbacks.empty())
        return 0;
    const SFallbackIndex fallback = fallbackIndexOf(c);
    return fallback.Slot ? Fallbacks[fallback.Slot - 1]->getFace() : 0;
}

u32 CGUITTFont::getGlyphIndex(wchar_t c) const
{
    if (!Attached)
        return 0;
    const u32 code = (u32)c;
    if (code >= IndexedCharacters)
        return FT_Get_Char_Index(Face->Face, (FT_ULong)code);
    if (CharGlyphIndices.empty())
    {
        CharGlyphIndices.set_used(IndexedCharacters);
        for (u32 i = 0; i < IndexedCharacters; ++i)
            CharGlyphIndices[i] = UnknownGlyphIndex;
    }
    u32& index = CharGlyphIndices.pointer()[code];
    if (index == UnknownGlyphIndex)
        index = FT_Get_Char_Index(Face->Face, (FT_ULong)code);
    return index;
}

const CGUITTGlyph* CGUITTFont::getGlyph(u32 glyphIndex) const
{
    if (!glyphIndex || glyphIndex > Glyphs.size())
        return 0;
    CGUITTGlyph& glyph = Glyphs[glyphIndex - 1];
    if (!glyph.Cached)
        glyph.cache(glyphIndex);
    return &glyph;
}

s32 CGUITTFont::advanceOf(wchar_t c, const CGUITTGlyph* glyph) const
{
    if (glyph)
    {
        const s32 advance = glyph->Left + glyph->Width;
        if (advance > 0)
            return advance;
    }
    return (u32)c >= 0x2000 ? (s32)Size : (s32)(Size / 2);
}

s32 CGUITTFont::getGlyphAdvance(wchar_t c) const
{
    return advanceOf(c, glyphOf(c));
}

core::dimension2d<u32> CGUITTFont::getDimension(const wchar_t* text) const
{
    // Without a face there is nothing to measure with; such a font takes no
    // room (the application never hands one to the skin).
    if (!Attached || !text)
        return core::dimension2d<u32>(0, 0);

    const s32 lineHeight = (s32)Size;
    s32 width = 0;
    s32 height = 0;
    s32 lineWidth = 0;
    for (const wchar_t* p = text; *p; ++p)
    {
        if (*p == L'\r' || *p == L'\n')
        {
            if (p[0] == L'\r' && p[1] == L'\n')
                ++p;
            height += lineHeight;
            width = core::max_(width, lineWidth);
            lineWidth = 0;
        }
        else
        {
            lineWidth += getGlyphAdvance(*p) + KerningWidth;
        }
    }
    height += lineHeight;
    width = core::max_(width, lineWidth);

    // A negative kerning can pull a line below nothing; the engine's sizes
    // are unsigned, and a wrapped-around width would be absurd.
    return core::dimension2d<u32>(width > 0 ? (u32)width : 0, (u32)height);
}

s32 CGUITTFont::getCharacterFromPos(const wchar_t* text, s32 pixelX) const
{
    if (!Attached || !text)
        return -1;
    s32 sum = 0;
    for (s32 n = 0; text[n]; ++n)
    {
        sum += getGlyphAdvance(text[n]);
        if (sum >= pixelX)
            return n;
    }
    return -1;
}

s32 CGUITTFont::getKerningWidth(const wchar_t*, const wchar_t*) const
{
    return KerningWidth;
}

void CGUITTFont::setInvisibleCharacters(const wchar_t* s)
{
    Invisible = s ? s : L"";
}

bool CGUITTFont::isInvisible(wchar_t c) const
{
    return Invisible.size() && Invisible.findFirst(c) >= 0;
}

void CGUITTFont::draw(const core::stringw& text, const core::rect<s32>& position,
                      video::SColor color, bool hcenter, bool vcenter, const core::rect<s32>* clip)
{
    if (!Driver || !Attached)
        return;

    core::position2d<s32> pen = position.UpperLeftCorner;
    if (hcenter || vcenter)
    {
        const core::dimension2d<u32> size = getDimension(text.c_str());
        // Arithmetic shifts: a text wider than the box moves left by the
        // halved excess rounded toward minus infinity.
        if (hcenter)
            pen.X += (position.getWidth() - (s32)size.Width) >> 1;
        if (vcenter)
            pen.Y += (position.getHeight() - (s32)size.Height) >> 1;
    }

    if (!Transparency)
        color.setAlpha(255);
    const video::E_DRIVER_TYPE driverType = Driver->getDriverType();

    for (const wchar_t* p = text.c_str(); *p; ++p)
    {
        const CGUITTGlyph* glyph = glyphOf(*p);
        if (glyph && !isInvisible(*p))
            drawGlyph(*glyph, pen, color, driverType, clip);
        pen.X += advanceOf(*p, glyph) + KerningWidth;
    }
    if (Atlas)
        Atlas->flush();
}

void CGUITTFont::drawGlyph(const CGUITTGlyph& glyph, const core::position2d<s32>& pen,
                           video::SColor color, video::E_DRIVER_TYPE driverType,
                           const core::rect<s32>* clip) const
{
    const s32 baseline = pen.Y + (s32)Size;
    if (Atlas && !(AntiAlias && driverType == video::EDT_SOFTWARE))
    {
        if (Atlas->queue(glyph, AntiAlias, pen, baseline, clip, color))
            return;
        // Drawn from its own textures, after what came before it.
        Atlas->flush();
    }
    if (!AntiAlias)
    {
        if (!glyph.Texture16)
            return;
        Driver->draw2DImage(
            glyph.Texture16, core::position2d<s32>(pen.X + glyph.Left16, baseline - glyph.Top16),
            inkedSourceRect(glyph.Width16, glyph.Height16, glyph.TexWidth16, glyph.TexHeight16),
            clip, color, true);
    }
    else if (driverType == video::EDT_SOFTWARE)
    {
        // The software driver cannot blend a textured image with a colour,
        // so its anti-aliased text is laid down pixel by pixel.
        drawCoverage(glyph, pen, color, clip);
    }
    else
    {
        if (!glyph.Texture)
            return;
        Driver->draw2DImage(
            glyph.Texture, core::position2d<s32>(pen.X + glyph.Left, baseline - glyph.Top),
            inkedSourceRect(glyph.Width, glyph.Height, glyph.TexWidth, glyph.TexHeight), clip,
            color, true);
    }
}

void CGUITTFont::drawCoverage(const CGUITTGlyph& glyph, const core::position2d<s32>& pen,
                              video::SColor color, const core::rect<s32>* clip) const
{
    const u32 alpha = color.getAlpha();
    const s32 left = pen.X + glyph.Left;
    const s32 top = pen.Y + (s32)Size - glyph.Top;
    for (s32 y = 0; y < glyph.Height; ++y)
    {
        for (s32 x = 0; x < glyph.Width; ++x)
        {
            const s32 px = left + x;
            const s32 py = top + y;
            // Both edges of the clip count as inside.
            if (clip && (px < clip->UpperLeftCorner.X || px > clip->LowerRightCorner.X ||
                         py < clip->UpperLeftCorner.Y || py > clip->LowerRightCorner.Y))
                continue;
            const u32 coverage = glyph.Coverage[y * glyph.Width + x];
            if (!coverage)
                continue;
            video::SColor pixel = color;
            pixel.setAlpha(coverage * alpha / 255);
            Driver->draw2DRectangle(pixel, core::rect<s32>(px, py, px + 1, py + 1));
        }
    }
}

} // end namespace gui
} // end namespace irr
