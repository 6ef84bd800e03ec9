#include "app/DriverPrompt.h"
#include "app/FontPath.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

using namespace irr;

namespace
{

const char* const ExpectedPrompt = "Please select the driver you want for this example:\n"
                                   " (a) Direct3D 9.0c\n (b) Direct3D 8.1\n (c) OpenGL 1.5\n"
                                   " (d) Software Renderer\n (e) Burning's Software Renderer\n"
                                   " (f) NullDevice\n (otherKey) exit\n\n";

bool choose(const std::string& input, video::E_DRIVER_TYPE& driver, std::string* rest = 0)
{
    std::istringstream in(input);
    std::ostringstream out;
    const bool chosen = promptForDriver(in, out, driver);
    EXPECT_EQ(ExpectedPrompt, out.str());
    if (rest)
        std::getline(in, *rest, '\0');
    return chosen;
}

TEST(DriverPrompt, EachLetterSelectsItsDriver)
{
    const struct
    {
        char letter;
        video::E_DRIVER_TYPE driver;
    } table[] = {{'a', video::EDT_DIRECT3D9},     {'b', video::EDT_DIRECT3D8},
                 {'c', video::EDT_OPENGL},        {'d', video::EDT_SOFTWARE},
                 {'e', video::EDT_BURNINGSVIDEO}, {'f', video::EDT_NULL}};
    for (const auto& row : table)
    {
        video::E_DRIVER_TYPE driver = video::EDT_COUNT;
        EXPECT_TRUE(choose(std::string(1, row.letter), driver)) << row.letter;
        EXPECT_EQ(row.driver, driver) << row.letter;
    }
}

TEST(DriverPrompt, AnythingElseOrNothingIsRefused)
{
    video::E_DRIVER_TYPE driver;
    for (const char* input : {"A", "7", "", "   \n\n ", "C", "g", "\x1b"})
        EXPECT_FALSE(choose(input, driver)) << '"' << input << '"';
}

TEST(DriverPrompt, SkipsLeadingBlanksAndLineBreaksAndLeavesTheRestUnread)
{
    video::E_DRIVER_TYPE driver = video::EDT_COUNT;
    std::string rest;
    EXPECT_TRUE(choose("  \n\t c ignored\nmore", driver, &rest));
    EXPECT_EQ(video::EDT_OPENGL, driver);
    EXPECT_EQ(" ignored\nmore", rest);
}

TEST(FontPath, AppendsTheSuffixWithThePlatformSeparator)
{
    char buffer[FontPathBufferSize];
#if defined(_WIN32)
    // Windows takes the suffix as it stands, whatever separators the
    // working directory uses (the engine gives it with slashes).
    ASSERT_TRUE(buildFontPath("C:\\Users\\demo", buffer));
    EXPECT_STREQ("C:\\Users\\demo\\fonts\\ipag.ttf", buffer);
    ASSERT_TRUE(buildFontPath("Z:/tmp/demo", buffer));
    EXPECT_STREQ("Z:/tmp/demo\\fonts\\ipag.ttf", buffer);
#else
    ASSERT_TRUE(buildFontPath("/home/user/demo", buffer));
    EXPECT_STREQ("/home/user/demo/fonts/ipag.ttf", buffer);

    // Backslashes in the working directory are part of a Linux file name.
    ASSERT_TRUE(buildFontPath("/tmp/a\\b", buffer));
    EXPECT_STREQ("/tmp/a\\b/fonts/ipag.ttf", buffer);
#endif
}

TEST(FontPath, APathThatDoesNotFitIsRefusedNotCut)
{
    char buffer[FontPathBufferSize];
    const size_t suffix = strlen(FontPathSuffix);
    const std::string fits(FontPathBufferSize - 1 - suffix, 'd');
    ASSERT_TRUE(buildFontPath(fits.c_str(), buffer));
    EXPECT_EQ(FontPathBufferSize - 1, strlen(buffer));

    const std::string tooLong = fits + "d";
    EXPECT_FALSE(buildFontPath(tooLong.c_str(), buffer));
    EXPECT_STREQ("", buffer);
    EXPECT_FALSE(buildFontPath(std::string(5000, 'x').c_str(), buffer));
    EXPECT_STREQ("", buffer);
}

} // namespace
