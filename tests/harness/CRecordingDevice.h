#ifndef TESTS_HARNESS_C_RECORDING_DEVICE_H_INCLUDED
#define TESTS_HARNESS_C_RECORDING_DEVICE_H_INCLUDED

#include <irrlicht.h>

#include <vector>

namespace testsupport
{

//! A real engine device seen through a wrapper that records the events posted
//! to it and lets a test decide whether its window counts as active.
//! Everything else goes to the wrapped device.
class CRecordingDevice : public irr::IrrlichtDevice
{
public:
    explicit CRecordingDevice(irr::IrrlichtDevice* inner) : Active(true), RunCount(0), Inner(inner)
    {
        Inner->grab();
        Posted.reserve(64);
    }

    bool Active;
    std::vector<irr::SEvent> Posted;
    unsigned RunCount;

    bool run() override
    {
        ++RunCount;
        return Inner->run();
    }
    void yield() override { Inner->yield(); }
    void sleep(irr::u32 ms, bool pause) override { Inner->sleep(ms, pause); }
    irr::video::IVideoDriver* getVideoDriver() override { return Inner->getVideoDriver(); }
    irr::io::IFileSystem* getFileSystem() override { return Inner->getFileSystem(); }
    irr::gui::IGUIEnvironment* getGUIEnvironment() override { return Inner->getGUIEnvironment(); }
    irr::scene::ISceneManager* getSceneManager() override { return Inner->getSceneManager(); }
    irr::gui::ICursorControl* getCursorControl() override { return Inner->getCursorControl(); }
    irr::ILogger* getLogger() override { return Inner->getLogger(); }
    irr::video::IVideoModeList* getVideoModeList() override { return Inner->getVideoModeList(); }
    irr::IOSOperator* getOSOperator() override { return Inner->getOSOperator(); }
    irr::ITimer* getTimer() override { return Inner->getTimer(); }
    irr::IRandomizer* getRandomizer() const override { return Inner->getRandomizer(); }
    void setRandomizer(irr::IRandomizer* r) override { Inner->setRandomizer(r); }
    irr::IRandomizer* createDefaultRandomizer() const override
    {
        return Inner->createDefaultRandomizer();
    }
    void setWindowCaption(const wchar_t* text) override { Inner->setWindowCaption(text); }
    bool isWindowActive() const override { return Active; }
    bool isWindowFocused() const override { return Active; }
    bool isWindowMinimized() const override { return Inner->isWindowMinimized(); }
    bool isFullscreen() const override { return Inner->isFullscreen(); }
    irr::video::ECOLOR_FORMAT getColorFormat() const override { return Inner->getColorFormat(); }
    void closeDevice() override { Inner->closeDevice(); }
    const irr::c8* getVersion() const override { return Inner->getVersion(); }
    void setEventReceiver(irr::IEventReceiver* r) override { Inner->setEventReceiver(r); }
    irr::IEventReceiver* getEventReceiver() override { return Inner->getEventReceiver(); }
    bool postEventFromUser(const irr::SEvent& event) override
    {
        Posted.push_back(event);
        return Inner->postEventFromUser(event);
    }
    void setInputReceivingSceneManager(irr::scene::ISceneManager* s) override
    {
        Inner->setInputReceivingSceneManager(s);
    }
    void setResizable(bool resize) override { Inner->setResizable(resize); }
    void minimizeWindow() override { Inner->minimizeWindow(); }
    void maximizeWindow() override { Inner->maximizeWindow(); }
    void restoreWindow() override { Inner->restoreWindow(); }
    bool activateJoysticks(irr::core::array<irr::SJoystickInfo>& info) override
    {
        return Inner->activateJoysticks(info);
    }
    bool setGammaRamp(irr::f32 r, irr::f32 g, irr::f32 b, irr::f32 brightness,
                      irr::f32 contrast) override
    {
        return Inner->setGammaRamp(r, g, b, brightness, contrast);
    }
    bool getGammaRamp(irr::f32& r, irr::f32& g, irr::f32& b, irr::f32& brightness,
                      irr::f32& contrast) override
    {
        return Inner->getGammaRamp(r, g, b, brightness, contrast);
    }
    void clearSystemMessages() override { Inner->clearSystemMessages(); }
    irr::E_DEVICE_TYPE getType() const override { return Inner->getType(); }

protected:
    ~CRecordingDevice() override { Inner->drop(); }

private:
    irr::IrrlichtDevice* Inner;
};

} // namespace testsupport

#endif
