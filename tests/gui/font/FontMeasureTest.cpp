#include "FontTestSupport.h"
#include "harness/FreeTypeCallCounter.h"

#include "support/ScopedDevice.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace irr;

namespace
{

class FontMeasure : public ::testing::Test
{
protected:
    void SetUp() override { Font = fonttest::createIpaFont(Device.driver(), 12); }
    void TearDown() override { Font->drop(); }

    core::dimension2d<u32> measure(const wchar_t* text) const { return Font->getDimension(text); }

    testsupport::ScopedDevice Device;
    gui::CGUITTFont* Font = 0;
};

TEST_F(FontMeasure, AnEmptyTextIsOneEmptyLineWithNoCharacters)
{
    EXPECT_EQ(core::dimension2d<u32>(0, 12), measure(L""));
    EXPECT_EQ(-1, Font->getCharacterFromPos(L"", 0));
    EXPECT_EQ(-1, Font->getCharacterFromPos(L"", 5));
}

TEST_F(FontMeasure, LineBreaksCountAsCrLfCrOrLf)
{
    const u32 widthOfA = measure(L"A").Width;
    const u32 widthOfAB = measure(L"AB").Width;
    ASSERT_GT(widthOfA, 0u);
    ASSERT_GT(widthOfAB, widthOfA);
    EXPECT_EQ(core::dimension2d<u32>(widthOfA, 12), measure(L"A"));

    EXPECT_EQ(24u, measure(L"A\r\nB").Height);
    EXPECT_EQ(24u, measure(L"A\nB").Height);
    EXPECT_EQ(24u, measure(L"A\rB").Height);
    EXPECT_EQ(24u, measure(L"A\r\n").Height);
    EXPECT_EQ(36u, measure(L"A\r\rB").Height);
    EXPECT_EQ(36u, measure(L"A\n\rB").Height);

    // The widest line wins, wherever it is.
    EXPECT_EQ(widthOfAB, measure(L"A\r\nAB").Width);
    EXPECT_EQ(widthOfAB, measure(L"AB\nA").Width);
    EXPECT_EQ(widthOfA, measure(L"A\r\n").Width);
}

TEST_F(FontMeasure, CharactersWithoutAGlyphAdvanceByHalfOrAllOfTheSize)
{
    const wchar_t below = 0x0378; // unassigned Greek
    const wchar_t above = 0xE000; // private use
    ASSERT_EQ(0u, Font->getGlyphIndex(below));
    ASSERT_EQ(0u, Font->getGlyphIndex(above));
    EXPECT_EQ(6, Font->getGlyphAdvance(below));
    EXPECT_EQ(12, Font->getGlyphAdvance(above));

    const wchar_t text[] = {below, above, 0};
    EXPECT_EQ(core::dimension2d<u32>(18, 12), measure(text));
}

TEST_F(FontMeasure, GlyphsAdvanceToTheirRightEdgeAndEmptyOnesByTheFallback)
{
    // The space's bitmap is empty and starts at the pen; the ideographic space
    // lies above U+2000.
    EXPECT_EQ(6, Font->getGlyphAdvance(L' '));
    EXPECT_EQ(12, Font->getGlyphAdvance(0x3000));

    for (wchar_t c : {L'A', L'g', L'\x3042'})
    {
        const fonttest::SFreeTypeBitmap a = fonttest::renderWithFreeType(c, 12, false);
        EXPECT_EQ(a.Left + a.Width, Font->getGlyphAdvance(c)) << (unsigned)c;
    }
    EXPECT_EQ((u32)(Font->getGlyphAdvance(L'A') + Font->getGlyphAdvance(0x3042)),
              measure(L"A\x3042").Width);
}

TEST_F(FontMeasure, KerningWidthWidensMeasuringButNotCharacterLookup)
{
    const u32 plain = measure(L"AB").Width;
    const s32 atA = Font->getGlyphAdvance(L'A');
    Font->setKerningWidth(2);
    EXPECT_EQ(plain + 4, measure(L"AB").Width);
    EXPECT_EQ(0, Font->getCharacterFromPos(L"AB", atA));
    EXPECT_EQ(1, Font->getCharacterFromPos(L"AB", atA + 1));

    EXPECT_EQ(2, Font->getKerningWidth());
    EXPECT_EQ(2, Font->getKerningWidth(L"A", L"W"));
    EXPECT_EQ(2, Font->getKerningWidth(L"\x3042"));

    Font->setKerningHeight(3);
    EXPECT_EQ(3, Font->getKerningHeight());
    EXPECT_EQ(12u, measure(L"AB").Height);
}

TEST_F(FontMeasure, ANegativeKerningNeverWrapsTheWidthAround)
{
    Font->setKerningWidth(-50);
    EXPECT_EQ(core::dimension2d<u32>(0, 12), measure(L"AB"));
}

TEST_F(FontMeasure, CharacterFromPosFindsTheFirstCharacterReachingThePosition)
{
    const wchar_t* text = L"A\x3042i";
    const s32 a = Font->getGlyphAdvance(L'A');
    const s32 hiragana = Font->getGlyphAdvance(0x3042);
    const s32 i = Font->getGlyphAdvance(L'i');

    EXPECT_EQ(0, Font->getCharacterFromPos(text, 0));
    EXPECT_EQ(0, Font->getCharacterFromPos(text, -100));
    EXPECT_EQ(0, Font->getCharacterFromPos(text, a));
    EXPECT_EQ(1, Font->getCharacterFromPos(text, a + 1));
    EXPECT_EQ(1, Font->getCharacterFromPos(text, a + hiragana));
    EXPECT_EQ(2, Font->getCharacterFromPos(text, a + hiragana + 1));
    EXPECT_EQ(2, Font->getCharacterFromPos(text, a + hiragana + i));
    EXPECT_EQ(-1, Font->getCharacterFromPos(text, a + hiragana + i + 1));
}

TEST_F(FontMeasure, IsACustomFont)
{
    EXPECT_EQ(gui::EGFT_CUSTOM, Font->getType());
}

TEST_F(FontMeasure, GlyphsAreRenderedOnlyOnce)
{
    const wchar_t* text = L"Hello \x65E5\x672C\x8A9E";
    fonttest::FreeTypeCalls::reset();
    const core::dimension2d<u32> first = measure(text);
    Font->draw(text, core::rect<s32>(0, 0, 200, 20), video::SColor(255, 0, 0, 0));
    EXPECT_GT(fonttest::FreeTypeCalls::get().Renderings, 0u);

    fonttest::FreeTypeCalls::reset();
    EXPECT_EQ(first, measure(text));
    Font->draw(text, core::rect<s32>(0, 0, 200, 20), video::SColor(255, 0, 0, 0), true, true);
    EXPECT_EQ(-1, Font->getCharacterFromPos(text, 10000));
    EXPECT_EQ(0u, fonttest::FreeTypeCalls::get().Renderings);
}

TEST_F(FontMeasure, AFontWithoutAFaceTakesNoRoomAndFindsNothing)
{
    gui::CGUITTFont* font = new gui::CGUITTFont(Device.driver());
    EXPECT_EQ(core::dimension2d<u32>(0, 0), font->getDimension(L"AB"));
    EXPECT_EQ(-1, font->getCharacterFromPos(L"AB", 0));
    EXPECT_EQ(0, font->getGlyphAdvance(L'A'));
    font->draw(L"AB", core::rect<s32>(0, 0, 100, 20), video::SColor(255, 0, 0, 0), true, true);
    font->drop();
}

TEST_F(FontMeasure, AttachRefusesAFaceThatDidNotLoad)
{
    gui::CGUITTFace* face = new gui::CGUITTFace();
    EXPECT_FALSE(face->load("/nonexistent/ipag.ttf"));
    gui::CGUITTFont* font = new gui::CGUITTFont(Device.driver());
    EXPECT_FALSE(font->attach(face, 12));
    EXPECT_FALSE(font->attach(0, 12));
    EXPECT_EQ(core::dimension2d<u32>(0, 0), font->getDimension(L"AB"));
    font->drop();
    face->drop();
}

TEST(FontWithoutGui, AttachFailsWithoutAVideoDriver)
{
    gui::CGUITTFace* face = fonttest::loadIpaFace();
    gui::CGUITTFont* font = new gui::CGUITTFont(nullptr);
    EXPECT_FALSE(font->attach(face, 12));
    EXPECT_EQ(core::dimension2d<u32>(0, 0), font->getDimension(L"AB"));
    font->draw(L"AB", core::rect<s32>(0, 0, 100, 20), video::SColor(255, 0, 0, 0));
    font->drop();
    face->drop();
}

// The driver it is given is all a font needs: its glyph textures are made
// in that driver and leave it with the font.
TEST(FontWithoutGui, AGivenDriverIsAllItNeeds)
{
    IrrlichtDevice* device = createDevice(video::EDT_NULL);
    ASSERT_TRUE(device);
    video::IVideoDriver* driver = device->getVideoDriver();
    gui::CGUITTFont* font = fonttest::createIpaFont(driver);
    EXPECT_EQ(core::dimension2d<u32>(0, 12), font->getDimension(L""));
    EXPECT_GT(font->getDimension(L"AB").Width, 0u);
    EXPECT_EQ(2u * 2u, fonttest::countGlyphTextures(driver));
    font->drop();
    EXPECT_EQ(0u, fonttest::countGlyphTextures(driver));
    device->drop();
}

// A font whose glyph outlines are garbage: the face opens, the glyphs do not
// render.
TEST(FontOnACorruptFace, UnrenderableGlyphsAdvanceByTheFallback)
{
    testsupport::ScopedDevice device;
    testsupport::TemporaryDirectory dir;
    const std::string path = dir.path() + "/scrambled.ttf";
    fonttest::writeFile(path, fonttest::scrambleTable(fonttest::readIpaFont(), "glyf"));
    gui::CGUITTFace* face = new gui::CGUITTFace();
    ASSERT_TRUE(face->load(path.c_str()));
    ASSERT_NE(0u, FT_Get_Char_Index(face->Face, 0x3042));

    gui::CGUITTFont* font = new gui::CGUITTFont(device.driver());
    ASSERT_TRUE(font->attach(face, 12));
    face->drop();
    EXPECT_EQ(6, font->getGlyphAdvance(L'A'));
    EXPECT_EQ(12, font->getGlyphAdvance(0x3042));
    EXPECT_EQ(core::dimension2d<u32>(18, 12), font->getDimension(L"A\x3042"));
    font->draw(L"A\x3042", core::rect<s32>(0, 0, 100, 20), video::SColor(255, 0, 0, 0));
    font->drop();
}

} // namespace
