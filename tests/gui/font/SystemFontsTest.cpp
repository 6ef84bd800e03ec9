#include "gui/font/LanguageTag.h"
#include "gui/font/SystemFonts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace irr;

namespace
{

TEST(LanguageTag, TagsBecomeWhatFontConfigurationsNameAndNonsenseIsRefused)
{
    const char* const cases[][2] = {
        {"zh-CN", "zh-cn"},
        {"zh_TW", "zh-tw"},
        {"ko", "ko"},
        {"ko-KR", "ko-kr"},
        {"JA", "ja"},
        {"zh-Hans", "zh-cn"},
        {"zh-Hant", "zh-tw"},
        {"zh-Hant-HK", "zh-hk"},
        {"sr-Latn-RS", "sr-rs"},
        {"es-419", "es-419"},
        {"", 0},
        {"-", 0},
        {"zh--cn", 0},
        {"z", 0},
        {"1a", 0},
        {"zh-CN\xE4", 0},
        {"ko kr", 0},
        {"ko-", 0},
    };
    for (const auto& c : cases)
    {
        core::stringc normalised = "stale";
        EXPECT_EQ(c[1] != 0, gui::normaliseLanguageTag(c[0], normalised)) << c[0];
        EXPECT_STREQ(c[1] ? c[1] : "", normalised.c_str()) << c[0];
    }
    core::stringc normalised;
    EXPECT_FALSE(gui::normaliseLanguageTag(nullptr, normalised));
    EXPECT_FALSE(gui::normaliseLanguageTag(std::string(200, 'a').c_str(), normalised));
}

// fontconfig finds a face for each language the Chinese, Korean and
// Japanese users of the tests' machine need (the install script brings the
// fonts), and it covers what the language writes.
TEST(SystemFonts, FacesForChineseKoreanAndJapaneseCoverTheirText)
{
    const struct
    {
        const char* Tag;
        u32 Character;
    } cases[] = {{"zh-CN", 0x8FD9}, {"zh-TW", 0x9019}, {"ko", 0xD55C},
                 {"ko_KR", 0xC5B4}, {"ja", 0x3042},    {"vi", 0x1EA0}};
    for (const auto& c : cases)
    {
        gui::CGUITTFace* face = gui::loadSystemFace(c.Tag);
        ASSERT_TRUE(face) << c.Tag;
        EXPECT_TRUE(face->Loaded);
        EXPECT_NE(0u, FT_Get_Char_Index(face->Face, c.Character)) << c.Tag;
        EXPECT_EQ(1, face->getReferenceCount());
        face->drop();

        gui::CGUITTFace* forCharacter = gui::loadSystemFaceFor(c.Character);
        ASSERT_TRUE(forCharacter) << std::hex << c.Character;
        EXPECT_NE(0u, FT_Get_Char_Index(forCharacter->Face, c.Character));
        forCharacter->drop();
    }
}

TEST(SystemFonts, NothingFitsGivesNull)
{
    gui::SSystemFontFile file;
    file.Path = "untouched";
    for (const char* tag : {"", "x", "xx", "qqq-QQ", "zh-CN;rm -rf", "ko\n"})
    {
        EXPECT_FALSE(gui::findSystemFont(tag, file)) << tag;
        EXPECT_EQ(nullptr, gui::loadSystemFace(tag)) << tag;
    }
    EXPECT_FALSE(gui::findSystemFont(nullptr, file));
    for (u32 c : {0u, 0xD800u, 0xDFFFu, 0x110000u, 0xFFFFFFFFu})
    {
        EXPECT_FALSE(gui::findSystemFontFor(c, file)) << std::hex << c;
        EXPECT_EQ(nullptr, gui::loadSystemFaceFor(c));
    }
    EXPECT_STREQ("untouched", file.Path.c_str());
}

// A machine without fontconfig's files: no crash, and any face returned is
// a real one.
TEST(SystemFonts, MissingConfigurationIsNoCrash)
{
    const char* saved = getenv("FONTCONFIG_FILE");
    const std::string previous = saved ? saved : "";
    setenv("FONTCONFIG_FILE", "/nonexistent/fonts.conf", 1);
    gui::CGUITTFace* face = gui::loadSystemFace("ko");
    gui::CGUITTFace* forCharacter = gui::loadSystemFaceFor(0xD55C);
    if (saved)
        setenv("FONTCONFIG_FILE", previous.c_str(), 1);
    else
        unsetenv("FONTCONFIG_FILE");
    for (gui::CGUITTFace* f : {face, forCharacter})
        if (f)
        {
            EXPECT_NE(0u, FT_Get_Char_Index(f->Face, 0xD55C));
            f->drop();
        }
}

// Faces inside a collection open by their index; an index the file does not
// have, or a negative one (FreeType's request to count), opens nothing.
TEST(SystemFonts, CollectionsOpenTheFaceAtTheirIndex)
{
    const char* const collection = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc";
    gui::CGUITTFace* second = new gui::CGUITTFace();
    ASSERT_TRUE(second->load(collection, 1));
    EXPECT_EQ(1, second->Face->face_index);
    EXPECT_STREQ("WenQuanYi Micro Hei Mono", second->Face->family_name);
    second->drop();
    for (s32 index : {2, -1, 0x7FFFFFFF})
    {
        gui::CGUITTFace* face = new gui::CGUITTFace();
        EXPECT_FALSE(face->load(collection, index)) << index;
        EXPECT_FALSE(face->Loaded);
        face->drop();
    }
}

} // namespace
