#ifndef IME_C_IRR_INPUT_METHOD_H_INCLUDED
#define IME_C_IRR_INPUT_METHOD_H_INCLUDED

#include "platform/InputMethodPlatform.h"

#include <irrlicht.h>

namespace irr
{

//! The per-frame message pump of the main loop. It takes the place of the
//! device's own run: it advances the engine timer, lets the window system's
//! messages reach the engine, and turns every string the input method commits
//! into one KEY_ACCEPT key event per character, and tells the focused element
//! when the composition it draws changed. It is the one that posts to
//! the engine: the platform layer (platform/InputMethodPlatform.h) only says what
//! each window-system message means.
class CIrrInputMethod : public virtual IReferenceCounted
{
public:
    //! Serves the device, which it grabs; null pumps messages only (no
    //! timer, no commits).
    explicit CIrrInputMethod(IrrlichtDevice* device);

#ifdef MOJIBAN_DEMO_FORMS
    // Declared only for the demo's own code and its tests, which link the
    // definition; a user's program would compile the call and fail to link.
    //! The demo's form: the device is the application global AppDevice,
    //! which must be set already. Defined with the application
    //! (app/AppGlobalForms.cpp), so that the pump itself knows no globals.
    CIrrInputMethod();
#endif

    //! One frame's worth of messages. Returns false once the program was
    //! asked to end; every message pending in that call is still handled.
    virtual bool run();

protected:
    ~CIrrInputMethod() override;

private:
    void postCommittedString(const ime::SPlatformMessage& message);
    void postCharacters(const wchar_t* characters, u32 count);
    void postCompositionChange();

    IrrlichtDevice* Device;
};

} // end namespace irr

#endif
