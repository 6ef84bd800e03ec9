#include "gui/font/SystemFonts.h"

namespace irr
{
namespace gui
{

namespace
{
CGUITTFace* loadFile(const SSystemFontFile& file)
{
    CGUITTFace* face = new CGUITTFace();
    if (face->load(file.Path.c_str(), file.FaceIndex))
        return face;
    face->drop();
    return 0;
}
} // namespace

CGUITTFace* loadSystemFace(const c8* language)
{
    SSystemFontFile file;
    return findSystemFont(language, file) ? loadFile(file) : 0;
}

CGUITTFace* loadSystemFaceFor(u32 character)
{
    SSystemFontFile file;
    if (!findSystemFontFor(character, file))
        return 0;
    CGUITTFace* face = loadFile(file);
    // A table of files (Windows) only guesses from the character's block;
    // the face itself decides.
    if (face && !FT_Get_Char_Index(face->Face, (FT_ULong)character))
    {
        face->drop();
        face = 0;
    }
    return face;
}

} // end namespace gui
} // end namespace irr
