// Before Xlib's headers, whose macros clash with its names.
#include <gtest/gtest.h>

#include "platform/x11/CX11PointerTranslator.h"

#include <vector>

using namespace irr;

namespace
{

// Clicks of the left button at (x, y) and time t, one press and one
// release each, through the translator; the result is the multiple-click
// events it made, in order.
class X11PointerTranslator : public ::testing::Test
{
protected:
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
            SEvent events[2];
            const u32 count = Translator.translate(event, events);
            Translated.insert(Translated.end(), events, events + count);
        }
    }

    std::vector<EMOUSE_INPUT_EVENT> multipleClicks() const
    {
        std::vector<EMOUSE_INPUT_EVENT> found;
        for (const SEvent& e : Translated)
            if (e.MouseInput.Event == EMIE_LMOUSE_DOUBLE_CLICK ||
                e.MouseInput.Event == EMIE_LMOUSE_TRIPLE_CLICK)
                found.push_back(e.MouseInput.Event);
        return found;
    }

    std::vector<SEvent> Translated;
    ime::x11::CX11PointerTranslator Translator;
};

TEST_F(X11PointerTranslator, AFourthFastClickStartsCountingAgain)
{
    for (Time t : {1000, 1100, 1200, 1300, 1400})
        click(t);
    EXPECT_EQ(multipleClicks(),
              (std::vector<EMOUSE_INPUT_EVENT>{EMIE_LMOUSE_DOUBLE_CLICK, EMIE_LMOUSE_TRIPLE_CLICK,
                                               EMIE_LMOUSE_DOUBLE_CLICK}));
}

TEST_F(X11PointerTranslator, ClicksTooLateOrTooFarApartAreSingle)
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
