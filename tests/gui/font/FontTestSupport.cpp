#include "FontTestSupport.h"

#include "support/ScopedAppDevice.h"
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

namespace
{

u32 readBigEndian32(const std::string& bytes, size_t at)
{
    return ((u32)(u8)bytes[at] << 24) | ((u32)(u8)bytes[at + 1] << 16) |
           ((u32)(u8)bytes[at + 2] << 8) | (u32)(u8)bytes[at + 3];
}

} // namespace

std::string scrambleTable(const std::string& font, const char* tag)
{
    std::string bytes = font;
    if (bytes.size() < 12)
        return bytes;
    const u32 tables = ((u32)(u8)bytes[4] << 8) | (u8)bytes[5];
    for (u32 t = 0; t < tables && 12 + 16 * (t + 1) <= bytes.size(); ++t)
    {
        const size_t entry = 12 + 16 * t;
        if (bytes.compare(entry, 4, tag) != 0)
            continue;
        const size_t offset = readBigEndian32(bytes, entry + 8);
        const size_t length = readBigEndian32(bytes, entry + 12);
        for (size_t i = offset; i < offset + length && i < bytes.size(); ++i)
            bytes[i] = (char)0xFF;
    }
    return bytes;
}

std::string readIpaFont()
{
    std::ifstream in(testsupport::ipaFontPath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<u32> renderRegion(testsupport::ScopedAppDevice& device, const core::rect<s32>& region,
                              video::SColor background, const std::function<void()>& draw)
{
    video::IVideoDriver* driver = device.driver();
    driver->beginScene(true, true, background);
    draw();
    driver->endScene();
    device.captureScreen();
    std::vector<u32> pixels;
    for (s32 y = region.UpperLeftCorner.Y; y < region.LowerRightCorner.Y; ++y)
        for (s32 x = region.UpperLeftCorner.X; x < region.LowerRightCorner.X; ++x)
            pixels.push_back(device.pixel(x, y).color);
    return pixels;
}

} // namespace fonttest
