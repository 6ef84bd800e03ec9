#include "FontTestSupport.h"
#include "harness/FreeTypeCallCounter.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace irr;
using fonttest::FreeTypeCalls;

namespace
{

// Loads path into a new face, drops it and checks that the face released
// exactly what its load created: every library it made, and no face.
void expectLoadFailsCleanly(const std::string& path)
{
    FreeTypeCalls::reset();
    gui::CGUITTFace* face = new gui::CGUITTFace();
    EXPECT_FALSE(face->load(path.c_str())) << path;
    EXPECT_FALSE(face->Loaded);
    face->drop();
    const FreeTypeCalls& calls = FreeTypeCalls::get();
    EXPECT_EQ(0u, calls.FacesCreated) << path;
    EXPECT_EQ(0u, calls.FacesDone) << path;
    EXPECT_EQ(calls.LibrariesCreated, calls.LibrariesDone) << path;
}

TEST(TrueTypeFace, LoadsTheIpaFontAndReleasesFaceAndLibraryAtTheEnd)
{
    FreeTypeCalls::reset();
    gui::CGUITTFace* face = new gui::CGUITTFace();
    EXPECT_FALSE(face->Loaded);
    ASSERT_TRUE(face->load(testsupport::ipaFontPath()));
    EXPECT_TRUE(face->Loaded);
    ASSERT_TRUE(face->Face);
    EXPECT_GT(face->Face->num_glyphs, 1000);

    face->drop();
    EXPECT_EQ(1u, FreeTypeCalls::get().FacesDone);
    EXPECT_EQ(1u, FreeTypeCalls::get().LibrariesDone);
}

TEST(TrueTypeFace, BadFilesDoNotLoadAndLeaveNothingBehind)
{
    testsupport::TemporaryDirectory dir;
    const std::string font = fonttest::readIpaFont();
    ASSERT_GT(font.size(), 100000u);

    expectLoadFailsCleanly(dir.path() + "/missing.ttf");

    fonttest::writeFile(dir.path() + "/empty.ttf", "");
    expectLoadFailsCleanly(dir.path() + "/empty.ttf");

    fonttest::writeFile(dir.path() + "/truncated.ttf", font.substr(0, font.size() / 2));
    expectLoadFailsCleanly(dir.path() + "/truncated.ttf");

    std::string corrupt = font;
    for (size_t i = 4; i < 400; ++i)
        corrupt[i] = (char)0xA5;
    fonttest::writeFile(dir.path() + "/corrupt.ttf", corrupt);
    expectLoadFailsCleanly(dir.path() + "/corrupt.ttf");

    ASSERT_EQ(0, mkdir((dir.path() + "/directory.ttf").c_str(), 0755));
    expectLoadFailsCleanly(dir.path() + "/directory.ttf");
}

TEST(TrueTypeFace, LoadsOnlyOnce)
{
    FreeTypeCalls::reset();
    gui::CGUITTFace* face = fonttest::loadIpaFace();
    const FT_Face first = face->Face;
    EXPECT_FALSE(face->load(testsupport::ipaFontPath()));
    EXPECT_TRUE(face->Loaded);
    EXPECT_EQ(first, face->Face);
    face->drop();
    EXPECT_EQ(1u, FreeTypeCalls::get().FacesCreated);
    EXPECT_EQ(1u, FreeTypeCalls::get().FacesDone);
}

} // namespace
