#ifndef BENCH_SUPPORT_VIRTUAL_DISPLAY_H_INCLUDED
#define BENCH_SUPPORT_VIRTUAL_DISPLAY_H_INCLUDED

namespace benchsupport
{

//! Starts a private Xvfb (1024x768x24, with GLX so that OpenGL runs on Mesa's
//! llvmpipe) on first use and points DISPLAY at it; the server ends with the
//! process. Returns false, after saying why on stderr, when it cannot start.
bool useVirtualDisplay();

} // namespace benchsupport

#endif
