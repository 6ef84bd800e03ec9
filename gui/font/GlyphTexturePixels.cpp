#include "gui/font/GlyphTexturePixels.h"

namespace irr
{
namespace gui
{

namespace
{

u32 powerOfTwoAbove(u32 n)
{
    u32 side = 1;
    while (side <= n)
        side <<= 1;
    return side;
}

} // namespace

u32 getGlyphTextureSide(u32 width, u32 rows)
{
    return core::max_(powerOfTwoAbove(width), powerOfTwoAbove(rows));
}

u32 getCoveragePixel(u8 coverage, video::E_DRIVER_TYPE driverType)
{
    if (!coverage)
        return 0;
    if (driverType == video::EDT_DIRECT3D8)
        return coverage * 0x01010101u;
    return ((u32)coverage << 24) | 0x00FFFFFFu;
}

} // end namespace gui
} // end namespace irr
