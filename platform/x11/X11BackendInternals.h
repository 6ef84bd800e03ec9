#ifndef PLATFORM_X11_X11_BACKEND_INTERNALS_H_INCLUDED
#define PLATFORM_X11_X11_BACKEND_INTERNALS_H_INCLUDED

// What the X11 backend keeps to itself, for its own files and for tools that
// drive or watch it from outside (the tests' probe). The program proper only
// ever sees platform/InputMethodPlatform.h.

#include "platform/InputMethodPlatform.h"

#include <irrlicht.h>

namespace irr
{
namespace ime
{
namespace x11
{

class CX11DeviceWindow;

//! The window of the device made by createDevice, while that device lives;
//! null otherwise. Owned by the device (see CX11WindowKeeper).
CX11DeviceWindow* getDeviceWindow();

//! A message that did not come from the X connection. The pump gets queued
//! messages before the next X event, in the order they were queued.
struct SQueuedMessage
{
    E_PLATFORM_MESSAGE_TYPE Type;
    //! For EPMT_IME_COMPOSITION: the committed string, multibyte text in the
    //! user's locale.
    core::stringc Committed;
};

void queueMessage(const SQueuedMessage& message);

//! Makes composition what getComposition gives and queues the message that
//! tells the pump it changed.
void publishComposition(const SComposition& composition);

//! Told of what the edit boxes ask of the input method, whether or not a
//! window of ours exists to carry it out.
class IInputMethodRequestObserver
{
public:
    virtual ~IInputMethodRequestObserver() {}
    virtual void onCompositionWindowPos(s32 x, s32 y) = 0;
    virtual void onCloseInputMethod() = 0;
    virtual void onInlineComposition(bool) {}
};

//! Replaces the observer; null for none. Not owned.
void setInputMethodRequestObserver(IInputMethodRequestObserver* observer);

} // end namespace x11
} // end namespace ime
} // end namespace irr

#endif
