#include "platform/x11/CX11ClipboardOperator.h"

#include "platform/x11/CX11Clipboard.h"

namespace irr
{
namespace ime
{
namespace x11
{

CX11ClipboardOperator::CX11ClipboardOperator(IOSOperator* engineOperator, CX11Clipboard* clipboard)
    : EngineOperator(engineOperator), Clipboard(clipboard)
{
    if (EngineOperator)
        EngineOperator->grab();
}

CX11ClipboardOperator::~CX11ClipboardOperator()
{
    if (EngineOperator)
        EngineOperator->drop();
}

const core::stringc& CX11ClipboardOperator::getOperatingSystemVersion() const
{
    static const core::stringc unknown;
    return EngineOperator ? EngineOperator->getOperatingSystemVersion() : unknown;
}

void CX11ClipboardOperator::copyToClipboard(const c8* text) const
{
    if (!text)
        return;
    if (Clipboard)
        Clipboard->setText(text);
    else if (EngineOperator)
        EngineOperator->copyToClipboard(text);
}

const c8* CX11ClipboardOperator::getTextFromClipboard() const
{
    if (!Clipboard)
        return EngineOperator ? EngineOperator->getTextFromClipboard() : 0;
    if (!Clipboard->getText(Received))
        return 0;
    return Received.c_str();
}

bool CX11ClipboardOperator::getProcessorSpeedMHz(u32* MHz) const
{
    return EngineOperator && EngineOperator->getProcessorSpeedMHz(MHz);
}

bool CX11ClipboardOperator::getSystemMemory(u32* totalBytes, u32* availableBytes) const
{
    return EngineOperator && EngineOperator->getSystemMemory(totalBytes, availableBytes);
}

} // end namespace x11
} // end namespace ime
} // end namespace irr
