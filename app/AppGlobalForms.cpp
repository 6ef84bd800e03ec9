// The demo builds its font and edit boxes without naming the GUI
// environment, and its pump without naming the device: these forms take them
// from AppGuiEnvironment and AppDevice. They live here,
// not beside the components, so that the components know nothing of the
// application and another program links them without its globals.

#include "app/AppGlobals.h"
#include "gui/editbox/CGUIEditBoxML.h"
#include "gui/font/CGUITTFont.h"
#include "ime/CIrrInputMethod.h"

namespace irr
{

CIrrInputMethod::CIrrInputMethod() : CIrrInputMethod(AppDevice) {}

namespace gui
{

CGUITTFont::CGUITTFont() : CGUITTFont(AppGuiEnvironment ? AppGuiEnvironment->getVideoDriver() : 0)
{
}

CGUIEditBoxML::CGUIEditBoxML(const wchar_t* text, IGUIElement* parent,
                             const core::rect<s32>& rectangle)
    : CGUIEditBoxML(AppGuiEnvironment, text, parent, rectangle)
{
}

} // end namespace gui
} // end namespace irr
