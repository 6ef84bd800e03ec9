#include "harness/X11BackendProbe.h"

#include "platform/x11/CX11DeviceWindow.h"
#include "platform/x11/X11BackendInternals.h"

#include <X11/Xlib.h>

using namespace irr;

namespace testsupport
{
namespace x11
{
namespace
{

class CRequestRecorder : public ime::x11::IInputMethodRequestObserver
{
public:
    CRequestRecorder() { ime::x11::setInputMethodRequestObserver(this); }
    ~CRequestRecorder() override { ime::x11::setInputMethodRequestObserver(0); }

    void onCompositionWindowPos(s32 x, s32 y) override
    {
        HavePos = true;
        X = x;
        Y = y;
    }
    void onCloseInputMethod() override { ++Closes; }
    void onInlineComposition(bool wanted) override { Inline = wanted; }

    bool HavePos = false;
    s32 X = 0;
    s32 Y = 0;
    u32 Closes = 0;
    bool Inline = false;
};

// Listening from start-up on, so that nothing asked before a test looks is missed.
CRequestRecorder Recorder;

XIC inputContext()
{
    ime::x11::CX11DeviceWindow* window = ime::x11::getDeviceWindow();
    return window ? window->getInputContext().getHandle() : 0;
}

} // namespace

void queueCommittedString(const c8* bytes, u32 length)
{
    ime::x11::SQueuedMessage message;
    message.Type = ime::EPMT_IME_COMPOSITION;
    message.Committed = core::stringc(bytes, length);
    ime::x11::queueMessage(message);
}

void queueComposition(const wchar_t* text, const u8* marks, s32 caret)
{
    ime::SComposition composition;
    composition.Text = text;
    for (u32 i = 0; i < composition.Text.size(); ++i)
        composition.Marks.push_back(marks ? marks[i] : (u8)ime::ECM_INPUT);
    composition.Caret = caret;
    ime::x11::publishComposition(composition);
}

bool getInlineCompositionWish()
{
    return Recorder.Inline;
}

void queueQuitRequest()
{
    ime::x11::SQueuedMessage message;
    message.Type = ime::EPMT_QUIT;
    ime::x11::queueMessage(message);
}

bool getCompositionWindowPos(s32& x, s32& y)
{
    x = Recorder.X;
    y = Recorder.Y;
    return Recorder.HavePos;
}

u32 getInputMethodCloseCount()
{
    return Recorder.Closes;
}

unsigned long getDeviceWindowId()
{
    ime::x11::CX11DeviceWindow* window = ime::x11::getDeviceWindow();
    return window ? window->getWindowId() : 0;
}

bool hasInputContext()
{
    ime::x11::CX11DeviceWindow* window = ime::x11::getDeviceWindow();
    return window && window->getInputContext().isOpen();
}

bool isWaitingForInputMethod()
{
    ime::x11::CX11DeviceWindow* window = ime::x11::getDeviceWindow();
    return window && window->getInputContext().isWaitingForServer();
}

bool getInputContextSpotLocation(s32& x, s32& y)
{
    XIC context = inputContext();
    if (!context)
        return false;
    XPoint* spot = 0;
    XVaNestedList preedit = XVaCreateNestedList(0, XNSpotLocation, &spot, (char*)0);
    const char* failed = XGetICValues(context, XNPreeditAttributes, preedit, (char*)0);
    XFree(preedit);
    if (failed || !spot)
        return false;
    x = spot->x;
    y = spot->y;
    XFree(spot);
    return true;
}

bool getInputContextStyle(unsigned long& style)
{
    ime::x11::CX11DeviceWindow* window = ime::x11::getDeviceWindow();
    return window && window->getInputContext().queryStyle(style);
}

} // namespace x11
} // namespace testsupport
