#ifndef GUI_FONT_C_GUI_TT_FACE_H_INCLUDED
#define GUI_FONT_C_GUI_TT_FACE_H_INCLUDED

#include <irrlicht.h>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace irr
{
namespace gui
{

//! One FreeType library instance and the first face of one font file,
//! shared by reference count so that a font can keep it after its creator
//! lets go.
class CGUITTFace : public virtual IReferenceCounted
{
public:
    //! Not loaded yet.
    CGUITTFace();

    //! Opens face 0 of the font file at filename. Returns true when the face
    //! is ready; on failure nothing stays open. A face loads once: later
    //! calls return false and keep the face as it is, because fonts attached
    //! to it read its FreeType face.
    bool load(const c8* filename);

    //! load succeeded; only then are Library and Face released at the end.
    bool Loaded;
    FT_Library Library;
    FT_Face Face;

protected:
    virtual ~CGUITTFace();

private:
    CGUITTFace(const CGUITTFace&);
    CGUITTFace& operator=(const CGUITTFace&);
};

} // end namespace gui
} // end namespace irr

#endif
