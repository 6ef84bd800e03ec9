#ifndef PLATFORM_X11_C_X11_CLIPBOARD_OPERATOR_H_INCLUDED
#define PLATFORM_X11_C_X11_CLIPBOARD_OPERATOR_H_INCLUDED

#include <irrlicht.h>

#include <string>

namespace irr
{
namespace ime
{
namespace x11
{

class CX11Clipboard;

//! The engine's OS operator with the clipboard of the demo's own window in
//! place of the engine's: the engine cannot answer other clients for a
//! window whose events it does not read. Everything else is the engine's.
class CX11ClipboardOperator : public IOSOperator
{
public:
    CX11ClipboardOperator(IOSOperator* engineOperator, CX11Clipboard* clipboard);

    //! The window is going: fall back to the engine's clipboard.
    void detach() { Clipboard = 0; }

    const core::stringc& getOperatingSystemVersion() const override;
    void copyToClipboard(const c8* text) const override;
    const c8* getTextFromClipboard() const override;
    bool getProcessorSpeedMHz(u32* MHz) const override;
    bool getSystemMemory(u32* totalBytes, u32* availableBytes) const override;

protected:
    ~CX11ClipboardOperator() override;

private:
    IOSOperator* EngineOperator;
    CX11Clipboard* Clipboard;
    // What getTextFromClipboard returned last; valid until its next call.
    mutable std::string Received;
};

} // end namespace x11
} // end namespace ime
} // end namespace irr

#endif
