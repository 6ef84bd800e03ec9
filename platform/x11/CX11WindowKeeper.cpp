#include "platform/x11/CX11WindowKeeper.h"

#include "platform/x11/CX11DeviceWindow.h"

namespace irr
{
namespace ime
{
namespace x11
{

CX11WindowKeeper::CX11WindowKeeper(CX11DeviceWindow* window, void (*onRelease)(CX11DeviceWindow*))
    : Window(window), OnRelease(onRelease)
{
}

CX11WindowKeeper::~CX11WindowKeeper()
{
    if (OnRelease)
        OnRelease(Window);
    delete Window;
}

} // end namespace x11
} // end namespace ime
} // end namespace irr
