#include "harness/FreeTypeCallCounter.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <dlfcn.h>

#include <cstdlib>

namespace fonttest
{

namespace
{

FreeTypeCalls Calls;

// FreeType's own entry point of the given name, behind ours.
template <typename F> F real(F, const char* name)
{
    void* symbol = dlsym(RTLD_NEXT, name);
    if (!symbol)
        abort();
    return reinterpret_cast<F>(symbol);
}

FT_Error countSuccess(FT_Error error, unsigned& counter)
{
    if (!error)
        ++counter;
    return error;
}

} // namespace

void FreeTypeCalls::reset()
{
    Calls = FreeTypeCalls();
}

const FreeTypeCalls& FreeTypeCalls::get()
{
    return Calls;
}

} // namespace fonttest

using fonttest::Calls;
using fonttest::countSuccess;
using fonttest::real;

extern "C" FT_Error FT_Init_FreeType(FT_Library* library)
{
    static const auto next = real(&FT_Init_FreeType, "FT_Init_FreeType");
    return countSuccess(next(library), Calls.LibrariesCreated);
}

extern "C" FT_Error FT_Done_FreeType(FT_Library library)
{
    static const auto next = real(&FT_Done_FreeType, "FT_Done_FreeType");
    ++Calls.LibrariesDone;
    return next(library);
}

extern "C" FT_Error FT_New_Face(FT_Library library, const char* path, FT_Long index, FT_Face* face)
{
    static const auto next = real(&FT_New_Face, "FT_New_Face");
    return countSuccess(next(library, path, index, face), Calls.FacesCreated);
}

extern "C" FT_Error FT_Done_Face(FT_Face face)
{
    static const auto next = real(&FT_Done_Face, "FT_Done_Face");
    ++Calls.FacesDone;
    return next(face);
}

extern "C" FT_Error FT_Render_Glyph(FT_GlyphSlot slot, FT_Render_Mode mode)
{
    static const auto next = real(&FT_Render_Glyph, "FT_Render_Glyph");
    ++Calls.Renderings;
    return next(slot, mode);
}

extern "C" FT_Error FT_Load_Glyph(FT_Face face, FT_UInt index, FT_Int32 flags)
{
    static const auto next = real(&FT_Load_Glyph, "FT_Load_Glyph");
    if (flags & FT_LOAD_RENDER)
        ++Calls.Renderings;
    return next(face, index, flags);
}
