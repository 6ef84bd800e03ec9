#ifndef PLATFORM_INPUT_METHOD_PLATFORM_H_INCLUDED
#define PLATFORM_INPUT_METHOD_PLATFORM_H_INCLUDED

#include <irrlicht.h>

namespace irr
{
namespace ime
{

//! What the pump needs to know about a window-system message after it was dispatched.
enum E_PLATFORM_MESSAGE_TYPE
{
    //! Anything the pump does not look at.
    EPMT_OTHER = 0,
    //! The input method's composition changed; see SPlatformMessage::HasResultString.
    EPMT_IME_COMPOSITION,
    //! The program has been asked to end.
    EPMT_QUIT,
    //! A key or pointer event of the window that the engine does not read
    //! itself, translated into an engine event (SPlatformMessage::Event) for
    //! the pump to post.
    EPMT_INPUT_EVENT,
    //! The text being composed changed (getComposition); only while the
    //! focused box asked for inline composition (setInlineComposition). The
    //! pump tells the engine with a CompositionChangedEvent.
    EPMT_IME_PREEDIT
};

//! How a character of the composition is marked, as the input method says.
enum E_COMPOSITION_MARK
{
    //! Typed or converted, not the clause being converted: underlined.
    ECM_INPUT = 0,
    //! The clause being converted, marked with a thick underline.
    ECM_TARGET_UNDERLINED,
    //! The clause being converted, shown inverted.
    ECM_TARGET_INVERTED
};

//! The text the input method is composing, not yet committed.
struct SComposition
{
    core::stringw Text;
    //! An E_COMPOSITION_MARK for each character of Text.
    core::array<u8> Marks;
    //! Where the input method's caret stands: 0 to the size of Text.
    s32 Caret;
};

//! UserData1 of the engine user event (EET_USER_EVENT) with which the pump
//! tells the engine that the composition changed: the focused element reads
//! it with getComposition. The pump posts it with postEventFromUser and,
//! since the GUI environment hands user events to no element, gives it to
//! the focused element itself when nothing consumed it. UserData2 is 0.
const s32 CompositionChangedEvent = 0x4d4a4350;

struct SPlatformMessage
{
    E_PLATFORM_MESSAGE_TYPE Type;
    //! For EPMT_IME_COMPOSITION: a string was committed and can be read while
    //! this message is the current one: from ResultText when it is not null,
    //! else with getCompositionResult.
    bool HasResultString;
    //! A result the backend holds as wide characters already (what an input
    //! method committed as UTF-8, a character a key typed), ResultLength of
    //! them, each one the user's locale can write; owned by the backend and
    //! valid until the next peekAndDispatchMessage. Null otherwise.
    const wchar_t* ResultText;
    u32 ResultLength;
    //! For EPMT_INPUT_EVENT.
    SEvent Event;
};

//! Whatever the engine device must still do itself in a frame on this
//! platform (its own run where its window's events reach the platform layer
//! instead), once per run of the pump, before the messages. False once the
//! device was asked to close. The device may be null.
bool runEngineFrame(IrrlichtDevice* device);

//! Removes the next pending window-system message, translates it and hands it
//! to its window (the engine), then describes it in message. Returns false
//! when nothing was pending. The device is the engine device whose window
//! receives the messages; it may be null. The platform layer posts nothing
//! to the device itself (where the engine reads its window, its own window
//! procedure does): what it translates for the engine comes back in message.
bool peekAndDispatchMessage(IrrlichtDevice* device, SPlatformMessage& message);

//! Reads the string committed with the current composition message, as
//! multibyte text in the user's locale, not zero-terminated. With a null
//! buffer returns the length in bytes; otherwise copies at most bufferSize
//! bytes and returns the number copied. Negative on error.
s32 getCompositionResult(c8* buffer, u32 bufferSize);

//! Creates the engine device whose window the platform layer serves; takes
//! the arguments of the engine's createDevice. Null when the engine has no
//! device of that kind here.
IrrlichtDevice* createDevice(video::E_DRIVER_TYPE driverType,
                             const core::dimension2d<u32>& windowSize, u32 bits, bool fullscreen,
                             bool stencilbuffer, bool vsync, IEventReceiver* receiver);

//! Whether the device's window has the keyboard focus, so that what the
//! input method commits is meant for it. The device may be null.
bool isWindowActive(IrrlichtDevice* device);

//! The OS operator whose clipboard the edit boxes use: the engine's, unless
//! the platform's window needs its own to exchange text with other programs.
//! Not grabbed for the caller; valid while the engine's operator is.
IOSOperator* getClipboardOperator(IOSOperator* engineOperator);

//! Places the composition window of the focused window at a client-area point.
void setCompositionWindowPos(s32 x, s32 y);

//! Switches the input method of the focused window off.
void closeInputMethod();

//! What the input method commits of its composition when the focused edit
//! box is left, for that box: Hangul input methods commit the syllable
//! being composed then, where others drop their composition. Waits a
//! bounded time for the input method; false when nothing was committed.
//! Called before closeInputMethod.
bool finishComposition(core::stringw& committed);

//! Whether the focused edit box draws the composition itself. When it does
//! and the platform and the input method can, the input method shows no
//! composition window, and every change of the composition arrives as an
//! EPMT_IME_PREEDIT message; the commit comes as before. The edit box says
//! so when it gains the focus and when it loses it. Off at start.
void setInlineComposition(bool wanted);

//! The composition as it stands now; empty without one, or without inline
//! composition. Valid until the next peekAndDispatchMessage.
const SComposition& getComposition();

//! Places the input method's candidate window at the clause being
//! converted, given as its screen rectangle in client-area pixels (the
//! line's full height): below it, or above where the screen ends.
void setCandidateWindowPos(const core::rect<s32>& clause);

//! Milliseconds from an arbitrary origin; wraps around at 2^32.
u32 getTickCount();

} // end namespace ime
} // end namespace irr

#endif
