#ifndef APP_DEMO_APPLICATION_H_INCLUDED
#define APP_DEMO_APPLICATION_H_INCLUDED

#include <istream>
#include <ostream>

//! The whole program: prompt, start-up, frame loop and shut-down.
/** Sets the application globals.
\param in: Where the driver letter is read from.
\param out: Where the prompt is written.
\return The exit code: 0 after a normal end, 1 for an unknown letter or no
device. */
int runDemo(std::istream& in, std::ostream& out);

#endif
