#ifndef APP_DEMO_FONT_SETUP_H_INCLUDED
#define APP_DEMO_FONT_SETUP_H_INCLUDED

#include <irrlicht.h>

//! Sets up the skin's fonts.
/** Makes the TrueType font below the working directory the skin's default
font at 12 pixels, or the built-in font when it does not load; tooltips
always keep the built-in font. The skin holds the font, the font the face.
Reads AppGuiEnvironment.
\param device: Gives the file system's working directory.
\param skin: The skin that takes the fonts. */
void setUpDemoFonts(irr::IrrlichtDevice* device, irr::gui::IGUISkin* skin);

#endif
