#ifndef TEXT_C_USER_LOCALE_SCOPE_H_INCLUDED
#define TEXT_C_USER_LOCALE_SCOPE_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace ime
{

//! Switches the process locale to the user's default for the lifetime of the
//! object and puts the previous one back when it ends. Every conversion
//! between wide text and the platform's multibyte text runs inside one, so
//! that the pump, the clipboard and the directory listing agree on the
//! encoding and leave the caller's locale as they found it.
class CUserLocaleScope
{
public:
    CUserLocaleScope();
    ~CUserLocaleScope();

private:
    CUserLocaleScope(const CUserLocaleScope&);
    CUserLocaleScope& operator=(const CUserLocaleScope&);

    core::stringc SavedLocale;
    bool HasSavedLocale;
};

} // end namespace ime
} // end namespace irr

#endif
