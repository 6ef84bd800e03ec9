#include "app/DemoApplication.h"

#include "app/AppGlobals.h"
#include "app/DemoFontSetup.h"
#include "app/DriverPrompt.h"
#include "app/MyEventReceiver.h"
#include "gui/editbox/CGUIEditBoxML.h"
#include "gui/editbox/CGUIEditBoxMLFactory.h"
#include "ime/CIrrInputMethod.h"
#include "platform/InputMethodPlatform.h"

using namespace irr;

namespace
{

void createDemoElements(gui::IGUIEnvironment* env)
{
    env->addButton(core::rect<s32>(10, 210, 110, 242), 0, QuitButtonId, L"Quit", L"Exits Program");
    env->addButton(core::rect<s32>(10, 250, 110, 282), 0, NewWindowButtonId, L"New Window",
                   L"Launches a new Window");
    env->addButton(core::rect<s32>(10, 290, 110, 322), 0, FileOpenButtonId, L"File Open",
                   L"Opens a file");

    env->addStaticText(L"Transparent Control:", core::rect<s32>(150, 20, 350, 40), true, true, 0,
                       -1, false);
    gui::IGUIScrollBar* scrollbar =
        env->addScrollBar(true, core::rect<s32>(150, 45, 350, 60), 0, TransparencyScrollBarId);

    env->addStaticText(L"Logging ListBox:", core::rect<s32>(50, 80, 250, 100), true, true, 0, -1,
                       false);
    AppLogListBox = env->addListBox(core::rect<s32>(50, 110, 250, 180), 0, -1, false);

    scrollbar->setMax(255);
    scrollbar->setPos(env->getSkin()->getColor(gui::EGDC_WINDOW).getAlpha());
}

} // namespace

int runDemo(std::istream& in, std::ostream& out)
{
    video::E_DRIVER_TYPE driverType;
    if (!promptForDriver(in, out, driverType))
        return 1;

    AppDevice =
        ime::createDevice(driverType, core::dimension2d<u32>(640, 480), 16, false, false, false, 0);
    if (!AppDevice)
        return 1;

    MyEventReceiver receiver;
    AppDevice->setEventReceiver(&receiver);
    AppDevice->setWindowCaption(L"Irrlicht Engine - Multilingual GUI Demo");

    video::IVideoDriver* driver = AppDevice->getVideoDriver();
    AppGuiEnvironment = AppDevice->getGUIEnvironment();
    gui::registerEditBoxMLFactory(AppGuiEnvironment);

    CIrrInputMethod* inputMethod = new CIrrInputMethod();

    gui::IGUISkin* skin = AppGuiEnvironment->getSkin();
    setUpDemoFonts(AppDevice, skin);

    createDemoElements(AppGuiEnvironment);

    // The root element keeps the edit boxes.
    gui::IGUIElement* root = AppGuiEnvironment->getRootGUIElement();
    gui::CGUIEditBoxML* editBox =
        new gui::CGUIEditBoxML(L"Editable Text1", root, core::rect<s32>(350, 80, 550, 100));
    editBox->drop();
    editBox = new gui::CGUIEditBoxML(L"Editable Text2", root, core::rect<s32>(350, 110, 550, 130));
    editBox->drop();

    while (inputMethod->run() && driver)
    {
        driver->beginScene(true, true, video::SColor(0, 200, 200, 200));
        AppGuiEnvironment->drawAll();
        driver->endScene();
    }

    inputMethod->drop();
    AppDevice->drop();
    // The receiver outlives the device; nothing can reach it after this point.
    return 0;
}
