#ifndef APP_FONT_PATH_H_INCLUDED
#define APP_FONT_PATH_H_INCLUDED

#include <irrlicht.h>

//! Room for the font path, terminating zero included.
const irr::u32 FontPathBufferSize = 512;

//! The font file below the working directory, with Windows separators.
extern const char* const FontPathSuffix;

//! Builds the path of the font file below the working directory.
/** Writes the working directory followed by the font suffix into buffer
(zero-filled first), the suffix's backslashes turned into the platform's
separator.
\param workingDirectory: Narrow, zero-terminated; null counts as empty.
\param buffer: Receives the zero-terminated path.
\return False, leaving the buffer empty, when the whole path would not fit:
a cut path could name another file. */
bool buildFontPath(const char* workingDirectory, char (&buffer)[FontPathBufferSize]);

#endif
