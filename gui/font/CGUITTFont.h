#ifndef GUI_FONT_C_GUI_TT_FONT_H_INCLUDED
#define GUI_FONT_C_GUI_TT_FONT_H_INCLUDED

#include "gui/font/CGUITTFace.h"
#include "gui/font/CGUITTGlyph.h"

#include <irrlicht.h>

namespace irr
{
namespace gui
{

//! The engine's font interface on a TrueType face. Each glyph is rendered by
//! FreeType the first time it is measured or drawn and then drawn from its
//! textures as a 2D image.
class CGUITTFont : public IGUIFont
{
public:
    //! The application's form: takes the video driver from the GUI
    //! environment in AppGuiEnvironment, which must be set before. Defined
    //! by the application, not by the font; other programs use
    //! CGUITTFont(video::IVideoDriver*).
    CGUITTFont();

    //! Creates a font without a face; attach one before use.
    //! \param driver The video driver that makes, draws and removes the glyph
    //! textures. Grabbed until the font is destroyed. May be null: the font
    //! then cannot be attached and draws nothing.
    explicit CGUITTFont(video::IVideoDriver* driver);

    //! Uses face, which must be loaded, at pixel height size. Attaching again
    //! replaces the face and discards every glyph of the earlier one. Returns
    //! false, changing nothing, without a driver or a loaded face.
    bool attach(CGUITTFace* face, u32 size);

    //! Draws one line: line breaks are drawn and advanced like any other
    //! character.
    virtual void draw(const core::stringw& text, const core::rect<s32>& position,
                      video::SColor color, bool hcenter = false, bool vcenter = false,
                      const core::rect<s32>* clip = 0);
    //! Width of the widest line and Size per line; CR, LF and CR LF end lines.
    virtual core::dimension2d<u32> getDimension(const wchar_t* text) const;
    //! The first character whose right edge reaches pixelX, or -1.
    virtual s32 getCharacterFromPos(const wchar_t* text, s32 pixelX) const;
    virtual EGUI_FONT_TYPE getType() const { return EGFT_CUSTOM; }
    virtual void setKerningWidth(s32 kerning) { KerningWidth = kerning; }
    virtual void setKerningHeight(s32 kerning) { KerningHeight = kerning; }
    //! The same for every pair of letters.
    virtual s32 getKerningWidth(const wchar_t* thisLetter = 0,
                                const wchar_t* previousLetter = 0) const;
    virtual s32 getKerningHeight() const { return KerningHeight; }
    //! Characters of s are still measured and advanced but never drawn.
    virtual void setInvisibleCharacters(const wchar_t* s);

    //! Pixels the pen moves for c, KerningWidth not included: the right edge
    //! of its anti-aliased bitmap, or for a character without a glyph or with
    //! an empty one half the size below U+2000 and the full size from there.
    s32 getGlyphAdvance(wchar_t c) const;

    //! The record of glyph index glyphIndex, rendered on first use; null for
    //! the missing glyph (index 0) or an index the face does not have.
    const CGUITTGlyph* getGlyph(u32 glyphIndex) const;

    //! FreeType's glyph index for c in the attached face; 0 when none.
    //! Looked up once per character of the Basic Multilingual Plane.
    u32 getGlyphIndex(wchar_t c) const;

    //! Draw with the anti-aliased textures instead of the monochrome ones.
    bool AntiAlias;
    //! Keep the alpha of the colour given to draw instead of drawing opaque.
    bool Transparency;

protected:
    virtual ~CGUITTFont();

private:
    CGUITTFont(const CGUITTFont&);
    CGUITTFont& operator=(const CGUITTFont&);

    s32 advanceOf(wchar_t c, const CGUITTGlyph* glyph) const;
    void drawGlyph(const CGUITTGlyph& glyph, const core::position2d<s32>& pen, video::SColor color,
                   video::E_DRIVER_TYPE driverType, const core::rect<s32>* clip) const;
    void drawCoverage(const CGUITTGlyph& glyph, const core::position2d<s32>& pen,
                      video::SColor color, const core::rect<s32>* clip) const;
    bool isInvisible(wchar_t c) const;

    //! Pixel height: the line height and the base of the fallback advance.
    u32 Size;
    bool Attached;
    video::IVideoDriver* Driver;
    //! Glyph index i at position i - 1. Measuring is const in the engine's
    //! interface but fills the cache, hence mutable.
    mutable core::array<CGUITTGlyph> Glyphs;
    //! Glyph index of each character below U+10000 once looked up, or
    //! UnknownGlyphIndex; allocated at the first lookup and emptied by
    //! attach. Searching FreeType's character map cost several times the
    //! rest of measuring a cached character, and texts repeat characters.
    mutable core::array<u32> CharGlyphIndices;
    CGUITTFace* Face;
    s32 KerningWidth;
    s32 KerningHeight;
    core::stringw Invisible;
};

} // end namespace gui
} // end namespace irr

#endif
