#ifndef APP_GLOBALS_H_INCLUDED
#define APP_GLOBALS_H_INCLUDED

#include <irrlicht.h>

// Process-wide objects that the font, the edit boxes, the pump and the
// receiver read instead of receiving them as arguments. Set once by start-up.
extern irr::IrrlichtDevice* AppDevice;
extern irr::gui::IGUIEnvironment* AppGuiEnvironment;
extern irr::gui::IGUIListBox* AppLogListBox;
extern irr::s32 AppWindowOffset;

#endif
