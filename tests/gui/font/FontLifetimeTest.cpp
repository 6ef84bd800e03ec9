#include "FontTestSupport.h"
#include "harness/FreeTypeCallCounter.h"

#include "support/ScopedDevice.h"

#include <gtest/gtest.h>

using namespace irr;
using fonttest::countGlyphTextures;
using fonttest::FreeTypeCalls;

namespace
{

// Seven glyphs, two textures each.
const wchar_t* const Sample = L"Abc \x3042\x65E5\x672C";

class FontLifetime : public ::testing::Test
{
protected:
    video::IVideoDriver* driver() const { return Device.driver(); }

    testsupport::ScopedDevice Device;
};

TEST_F(FontLifetime, DroppingTheFontRemovesEveryGlyphTextureAndTheFace)
{
    FreeTypeCalls::reset();
    gui::CGUITTFont* font = fonttest::createIpaFont(driver());
    font->getDimension(Sample);
    ASSERT_EQ(14u, countGlyphTextures(driver()));
    const u32 others = driver()->getTextureCount() - 14;

    font->drop();
    EXPECT_EQ(0u, countGlyphTextures(driver()));
    EXPECT_EQ(others, driver()->getTextureCount());
    EXPECT_EQ(1u, FreeTypeCalls::get().FacesDone);
    EXPECT_EQ(1u, FreeTypeCalls::get().LibrariesDone);
}

TEST_F(FontLifetime, AttachingAgainStartsWithoutTheEarlierGlyphs)
{
    FreeTypeCalls::reset();
    gui::CGUITTFont* font = fonttest::createIpaFont(driver());
    font->getDimension(Sample);
    ASSERT_EQ(14u, countGlyphTextures(driver()));

    gui::CGUITTFace* second = fonttest::loadIpaFace();
    ASSERT_TRUE(font->attach(second, 24));
    EXPECT_EQ(0u, countGlyphTextures(driver()));
    // The first face had no other holder.
    EXPECT_EQ(1u, FreeTypeCalls::get().FacesDone);

    EXPECT_EQ(24u, font->getDimension(L"A").Height);
    EXPECT_EQ(2u, countGlyphTextures(driver()));
    const gui::CGUITTGlyph* a = font->getGlyph(font->getGlyphIndex(L'A'));
    ASSERT_TRUE(a);
    EXPECT_GT(a->Height, 12);

    second->drop();
    font->drop();
    EXPECT_EQ(0u, countGlyphTextures(driver()));
    EXPECT_EQ(2u, FreeTypeCalls::get().FacesDone);
}

TEST_F(FontLifetime, AttachingTheSameFaceAgainKeepsItAlive)
{
    FreeTypeCalls::reset();
    gui::CGUITTFace* face = fonttest::loadIpaFace();
    gui::CGUITTFont* font = new gui::CGUITTFont(driver());
    ASSERT_TRUE(font->attach(face, 12));
    face->drop(); // the font holds the only reference now
    font->getDimension(Sample);

    ASSERT_TRUE(font->attach(face, 12));
    EXPECT_EQ(0u, FreeTypeCalls::get().FacesDone);
    EXPECT_EQ(0u, countGlyphTextures(driver()));
    EXPECT_EQ(6, font->getGlyphAdvance(L' '));
    EXPECT_GT(font->getDimension(Sample).Width, 0u);

    font->drop();
    EXPECT_EQ(1u, FreeTypeCalls::get().FacesDone);
    EXPECT_EQ(0u, countGlyphTextures(driver()));
}

TEST_F(FontLifetime, TheFaceOutlivesItsCreatorWhileTheFontHoldsIt)
{
    FreeTypeCalls::reset();
    gui::CGUITTFont* font = fonttest::createIpaFont(driver());
    EXPECT_EQ(0u, FreeTypeCalls::get().FacesDone);
    EXPECT_GT(font->getDimension(L"\x65E5").Width, 0u);
    font->drop();
    EXPECT_EQ(1u, FreeTypeCalls::get().FacesDone);
}

// Counts the font's own measuring from inside draw.
class CountingFont : public gui::CGUITTFont
{
public:
    using gui::CGUITTFont::CGUITTFont;

    core::dimension2d<u32> getDimension(const wchar_t* text) const override
    {
        ++Measured;
        return gui::CGUITTFont::getDimension(text);
    }
    mutable int Measured = 0;
};

TEST_F(FontLifetime, DrawMeasuresOnlyToCentre)
{
    gui::CGUITTFace* face = fonttest::loadIpaFace();
    CountingFont* font = new CountingFont(driver());
    ASSERT_TRUE(font->attach(face, 12));
    face->drop();

    const core::rect<s32> box(0, 0, 200, 40);
    font->draw(Sample, box, video::SColor(255, 0, 0, 0));
    EXPECT_EQ(0, font->Measured);
    font->draw(Sample, box, video::SColor(255, 0, 0, 0), true, false);
    EXPECT_EQ(1, font->Measured);
    font->draw(Sample, box, video::SColor(255, 0, 0, 0), false, true);
    EXPECT_EQ(2, font->Measured);
    font->drop();
}

} // namespace
