#include "FontTestSupport.h"

#include "support/ScopedDevice.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace irr;

namespace
{

// Debian's fonts-wqy-microhei: simplified and traditional Chinese and Hangul,
// 1024 units per em where IPA Gothic has 2048, the first face of a collection.
const char* const WenQuanYi = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc";
const wchar_t Zhe = 0x8FD9;    // 这, simplified only: not in IPA Gothic
const wchar_t Han = 0xD55C;    // 한
const wchar_t ThaiKo = 0x0E01; // in neither face

gui::CGUITTFace* loadFace(const char* path, s32 index = 0)
{
    gui::CGUITTFace* face = new gui::CGUITTFace();
    EXPECT_TRUE(face->load(path, index)) << path;
    return face;
}

// A bitmap-only face with one 12-pixel glyph for 한: 8 by 10 pixels, its top
// row 9 pixels above the baseline.
std::string hangulBdf()
{
    std::string bdf = "STARTFONT 2.1\nFONT -test-strike-medium-r-normal--12-120-75-75-c-80-"
                      "iso10646-1\nSIZE 12 75 75\nFONTBOUNDINGBOX 8 10 0 -1\n"
                      "STARTPROPERTIES 3\nPIXEL_SIZE 12\nFONT_ASCENT 10\nFONT_DESCENT 2\n"
                      "ENDPROPERTIES\nCHARS 1\nSTARTCHAR han\nENCODING 54620\nSWIDTH 700 0\n"
                      "DWIDTH 9 0\nBBX 8 10 0 -1\nBITMAP\n";
    for (int y = 0; y < 10; ++y)
        bdf += "FF\n";
    return bdf + "ENDCHAR\nENDFONT\n";
}

class FallbackFaces : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Font = fonttest::createIpaFont(Device.driver(), 16);
        Chinese = loadFace(WenQuanYi);
    }
    void TearDown() override
    {
        Font->drop();
        Chinese->drop();
    }

    // The same character drawn by a font of the fallback face alone.
    const gui::CGUITTGlyph* alone(gui::CGUITTFont*& font, wchar_t c, u32 size)
    {
        font = new gui::CGUITTFont(Device.driver());
        EXPECT_TRUE(font->attach(Chinese, size));
        return font->getCharacterGlyph(c);
    }

    testsupport::ScopedDevice Device;
    gui::CGUITTFont* Font = nullptr;
    gui::CGUITTFace* Chinese = nullptr;
};

// A character the attached face lacks is measured and hit-tested with the
// fallback's glyph, rendered at the font's size whatever the face's units
// per em; characters the attached face has stay its own.
TEST_F(FallbackFaces, CharactersTheAttachedFaceLacksComeFromTheFallbackAtTheFontsSize)
{
    const wchar_t text[] = {L'日', Zhe, Han, ThaiKo, 0};
    // Blank advances without the fallback: the size from U+2000, half below.
    const s32 ri = Font->getGlyphAdvance(L'日');
    EXPECT_EQ((u32)(ri + 16 + 16 + 8), Font->getDimension(text).Width);

    ASSERT_TRUE(Font->addFallback(Chinese));
    EXPECT_EQ(1u, Font->getFallbackCount());
    EXPECT_EQ(Chinese, Font->getFallback(0));
    EXPECT_EQ(nullptr, Font->getFallback(1));
    EXPECT_EQ(Font->getFaceOf(L'日'), Font->getFaceOf(L'本'));
    EXPECT_NE(Chinese, Font->getFaceOf(L'日'));
    EXPECT_EQ(Chinese, Font->getFaceOf(Zhe));
    EXPECT_EQ(Chinese, Font->getFaceOf(Han));
    EXPECT_EQ(nullptr, Font->getFaceOf(ThaiKo));
    EXPECT_EQ(nullptr, Font->getCharacterGlyph(ThaiKo));

    gui::CGUITTFont* reference = nullptr;
    const gui::CGUITTGlyph* expected = alone(reference, Han, 16);
    const gui::CGUITTGlyph* glyph = Font->getCharacterGlyph(Han);
    ASSERT_TRUE(expected && glyph);
    EXPECT_EQ(expected->Top, glyph->Top);
    EXPECT_EQ(expected->Height, glyph->Height);
    EXPECT_EQ(expected->Width, glyph->Width);
    EXPECT_EQ(expected->Coverage.size(), glyph->Coverage.size());
    EXPECT_LE(glyph->Height, 16);
    const s32 hanAdvance = reference->getGlyphAdvance(Han);
    const s32 zheAdvance = reference->getGlyphAdvance(Zhe);
    reference->drop();

    EXPECT_EQ(hanAdvance, Font->getGlyphAdvance(Han));
    EXPECT_EQ((u32)(ri + zheAdvance + hanAdvance + 8), Font->getDimension(text).Width)
        << "a character no face maps still advances as before";
    EXPECT_EQ(16u, Font->getDimension(text).Height) << "the attached face's line height";
    EXPECT_EQ(1, Font->getCharacterFromPos(text, ri + 1));
    EXPECT_EQ(2, Font->getCharacterFromPos(text, ri + zheAdvance + 1));
    EXPECT_EQ(3, Font->getCharacterFromPos(text, ri + zheAdvance + hanAdvance + 1));
}

// Each fallback glyph is rendered once and keeps its two textures, like the
// attached face's; removing the face removes them and its characters are
// looked up again, also when faces behind it move up the list.
TEST_F(FallbackFaces, RemovingAFallbackTakesItsGlyphsAndFacesBehindItMoveUp)
{
    gui::CGUITTFace* strike = nullptr;
    testsupport::TemporaryDirectory folder;
    const std::string path = folder.path() + "/strike.bdf";
    fonttest::writeFile(path, hangulBdf());
    strike = loadFace(path.c_str());

    const s32 baseCount = Chinese->getReferenceCount();
    ASSERT_TRUE(Font->addFallback(Chinese));
    EXPECT_EQ(baseCount + 1, Chinese->getReferenceCount());
    const u32 before = fonttest::countGlyphTextures(Device.driver());
    const wchar_t text[] = {Zhe, Han, Zhe, 0};
    Font->getDimension(text);
    Font->getDimension(text);
    EXPECT_EQ(before + 4, fonttest::countGlyphTextures(Device.driver()));

    ASSERT_TRUE(Font->removeFallback(Chinese));
    EXPECT_FALSE(Font->removeFallback(Chinese));
    EXPECT_EQ(baseCount, Chinese->getReferenceCount());
    EXPECT_EQ(before, fonttest::countGlyphTextures(Device.driver()));
    EXPECT_EQ(nullptr, Font->getFaceOf(Han));
    EXPECT_EQ(nullptr, Font->getCharacterGlyph(Han));
    EXPECT_EQ(3u * 16u, Font->getDimension(text).Width);

    // The strike, then the Chinese face: removing the strike leaves the
    // Chinese face first, and the characters it serves must not be taken
    // from the place the strike had.
    ASSERT_TRUE(Font->addFallback(strike));
    ASSERT_TRUE(Font->addFallback(Chinese));
    EXPECT_EQ(Chinese, Font->getFaceOf(Zhe));
    ASSERT_TRUE(Font->removeFallback(strike));
    EXPECT_EQ(Chinese, Font->getFaceOf(Zhe));
    EXPECT_EQ(Chinese, Font->getFaceOf(Han));
    ASSERT_TRUE(Font->getCharacterGlyph(Han));
    EXPECT_GT(Font->getCharacterGlyph(Han)->Height, 10);
    strike->drop();
}

TEST_F(FallbackFaces, RefusesFacesItCannotUseAndTakesEachFaceOnce)
{
    gui::CGUITTFace* unloaded = new gui::CGUITTFace();
    EXPECT_FALSE(Font->addFallback(unloaded));
    EXPECT_FALSE(Font->addFallback(nullptr));
    EXPECT_EQ(1, unloaded->getReferenceCount());
    unloaded->drop();

    ASSERT_TRUE(Font->addFallback(Chinese));
    const s32 count = Chinese->getReferenceCount();
    EXPECT_FALSE(Font->addFallback(Chinese));
    EXPECT_EQ(count, Chinese->getReferenceCount());
    EXPECT_EQ(1u, Font->getFallbackCount());

    gui::CGUITTFont* driverless = new gui::CGUITTFont(nullptr);
    EXPECT_FALSE(driverless->addFallback(Chinese));
    EXPECT_EQ(count, Chinese->getReferenceCount());
    driverless->drop();

    // The font's destruction drops it, with its textures.
    Font->getDimension(L"\xD55C");
    Font->drop();
    Font = fonttest::createIpaFont(Device.driver(), 16);
    EXPECT_EQ(count - 1, Chinese->getReferenceCount());
    EXPECT_EQ(0u, fonttest::countGlyphTextures(Device.driver()));
}

// Attaching again keeps the fallbacks, whose glyphs are rendered afresh at
// the new size; a fallback added before the font has a face serves once it
// has one.
TEST_F(FallbackFaces, FallbacksFollowTheFontToANewSize)
{
    gui::CGUITTFont* font = new gui::CGUITTFont(Device.driver());
    ASSERT_TRUE(font->addFallback(Chinese));
    EXPECT_EQ(nullptr, font->getCharacterGlyph(Han));
    gui::CGUITTFace* ipa = fonttest::loadIpaFace();
    ASSERT_TRUE(font->attach(ipa, 16));
    const s32 small = font->getCharacterGlyph(Han)->Height;
    ASSERT_TRUE(font->attach(ipa, 32));
    ipa->drop();
    EXPECT_EQ(1u, font->getFallbackCount());

    gui::CGUITTFont* reference = nullptr;
    const gui::CGUITTGlyph* expected = alone(reference, Han, 32);
    ASSERT_TRUE(font->getCharacterGlyph(Han) && expected);
    EXPECT_EQ(expected->Height, font->getCharacterGlyph(Han)->Height);
    EXPECT_GT(font->getCharacterGlyph(Han)->Height, small);
    reference->drop();
    font->drop();
}

// A bitmap-only fallback serves at the size of its strike, standing on the
// baseline like any glyph, and gives way to the next face at other sizes.
TEST_F(FallbackFaces, BitmapOnlyFallbackServesOnlyAtItsStrikesSize)
{
    testsupport::TemporaryDirectory folder;
    const std::string path = folder.path() + "/strike.bdf";
    fonttest::writeFile(path, hangulBdf());
    gui::CGUITTFace* strike = loadFace(path.c_str());
    gui::CGUITTFace* ipa = fonttest::loadIpaFace();

    ASSERT_TRUE(Font->attach(ipa, 12));
    ASSERT_TRUE(Font->addFallback(strike));
    ASSERT_TRUE(Font->addFallback(Chinese));
    EXPECT_EQ(strike, Font->getFaceOf(Han));
    const gui::CGUITTGlyph* glyph = Font->getCharacterGlyph(Han);
    ASSERT_TRUE(glyph);
    EXPECT_EQ(9, glyph->Top16);
    EXPECT_EQ(8, glyph->Width16);
    EXPECT_EQ(10, glyph->Height16);
    EXPECT_TRUE(glyph->Texture16);

    ASSERT_TRUE(Font->attach(ipa, 16));
    EXPECT_EQ(Chinese, Font->getFaceOf(Han));
    ipa->drop();
    strike->drop();
}

// Drawn, a fallback glyph lands where a font of that face alone puts it at
// the same pen: on the baseline the attached face's size sets.
TEST(FallbackPixels, FallbackGlyphsAreDrawnAsTheirOwnFaceDrawsThemOnTheSameBaseline)
{
    testsupport::ScopedDevice device(video::EDT_SOFTWARE);
    ASSERT_TRUE(device.device());
    gui::CGUITTFace* chinese = loadFace(WenQuanYi);
    gui::CGUITTFont* mixed = fonttest::createIpaFont(device.driver(), 16);
    ASSERT_TRUE(mixed->addFallback(chinese));
    gui::CGUITTFont* alone = new gui::CGUITTFont(device.driver());
    ASSERT_TRUE(alone->attach(chinese, 16));
    chinese->drop();

    const video::SColor background(255, 200, 200, 200);
    const core::rect<s32> region(0, 0, 120, 40);
    const wchar_t hanText[] = {Han, 0};
    const s32 penX = 10 + mixed->getGlyphAdvance(L'日');
    const std::vector<u32> drawnAlone = fonttest::renderRegion(
        device, region, background,
        [&]
        { alone->draw(hanText, core::rect<s32>(penX, 10, 120, 40), video::SColor(255, 0, 0, 0)); });
    const wchar_t mixedText[] = {L'日', Han, 0};
    const std::vector<u32> drawnMixed = fonttest::renderRegion(
        device, region, background,
        [&]
        { mixed->draw(mixedText, core::rect<s32>(10, 10, 120, 40), video::SColor(255, 0, 0, 0)); });
    u32 ink = 0;
    for (s32 y = 0; y < region.getHeight(); ++y)
        for (s32 x = penX; x < region.getWidth(); ++x)
        {
            const u32 i = (u32)(y * region.getWidth() + x);
            EXPECT_EQ(drawnAlone[i], drawnMixed[i]) << "at (" << x << ", " << y << ")";
            ink += drawnAlone[i] != background.color;
        }
    EXPECT_GT(ink, 20u);
    mixed->drop();
    alone->drop();
}

} // namespace
