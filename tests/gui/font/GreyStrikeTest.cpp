#include "FontTestSupport.h"

#include "support/ScopedDevice.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace irr;

namespace
{

// A bitmap font whose only glyph, 'A', is a grey strike of the given depth:
// Width by 12 pixels whose level runs (x + y) modulo the number of levels,
// so that every level appears in every row and column. Written here, in the
// BDF format FreeType reads, because no small Debian font has such strikes.
const s32 Rows = 12;
const s32 Descent = 2;

u32 levelAt(s32 x, s32 y, u32 bitsPerPixel)
{
    return (u32)(x + y) % (1u << bitsPerPixel);
}

std::string greyBdf(u32 bitsPerPixel, s32 width)
{
    char line[128];
    std::string bdf =
        "STARTFONT 2.1\nFONT -test-grey-medium-r-normal--12-120-75-75-c-80-iso10646-1\n";
    snprintf(line, sizeof(line), "SIZE 12 75 75 %u\n", bitsPerPixel);
    bdf += line;
    snprintf(line, sizeof(line), "FONTBOUNDINGBOX %d %d 0 %d\n", width, Rows, -Descent);
    bdf += line;
    bdf += "STARTPROPERTIES 3\nPIXEL_SIZE 12\nFONT_ASCENT 10\nFONT_DESCENT 2\nENDPROPERTIES\n";
    bdf += "CHARS 1\nSTARTCHAR A\nENCODING 65\nSWIDTH 500 0\n";
    snprintf(line, sizeof(line), "DWIDTH %d 0\nBBX %d %d 0 %d\nBITMAP\n", width + 1, width, Rows,
             -Descent);
    bdf += line;
    // Each row is padded to whole bytes, as the format wants.
    const s32 rowBytes = ((s32)bitsPerPixel * width + 7) / 8;
    for (s32 y = 0; y < Rows; ++y)
    {
        u32 bits = 0;
        for (s32 x = 0; x < width; ++x)
            bits = (bits << bitsPerPixel) | levelAt(x, y, bitsPerPixel);
        bits <<= rowBytes * 8 - (s32)bitsPerPixel * width;
        snprintf(line, sizeof(line), "%0*X\n", rowBytes * 2, bits);
        bdf += line;
    }
    bdf += "ENDCHAR\nENDFONT\n";
    return bdf;
}

class GreyStrike : public ::testing::TestWithParam<u32>
{
protected:
    GreyStrike() : Device(video::EDT_SOFTWARE) {}

    testsupport::ScopedDevice Device;
    testsupport::TemporaryDirectory Folder;
};

// A monochrome rendering of a grey strike is the strike thresholded at half
// its range, read within each row's bytes: nothing beside the glyph is inked
// and nothing is read beyond the bitmap (valgrind and AddressSanitizer see
// the reads).
TEST_P(GreyStrike, MonochromeTextureIsTheStrikeThresholdedAtHalf)
{
    const u32 bitsPerPixel = GetParam();
    const s32 width = bitsPerPixel == 2 ? 7 : 5;
    const std::string path = Folder.path() + "/grey.bdf";
    fonttest::writeFile(path, greyBdf(bitsPerPixel, width));

    gui::CGUITTFace* face = new gui::CGUITTFace();
    ASSERT_TRUE(face->load(path.c_str()));
    gui::CGUITTFont* font = new gui::CGUITTFont(Device.driver());
    ASSERT_TRUE(font->attach(face, 12));
    face->drop();

    const video::SColor background(255, 200, 200, 200);
    const core::position2d<s32> pen(40, 30);
    const core::rect<s32> region(pen.X - 4, pen.Y - 4, pen.X + 20, pen.Y + 20);
    const std::vector<u32> pixels = fonttest::renderRegion(
        Device, region, background,
        [&]
        {
            font->draw(L"A", core::rect<s32>(pen, core::dimension2d<s32>(100, 20)),
                       video::SColor(255, 0, 0, 255));
        });
    font->drop();

    // The strike's top row sits at the ascent above the baseline, which is
    // the font's size below the pen.
    const s32 top = pen.Y + 12 - (Rows - Descent);
    const u32 levels = 1u << bitsPerPixel;
    for (s32 y = region.UpperLeftCorner.Y; y < region.LowerRightCorner.Y; ++y)
    {
        for (s32 x = region.UpperLeftCorner.X; x < region.LowerRightCorner.X; ++x)
        {
            const s32 gx = x - pen.X;
            const s32 gy = y - top;
            const bool inGlyph = gx >= 0 && gx < width && gy >= 0 && gy < Rows;
            const bool inked = inGlyph && levelAt(gx, gy, bitsPerPixel) * 2 >= levels;
            const u32 pixel = pixels[(y - region.UpperLeftCorner.Y) * region.getWidth() +
                                     (x - region.UpperLeftCorner.X)];
            EXPECT_EQ(inked,
                      video::SColor(pixel).getBlue() > 200 && video::SColor(pixel).getRed() < 50)
                << "glyph pixel (" << gx << ", " << gy << ")";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, GreyStrike, ::testing::Values(2u, 4u),
                         [](const ::testing::TestParamInfo<u32>& info)
                         { return std::to_string(info.param) + "Bit"; });

} // namespace
