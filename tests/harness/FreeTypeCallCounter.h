#ifndef TESTS_HARNESS_FREE_TYPE_CALL_COUNTER_H_INCLUDED
#define TESTS_HARNESS_FREE_TYPE_CALL_COUNTER_H_INCLUDED

namespace fonttest
{

//! How often the code under test called into FreeType since reset(). The
//! test program puts its own FT_* entry points in front of FreeType's, counts
//! and passes every call on, so the real library still does the work.
struct FreeTypeCalls
{
    unsigned LibrariesCreated; // successful FT_Init_FreeType
    unsigned LibrariesDone;    // FT_Done_FreeType
    unsigned FacesCreated;     // successful FT_New_Face
    unsigned FacesDone;        // FT_Done_Face
    unsigned Renderings;       // FT_Render_Glyph, and FT_Load_Glyph with FT_LOAD_RENDER

    static void reset();
    static const FreeTypeCalls& get();
};

} // namespace fonttest

#endif
