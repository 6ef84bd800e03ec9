#ifndef APP_DRIVER_PROMPT_H_INCLUDED
#define APP_DRIVER_PROMPT_H_INCLUDED

#include <irrlicht.h>

#include <istream>
#include <ostream>

//! The text that asks for the rendering driver, byte for byte.
extern const char* const DriverPromptText;

//! Asks for the rendering driver.
/** Writes the prompt, reads one letter (leading white space and line breaks
skipped, the rest of the line left unread) and maps it to a driver: a to f,
lower case only.
\param in: Where the letter is read from.
\param out: Where the prompt is written.
\param driver: Receives the driver; unchanged on failure.
\return False for any other character or when nothing can be read. */
bool promptForDriver(std::istream& in, std::ostream& out, irr::video::E_DRIVER_TYPE& driver);

#endif
