#ifndef TESTS_HARNESS_PRIVATE_XVFB_H_INCLUDED
#define TESTS_HARNESS_PRIVATE_XVFB_H_INCLUDED

namespace testsupport
{

//! Starts a private Xvfb (1024x768x24, with GLX so that OpenGL runs on
//! Mesa's llvmpipe) once per process and points DISPLAY at it; the server
//! ends with the process. Xvfb picks a free display number itself, so two
//! programs never fight over one. Returns the display name (":N"), or null
//! when Xvfb cannot start. Free of any test framework: the benchmarks use it
//! too.
const char* startPrivateXvfb();

} // namespace testsupport

#endif
