#ifndef GUI_FONT_C_GUI_TT_FACE_H_INCLUDED
#define GUI_FONT_C_GUI_TT_FACE_H_INCLUDED

#include <irrlicht.h>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace irr
{
namespace gui
{

//! One FreeType library instance and one face of one font file.
/** Reference counted, so that a font can keep the face after its creator
lets go: CGUITTFont::attach grabs it. The last drop releases the FreeType
face and library. */
class CGUITTFace : public virtual IReferenceCounted
{
public:
    //! Creates a face that is not loaded yet, with reference count 1.
    CGUITTFace();

    //! Opens face 0 of a font file.
    /** A face loads once: later calls return false and keep the face as it
    is, because fonts attached to it read its FreeType face.
    \param filename: Narrow, zero-terminated path of the font file.
    \return True when the face is ready; on failure nothing stays open and
    Loaded stays false. */
    bool load(const c8* filename);

    //! Opens one face of a font file or of a TrueType/OpenType collection.
    /** Otherwise as load(filename).
    \param filename: Narrow, zero-terminated path of the font file.
    \param faceIndex: Index of the face in a collection (.ttc, .otc); 0 for
    a file with a single face.
    \return True when the face is ready; false for an index the file does not
    have. */
    bool load(const c8* filename, s32 faceIndex);

    //! load succeeded; only then are Library and Face released at the end.
    bool Loaded;
    //! The FreeType library instance; valid while Loaded, owned by the face.
    FT_Library Library;
    //! The face opened by load; valid while Loaded, owned by the face. Glyph
    //! records keep the address of this field.
    FT_Face Face;

protected:
    ~CGUITTFace() override;

private:
    CGUITTFace(const CGUITTFace&);
    CGUITTFace& operator=(const CGUITTFace&);
};

} // end namespace gui
} // end namespace irr

#endif
