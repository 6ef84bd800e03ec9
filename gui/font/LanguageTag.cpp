#include "gui/font/LanguageTag.h"

namespace irr
{
namespace gui
{

namespace
{
bool isLetter(c8 c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isAlphanumeric(c8 c)
{
    return isLetter(c) || (c >= '0' && c <= '9');
}

// Longer than any real tag; a bound keeps a hostile string from costing.
const u32 LongestTag = 64;

bool splitSubtags(const c8* tag, core::array<core::stringc>& subtags)
{
    core::stringc current;
    u32 length = 0;
    for (const c8* p = tag;; ++p, ++length)
    {
        if (length > LongestTag)
            return false;
        if (*p == 0 || *p == '-' || *p == '_')
        {
            if (current.empty())
                return false;
            current.make_lower();
            subtags.push_back(current);
            current = "";
            if (*p == 0)
                return true;
        }
        else if (isAlphanumeric(*p))
        {
            current.append(*p);
        }
        else
        {
            return false;
        }
    }
}

bool isLanguageSubtag(const core::stringc& s)
{
    if (s.size() < 2 || s.size() > 3)
        return false;
    for (u32 i = 0; i < s.size(); ++i)
        if (!isLetter(s[i]))
            return false;
    return true;
}
} // namespace

bool normaliseLanguageTag(const c8* tag, core::stringc& normalised)
{
    normalised = "";
    core::array<core::stringc> subtags;
    if (!tag || !splitSubtags(tag, subtags) || !isLanguageSubtag(subtags[0]))
        return false;

    core::stringc script;
    core::stringc territory;
    for (u32 i = 1; i < subtags.size(); ++i)
    {
        const core::stringc& s = subtags[i];
        if (i == 1 && s.size() == 4 && isLetter(s[0]))
            script = s;
        else if (territory.empty() && (s.size() == 2 || (s.size() == 3 && !isLetter(s[0]))))
            territory = s;
    }
    // Chinese names its written form by script; fonts name it by territory.
    if (territory.empty() && subtags[0] == "zh")
    {
        if (script == "hans")
            territory = "cn";
        else if (script == "hant")
            territory = "tw";
    }
    normalised = subtags[0];
    if (!territory.empty())
    {
        normalised += "-";
        normalised += territory;
    }
    return true;
}

} // end namespace gui
} // end namespace irr
