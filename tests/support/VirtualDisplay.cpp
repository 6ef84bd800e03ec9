#include "support/VirtualDisplay.h"

#include "harness/PrivateXvfb.h"

#include <gtest/gtest.h>

namespace testsupport
{

const char* useVirtualDisplay()
{
    const char* display = startPrivateXvfb();
    if (!display)
    {
        ADD_FAILURE() << "could not start Xvfb (install Debian's xvfb)";
        return "";
    }
    return display;
}

} // namespace testsupport
