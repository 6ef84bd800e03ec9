#include "gui/font/CGUITTFace.h"

namespace irr
{
namespace gui
{

CGUITTFace::CGUITTFace() : Loaded(false), Library(0), Face(0) {}

CGUITTFace::~CGUITTFace()
{
    if (!Loaded)
        return;
    FT_Done_Face(Face);
    FT_Done_FreeType(Library);
}

bool CGUITTFace::load(const c8* filename)
{
    return load(filename, 0);
}

bool CGUITTFace::load(const c8* filename, s32 faceIndex)
{
    // FreeType reads a negative index as a request to count faces, which
    // opens nothing usable.
    if (Loaded || !filename || faceIndex < 0)
        return false;

    FT_Library library = 0;
    if (FT_Init_FreeType(&library))
        return false;

    FT_Face face = 0;
    if (FT_New_Face(library, filename, faceIndex, &face))
    {
        // Nobody else will ever release a library whose face did not open.
        FT_Done_FreeType(library);
        return false;
    }

    Library = library;
    Face = face;
    Loaded = true;
    return true;
}

} // end namespace gui
} // end namespace irr
