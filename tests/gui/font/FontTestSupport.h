#ifndef TESTS_GUI_FONT_FONT_TEST_SUPPORT_H_INCLUDED
#define TESTS_GUI_FONT_FONT_TEST_SUPPORT_H_INCLUDED

#include "gui/font/CGUITTFace.h"
#include "gui/font/CGUITTFont.h"

#include <irrlicht.h>

#include <functional>
#include <string>
#include <vector>

namespace testsupport
{
class ScopedDevice;
}

namespace fonttest
{

//! A face loaded from Debian's IPA Gothic; fails the test when it does not load.
irr::gui::CGUITTFace* loadIpaFace();

//! A font on driver with a freshly loaded IPA Gothic face at the given size.
//! The caller drops it.
irr::gui::CGUITTFont* createIpaFont(irr::video::IVideoDriver* driver, irr::u32 size = 12);

//! The driver's textures whose name begins with "TTFontGlyph".
irr::u32 countGlyphTextures(irr::video::IVideoDriver* driver);

//! The driver's texture of exactly this name, or null.
irr::video::ITexture* findTextureNamed(irr::video::IVideoDriver* driver, const char* name);

//! Draws one frame on the device's driver, cleared to background, with draw,
//! and returns the frame's pixels inside region, row by row.
std::vector<irr::u32> renderRegion(testsupport::ScopedDevice& device,
                                   const irr::core::rect<irr::s32>& region,
                                   irr::video::SColor background,
                                   const std::function<void()>& draw);

//! Writes bytes to path.
void writeFile(const std::string& path, const std::string& bytes);

//! font with every byte of the table tagged tag set to 0xFF, the other
//! tables and the table directory left intact.
std::string scrambleTable(const std::string& font, const char* tag);

//! The whole IPA Gothic file.
std::string readIpaFont();

//! One character of IPA Gothic as FreeType alone renders it at size pixels,
//! without the font: the bitmap's offsets from the pen (Left rightwards, Top
//! up from the baseline) and its pixels row by row, 0 to 255 anti-aliased or
//! 0 and 1 monochrome.
struct SFreeTypeBitmap
{
    irr::s32 Left = 0;
    irr::s32 Top = 0;
    irr::s32 Width = 0;
    irr::s32 Rows = 0;
    std::vector<irr::u8> Pixels;
};
SFreeTypeBitmap renderWithFreeType(wchar_t c, irr::u32 size, bool monochrome);

} // namespace fonttest

#endif
