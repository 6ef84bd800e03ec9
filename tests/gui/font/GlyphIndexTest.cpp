#include "FontTestSupport.h"

#include "support/ScopedDevice.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace irr;

namespace
{

// Inside and outside the characters whose indices the font remembers, with
// and without a glyph in IPA Gothic.
const wchar_t Probes[] = {L'A', L' ', 0x3042, 0x6F22, 0x0378, 0xE000, 0xFFFF, 0x20B9F, 0x10FFFF};

void expectIndicesOf(const gui::CGUITTFont& font, FT_Face face)
{
    // Twice: the second answer comes from what the first one remembered.
    for (int round = 0; round < 2; ++round)
        for (wchar_t c : Probes)
            EXPECT_EQ(FT_Get_Char_Index(face, (FT_ULong)c), font.getGlyphIndex(c))
                << "character " << std::hex << (u32)c << ", round " << round;
}

TEST(FontGlyphIndex, IsFreeTypesForTheAttachedFaceAlsoAfterAttachingAnother)
{
    testsupport::ScopedDevice device;
    gui::CGUITTFace* ipa = fonttest::loadIpaFace();
    gui::CGUITTFont* font = new gui::CGUITTFont(device.driver());
    ASSERT_TRUE(font->attach(ipa, 12));
    expectIndicesOf(*font, ipa->Face);
    ASSERT_NE(0u, font->getGlyphIndex(L'A'));

    // The same outlines without a usable character map: no character has a
    // glyph any more, and nothing the first face told may linger.
    testsupport::TemporaryDirectory dir;
    const std::string path = dir.path() + "/nocmap.ttf";
    fonttest::writeFile(path, fonttest::scrambleTable(fonttest::readIpaFont(), "cmap"));
    gui::CGUITTFace* scrambled = new gui::CGUITTFace();
    ASSERT_TRUE(scrambled->load(path.c_str()));
    ASSERT_TRUE(font->attach(scrambled, 12));
    expectIndicesOf(*font, scrambled->Face);
    EXPECT_EQ(6, font->getGlyphAdvance(L'A'));

    scrambled->drop();
    ipa->drop();
    font->drop();
}

} // namespace
