#include "gui/font/LanguageTag.h"
#include "gui/font/SystemFonts.h"

#include <fontconfig/fontconfig.h>

namespace irr
{
namespace gui
{

namespace
{

// How well a font must cover what was asked for.
enum ECoverage
{
    ECOV_LANGUAGE_EXACTLY,
    ECOV_LANGUAGE_ANY_TERRITORY,
    ECOV_CHARACTER
};

struct SWanted
{
    ECoverage Coverage;
    const FcChar8* Language;
    FcChar32 Character;
};

bool covers(FcPattern* font, const SWanted& wanted)
{
    if (wanted.Coverage == ECOV_CHARACTER)
    {
        FcCharSet* characters = 0;
        return FcPatternGetCharSet(font, FC_CHARSET, 0, &characters) == FcResultMatch &&
               FcCharSetHasChar(characters, wanted.Character);
    }
    FcLangSet* languages = 0;
    if (FcPatternGetLangSet(font, FC_LANG, 0, &languages) != FcResultMatch)
        return false;
    const FcLangResult result = FcLangSetHasLang(languages, wanted.Language);
    return result == FcLangEqual ||
           (wanted.Coverage == ECOV_LANGUAGE_ANY_TERRITORY && result == FcLangDifferentTerritory);
}

// The first scalable font, in fontconfig's order for pattern, that covers
// what is wanted. Bitmap fonts fit one size only, and the font that asks may
// use any.
bool pickFont(FcConfig* config, FcPattern* pattern, const SWanted& wanted, SSystemFontFile& found)
{
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    if (!FcConfigSubstitute(config, pattern, FcMatchPattern))
        return false;
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet* fonts = FcFontSort(config, pattern, FcFalse, 0, &result);
    if (!fonts)
        return false;
    bool picked = false;
    for (int i = 0; i < fonts->nfont && !picked; ++i)
    {
        FcPattern* font = fonts->fonts[i];
        FcBool scalable = FcFalse;
        FcChar8* file = 0;
        int index = 0;
        if (FcPatternGetBool(font, FC_SCALABLE, 0, &scalable) != FcResultMatch || !scalable ||
            FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || !file ||
            !covers(font, wanted))
            continue;
        if (FcPatternGetInteger(font, FC_INDEX, 0, &index) != FcResultMatch)
            index = 0;
        found.Path = (const c8*)file;
        // The upper bits name a variable font's instance, which the face
        // opens as well.
        found.FaceIndex = index;
        picked = true;
    }
    FcFontSetDestroy(fonts);
    return picked;
}

// A configuration of its own for every lookup: nothing stays behind, and
// an environment without fontconfig files still gets fontconfig's built-in
// fallback rather than a half-made global state.
bool find(FcPattern* pattern, const SWanted& wanted, SSystemFontFile& found)
{
    if (!pattern)
        return false;
    FcConfig* config = FcInitLoadConfigAndFonts();
    bool picked = false;
    if (config)
    {
        picked = pickFont(config, pattern, wanted, found);
        FcConfigDestroy(config);
    }
    FcPatternDestroy(pattern);
    return picked;
}

// ECOV_LANGUAGE_EXACTLY when fontconfig knows the tag as it is (zh-cn, with
// its territory), ECOV_LANGUAGE_ANY_TERRITORY when it knows the language
// only (ko-kr: fontconfig has ko), false when it does not know it at all.
bool knownCoverage(const c8* tag, ECoverage& coverage)
{
    // fontconfig gives a language's characters for the tag itself or, failing
    // that, for the language with another territory.
    if (!FcLangGetCharSet((const FcChar8*)tag))
        return false;
    FcStrSet* languages = FcGetLangs();
    const bool exact = languages && FcStrSetMember(languages, (const FcChar8*)tag);
    if (languages)
        FcStrSetDestroy(languages);
    coverage = exact ? ECOV_LANGUAGE_EXACTLY : ECOV_LANGUAGE_ANY_TERRITORY;
    return true;
}

} // namespace

bool findSystemFont(const c8* language, SSystemFontFile& found)
{
    core::stringc tag;
    SWanted wanted = {ECOV_LANGUAGE_EXACTLY, 0, 0};
    if (!normaliseLanguageTag(language, tag) || !knownCoverage(tag.c_str(), wanted.Coverage))
        return false;
    wanted.Language = (const FcChar8*)tag.c_str();
    FcPattern* pattern = FcPatternCreate();
    if (pattern)
        FcPatternAddString(pattern, FC_LANG, wanted.Language);
    return find(pattern, wanted, found);
}

bool findSystemFontFor(u32 character, SSystemFontFile& found)
{
    if (!character || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF))
        return false;
    FcPattern* pattern = FcPatternCreate();
    FcCharSet* characters = FcCharSetCreate();
    if (pattern && characters && FcCharSetAddChar(characters, character))
        FcPatternAddCharSet(pattern, FC_CHARSET, characters);
    if (characters)
        FcCharSetDestroy(characters);
    const SWanted wanted = {ECOV_CHARACTER, 0, character};
    return find(pattern, wanted, found);
}

} // end namespace gui
} // end namespace irr
