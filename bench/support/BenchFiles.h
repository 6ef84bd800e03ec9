#ifndef BENCH_SUPPORT_BENCH_FILES_H_INCLUDED
#define BENCH_SUPPORT_BENCH_FILES_H_INCLUDED

#include "gui/font/CGUITTFont.h"

#include <string>

namespace benchsupport
{

//! Debian's IPA Gothic, the font the demo ships with.
const char* ipaFontPath();

//! The Jōyō kanji list: MOJIBAN_JOYO_KANJI from the environment when set, else
//! the path the build was configured with.
std::string joyoKanjiPath();

//! The characters of the Jōyō kanji list (UTF-8, one or more per line; line
//! breaks and spaces are skipped). False, with the reason in why, when the
//! file cannot be read or holds nothing.
bool readJoyoKanji(std::wstring& kanji, std::string& why);

//! A font on IPA Gothic at the demo's size, attached to a face of its own,
//! on the current BenchDevice's driver. Null, after saying why on stderr,
//! when the face does not load.
irr::gui::CGUITTFont* createIpaFont(irr::u32 size = 12);

} // namespace benchsupport

#endif
