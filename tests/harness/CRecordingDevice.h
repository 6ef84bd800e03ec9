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

    virtual bool run()
    {
        ++RunCount;
        return Inner->run();
    }
    virtual void yield() { Inner->yield(); }
    virtual void sleep(irr::u32 ms, bool pause) { Inner->sleep(ms, pause); }
    virtual irr::video::IVideoDriver* getVideoDriver() { return Inner->getVideoDriver(); }
    virtual irr::io::IFileSystem* getFileSystem() { return Inner->getFileSystem(); }
    virtual irr::gui::IGUIEnvironment* getGUIEnvironment() { return Inner->getGUIEnvironment(); }
    virtual irr::scene::ISceneManager* getSceneManager() { return Inner->getSceneManager(); }
    virtual irr::gui::ICursorControl* getCursorControl() { return Inner->getCursorControl(); }
    virtual irr::ILogger* getLogger() { return Inner->getLogger(); }
    virtual irr::video::IVideoModeList* getVideoModeList() { return Inner->getVideoModeList(); }
    virtual irr::IOSOperator* getOSOperator() { return Inner->getOSOperator(); }
    virtual irr::ITimer* getTimer() { return Inner->getTimer(); }
    virtual irr::IRandomizer* getRandomizer() const { return Inner->getRandomizer(); }
    virtual void setRandomizer(irr::IRandomizer* r) { Inner->setRandomizer(r); }
    virtual irr::IRandomizer* createDefaultRandomizer() const
    {
        return Inner->createDefaultRandomizer();
    }
    virtual void setWindowCaption(const wchar_t* text) { Inner->setWindowCaption(text); }
    virtual bool isWindowActive() const { return Active; }
    virtual bool isWindowFocused() const { return Active; }
    virtual bool isWindowMinimized() const { return Inner->isWindowMinimized(); }
    virtual bool isFullscreen() const { return Inner->isFullscreen(); }
    virtual irr::video::ECOLOR_FORMAT getColorFormat() const { return Inner->getColorFormat(); }
    virtual void closeDevice() { Inner->closeDevice(); }
    virtual const irr::c8* getVersion() const { return Inner->getVersion(); }
    virtual void setEventReceiver(irr::IEventReceiver* r) { Inner->setEventReceiver(r); }
    virtual irr::IEventReceiver* getEventReceiver() { return Inner->getEventReceiver(); }
    virtual bool postEventFromUser(const irr::SEvent& event)
    {
        Posted.push_back(event);
        return Inner->postEventFromUser(event);
    }
    virtual void setInputReceivingSceneManager(irr::scene::ISceneManager* s)
    {
        Inner->setInputReceivingSceneManager(s);
    }
    virtual void setResizable(bool resize) { Inner->setResizable(resize); }
    virtual void minimizeWindow() { Inner->minimizeWindow(); }
    virtual void maximizeWindow() { Inner->maximizeWindow(); }
    virtual void restoreWindow() { Inner->restoreWindow(); }
    virtual bool activateJoysticks(irr::core::array<irr::SJoystickInfo>& info)
    {
        return Inner->activateJoysticks(info);
    }
    virtual bool setGammaRamp(irr::f32 r, irr::f32 g, irr::f32 b, irr::f32 brightness,
                              irr::f32 contrast)
    {
        return Inner->setGammaRamp(r, g, b, brightness, contrast);
    }
    virtual bool getGammaRamp(irr::f32& r, irr::f32& g, irr::f32& b, irr::f32& brightness,
                              irr::f32& contrast)
    {
        return Inner->getGammaRamp(r, g, b, brightness, contrast);
    }
    virtual void clearSystemMessages() { Inner->clearSystemMessages(); }
    virtual irr::E_DEVICE_TYPE getType() const { return Inner->getType(); }

protected:
    virtual ~CRecordingDevice() { Inner->drop(); }

private:
    irr::IrrlichtDevice* Inner;
};

} // namespace testsupport

#endif
