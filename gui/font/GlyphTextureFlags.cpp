#include "gui/font/GlyphTextureFlags.h"

namespace irr
{
namespace gui
{

namespace
{

// Every creation flag the engine has. Choosing a texture depth switches off
// the other depths and both optimisation flags, so all of them are kept and
// put back, not only the three a glyph texture changes.
const video::E_TEXTURE_CREATION_FLAG CreationFlags[] = {
    video::ETCF_ALWAYS_16_BIT,       video::ETCF_ALWAYS_32_BIT,   video::ETCF_OPTIMIZED_FOR_QUALITY,
    video::ETCF_OPTIMIZED_FOR_SPEED, video::ETCF_CREATE_MIP_MAPS, video::ETCF_NO_ALPHA_CHANNEL,
    video::ETCF_ALLOW_NON_POWER_2};

} // namespace

u32 getTextureCreationFlags(video::IVideoDriver* driver)
{
    u32 flags = 0;
    for (video::E_TEXTURE_CREATION_FLAG flag : CreationFlags)
        if (driver->getTextureCreationFlag(flag))
            flags |= flag;
    return flags;
}

// Switching a flag off touches no other, so all go off first and then the
// kept ones come back on.
void setTextureCreationFlags(video::IVideoDriver* driver, u32 flags)
{
    for (video::E_TEXTURE_CREATION_FLAG flag : CreationFlags)
        driver->setTextureCreationFlag(flag, false);
    for (video::E_TEXTURE_CREATION_FLAG flag : CreationFlags)
        if (flags & flag)
            driver->setTextureCreationFlag(flag, true);
}

void setGlyphTextureCreationFlags(video::IVideoDriver* driver, bool monochrome)
{
    driver->setTextureCreationFlag(video::ETCF_ALWAYS_16_BIT, monochrome);
    driver->setTextureCreationFlag(video::ETCF_ALWAYS_32_BIT, !monochrome);
    driver->setTextureCreationFlag(video::ETCF_CREATE_MIP_MAPS, false);
}

} // end namespace gui
} // end namespace irr
