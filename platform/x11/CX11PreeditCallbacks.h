#ifndef PLATFORM_X11_C_X11_PREEDIT_CALLBACKS_H_INCLUDED
#define PLATFORM_X11_C_X11_PREEDIT_CALLBACKS_H_INCLUDED

#include "platform/InputMethodPlatform.h"

#include <irrlicht.h>

#include <X11/Xlib.h>

namespace irr
{
namespace ime
{
namespace x11
{

//! The callbacks style of an input context (XIMPreeditCallbacks): the server
//! draws nothing of the composition itself and tells the client, through
//! start, draw, caret and done callbacks, what it would show. The text is
//! kept here as the draw callbacks change it and handed on at every change:
//! to the platform layer (publishComposition), whose pump tells the focused
//! box, or to a sink, for a context whose callbacks run on another thread.
class CX11PreeditCallbacks
{
public:
    //! Takes each new state of the composition; called on the thread that
    //! runs the context's callbacks.
    typedef void (*CompositionSink)(void* data, const SComposition& composition);

    CX11PreeditCallbacks();

    //! Where the composition goes instead of publishComposition; null for
    //! publishComposition.
    void setSink(CompositionSink sink, void* data);

    //! Whether a style the server offers is one this class can serve.
    static bool isCallbacksStyle(XIMStyle style);

    //! Creates an input context of the callbacks style on the window, or
    //! returns null when the server refuses it. The context reports to this
    //! object, which must outlive it.
    XIC createContext(XIM method, Window window, XIMStyle style);

    //! Whether context is the last one createContext made.
    bool ownsContext(XIC context) const { return context && context == Context; }

    //! Forgets the composition: composing ended.
    void clear();
    //! Forgets the context and its composition: the context is gone.
    void forgetContext();

private:
    CX11PreeditCallbacks(const CX11PreeditCallbacks&);
    CX11PreeditCallbacks& operator=(const CX11PreeditCallbacks&);

    static int onStart(XIC context, XPointer self, XPointer unused);
    static void onDone(XIC context, XPointer self, XPointer unused);
    static void onDraw(XIC context, XPointer self, XIMPreeditDrawCallbackStruct* draw);
    static void onCaret(XIC context, XPointer self, XIMPreeditCaretCallbackStruct* caret);

    void applyDraw(const XIMPreeditDrawCallbackStruct& draw);
    void moveCaret(XIMPreeditCaretCallbackStruct& caret);
    void publish();

    XICCallback Start;
    XIMCallback Done;
    XIMCallback Draw;
    XIMCallback Caret;
    SComposition Composition;
    //! The context made last; only compared, it may be gone.
    XIC Context;
    CompositionSink Sink;
    void* SinkData;
};

} // end namespace x11
} // end namespace ime
} // end namespace irr

#endif
