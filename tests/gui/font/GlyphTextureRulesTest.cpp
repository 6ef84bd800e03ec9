#include "gui/font/GlyphTexturePixels.h"

#include <gtest/gtest.h>

using namespace irr;

namespace
{

TEST(GlyphTextureRules, SideIsThePowerOfTwoStrictlyAboveTheLargerEdge)
{
    EXPECT_EQ(1u, gui::getGlyphTextureSide(0, 0));
    EXPECT_EQ(2u, gui::getGlyphTextureSide(1, 1));
    EXPECT_EQ(4u, gui::getGlyphTextureSide(2, 3));
    EXPECT_EQ(16u, gui::getGlyphTextureSide(4, 10));
    EXPECT_EQ(16u, gui::getGlyphTextureSide(10, 4));
    EXPECT_EQ(8u, gui::getGlyphTextureSide(7, 7));
    EXPECT_EQ(16u, gui::getGlyphTextureSide(8, 8));
    EXPECT_EQ(32u, gui::getGlyphTextureSide(0, 16));
}

TEST(GlyphTextureRules, CoverageBecomesWhiteWithAlphaExceptOnDirect3D8)
{
    const video::E_DRIVER_TYPE others[] = {video::EDT_NULL, video::EDT_SOFTWARE,
                                           video::EDT_BURNINGSVIDEO, video::EDT_OPENGL,
                                           video::EDT_DIRECT3D9};
    for (video::E_DRIVER_TYPE type : others)
    {
        EXPECT_EQ(0x80FFFFFFu, gui::getCoveragePixel(0x80, type)) << type;
        EXPECT_EQ(0xFFFFFFFFu, gui::getCoveragePixel(0xFF, type)) << type;
        EXPECT_EQ(0u, gui::getCoveragePixel(0, type)) << type;
    }
    EXPECT_EQ(0x80808080u, gui::getCoveragePixel(0x80, video::EDT_DIRECT3D8));
    EXPECT_EQ(0x01010101u, gui::getCoveragePixel(0x01, video::EDT_DIRECT3D8));
    EXPECT_EQ(0u, gui::getCoveragePixel(0, video::EDT_DIRECT3D8));
}

} // namespace
