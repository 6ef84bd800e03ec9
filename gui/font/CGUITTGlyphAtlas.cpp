#include "gui/font/CGUITTGlyphAtlas.h"

#include "gui/font/CGlyphAtlasPage.h"

namespace irr
{
namespace gui
{

namespace
{

// The slot of a bitmap without a single inked pixel, such as a space's
// monochrome one: there is nothing to keep on a page or to draw.
const s32 BlankSlot = -2;

bool isBlank(const u8* bitmap, u32 count)
{
    for (u32 i = 0; i < count; ++i)
        if (bitmap[i])
            return false;
    return true;
}

// The smallest page from 256 up that holds a thousand glyph cells of the
// pixel size, so that a few pages hold what a program shows; never more
// than 1024, so that one page of each variant costs at most 6 MiB.
u32 pageSideFor(u32 pixelSize, video::IVideoDriver* driver)
{
    const u64 cell = (u64)(pixelSize + 1) * (pixelSize + 1);
    u32 side = 256;
    while (side < 1024 && (u64)side * side < 1000 * cell)
        side <<= 1;
    // Burning's renderer says 0: no limit.
    const core::dimension2du largest = driver->getMaxTextureSize();
    while (side > 1 && largest.Width && largest.Height &&
           (side > largest.Width || side > largest.Height))
        side >>= 1;
    return side;
}

} // namespace

CGUITTGlyphAtlas::CGUITTGlyphAtlas(video::IVideoDriver* driver)
    : Driver(driver), KeepsPixels(driver->getDriverType() != video::EDT_NULL),
      HoldsAntiAliased(driver->getDriverType() != video::EDT_SOFTWARE), Failed(false), Side(256),
      TextureBytes(0), Evicted(0), NextGeneration(0), Draws(0), LastQueued(-1), Clipped(false)
{
    Open[0] = Open[1] = -1;
}

CGUITTGlyphAtlas::~CGUITTGlyphAtlas()
{
    removeAll();
}

void CGUITTGlyphAtlas::removeAll()
{
    for (u32 i = 0; i < Pages.size(); ++i)
        delete Pages[i];
    Pages.clear();
    TextureBytes = 0;
    Open[0] = Open[1] = -1;
    LastQueued = -1;
}

void CGUITTGlyphAtlas::reset(u32 pixelSize)
{
    removeAll();
    Failed = false;
    Side = pageSideFor(pixelSize, Driver);
}

u32 CGUITTGlyphAtlas::getPageCount() const
{
    u32 count = 0;
    for (u32 i = 0; i < Pages.size(); ++i)
        count += Pages[i] != 0;
    return count;
}

bool CGUITTGlyphAtlas::isCurrent(const SGlyphAtlasSlot& slot) const
{
    if (slot.Page == BlankSlot)
        return true;
    return slot.Page >= 0 && (u32)slot.Page < Pages.size() && Pages[slot.Page] &&
           Pages[slot.Page]->Generation == slot.Generation;
}

CGUITTGlyphAtlas::E_PLACEMENT CGUITTGlyphAtlas::place(SGlyphAtlasSlot& slot, bool monochrome,
                                                      const u8* bitmap, s32 width, s32 height)
{
    slot.Page = -1;
    if (Failed)
        return EP_FAILED;
    if (width < 0 || height < 0 || !CGlyphShelfPacker(Side).fitsEmptyPage(width, height))
        return EP_TOO_LARGE;
    if (bitmap && isBlank(bitmap, (u32)(width * height)))
    {
        slot.Page = BlankSlot;
        return EP_PLACED;
    }
    core::position2d<s32> at;
    s32 page = Open[monochrome];
    if (page < 0 || !Pages[page]->place(width, height, at))
    {
        page = pageWithRoom(monochrome);
        if (page < 0)
            return EP_FAILED;
        Pages[page]->place(width, height, at);
    }
    if (KeepsPixels && bitmap)
        Pages[page]->write(at, bitmap, width, height);
    slot.Page = page;
    slot.Generation = Pages[page]->Generation;
    slot.X = at.X;
    slot.Y = at.Y;
    return EP_PLACED;
}

// An empty page for the variant: a new one while the memory allows, else
// the least recently drawn page, emptied (or removed to make room when it
// holds the other variant).
s32 CGUITTGlyphAtlas::pageWithRoom(bool monochrome)
{
    const u32 bytes = Side * Side * (monochrome ? 2 : 4);
    while (TextureBytes + bytes > getMemoryLimit())
    {
        const s32 oldest = leastRecentlyDrawn(-1);
        if (oldest < 0)
            break;
        if (Pages[oldest]->Monochrome == monochrome)
            return Open[monochrome] = recycle(oldest);
        removePage(oldest);
    }
    s32 page = makePage(monochrome);
    if (page < 0)
    {
        // A driver that made pages of the variant before and makes no more
        // is out of memory: the variant's oldest page takes the new glyphs.
        // One that never made a page cannot make them at all: the font goes
        // back to textures per glyph. Otherwise the glyph gets its own
        // texture for this variant, and the pages made so far stay.
        const s32 oldest = leastRecentlyDrawn(monochrome);
        if (oldest >= 0)
            return Open[monochrome] = recycle(oldest);
        if (!getPageCount())
            Failed = true;
        return -1;
    }
    return Open[monochrome] = page;
}

s32 CGUITTGlyphAtlas::makePage(bool monochrome)
{
    CGlyphAtlasPage* page = new CGlyphAtlasPage();
    if (!page->create(Driver, Side, monochrome, KeepsPixels))
    {
        delete page;
        return -1;
    }
    page->Generation = ++NextGeneration;
    page->LastDrawn = Draws;
    TextureBytes += page->getBytes();
    for (u32 i = 0; i < Pages.size(); ++i)
        if (!Pages[i])
        {
            Pages[i] = page;
            return (s32)i;
        }
    Pages.push_back(page);
    return (s32)Pages.size() - 1;
}

// kind: -1 for any page, else 0 anti-aliased or 1 monochrome.
s32 CGUITTGlyphAtlas::leastRecentlyDrawn(s32 kind) const
{
    s32 oldest = -1;
    for (u32 i = 0; i < Pages.size(); ++i)
    {
        if (!Pages[i] || (kind >= 0 && Pages[i]->Monochrome != (kind == 1)))
            continue;
        if (oldest < 0 || Pages[i]->LastDrawn < Pages[oldest]->LastDrawn)
            oldest = (s32)i;
    }
    return oldest;
}

s32 CGUITTGlyphAtlas::recycle(s32 page)
{
    // Glyphs queued from the page are drawn before their pixels go.
    if (Pages[page]->hasQueued())
        flush();
    Pages[page]->clear();
    ++Evicted;
    Pages[page]->Generation = ++NextGeneration;
    Pages[page]->LastDrawn = Draws;
    return page;
}

void CGUITTGlyphAtlas::removePage(s32 page)
{
    if (Pages[page]->hasQueued())
        flush();
    TextureBytes -= Pages[page]->getBytes();
    ++Evicted;
    delete Pages[page];
    Pages[page] = 0;
    for (s32& open : Open)
        if (open == page)
            open = -1;
}

bool CGUITTGlyphAtlas::queue(const CGUITTGlyph& glyph, bool antiAliased,
                             const core::position2d<s32>& pen, s32 baseline,
                             const core::rect<s32>* clip, video::SColor color)
{
    if (Failed)
        return false;
    SGlyphAtlasSlot& slot = antiAliased ? glyph.AtlasSlot : glyph.AtlasSlot16;
    const s32 width = antiAliased ? glyph.Width : glyph.Width16;
    const s32 height = antiAliased ? glyph.Height : glyph.Height16;
    if (width <= 0 || height <= 0)
        return true;
    if (!isCurrent(slot))
    {
        const core::array<u8>& bitmap = antiAliased ? glyph.Coverage : glyph.Monochrome;
        if (KeepsPixels && bitmap.size() != (u32)(width * height))
            return false;
        if (place(slot, !antiAliased, KeepsPixels ? bitmap.const_pointer() : 0, width, height) !=
            EP_PLACED)
            return false;
    }
    if (!KeepsPixels || slot.Page == BlankSlot)
        return true;

    // Glyphs of different pages are drawn page by page. Where anti-aliased
    // glyphs overlap, the order of blending shows in the last bit, so they
    // keep the text's order: a change of page draws what came before.
    if (antiAliased && LastQueued >= 0 && LastQueued != slot.Page)
        flush();
    CGlyphAtlasPage* page = Pages[slot.Page];
    const core::position2d<s32> screen =
        antiAliased ? core::position2d<s32>(pen.X + glyph.Left, baseline - glyph.Top)
                    : core::position2d<s32>(pen.X + glyph.Left16, baseline - glyph.Top16);
    page->queue(screen, core::rect<s32>(slot.X, slot.Y, slot.X + width, slot.Y + height));
    page->LastDrawn = Draws;
    LastQueued = slot.Page;
    Clipped = clip != 0;
    if (clip)
        Clip = *clip;
    Color = color;
    return true;
}

void CGUITTGlyphAtlas::flush()
{
    for (u32 i = 0; i < Pages.size(); ++i)
        if (Pages[i])
            Pages[i]->flush(Clipped ? &Clip : 0, Color);
    ++Draws;
    LastQueued = -1;
}

} // end namespace gui
} // end namespace irr
