#include "FontTestSupport.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace irr;

namespace fonttest
{

gui::CGUITTFace* loadIpaFace()
{
    gui::CGUITTFace* face = new gui::CGUITTFace();
    EXPECT_TRUE(face->load(testsupport::ipaFontPath()));
    return face;
}

gui::CGUITTFont* createIpaFont(u32 size)
{
    gui::CGUITTFace* face = loadIpaFace();
    gui::CGUITTFont* font = new gui::CGUITTFont();
    EXPECT_TRUE(font->attach(face, size));
    face->drop();
    return font;
}

u32 countGlyphTextures(video::IVideoDriver* driver)
{
    u32 count = 0;
    for (u32 i = 0; i < driver->getTextureCount(); ++i)
        if (driver->getTextureByIndex(i)->getName().getPath().find("TTFontGlyph") == 0)
            ++count;
    return count;
}

video::ITexture* findTextureNamed(video::IVideoDriver* driver, const char* name)
{
    for (u32 i = 0; i < driver->getTextureCount(); ++i)
        if (driver->getTextureByIndex(i)->getName().getPath() == name)
            return driver->getTextureByIndex(i);
    return 0;
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(bytes.data(), (std::streamsize)bytes.size());
    ASSERT_TRUE(out.good()) << path;
}

std::string readIpaFont()
{
    std::ifstream in(testsupport::ipaFontPath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace fonttest
