#include "app/AppGlobals.h"

irr::IrrlichtDevice* AppDevice = 0;
irr::gui::IGUIEnvironment* AppGuiEnvironment = 0;
irr::gui::IGUIListBox* AppLogListBox = 0;
irr::s32 AppWindowOffset = 0;
