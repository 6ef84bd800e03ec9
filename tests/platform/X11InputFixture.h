#ifndef TESTS_PLATFORM_X11_INPUT_FIXTURE_H_INCLUDED
#define TESTS_PLATFORM_X11_INPUT_FIXTURE_H_INCLUDED

#include "support/XInputDriver.h"
#include "ime/CIrrInputMethod.h"
#include "platform/InputMethodPlatform.h"
#include "harness/X11BackendProbe.h"
#include "gui/editbox/CGUIEditBoxML.h"
#include "harness/CRecordingDevice.h"
#include "support/TestEnvironment.h"
#include "support/VirtualDisplay.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>

namespace x11test
{

using testsupport::CRecordingDevice;
using testsupport::ScopedUserLocale;
using testsupport::XInputDriver;

//! Unicode keysyms of 日, 本 and 語.
const unsigned long Hi = 0x10065e5, Moto = 0x100672c, Go = 0x1008a9e; // 日 本 語

//! Input styles of X11/Xlib.h, whose macros clash with GoogleTest.
const unsigned long PreeditPosition = 0x0004, PreeditNothing = 0x0008, StatusNothing = 0x0400;

struct SKey
{
    irr::EKEY_CODE Key;
    wchar_t Char;
    bool Shift;
    bool Control;
};

class X11Input : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        testsupport::useVirtualDisplay();
        setenv("XMODIFIERS", modifiers(), 1);
        Driver.reset(new XInputDriver());
        Locale.reset(new ScopedUserLocale(locale().c_str()));
        irr::IrrlichtDevice* inner = irr::ime::createDevice(
            irr::video::EDT_SOFTWARE, irr::core::dimension2d<irr::u32>(640, 480), 16, false, false,
            false, 0);
        ASSERT_TRUE(inner);
        Device = new CRecordingDevice(inner);
        inner->drop();
        Pump = new irr::CIrrInputMethod(Device);
        Window = testsupport::x11::getDeviceWindowId();
        ASSERT_NE(0u, Window);
        Driver->focus(Window);
        ASSERT_TRUE(pumpUntil([this] { return irr::ime::isWindowActive(Device); }));
        Device->Posted.clear();
    }

    //! The input method: Xlib's built-in one, whatever server the machine may run.
    virtual const char* modifiers() const { return "@im=none"; }
    //! The user's locale.
    virtual std::string locale() const { return GetParam(); }

    void TearDown() override
    {
        if (Pump)
            Pump->drop();
        if (Device)
            Device->drop();
        Locale.reset();
        Driver.reset();
        unsetenv("XMODIFIERS");
    }

    //! One turn of the demo's loop: the pump, then a frame when asked for.
    void frame()
    {
        Pump->run();
        if (DrawFrames)
        {
            irr::video::IVideoDriver* driver = Device->getVideoDriver();
            driver->beginScene(true, true, irr::video::SColor(255, 200, 200, 200));
            Device->getGUIEnvironment()->drawAll();
            driver->endScene();
        }
    }

    bool pumpUntil(const std::function<bool()>& done)
    {
        for (int waited = 0; waited < 5000; waited += 5)
        {
            frame();
            if (done())
                return true;
            usleep(5000);
        }
        return false;
    }

    //! Runs the frames it takes for everything sent to arrive: until no new
    //! event came for a while, and no key is with the server.
    void settle()
    {
        size_t seen = Device->Posted.size();
        for (int quiet = 0; quiet < 30; ++quiet)
        {
            frame();
            usleep(5000);
            if (testsupport::x11::isWaitingForInputMethod())
                quiet = 0;
            if (Device->Posted.size() != seen)
            {
                seen = Device->Posted.size();
                quiet = 0;
            }
        }
    }

    void send(const std::vector<std::string>& arguments)
    {
        ASSERT_EQ(0, Driver->xdotool(arguments));
        settle();
    }

    std::wstring accepted() const
    {
        std::wstring text;
        for (const irr::SEvent& e : Device->Posted)
            if (e.EventType == irr::EET_KEY_INPUT_EVENT && e.KeyInput.Key == irr::KEY_ACCEPT)
                text += e.KeyInput.Char;
        return text;
    }

    //! Key presses other than the modifier keys themselves.
    std::vector<SKey> presses() const
    {
        std::vector<SKey> keys;
        for (const irr::SEvent& e : Device->Posted)
        {
            const irr::SEvent::SKeyInput& k = e.KeyInput;
            if (e.EventType == irr::EET_KEY_INPUT_EVENT && k.PressedDown &&
                k.Key != irr::KEY_LSHIFT && k.Key != irr::KEY_LCONTROL)
                keys.push_back({k.Key, k.Char, k.Shift, k.Control});
        }
        return keys;
    }

    std::vector<irr::SEvent::SMouseInput> mouse() const
    {
        std::vector<irr::SEvent::SMouseInput> events;
        for (const irr::SEvent& e : Device->Posted)
            if (e.EventType == irr::EET_MOUSE_INPUT_EVENT)
                events.push_back(e.MouseInput);
        return events;
    }

    //! An edit box on the root element; the boxes lay themselves out when
    //! drawn, as in the demo's loop, so frames are drawn from now on.
    irr::gui::CGUIEditBoxML* addBox(const irr::core::rect<irr::s32>& rect)
    {
        irr::gui::IGUIEnvironment* env = Device->getGUIEnvironment();
        DrawFrames = true;
        irr::gui::CGUIEditBoxML* box =
            new irr::gui::CGUIEditBoxML(env, L"", env->getRootGUIElement(), rect);
        box->drop();
        return box;
    }

    void click(irr::s32 x, irr::s32 y)
    {
        send({"mousemove", "--window", std::to_string(Window), std::to_string(x), std::to_string(y),
              "click", "1"});
    }

    std::unique_ptr<ScopedUserLocale> Locale;
    CRecordingDevice* Device = 0;
    irr::CIrrInputMethod* Pump = 0;
    unsigned long Window = 0;
    bool DrawFrames = false;
    std::unique_ptr<XInputDriver> Driver;
};

} // namespace x11test

#endif
