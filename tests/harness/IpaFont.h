#ifndef TESTS_HARNESS_IPA_FONT_H_INCLUDED
#define TESTS_HARNESS_IPA_FONT_H_INCLUDED

namespace harness
{

//! Debian's IPA Gothic, the font the demo ships with, looked up when a
//! program first asks: MOJIBAN_IPA_FONT from the environment when set, else
//! where fonts-ipafont-gothic installs it. Null when there is none, so that
//! configuring and building never depend on the font being installed.
const char* findIpaFont();

//! What to tell a person when findIpaFont gives null.
const char* missingIpaFontMessage();

} // namespace harness

#endif
