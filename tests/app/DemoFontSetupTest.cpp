#include "app/DemoFontSetup.h"
#include "ScopedAppDevice.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>

using namespace irr;

namespace
{

// Runs the demo's font set-up with the engine's working directory at dir.
class DemoFonts : public ::testing::Test
{
protected:
    void TearDown() override
    {
        if (!OldDirectory.empty())
            Device.device()->getFileSystem()->changeWorkingDirectoryTo(OldDirectory.c_str());
    }

    void setUpIn(const std::string& dir)
    {
        io::IFileSystem* files = Device.device()->getFileSystem();
        OldDirectory = files->getWorkingDirectory().c_str();
        ASSERT_TRUE(files->changeWorkingDirectoryTo(dir.c_str())) << dir;
        setUpDemoFonts(Device.device(), skin());
    }

    static void provideFont(const std::string& dir)
    {
        ASSERT_EQ(0, mkdir((dir + "/fonts").c_str(), 0755));
        ASSERT_EQ(0, symlink(testsupport::ipaFontPath(), (dir + "/fonts/ipag.ttf").c_str()));
    }

    gui::IGUISkin* skin() const { return Device.gui()->getSkin(); }
    gui::IGUIFont* builtIn() const { return Device.gui()->getBuiltInFont(); }

    testsupport::ScopedAppDevice Device;
    testsupport::TemporaryDirectory Directory;
    std::string OldDirectory;
};

TEST_F(DemoFonts, TheFontBelowTheWorkingDirectoryBecomesTheDefaultAtSize12)
{
    provideFont(Directory.path());
    setUpIn(Directory.path());

    gui::IGUIFont* font = skin()->getFont(gui::EGDF_DEFAULT);
    ASSERT_NE(builtIn(), font);
    EXPECT_EQ(gui::EGFT_CUSTOM, font->getType());
    EXPECT_EQ(core::dimension2d<u32>(0, 12), font->getDimension(L""));
    // U+3042 is drawn from the face, not by the missing-glyph rule.
    EXPECT_EQ(1, font->getCharacterFromPos(L"\x3042\x3042", 12));
    EXPECT_EQ(builtIn(), skin()->getFont(gui::EGDF_TOOLTIP));
}

TEST_F(DemoFonts, WithoutTheFileEveryTextKeepsTheBuiltInFont)
{
    setUpIn(Directory.path());
    EXPECT_EQ(builtIn(), skin()->getFont(gui::EGDF_DEFAULT));
    EXPECT_EQ(builtIn(), skin()->getFont(gui::EGDF_TOOLTIP));
}

TEST_F(DemoFonts, AFileFreeTypeCannotOpenKeepsTheBuiltInFont)
{
    ASSERT_EQ(0, mkdir((Directory.path() + "/fonts").c_str(), 0755));
    std::ofstream(Directory.path() + "/fonts/ipag.ttf") << "not a font";
    setUpIn(Directory.path());
    EXPECT_EQ(builtIn(), skin()->getFont(gui::EGDF_DEFAULT));
}

TEST_F(DemoFonts, APathTooLongForItsBufferCountsAsNoFont)
{
    // Five levels of 100 characters: with the suffix well past 511.
    std::string dir = Directory.path();
    for (int i = 0; i < 5; ++i)
    {
        dir += "/" + std::string(99, 'd') + (char)('0' + i);
        ASSERT_EQ(0, mkdir(dir.c_str(), 0755));
    }
    provideFont(dir);
    setUpIn(dir);
    EXPECT_EQ(builtIn(), skin()->getFont(gui::EGDF_DEFAULT));
}

} // namespace
