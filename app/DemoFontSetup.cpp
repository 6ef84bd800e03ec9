#include "app/DemoFontSetup.h"

#include "app/AppGlobals.h"
#include "app/FontPath.h"
#include "gui/font/CGUITTFace.h"
#include "gui/font/CGUITTFont.h"

using namespace irr;

namespace
{

const u32 DemoFontSize = 12;

} // namespace

void setUpDemoFonts(IrrlichtDevice* device, gui::IGUISkin* skin)
{
    gui::CGUITTFace* face = new gui::CGUITTFace();
    gui::CGUITTFont* font = new gui::CGUITTFont();

    // A path that does not fit the buffer would name another file, so it
    // counts as a font that does not load.
    char fontPath[FontPathBufferSize];
    const bool loaded =
        buildFontPath(device->getFileSystem()->getWorkingDirectory().c_str(), fontPath) &&
        face->load(fontPath);

    // attach only fails without a video driver; a default font that can draw
    // nothing would hide every text, so the built-in font stays then too.
    if (loaded && font->attach(face, DemoFontSize))
        skin->setFont(font, gui::EGDF_DEFAULT);
    else
        skin->setFont(AppGuiEnvironment->getBuiltInFont(), gui::EGDF_DEFAULT);

    // The font keeps the face and the skin keeps the font.
    face->drop();
    font->drop();

    skin->setFont(AppGuiEnvironment->getBuiltInFont(), gui::EGDF_TOOLTIP);
}
