#ifndef IME_C_IRR_INPUT_METHOD_H_INCLUDED
#define IME_C_IRR_INPUT_METHOD_H_INCLUDED

#include <irrlicht.h>

namespace irr
{

//! The per-frame message pump of the main loop. It takes the place of the
//! device's own run: it advances the engine timer, lets the window system's
//! messages reach the engine, and turns every string the input method commits
//! into one KEY_ACCEPT key event per character.
class CIrrInputMethod : public virtual IReferenceCounted
{
public:
    //! Takes (and grabs) the device from the application global AppDevice.
    CIrrInputMethod();

    //! One frame's worth of messages. Returns false once the program was
    //! asked to end; every message pending in that call is still handled.
    virtual bool run();

protected:
    virtual ~CIrrInputMethod();

private:
    void postCommittedString();

    IrrlichtDevice* Device;
};

} // end namespace irr

#endif
