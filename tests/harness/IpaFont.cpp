#include "harness/IpaFont.h"

#include <cstdlib>
#include <unistd.h>

namespace harness
{

const char* findIpaFont()
{
    const char* overridden = getenv("MOJIBAN_IPA_FONT");
    if (overridden && *overridden)
        return access(overridden, R_OK) == 0 ? overridden : nullptr;
    // Not the fonts-japanese-gothic alternative: it may name another font,
    // and pixel checks are made against this one.
    static const char* const place = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf";
    return access(place, R_OK) == 0 ? place : nullptr;
}

const char* missingIpaFontMessage()
{
    return "IPA Gothic (ipag.ttf) not found: install Debian's fonts-ipafont-gothic, or set "
           "MOJIBAN_IPA_FONT to the font's path";
}

} // namespace harness
