#ifndef TESTS_APP_SCOPED_APP_DEVICE_H_INCLUDED
#define TESTS_APP_SCOPED_APP_DEVICE_H_INCLUDED

#include "support/ScopedDevice.h"

namespace testsupport
{

//! A ScopedDevice that is also the demo's AppDevice and AppGuiEnvironment
//! while it lives; every global of the demo is reset before the device is
//! dropped, so the next test starts as the demo's start-up would.
class ScopedAppDevice : public ScopedDevice
{
public:
    explicit ScopedAppDevice(irr::video::E_DRIVER_TYPE type = irr::video::EDT_NULL);
    ~ScopedAppDevice();
};

} // namespace testsupport

#endif
