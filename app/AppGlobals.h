#ifndef APP_GLOBALS_H_INCLUDED
#define APP_GLOBALS_H_INCLUDED

#include <irrlicht.h>

// Process-wide objects of the demo, set once by start-up and never reset.
// The application's forms of the font and edit box constructors
// and of the input-method pump (AppGlobalForms.cpp) and the receiver read them
// instead of receiving them as arguments. None of them is grabbed.

//! The engine device; owned by start-up, which drops it at the end.
extern irr::IrrlichtDevice* AppDevice;
//! The device's GUI environment; owned by the device.
extern irr::gui::IGUIEnvironment* AppGuiEnvironment;
//! The list box the receiver logs its actions in; owned by the GUI.
extern irr::gui::IGUIListBox* AppLogListBox;
//! Pixels the next test window is moved right and down; the receiver
//! advances it by 30 and wraps it to 0 above 200.
extern irr::s32 AppWindowOffset;

#endif
