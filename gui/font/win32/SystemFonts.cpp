#include "gui/font/LanguageTag.h"
#include "gui/font/SystemFonts.h"

#include <windows.h>

namespace irr
{
namespace gui
{

namespace
{

// The fonts Windows itself installs for each language, best first, with the
// face inside a collection. Windows has no query by language that a plain
// program can rely on, and these files have been there since Windows 7 (the
// later ones first). docs/DESIGN.md lists the same table.
struct SFontChoice
{
    const c8* Language;
    const c8* Files[3];
};

const SFontChoice FontTable[] = {
    {"zh-cn", {"msyh.ttc", "simsun.ttc", 0}},  {"zh-sg", {"msyh.ttc", "simsun.ttc", 0}},
    {"zh-tw", {"msjh.ttc", "mingliu.ttc", 0}}, {"zh-hk", {"msjh.ttc", "mingliu.ttc", 0}},
    {"zh-mo", {"msjh.ttc", "mingliu.ttc", 0}}, {"zh", {"msyh.ttc", "simsun.ttc", 0}},
    {"ko", {"malgun.ttf", "gulim.ttc", 0}},    {"ja", {"meiryo.ttc", "msgothic.ttc", 0}},
    {"vi", {"segoeui.ttf", "arial.ttf", 0}},   {"th", {"leelawui.ttf", "tahoma.ttf", 0}},
};

const SFontChoice* choiceFor(const core::stringc& tag)
{
    // The tag as it is, then its language alone (ko-kr is ko).
    const s32 dash = tag.findFirst('-');
    const core::stringc language = dash < 0 ? tag : tag.subString(0, dash);
    for (const SFontChoice& choice : FontTable)
        if (tag == choice.Language)
            return &choice;
    for (const SFontChoice& choice : FontTable)
        if (language == choice.Language)
            return &choice;
    return 0;
}

bool firstExisting(const SFontChoice& choice, SSystemFontFile& found)
{
    c8 windows[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
    if (!length || length >= MAX_PATH)
        return false;
    for (const c8* file : choice.Files)
    {
        if (!file)
            break;
        core::stringc path = windows;
        path += "\\Fonts\\";
        path += file;
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        {
            found.Path = path;
            found.FaceIndex = 0;
            return true;
        }
    }
    return false;
}

// The language whose fonts hold a character's block; the face loaded for it
// is asked afterwards whether it really has the glyph.
const c8* languageOfCharacter(u32 c)
{
    if ((c >= 0x1100 && c <= 0x11FF) || (c >= 0x3130 && c <= 0x318F) ||
        (c >= 0xA960 && c <= 0xA97F) || (c >= 0xAC00 && c <= 0xD7FF))
        return "ko";
    if ((c >= 0x3040 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) ||
        (c >= 0xFF65 && c <= 0xFF9F))
        return "ja";
    if ((c >= 0x2E80 && c <= 0x2FDF) || (c >= 0x3000 && c <= 0x303F) ||
        (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
        (c >= 0xFF00 && c <= 0xFF64) || (c >= 0x20000 && c <= 0x3FFFF))
        return "zh-cn";
    if (c >= 0x0E00 && c <= 0x0E7F)
        return "th";
    if (c < 0x0250 || (c >= 0x1E00 && c <= 0x1EFF) || (c >= 0x0300 && c <= 0x036F))
        return "vi";
    return 0;
}

} // namespace

bool findSystemFont(const c8* language, SSystemFontFile& found)
{
    core::stringc tag;
    if (!normaliseLanguageTag(language, tag))
        return false;
    const SFontChoice* choice = choiceFor(tag);
    return choice && firstExisting(*choice, found);
}

bool findSystemFontFor(u32 character, SSystemFontFile& found)
{
    if (!character || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF))
        return false;
    const c8* language = languageOfCharacter(character);
    return language && findSystemFont(language, found);
}

} // end namespace gui
} // end namespace irr
