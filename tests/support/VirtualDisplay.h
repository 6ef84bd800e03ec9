#ifndef TESTS_SUPPORT_VIRTUAL_DISPLAY_H_INCLUDED
#define TESTS_SUPPORT_VIRTUAL_DISPLAY_H_INCLUDED

namespace testsupport
{

//! Starts a private Xvfb (1024x768x24) for this test process on first use,
//! points DISPLAY at it and returns the display name (":N"). The server ends
//! with the process. Fails the calling test when Xvfb cannot start.
const char* useVirtualDisplay();

} // namespace testsupport

#endif
