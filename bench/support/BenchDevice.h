#ifndef BENCH_SUPPORT_BENCH_DEVICE_H_INCLUDED
#define BENCH_SUPPORT_BENCH_DEVICE_H_INCLUDED

#include <irrlicht.h>

namespace benchsupport
{

//! A real engine device, the benchmarks' current one while the object
//! lives (currentDriver). Drivers other than EDT_NULL get a window on a
//! private virtual X server. ok() is false when the engine or the X server
//! refused.
class BenchDevice
{
public:
    BenchDevice(irr::video::E_DRIVER_TYPE type, const irr::core::dimension2d<irr::u32>& size);
    ~BenchDevice();

    bool ok() const { return Device != 0; }
    irr::video::E_DRIVER_TYPE type() const { return Type; }
    irr::IrrlichtDevice* device() const { return Device; }
    irr::video::IVideoDriver* driver() const { return Device->getVideoDriver(); }
    irr::gui::IGUIEnvironment* gui() const { return Device->getGUIEnvironment(); }

private:
    BenchDevice(const BenchDevice&);
    BenchDevice& operator=(const BenchDevice&);

    irr::video::E_DRIVER_TYPE Type;
    irr::IrrlichtDevice* Device;
};

//! The video driver of the BenchDevice made last and still alive; null
//! without one.
irr::video::IVideoDriver* currentDriver();

//! Short name of a driver for benchmark names and reports.
const char* driverName(irr::video::E_DRIVER_TYPE type);

} // namespace benchsupport

#endif
