#include "support/VirtualDisplay.h"

#include "harness/PrivateXvfb.h"

#include <cstdio>

namespace benchsupport
{

bool useVirtualDisplay()
{
    static bool told = false;
    if (testsupport::startPrivateXvfb())
        return true;
    if (!told)
        fprintf(stderr, "could not start Xvfb (install Debian's xvfb)\n");
    told = true;
    return false;
}

} // namespace benchsupport
