#ifndef GUI_FONT_C_GUI_TT_FONT_H_INCLUDED
#define GUI_FONT_C_GUI_TT_FONT_H_INCLUDED

#include "gui/font/CGUITTFace.h"
#include "gui/font/CGUITTFallbackFace.h"
#include "gui/font/CGUITTGlyph.h"

#include <irrlicht.h>

namespace irr
{
namespace gui
{

//! The engine's font interface on a TrueType face.
/** Each glyph is rendered by FreeType the first time it is measured or
drawn and then drawn from its textures as a 2D image; measuring therefore
fills the cache too. All sizes are in pixels.

A font may be given fallback faces (addFallback): a character the attached
face has no glyph for is then measured, hit-tested and drawn from the first
fallback face that has one, at the font's pixel size and on its baseline.
Without fallbacks, the only case before addFallback, the font draws and
measures exactly as the attached face alone. */
class CGUITTFont : public IGUIFont
{
public:
#ifdef MOJIBAN_DEMO_FORMS
    // Declared only for the demo's own code and its tests, which link the
    // definition; a user's program would compile the call and fail to link.
    //! The application's form: takes the video driver from the GUI
    //! environment in AppGuiEnvironment.
    /** AppGuiEnvironment must be set before. Defined by the application,
    not by the font; other programs use CGUITTFont(video::IVideoDriver*). */
    CGUITTFont();
#endif

    //! Creates a font without a face, with reference count 1.
    /** Attach a face before measuring or drawing.
    \param driver: The video driver that makes, draws and removes the glyph
    textures. Grabbed until the font is destroyed. May be null: the font
    then cannot be attached and draws nothing. */
    explicit CGUITTFont(video::IVideoDriver* driver);

    //! Uses a face at a pixel height.
    /** Attaching again replaces the face and discards every glyph of the
    earlier one, textures included. Fallback faces stay, in their order;
    their glyphs are discarded too and rendered again at the new size.
    \param face: A loaded face. Grabbed; the previous face is dropped.
    \param size: Pixel height: the line height and the base of the advance
    of characters without a glyph.
    \return False, changing nothing, without a driver or a loaded face. */
    bool attach(CGUITTFace* face, u32 size);

    //! Draws one line of text.
    /** Line breaks are drawn and advanced like any other character. Without
    a face nothing is drawn.
    \param text: Text to draw.
    \param position: Rectangle whose upper-left corner is the pen; the
    baseline lies Size pixels below it.
    \param color: Colour of the text; its alpha is replaced by 255 unless
    Transparency is set.
    \param hcenter: Centre the text horizontally in position.
    \param vcenter: Centre the text vertically in position.
    \param clip: Rectangle to clip against, or null. */
    void draw(const core::stringw& text, const core::rect<s32>& position, video::SColor color,
              bool hcenter = false, bool vcenter = false, const core::rect<s32>* clip = 0) override;

    //! Size of a text that may hold several lines.
    /** \param text: Zero-terminated text; CR, LF and CR LF end lines.
    \return Width of the widest line, KerningWidth included after every
    character, and Size per line; (0, Size) for an empty text, (0, 0)
    without a face. */
    core::dimension2d<u32> getDimension(const wchar_t* text) const override;

    //! Index of the character at a horizontal offset.
    /** KerningWidth is not counted here.
    \param text: Zero-terminated text.
    \param pixelX: Pixels from the text's left edge.
    \return The first character whose right edge reaches pixelX, or -1
    beyond the text's end, for an empty text and without a face. */
    s32 getCharacterFromPos(const wchar_t* text, s32 pixelX) const override;

    //! \return EGFT_CUSTOM.
    EGUI_FONT_TYPE getType() const override
    {
        return EGFT_CUSTOM;
    }
    //! \param kerning: Pixels added after every character when drawing and measuring.
    void setKerningWidth(s32 kerning) override
    {
        KerningWidth = kerning;
    }
    //! \param kerning: Pixels stored for getKerningHeight; the font itself
    //! does not use them.
    void setKerningHeight(s32 kerning) override
    {
        KerningHeight = kerning;
    }
    //! \return KerningWidth, the same for every pair of letters.
    s32 getKerningWidth(const wchar_t* thisLetter = 0,
                        const wchar_t* previousLetter = 0) const override;
    //! \return KerningHeight.
    s32 getKerningHeight() const override
    {
        return KerningHeight;
    }
    //! Characters still measured and advanced but never drawn.
    /** \param s: The characters, copied; null for none. */
    void setInvisibleCharacters(const wchar_t* s) override;

    //! Adds a face at the end of the fallback list.
    /** The face serves characters that the attached face and every earlier
    fallback have no glyph for. Its glyphs are rendered at the font's pixel
    size, lazily and once per glyph, as the attached face's. A bitmap-only
    face serves only when it has a strike of that size.
    \param face: A loaded face; grabbed until it is removed or the font is
    destroyed.
    \return False, changing nothing, without a driver, for a face that is not
    loaded, or for a face already in the list. */
    bool addFallback(CGUITTFace* face);

    //! Takes a face out of the fallback list and drops it.
    /** Its glyph records and their textures go with it; characters it served
    are looked up again.
    \return False when face is not in the list. */
    bool removeFallback(CGUITTFace* face);

    //! \return The number of fallback faces.
    u32 getFallbackCount() const
    {
        return Fallbacks.size();
    }

    //! \return The fallback face at a position of the list, or null beyond it.
    CGUITTFace* getFallback(u32 index) const;

    //! The face that serves a character.
    /** \return The attached face when it has a glyph for c, else the first
    fallback that has one, else null; null without a face. */
    CGUITTFace* getFaceOf(wchar_t c) const;

    //! The record of the glyph that draws a character, rendered on first use.
    /** \return As getGlyph, from the face getFaceOf names; null when no face
    has a glyph for c. Valid until the font is attached again, the face is
    removed, or the font is destroyed. */
    const CGUITTGlyph* getCharacterGlyph(wchar_t c) const;

    //! Pixels the pen moves for a character, KerningWidth not included.
    /** \return The right edge of the anti-aliased bitmap of the glyph that
    draws it (see getCharacterGlyph), or for a character no face has a glyph
    for or with an empty one half of Size below U+2000 and Size from there; 0
    without a face. */
    s32 getGlyphAdvance(wchar_t c) const;

    //! The record of a glyph, rendered on first use.
    /** \param glyphIndex: FreeType glyph index.
    \return Null for the missing glyph (index 0) or an index the face does
    not have. Owned by the font; valid until the font is attached again or
    destroyed. */
    const CGUITTGlyph* getGlyph(u32 glyphIndex) const;

    //! FreeType's glyph index for a character in the attached face.
    /** Looked up once per character of the Basic Multilingual Plane.
    \return 0 when the face has no glyph for c, or without a face. */
    u32 getGlyphIndex(wchar_t c) const;

    //! Atlas mode: glyphs on a few large shared textures, a text drawn with
    //! one batch per texture.
    /** Off by default. The pixels drawn are the same as without it; what
    changes is the engine's texture list (one texture per page of glyphs,
    not two per glyph) and the cost of a new glyph and of drawing. Switch
    it on before the font is first used: switching attaches the face again,
    so every glyph cached so far is discarded. A driver that cannot make a
    page leaves the font with textures per glyph. */
    void setGlyphAtlas(bool on);
    //! \return The atlas while atlas mode is on, else null.
    const CGUITTGlyphAtlas* getGlyphAtlas() const
    {
        return Atlas;
    }

    //! Draw with the anti-aliased textures instead of the monochrome ones.
    bool AntiAlias;
    //! Keep the alpha of the colour given to draw instead of drawing opaque.
    bool Transparency;

protected:
    //! Drops the face, removes every glyph texture and then drops the driver.
    ~CGUITTFont() override;

private:
    CGUITTFont(const CGUITTFont&);
    CGUITTFont& operator=(const CGUITTFont&);

    //! Which fallback serves a character: Slot is its position in Fallbacks
    //! plus one, 0 for none.
    struct SFallbackIndex
    {
        u32 Index;
        u32 Slot;
    };

    s32 advanceOf(wchar_t c, const CGUITTGlyph* glyph) const;
    const CGUITTGlyph* glyphOf(wchar_t c) const;
    SFallbackIndex fallbackIndexOf(wchar_t c) const;
    SFallbackIndex lookUpFallback(u32 code) const;
    s32 findFallback(const CGUITTFace* face) const;
    void drawGlyph(const CGUITTGlyph& glyph, const core::position2d<s32>& pen, video::SColor color,
                   video::E_DRIVER_TYPE driverType, const core::rect<s32>* clip) const;
    void drawCoverage(const CGUITTGlyph& glyph, const core::position2d<s32>& pen,
                      video::SColor color, const core::rect<s32>* clip) const;
    bool isInvisible(wchar_t c) const;

    //! Pixel height: the line height and the base of the fallback advance.
    u32 Size;
    //! A face is attached and Face holds a reference to it.
    bool Attached;
    //! Grabbed; null when the font was made without one.
    video::IVideoDriver* Driver;
    //! Glyph index i at position i - 1. Measuring is const in the engine's
    //! interface but fills the cache, hence mutable.
    mutable core::array<CGUITTGlyph> Glyphs;
    //! Glyph index of each character below U+10000 once looked up, or
    //! UnknownGlyphIndex; allocated at the first lookup and emptied by
    //! attach. Searching FreeType's character map cost several times the
    //! rest of measuring a cached character, and texts repeat characters.
    mutable core::array<u32> CharGlyphIndices;
    //! Grabbed while Attached.
    CGUITTFace* Face;
    //! In the order they were added; owned, each grabs its face.
    core::array<CGUITTFallbackFace*> Fallbacks;
    //! The fallback serving each character below U+10000 once looked up
    //! (Slot UnknownGlyphIndex before); allocated at the first character the
    //! attached face lacks, emptied whenever the list or the size changes.
    mutable core::array<SFallbackIndex> CharFallbacks;
    //! Pixels after every character.
    s32 KerningWidth;
    s32 KerningHeight;
    core::stringw Invisible;
    //! Owned; null unless atlas mode is on.
    CGUITTGlyphAtlas* Atlas;
};

} // end namespace gui
} // end namespace irr

#endif
