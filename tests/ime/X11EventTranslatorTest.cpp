// Before Xlib's headers, whose macros clash with its names.
#include <gtest/gtest.h>

#include "ime/x11/CX11EventTranslator.h"
#include "harness/CRecordingDevice.h"

#include <vector>

using namespace irr;
using testsupport::CRecordingDevice;

namespace
{

// Clicks of the left button at (x, y) and time t, one press and one
// release each, through the translator into a recording device; the result
// is the multiple-click events posted, in order.
class X11EventTranslator : public ::testing::Test
{
protected:
    X11EventTranslator()
    {
        IrrlichtDevice* inner = createDevice(video::EDT_NULL);
        Device = new CRecordingDevice(inner);
        inner->drop();
    }
    ~X11EventTranslator() { Device->drop(); }

    void click(Time t, int x = 50, int y = 40)
    {
        for (int type : {ButtonPress, ButtonRelease})
        {
            XEvent event = {};
            event.type = type;
            event.xbutton.button = Button1;
            event.xbutton.x = x;
            event.xbutton.y = y;
            event.xbutton.time = t;
            Translator.postPointerEvent(Device, event);
        }
    }

    std::vector<EMOUSE_INPUT_EVENT> multipleClicks() const
    {
        std::vector<EMOUSE_INPUT_EVENT> found;
        for (const SEvent& e : Device->Posted)
            if (e.MouseInput.Event == EMIE_LMOUSE_DOUBLE_CLICK ||
                e.MouseInput.Event == EMIE_LMOUSE_TRIPLE_CLICK)
                found.push_back(e.MouseInput.Event);
        return found;
    }

    CRecordingDevice* Device;
    ime::x11::CX11EventTranslator Translator;
};

TEST_F(X11EventTranslator, AFourthFastClickStartsCountingAgain)
{
    for (Time t : {1000, 1100, 1200, 1300, 1400})
        click(t);
    EXPECT_EQ(multipleClicks(),
              (std::vector<EMOUSE_INPUT_EVENT>{EMIE_LMOUSE_DOUBLE_CLICK, EMIE_LMOUSE_TRIPLE_CLICK,
                                               EMIE_LMOUSE_DOUBLE_CLICK}));
}

TEST_F(X11EventTranslator, ClicksTooLateOrTooFarApartAreSingle)
{
    click(1000);
    click(1501);         // more than half a second later
    click(2000, 54, 40); // four pixels away
    click(2400, 54, 44);
    EXPECT_TRUE(multipleClicks().empty());
    click(2900, 57, 47); // within both limits
    EXPECT_EQ(multipleClicks(), std::vector<EMOUSE_INPUT_EVENT>{EMIE_LMOUSE_DOUBLE_CLICK});
}

} // namespace
