#ifndef PLATFORM_X11_X11_KEY_LOOKUP_H_INCLUDED
#define PLATFORM_X11_X11_KEY_LOOKUP_H_INCLUDED

#include <irrlicht.h>

#include <X11/Xlib.h>

#include <string>

namespace irr
{
namespace ime
{
namespace x11
{

//! What a key event came to after the input method saw it: a key of the
//! window's connection, a key the server handed back, or text it committed.
struct SKeyLookup
{
    //! The key event, on the window's connection.
    XKeyEvent Event;
    bool Release;
    //! Looked up by an input method (so Text holds its characters) rather
    //! than plainly from the keysym.
    bool FromMethod;
    //! XLookupChars, XLookupKeySym, XLookupBoth or XLookupNone.
    int LookupStatus;
    KeySym Keysym;
    //! The text, decoded once (a character the user's locale cannot write
    //! is its replacement mark).
    core::stringw Text;
};

//! A lookup as the server's own thread makes it: still UTF-8, since only
//! the program's thread may switch to the user's locale to decode it.
struct SRawKeyLookup
{
    XKeyEvent Event;
    bool Release;
    int LookupStatus;
    KeySym Keysym;
    std::string Utf8;
};

} // end namespace x11
} // end namespace ime
} // end namespace irr

#endif
