#ifndef APP_DEMO_FONT_SETUP_H_INCLUDED
#define APP_DEMO_FONT_SETUP_H_INCLUDED

#include <irrlicht.h>

//! Makes the TrueType font below the working directory the skin's default
//! font, or the built-in font when it does not load; tooltips always keep the
//! built-in font. Reads AppGuiEnvironment.
void setUpDemoFonts(irr::IrrlichtDevice* device, irr::gui::IGUISkin* skin);

#endif
