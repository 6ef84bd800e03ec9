#include "FontTestSupport.h"
#include "harness/FreeTypeCallCounter.h"

#include "gui/font/CGUITTGlyph.h"
#include "support/ScopedDevice.h"

#include <gtest/gtest.h>

using namespace irr;

namespace
{

bool isPowerOfTwo(u32 n)
{
    return n && !(n & (n - 1));
}

class GlyphCache : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Face = fonttest::loadIpaFace();
        ASSERT_TRUE(Face->Loaded);
    }
    void TearDown() override { Face->drop(); }

    video::IVideoDriver* driver() const { return Device.driver(); }

    void prepare(gui::CGUITTGlyph& glyph) const
    {
        glyph.Driver = driver();
        glyph.FaceHandle = &Face->Face;
        glyph.Size = 12;
    }

    u32 indexOf(u32 code) const
    {
        const u32 index = FT_Get_Char_Index(Face->Face, code);
        EXPECT_NE(0u, index) << "IPA Gothic lacks U+" << std::hex << code;
        return index;
    }

    testsupport::ScopedDevice Device;
    gui::CGUITTFace* Face = 0;
};

TEST_F(GlyphCache, TexturesAreSquarePowersOfTwoLargerThanTheBitmap)
{
    // Characters whose anti-aliased bitmaps at 12 pixels are 4x10, 7x7 and 8x8.
    const struct
    {
        u32 code;
        s32 width, height;
        u32 side;
    } cases[] = {{'I', 4, 10, 16}, {0x3C3, 7, 7, 8}, {0x30A1, 8, 8, 16}};
    for (const auto& c : cases)
    {
        gui::CGUITTGlyph glyph;
        prepare(glyph);
        glyph.cache(indexOf(c.code));
        ASSERT_TRUE(glyph.Cached);
        ASSERT_EQ(c.width, glyph.Width) << c.code;
        ASSERT_EQ(c.height, glyph.Height) << c.code;
        EXPECT_EQ(c.side, glyph.TexWidth) << c.code;
        EXPECT_EQ(c.side, glyph.TexHeight) << c.code;
        EXPECT_EQ((u32)(c.width * c.height), glyph.Coverage.size());
        EXPECT_TRUE(glyph.Texture);

        EXPECT_TRUE(glyph.Texture16);
        EXPECT_EQ(glyph.TexWidth16, glyph.TexHeight16);
        EXPECT_TRUE(isPowerOfTwo(glyph.TexWidth16));
    }
}

TEST_F(GlyphCache, ASpaceIsCachedWithAnEmptyBitmap)
{
    gui::CGUITTGlyph glyph;
    prepare(glyph);
    glyph.cache(indexOf(' '));
    EXPECT_TRUE(glyph.Cached);
    EXPECT_EQ(0, glyph.Width);
    EXPECT_EQ(0, glyph.Height);
    EXPECT_EQ(0u, glyph.Coverage.size());
    EXPECT_EQ(1u, glyph.TexWidth);
    EXPECT_EQ(1u, glyph.TexHeight);
    ASSERT_TRUE(glyph.Texture);
    // FreeType's monochrome rasteriser gives the blank outline a 1x1 bitmap,
    // so this texture follows the rule on that: at most 2x2.
    ASSERT_TRUE(glyph.Texture16);
    EXPECT_EQ(glyph.TexWidth16, glyph.TexHeight16);
    EXPECT_LE(glyph.TexWidth16, 2u);
}

TEST_F(GlyphCache, TexturesAreNamedAfterTheGlyphIndex)
{
    gui::CGUITTGlyph glyph;
    prepare(glyph);
    glyph.cache(65);
    ASSERT_TRUE(glyph.Texture);
    ASSERT_TRUE(glyph.Texture16);
    EXPECT_EQ(glyph.Texture, fonttest::findTextureNamed(driver(), "TTFontGlyph65"));
    EXPECT_EQ(glyph.Texture16, fonttest::findTextureNamed(driver(), "TTFontGlyph65_16"));
    EXPECT_EQ(2u, fonttest::countGlyphTextures(driver()));
}

// Every creation flag the caller had is there again after a glyph was made,
// also those the engine clears by itself whenever a texture depth is chosen.
TEST_F(GlyphCache, LeavesTheDriversCreationFlagsAsItFoundThem)
{
    const video::E_TEXTURE_CREATION_FLAG flags[] = {
        video::ETCF_ALWAYS_16_BIT,         video::ETCF_ALWAYS_32_BIT,
        video::ETCF_OPTIMIZED_FOR_QUALITY, video::ETCF_OPTIMIZED_FOR_SPEED,
        video::ETCF_CREATE_MIP_MAPS,       video::ETCF_NO_ALPHA_CHANNEL,
        video::ETCF_ALLOW_NON_POWER_2};
    auto current = [&]
    {
        u32 word = 0;
        for (video::E_TEXTURE_CREATION_FLAG flag : flags)
            if (driver()->getTextureCreationFlag(flag))
                word |= flag;
        return word;
    };
    // Each depth choice alone and with the other flags; at most one depth
    // can be on at a time.
    const u32 settings[] = {0x01, 0x12, 0x14, 0x08, 0x00, 0x70, 0x61, 0x18, 0x52};
    u32 index = indexOf('A');
    for (u32 setting : settings)
    {
        for (video::E_TEXTURE_CREATION_FLAG flag : flags)
            driver()->setTextureCreationFlag(flag, false);
        for (video::E_TEXTURE_CREATION_FLAG flag : flags)
            if (setting & flag)
                driver()->setTextureCreationFlag(flag, true);
        ASSERT_EQ(setting, current());
        gui::CGUITTGlyph glyph;
        prepare(glyph);
        glyph.cache(index++);
        ASSERT_TRUE(glyph.Texture && glyph.Texture16);
        EXPECT_EQ(setting, current()) << std::hex << "flags 0x" << setting;
    }
}

TEST_F(GlyphCache, ARecordRemovesItsTexturesAndACopyNeverSharesThem)
{
    {
        gui::CGUITTGlyph glyph;
        prepare(glyph);
        glyph.cache(indexOf(0x3042));
        ASSERT_TRUE(glyph.Cached);
        ASSERT_EQ(2u, fonttest::countGlyphTextures(driver()));

        gui::CGUITTGlyph copy(glyph);
        EXPECT_FALSE(copy.Cached);
        EXPECT_FALSE(copy.Texture);
        EXPECT_FALSE(copy.Texture16);
        EXPECT_EQ(0u, copy.Coverage.size());
        EXPECT_EQ(glyph.Driver, copy.Driver);
        EXPECT_EQ(glyph.FaceHandle, copy.FaceHandle);
        EXPECT_EQ(12u, copy.Size);

        // Assigning over a cached record lets go of its textures first.
        gui::CGUITTGlyph other;
        prepare(other);
        other.cache(indexOf('B'));
        ASSERT_EQ(4u, fonttest::countGlyphTextures(driver()));
        other = copy;
        EXPECT_FALSE(other.Cached);
        EXPECT_EQ(2u, fonttest::countGlyphTextures(driver()));
    }
    EXPECT_EQ(0u, fonttest::countGlyphTextures(driver()));
}

TEST_F(GlyphCache, AGlyphThatCannotBeRenderedStaysUncachedWithoutCrashing)
{
    fonttest::FreeTypeCalls::reset();
    gui::CGUITTGlyph glyph;
    prepare(glyph);
    glyph.cache((u32)Face->Face->num_glyphs + 10);
    EXPECT_FALSE(glyph.Cached);
    EXPECT_FALSE(glyph.Texture);
    EXPECT_FALSE(glyph.Texture16);
    EXPECT_EQ(0, glyph.Width);
    EXPECT_EQ(0u, fonttest::countGlyphTextures(driver()));
}

} // namespace
