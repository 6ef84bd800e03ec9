#include "FontTestSupport.h"

#include "support/ScopedDevice.h"
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

gui::CGUITTFont* createIpaFont(video::IVideoDriver* driver, u32 size)
{
    gui::CGUITTFace* face = loadIpaFace();
    gui::CGUITTFont* font = new gui::CGUITTFont(driver);
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

std::vector<u32> renderRegion(testsupport::ScopedDevice& device, const core::rect<s32>& region,
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

SFreeTypeBitmap renderWithFreeType(wchar_t c, u32 size, bool monochrome)
{
    SFreeTypeBitmap out;
    FT_Library library = 0;
    FT_Face face = 0;
    if (FT_Init_FreeType(&library) || FT_New_Face(library, testsupport::ipaFontPath(), 0, &face))
    {
        ADD_FAILURE() << "FreeType cannot open IPA Gothic";
        return out;
    }
    FT_Set_Pixel_Sizes(face, 0, size);
    const FT_UInt index = FT_Get_Char_Index(face, (FT_ULong)c);
    const bool rendered =
        monochrome
            ? !FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_NO_HINTING | FT_LOAD_MONOCHROME)
            : !FT_Load_Glyph(face, index, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) &&
                  !FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL);
    EXPECT_TRUE(rendered) << (unsigned)c;
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    if (rendered)
    {
        out.Left = face->glyph->bitmap_left;
        out.Top = face->glyph->bitmap_top;
        out.Width = (s32)bitmap.width;
        out.Rows = (s32)bitmap.rows;
        for (s32 y = 0; y < out.Rows; ++y)
        {
            const u8* row = bitmap.buffer + y * bitmap.pitch;
            for (s32 x = 0; x < out.Width; ++x)
                out.Pixels.push_back(monochrome ? (row[x / 8] >> (7 - x % 8)) & 1 : row[x]);
        }
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return out;
}

} // namespace fonttest
