#include "app/DemoFontSetup.h"

#include "app/AppGlobals.h"
#include "app/FontPath.h"

using namespace irr;

void setUpDemoFonts(IrrlichtDevice* device, gui::IGUISkin* skin)
{
    char fontPath[FontPathBufferSize];
    buildFontPath(device->getFileSystem()->getWorkingDirectory().c_str(), fontPath);

    skin->setFont(AppGuiEnvironment->getBuiltInFont(), gui::EGDF_DEFAULT);
    skin->setFont(AppGuiEnvironment->getBuiltInFont(), gui::EGDF_TOOLTIP);
}
