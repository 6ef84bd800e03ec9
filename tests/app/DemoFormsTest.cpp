// The demo's forms of the constructors, which take what the components are
// otherwise given from the demo's globals.
#include "ScopedAppDevice.h"
#include "app/AppGlobals.h"
#include "gui/editbox/CGUIEditBoxML.h"
#include "gui/font/CGUITTFont.h"
#include "harness/IpaFont.h"
#include "harness/CRecordingDevice.h"
#include "harness/X11BackendProbe.h"
#include "ime/CIrrInputMethod.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace irr;

namespace
{

// The form that names no environment: the box must land in
// AppGuiEnvironment and use its skin.
TEST(DemoForms, TheEditBoxStartsAsTheDemoExpects)
{
    testsupport::ScopedAppDevice app;
    gui::IGUIElement* root = app.gui()->getRootGUIElement();
    gui::CGUIEditBoxML* box =
        new gui::CGUIEditBoxML(L"Editable Text1", root, core::rect<s32>(350, 80, 550, 100));
    box->drop();
    EXPECT_EQ(box->getID(), 0);
    EXPECT_EQ(box->getParent(), root);
    EXPECT_EQ(box->getType(), gui::EGUIET_EDIT_BOX);
    EXPECT_TRUE(box->isTabStop());
    EXPECT_FALSE(box->isOverrideColorEnabled());
    EXPECT_EQ(box->getOverrideColor(), video::SColor(101, 255, 255, 255));
    EXPECT_TRUE(box->isAutoScrollEnabled());
    EXPECT_EQ(box->getActiveFont(), app.gui()->getSkin()->getFont());
}

// The font's form takes the driver of AppGuiEnvironment; with none set it
// has no driver, and attaching fails cleanly instead of crashing.
TEST(DemoForms, TheFontWithoutTheEnvironmentRefusesToAttach)
{
    ASSERT_EQ(nullptr, AppGuiEnvironment);
    gui::CGUITTFace* face = new gui::CGUITTFace();
    ASSERT_TRUE(face->load(testsupport::ipaFontPath()));
    gui::CGUITTFont* font = new gui::CGUITTFont();
    EXPECT_FALSE(font->attach(face, 12));
    EXPECT_EQ(core::dimension2d<u32>(0, 0), font->getDimension(L"AB"));
    font->drop();
    face->drop();
}

// The pump keeps the device AppDevice was when it was made.
TEST(DemoForms, ThePumpServesTheApplicationDevice)
{
    IrrlichtDevice* inner = createDevice(video::EDT_NULL);
    ASSERT_TRUE(inner);
    testsupport::CRecordingDevice* device = new testsupport::CRecordingDevice(inner);
    inner->drop();
    AppDevice = device;
    CIrrInputMethod* pump = new CIrrInputMethod();
    AppDevice = 0;

    testsupport::ScopedUserLocale locale("ja_JP.UTF-8");
    testsupport::x11::queueCommittedString("\xe3\x81\x82", 3); // あ
    EXPECT_TRUE(pump->run());
    pump->drop();
    ASSERT_EQ(1u, device->Posted.size());
    EXPECT_EQ(KEY_ACCEPT, device->Posted[0].KeyInput.Key);
    EXPECT_EQ(L'\u3042', device->Posted[0].KeyInput.Char);
    device->drop();
}

} // namespace
