#include "FontTestSupport.h"

#include "gui/font/CGUITTGlyphAtlas.h"
#include "gui/font/CGlyphShelfPacker.h"
#include "support/ScopedDevice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace irr;

namespace
{

const video::SColor Background(255, 200, 200, 200);
const video::SColor Black(255, 0, 0, 0);

// count consecutive CJK ideographs from U+4E00 that IPA Gothic has.
core::stringw kanji(u32 count, u32 from = 0x4E00)
{
    core::stringw text;
    for (u32 c = from; text.size() < count; ++c)
        text.append((wchar_t)c);
    return text;
}

TEST(GlyphShelfPacker, PlacesApartUntilFullAndRefusesWhatIsLargerThanAPage)
{
    gui::CGlyphShelfPacker packer(64);
    std::vector<core::rect<s32>> placed;
    core::position2d<s32> at;
    // Mixed heights, as glyphs come.
    for (u32 i = 0; packer.place(5 + i % 7, 6 + i % 5, at); ++i)
    {
        const core::rect<s32> r(at, core::dimension2d<s32>(5 + i % 7, 6 + i % 5));
        ASSERT_GE(r.UpperLeftCorner.X, 0);
        ASSERT_GE(r.UpperLeftCorner.Y, 0);
        ASSERT_LE(r.LowerRightCorner.X, 64);
        ASSERT_LE(r.LowerRightCorner.Y, 64);
        // One pixel of padding: grown by it, no two rectangles meet.
        const core::rect<s32> padded(r.UpperLeftCorner, r.LowerRightCorner + core::vector2di(1, 1));
        for (const core::rect<s32>& other : placed)
            ASSERT_FALSE(padded.isRectCollided(other)) << i;
        placed.push_back(r);
    }
    EXPECT_GT(placed.size(), 30u);

    packer.reset();
    EXPECT_TRUE(packer.place(63, 63, at));
    EXPECT_EQ(core::position2d<s32>(0, 0), at);
    EXPECT_FALSE(packer.place(1, 1, at));
    packer.reset();
    EXPECT_FALSE(packer.place(64, 1, at));
    EXPECT_FALSE(packer.fitsEmptyPage(1, 64));
}

class GlyphAtlas : public ::testing::Test
{
protected:
    explicit GlyphAtlas(video::E_DRIVER_TYPE type = video::EDT_BURNINGSVIDEO) : Device(type) {}

    video::IVideoDriver* driver() const { return Device.driver(); }

    gui::CGUITTFont* atlasFont(u32 size = 12)
    {
        gui::CGUITTFont* font = fonttest::createIpaFont(driver(), size);
        font->setGlyphAtlas(true);
        return font;
    }

    // One frame of text drawn by font at pen, as pixels of region.
    std::vector<u32> render(gui::CGUITTFont* font, const core::stringw& text,
                            const core::position2d<s32>& pen, const core::rect<s32>& region)
    {
        return fonttest::renderRegion(
            Device, region, Background,
            [&]
            { font->draw(text, core::rect<s32>(pen, pen + core::vector2di(2000, 2000)), Black); });
    }

    testsupport::ScopedDevice Device;
};

TEST_F(GlyphAtlas, TheEngineGetsATextureAPageInsteadOfTwoAGlyphAndLosesThemWithTheFont)
{
    const u32 before = driver()->getTextureCount();
    // Caller's flags that a depth choice would clear: they must come back.
    const u32 flags[] = {video::ETCF_ALWAYS_16_BIT, video::ETCF_ALWAYS_32_BIT,
                         video::ETCF_OPTIMIZED_FOR_QUALITY, video::ETCF_CREATE_MIP_MAPS,
                         video::ETCF_ALLOW_NON_POWER_2};
    driver()->setTextureCreationFlag(video::ETCF_OPTIMIZED_FOR_QUALITY, true);
    driver()->setTextureCreationFlag(video::ETCF_CREATE_MIP_MAPS, true);
    driver()->setTextureCreationFlag(video::ETCF_ALLOW_NON_POWER_2, true);
    std::vector<bool> set;
    for (u32 flag : flags)
        set.push_back(driver()->getTextureCreationFlag((video::E_TEXTURE_CREATION_FLAG)flag));

    gui::CGUITTFont* font = atlasFont();
    const core::stringw text = kanji(300) + L"ABC abc 123 \x3042\x3044\x3046";
    EXPECT_GT(font->getDimension(text.c_str()).Width, 3000u);
    font->draw(text, core::rect<s32>(0, 0, 640, 20), Black);
    const gui::CGUITTGlyphAtlas* atlas = font->getGlyphAtlas();
    ASSERT_TRUE(atlas);
    // One page of each variant at 12 pixels, and no glyph textures.
    EXPECT_EQ(2u, atlas->getPageCount());
    EXPECT_EQ(before + 2, driver()->getTextureCount());
    EXPECT_EQ(0u, fonttest::countGlyphTextures(driver()));
    for (u32 i = 0; i < 5; ++i)
        EXPECT_EQ(set[i],
                  driver()->getTextureCreationFlag((video::E_TEXTURE_CREATION_FLAG)flags[i]))
            << std::hex << flags[i];

    // Another face or size starts without pages.
    gui::CGUITTFace* face = fonttest::loadIpaFace();
    ASSERT_TRUE(font->attach(face, 24));
    face->drop();
    EXPECT_EQ(0u, atlas->getPageCount());
    EXPECT_EQ(before, driver()->getTextureCount());
    font->getDimension(L"A");
    EXPECT_EQ(1024u, atlas->getPageSide());
    font->drop();
    EXPECT_EQ(before, driver()->getTextureCount());
}

// At 200 pixels 25 glyphs fill a page and 16 MiB hold five pages: drawing
// ninety kanji reuses pages, and what was drawn first, drawn again, must
// still be itself.
TEST_F(GlyphAtlas, AFullSetOfPagesIsReusedAndNoGlyphComesBackWrong)
{
    const u32 size = 200;
    gui::CGUITTFont* perGlyph = fonttest::createIpaFont(driver(), size);
    gui::CGUITTFont* font = atlasFont(size);
    const core::stringw first = kanji(3, 0x6F22);
    const core::rect<s32> region(0, 0, 620, 240);
    for (bool antiAlias : {false, true})
    {
        SCOPED_TRACE(antiAlias ? "anti-aliased" : "monochrome");
        font->AntiAlias = perGlyph->AntiAlias = antiAlias;
        const std::vector<u32> expected =
            render(perGlyph, first, core::position2d<s32>(0, 0), region);
        ASSERT_TRUE(expected == render(font, first, core::position2d<s32>(0, 0), region));
        const core::stringw many = kanji(90);
        for (u32 at = 0; at < many.size(); at += 3)
            render(font, many.subString(at, 3), core::position2d<s32>(0, 0), region);
        EXPECT_LE(font->getGlyphAtlas()->getTextureBytes(),
                  gui::CGUITTGlyphAtlas::getMemoryLimit());
        EXPECT_TRUE(expected == render(font, first, core::position2d<s32>(0, 0), region));
    }
    perGlyph->drop();
    font->drop();
}

// A glyph larger than the largest page is drawn from textures of its own,
// whole.
TEST_F(GlyphAtlas, AGlyphLargerThanAPageIsDrawnWhole)
{
    const u32 size = 1700;
    gui::CGUITTFont* perGlyph = fonttest::createIpaFont(driver(), size);
    gui::CGUITTFont* font = atlasFont(size);
    const core::rect<s32> region(0, 0, 640, 480);
    const core::position2d<s32> pen(-500, -800);
    const std::vector<u32> expected = render(perGlyph, L"\x7530", pen, region);
    const u32 textures = fonttest::countGlyphTextures(driver());
    EXPECT_TRUE(expected == render(font, L"\x7530", pen, region));
    EXPECT_EQ(2 * textures, fonttest::countGlyphTextures(driver()));
    u32 inked = 0;
    for (u32 pixel : expected)
        inked += pixel != Background.color;
    EXPECT_GT(inked, 10000u);
    perGlyph->drop();
    font->drop();
}

class NullGlyphAtlas : public GlyphAtlas
{
protected:
    NullGlyphAtlas() : GlyphAtlas(video::EDT_NULL) {}
};

TEST_F(NullGlyphAtlas, KeepsNoPixelsButMeasuresAsTheFontWithTexturesPerGlyph)
{
    const u32 before = driver()->getTextureCount();
    gui::CGUITTFont* perGlyph = fonttest::createIpaFont(driver());
    gui::CGUITTFont* font = atlasFont();
    const core::stringw text = kanji(200) + L" Ag|";
    const core::dimension2d<u32> size = perGlyph->getDimension(text.c_str());
    const u32 withGlyphTextures = driver()->getTextureCount();
    EXPECT_EQ(size, font->getDimension(text.c_str()));
    font->draw(text, core::rect<s32>(0, 0, 640, 20), Black);
    EXPECT_EQ(withGlyphTextures, driver()->getTextureCount());
    const gui::CGUITTGlyph* glyph = font->getGlyph(font->getGlyphIndex(L'\x4E00'));
    ASSERT_TRUE(glyph && glyph->Cached);
    EXPECT_EQ(0u, glyph->Coverage.size());
    EXPECT_EQ(0u, glyph->Monochrome.size());
    EXPECT_FALSE(glyph->Texture || glyph->Texture16);
    perGlyph->drop();
    font->drop();
    EXPECT_EQ(before, driver()->getTextureCount());
}

} // namespace
