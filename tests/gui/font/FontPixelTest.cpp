#include "FontTestSupport.h"

#include "gui/font/GlyphTexturePixels.h"
#include "support/ScopedDevice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

using namespace irr;

namespace
{

const video::SColor Background(255, 200, 200, 200);
const core::rect<s32> Region(0, 0, 320, 120);

// The 16-bit back buffers round every channel a little.
bool near(video::SColor a, video::SColor b, s32 tolerance = 12)
{
    return std::abs((s32)a.getRed() - (s32)b.getRed()) <= tolerance &&
           std::abs((s32)a.getGreen() - (s32)b.getGreen()) <= tolerance &&
           std::abs((s32)a.getBlue() - (s32)b.getBlue()) <= tolerance;
}

class FontPixels : public ::testing::Test
{
protected:
    explicit FontPixels(video::E_DRIVER_TYPE type = video::EDT_SOFTWARE) : Device(type) {}

    void SetUp() override
    {
        ASSERT_TRUE(Device.device());
        Font = fonttest::createIpaFont(Device.driver());
    }
    void TearDown() override
    {
        if (Font)
            Font->drop();
    }

    // Draws one frame with draw and returns the pixels of Region, row by row.
    std::vector<u32> render(const std::function<void()>& draw)
    {
        return fonttest::renderRegion(Device, Region, Background, draw);
    }

    bool isBackground(s32 x, s32 y) { return near(Device.pixel(x, y), Background, 8); }

    // Pixels of Region inside (or, with inside false, outside) rect that are
    // not background, in the last frame.
    u32 inkCount(const core::rect<s32>& rect, bool inside = true)
    {
        u32 count = 0;
        for (s32 y = Region.UpperLeftCorner.Y; y < Region.LowerRightCorner.Y; ++y)
            for (s32 x = Region.UpperLeftCorner.X; x < Region.LowerRightCorner.X; ++x)
                if (rect.isPointInside(core::position2d<s32>(x, y)) == inside &&
                    !isBackground(x, y))
                    ++count;
        return count;
    }

    testsupport::ScopedDevice Device;
    gui::CGUITTFont* Font = 0;
};

class BurningsFontPixels : public FontPixels
{
protected:
    BurningsFontPixels() : FontPixels(video::EDT_BURNINGSVIDEO) {}
};

TEST_F(FontPixels, ALineOfJapaneseAndLatinLeavesInkInItsGlyphCellsInTheColour)
{
    const wchar_t* text = L"Ab \x65E5\x672C\x8A9E";
    const core::position2d<s32> pen(20, 30);
    const video::SColor blue(255, 0, 0, 255);
    render([&] { Font->draw(text, core::rect<s32>(pen, core::dimension2d<s32>(200, 20)), blue); });

    // Each character's cell runs from its pen position to the next one, from
    // the pen's line to a few pixels below the baseline.
    s32 x = pen.X;
    for (const wchar_t* p = text; *p; ++p)
    {
        const s32 advance = Font->getGlyphAdvance(*p);
        const core::rect<s32> cell(x, pen.Y, x + advance, pen.Y + 16);
        if (*p == L' ')
            EXPECT_EQ(0u, inkCount(cell)) << "the space";
        else
            EXPECT_GT(inkCount(cell), 3u) << "character " << (p - text);
        x += advance;
    }
    const core::rect<s32> line(pen.X, pen.Y, x, pen.Y + 16);
    EXPECT_EQ(0u, inkCount(line, false));
    for (s32 py = line.UpperLeftCorner.Y; py < line.LowerRightCorner.Y; ++py)
        for (s32 px = line.UpperLeftCorner.X; px < line.LowerRightCorner.X; ++px)
        {
            if (!isBackground(px, py))
            {
                EXPECT_TRUE(near(Device.pixel(px, py), blue))
                    << px << "," << py << " " << std::hex << Device.pixel(px, py).color;
            }
        }
}

// A monochrome glyph's pixels are FreeType's monochrome bitmap, its left
// column at the pen plus the bitmap's left offset and its top row the
// bitmap's top offset above the baseline, which lies the size below the pen.
TEST_F(FontPixels, MonochromeGlyphsSitWhereFreeTypePlacesThemBelowThePen)
{
    const core::position2d<s32> pen(20, 30);
    const video::SColor black(255, 0, 0, 0);
    for (wchar_t c : {L'A', L'g', L'\x3042'})
    {
        const fonttest::SFreeTypeBitmap bitmap = fonttest::renderWithFreeType(c, 12, true);
        const wchar_t text[] = {c, 0};
        render([&]
               { Font->draw(text, core::rect<s32>(pen, core::dimension2d<s32>(100, 20)), black); });
        const s32 left = pen.X + bitmap.Left;
        const s32 top = pen.Y + 12 - bitmap.Top;
        u32 ink = 0;
        for (s32 y = pen.Y - 4; y < pen.Y + 20; ++y)
            for (s32 x = pen.X - 4; x < pen.X + 20; ++x)
            {
                const s32 bx = x - left;
                const s32 by = y - top;
                const bool set = bx >= 0 && bx < bitmap.Width && by >= 0 && by < bitmap.Rows &&
                                 bitmap.Pixels[by * bitmap.Width + bx];
                ink += set;
                ASSERT_EQ(set, !isBackground(x, y)) << (unsigned)c << " at " << x << "," << y;
            }
        EXPECT_GT(ink, 10u) << (unsigned)c;
    }
}

TEST_F(FontPixels, TextStaysInsideTheClipRectangle)
{
    const core::rect<s32> clip(30, 35, 60, 40);
    render(
        [&]
        {
            Font->draw(L"\x65E5\x672C\x8A9E Clipped", core::rect<s32>(20, 30, 300, 50),
                       video::SColor(255, 255, 0, 0), false, false, &clip);
        });
    EXPECT_GT(inkCount(clip), 10u);
    EXPECT_EQ(0u, inkCount(clip, false));
}

TEST_F(FontPixels, CentringMovesThePenByTheHalvedDifferenceRoundedDown)
{
    // 25 glyphs of advance 4: exactly 100 pixels wide, 12 high.
    const core::stringw text(L"iiiiiiiiiiiiiiiiiiiiiiiii");
    ASSERT_EQ(core::dimension2d<u32>(100, 12), Font->getDimension(text.c_str()));
    const video::SColor black(255, 0, 0, 0);

    // 61 wide: (61 - 100) >> 1 is -20. 3 high: (3 - 12) >> 1 is -5.
    const std::vector<u32> centred =
        render([&] { Font->draw(text, core::rect<s32>(100, 50, 161, 53), black, true, true); });
    ASSERT_GT(inkCount(Region), 0u);
    const std::vector<u32> placed =
        render([&] { Font->draw(text, core::rect<s32>(80, 45, 161, 53), black); });
    EXPECT_EQ(placed, centred);
}

TEST_F(FontPixels, KerningAndInvisibleCharactersMoveAndHideWholeGlyphs)
{
    const video::SColor black(255, 0, 0, 0);
    const s32 a = Font->getGlyphAdvance(L'A');
    const s32 b = Font->getGlyphAdvance(L'B');

    Font->setKerningWidth(2);
    const std::vector<u32> kerned =
        render([&] { Font->draw(L"ABC", core::rect<s32>(20, 30, 300, 50), black); });
    Font->setKerningWidth(0);
    const std::vector<u32> apart = render(
        [&]
        {
            Font->draw(L"A", core::rect<s32>(20, 30, 300, 50), black);
            Font->draw(L"B", core::rect<s32>(20 + a + 2, 30, 300, 50), black);
            Font->draw(L"C", core::rect<s32>(20 + a + b + 4, 30, 300, 50), black);
        });
    EXPECT_EQ(apart, kerned);

    Font->setInvisibleCharacters(L"A");
    const std::vector<u32> hidden =
        render([&] { Font->draw(L"ABA", core::rect<s32>(20, 30, 300, 50), black); });
    Font->setInvisibleCharacters(L"");
    const std::vector<u32> onlyB =
        render([&] { Font->draw(L"B", core::rect<s32>(20 + a, 30, 300, 50), black); });
    EXPECT_EQ(onlyB, hidden);
}

TEST_F(FontPixels, SoftwareAntiAliasingDrawsTheClipsLowerRightCorner)
{
    Font->AntiAlias = true;
    const gui::CGUITTGlyph* glyph = Font->getGlyph(Font->getGlyphIndex(L'I'));
    ASSERT_TRUE(glyph);
    // The glyph's most covered pixel whose right and lower neighbours are
    // covered too, so the clip is what keeps them blank.
    s32 best = -1;
    s32 bestX = 0, bestY = 0;
    for (s32 y = 0; y + 1 < glyph->Height; ++y)
        for (s32 x = 0; x + 1 < glyph->Width; ++x)
        {
            const s32 v = glyph->Coverage[y * glyph->Width + x];
            if (v > best && glyph->Coverage[y * glyph->Width + x + 1] > 0x40 &&
                glyph->Coverage[(y + 1) * glyph->Width + x] > 0x40)
            {
                best = v;
                bestX = x;
                bestY = y;
            }
        }
    ASSERT_GT(best, 0x80);

    const core::position2d<s32> pen(20, 30);
    const core::position2d<s32> corner(pen.X + glyph->Left + bestX,
                                       pen.Y + 12 - glyph->Top + bestY);
    const core::rect<s32> clip(0, 0, corner.X, corner.Y);
    const video::SColor red(255, 255, 0, 0);
    render(
        [&]
        {
            Font->draw(L"I", core::rect<s32>(pen, core::dimension2d<s32>(100, 20)), red, false,
                       false, &clip);
        });

    const video::SColor drawn = Device.pixel(corner.X, corner.Y);
    EXPECT_FALSE(isBackground(corner.X, corner.Y));
    // Blended by the coverage: mostly red.
    EXPECT_GT(drawn.getRed(), Background.getRed());
    EXPECT_LT(drawn.getGreen(), Background.getGreen());
    EXPECT_TRUE(isBackground(corner.X + 1, corner.Y));
    EXPECT_TRUE(isBackground(corner.X, corner.Y + 1));
}

TEST_F(BurningsFontPixels, OpaqueUnlessTransparencyIsSet)
{
    const video::SColor halfRed(0x80, 255, 0, 0);
    render([&] { Font->draw(L"\x65E5I", core::rect<s32>(20, 30, 300, 50), halfRed); });
    u32 checked = 0;
    for (s32 y = 30; y < 46; ++y)
        for (s32 x = 20; x < 40; ++x)
        {
            if (!isBackground(x, y))
            {
                EXPECT_TRUE(near(Device.pixel(x, y), video::SColor(255, 255, 0, 0)))
                    << x << "," << y << " " << std::hex << Device.pixel(x, y).color;
                ++checked;
            }
        }
    EXPECT_GT(checked, 10u);

    Font->Transparency = true;
    render([&] { Font->draw(L"\x65E5I", core::rect<s32>(20, 30, 300, 50), halfRed); });
    // Half of the background shows through: (200 + 255) / 2 and 200 / 2.
    const video::SColor blended(255, 227, 100, 100);
    checked = 0;
    for (s32 y = 30; y < 46; ++y)
        for (s32 x = 20; x < 40; ++x)
        {
            if (!isBackground(x, y))
            {
                EXPECT_TRUE(near(Device.pixel(x, y), blended, 16))
                    << x << "," << y << " " << std::hex << Device.pixel(x, y).color;
                ++checked;
            }
        }
    EXPECT_GT(checked, 10u);
}

TEST_F(BurningsFontPixels, GlyphTexturesHoldTheBitmapInTheirUpperLeftCorner)
{
    video::IVideoDriver* driver = Device.driver();
    const gui::CGUITTGlyph* glyph = Font->getGlyph(Font->getGlyphIndex(0x3042));
    ASSERT_TRUE(glyph && glyph->Texture && glyph->Texture16);

    video::IImage* image =
        driver->createImage(glyph->Texture, core::position2d<s32>(0, 0), glyph->Texture->getSize());
    ASSERT_TRUE(image);
    ASSERT_EQ(core::dimension2d<u32>(glyph->TexWidth, glyph->TexHeight), image->getDimension());
    for (u32 y = 0; y < glyph->TexHeight; ++y)
        for (u32 x = 0; x < glyph->TexWidth; ++x)
        {
            const bool inBitmap = x < (u32)glyph->Width && y < (u32)glyph->Height;
            const u32 expected = inBitmap
                                     ? gui::getCoveragePixel(glyph->Coverage[y * glyph->Width + x],
                                                             driver->getDriverType())
                                     : 0;
            ASSERT_EQ(expected, image->getPixel(x, y).color) << x << "," << y;
        }
    image->drop();

    // Monochrome: opaque white ink on a colour-keyed, fully transparent rest.
    image = driver->createImage(glyph->Texture16, core::position2d<s32>(0, 0),
                                glyph->Texture16->getSize());
    ASSERT_TRUE(image);
    ASSERT_EQ(core::dimension2d<u32>(glyph->TexWidth16, glyph->TexHeight16), image->getDimension());
    u32 ink = 0;
    for (u32 y = 0; y < glyph->TexHeight16; ++y)
        for (u32 x = 0; x < glyph->TexWidth16; ++x)
        {
            const video::SColor c = image->getPixel(x, y);
            if (c.getAlpha())
            {
                ++ink;
                EXPECT_EQ(0xFFFFFFFFu, c.color) << x << "," << y;
            }
        }
    EXPECT_GT(ink, 10u);
    // The last row and column stay blank: the font draws one pixel short.
    for (u32 i = 0; i < glyph->TexWidth16; ++i)
    {
        EXPECT_EQ(0u, image->getPixel(glyph->TexWidth16 - 1, i).getAlpha());
        EXPECT_EQ(0u, image->getPixel(i, glyph->TexHeight16 - 1).getAlpha());
    }
    image->drop();
}

} // namespace
