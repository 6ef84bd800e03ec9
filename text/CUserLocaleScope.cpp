#include "text/CUserLocaleScope.h"

#include <clocale>

namespace irr
{
namespace ime
{

CUserLocaleScope::CUserLocaleScope() : HasSavedLocale(false)
{
    // setlocale's result may be overwritten by the next call: keep a copy.
    const char* current = setlocale(LC_ALL, 0);
    if (current)
    {
        SavedLocale = current;
        HasSavedLocale = true;
    }
    setlocale(LC_ALL, "");
}

CUserLocaleScope::~CUserLocaleScope()
{
    if (HasSavedLocale)
        setlocale(LC_ALL, SavedLocale.c_str());
}

} // end namespace ime
} // end namespace irr
