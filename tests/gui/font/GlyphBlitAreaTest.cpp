#include "FontTestSupport.h"

#include "support/ScopedDevice.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace irr;

namespace
{

const video::SColor Background(255, 200, 200, 200);
const core::rect<s32> Region(0, 0, 400, 80);
const s32 FontSize = 12;
const wchar_t* const Lines[] = {
    L"The quick brown fox jumps over 13 lazy dogs. gjpqy|{}@",
    L"\x65e5\x672c\x8a9e\x306e\x6587\x7ae0 mixed \x30ab\x30bf\x30ab\x30ca"
    L" \x6f22\x5b57 W\x00e9!"};

// The font blits only the inked corner of each glyph texture. These draw
// the same lines the way every glyph used to be blitted, the whole texture
// less its last row and column, and demand the very same screen.
class GlyphBlitArea : public ::testing::TestWithParam<video::E_DRIVER_TYPE>
{
protected:
    GlyphBlitArea() : Device(GetParam()) {}

    void SetUp() override
    {
        ASSERT_TRUE(Device.device());
        Font = fonttest::createIpaFont(Device.driver(), FontSize);
        ASSERT_TRUE(Font);
    }
    void TearDown() override
    {
        if (Font)
            Font->drop();
    }

    std::vector<u32> render(const std::function<void()>& draw)
    {
        return fonttest::renderRegion(Device, Region, Background, draw);
    }

    void drawWithFont(video::SColor color, const core::rect<s32>* clip)
    {
        for (u32 i = 0; i < 2; ++i)
            Font->draw(Lines[i], lineRect(i), color, false, false, clip);
    }

    void drawWholeTextures(video::SColor color, const core::rect<s32>* clip)
    {
        video::IVideoDriver* driver = Device.driver();
        for (u32 i = 0; i < 2; ++i)
        {
            core::position2d<s32> pen = lineRect(i).UpperLeftCorner;
            for (const wchar_t* p = Lines[i]; *p; ++p)
            {
                const gui::CGUITTGlyph* g = Font->getGlyph(Font->getGlyphIndex(*p));
                if (g && Font->AntiAlias && g->Texture)
                    driver->draw2DImage(
                        g->Texture,
                        core::position2d<s32>(pen.X + g->Left, pen.Y + FontSize - g->Top),
                        core::rect<s32>(0, 0, (s32)g->TexWidth - 1, (s32)g->TexHeight - 1), clip,
                        color, true);
                else if (g && !Font->AntiAlias && g->Texture16)
                    driver->draw2DImage(
                        g->Texture16,
                        core::position2d<s32>(pen.X + g->Left16, pen.Y + FontSize - g->Top16),
                        core::rect<s32>(0, 0, (s32)g->TexWidth16 - 1, (s32)g->TexHeight16 - 1),
                        clip, color, true);
                pen.X += Font->getGlyphAdvance(*p);
            }
        }
    }

    static core::rect<s32> lineRect(u32 line)
    {
        const s32 top = 10 + 30 * (s32)line;
        return core::rect<s32>(5, top, 395, top + 20);
    }

    u32 inked(const std::vector<u32>& pixels) const
    {
        u32 count = 0;
        for (u32 pixel : pixels)
            count += video::SColor(pixel).getRed() < 150;
        return count;
    }

    testsupport::ScopedDevice Device;
    gui::CGUITTFont* Font = 0;
};

TEST_P(GlyphBlitArea, ScreenIsTheSameAsBlittingWholeTextures)
{
    // The software renderer lays anti-aliased text down pixel by pixel,
    // without textures; only its monochrome text is blitted.
    std::vector<bool> antiAliasModes = {false};
    if (GetParam() != video::EDT_SOFTWARE)
        antiAliasModes.push_back(true);

    // A clip through the middle of both lines cuts glyphs at every edge.
    const core::rect<s32> clip(43, 14, 251, 47);
    const video::SColor colors[] = {video::SColor(255, 0, 0, 0), video::SColor(255, 20, 90, 10)};
    for (bool antiAlias : antiAliasModes)
    {
        Font->AntiAlias = antiAlias;
        for (const core::rect<s32>* c : {(const core::rect<s32>*)0, &clip})
        {
            for (video::SColor color : colors)
            {
                SCOPED_TRACE(testing::Message()
                             << "anti-aliased " << antiAlias << ", clipped " << (c != 0)
                             << ", colour " << std::hex << color.color);
                const std::vector<u32> now = render([&] { drawWithFont(color, c); });
                const std::vector<u32> whole = render([&] { drawWholeTextures(color, c); });
                EXPECT_GT(inked(now), 400u);
                EXPECT_TRUE(now == whole);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SoftwareDrivers, GlyphBlitArea,
                         ::testing::Values(video::EDT_BURNINGSVIDEO, video::EDT_SOFTWARE),
                         [](const ::testing::TestParamInfo<video::E_DRIVER_TYPE>& info)
                         { return info.param == video::EDT_SOFTWARE ? "Software" : "Burnings"; });

} // namespace
