// The real program when the window goes away under a drag: the mouse button
// is still down, something is still following the pointer, and the program
// must end as after any close, with nothing left in a half state.
#include "e2e/DemoSession.h"

#include <gtest/gtest.h>

using e2e::DemoSession;

namespace
{

// Presses at (x, y), moves while holding the button, and leaves it held.
void startDrag(DemoSession& demo, int x, int y, int toX, int toY)
{
    demo.xdotool("mousemove --window %w " + std::to_string(x) + " " + std::to_string(y) +
                 " mousedown 1");
    demo.settle(150);
    demo.xdotool("mousemove --window %w " + std::to_string(toX) + " " + std::to_string(toY));
    demo.settle(150);
}

TEST(DemoBadInput, ClosingTheWindowDuringADragEndsLikeAnyClose)
{
    {
        // The file dialog held by its title bar.
        DemoSession demo;
        ASSERT_TRUE(demo.started());
        const unsigned long background = demo.background();
        demo.click(60, 306);
        startDrag(demo, 205, 123, 260, 160);
        // Still held, it has followed the pointer past its old lower right.
        EXPECT_LT(demo.capture(500, 370, 40, 20).count(background), 10);
        demo.closeWindow();
        EXPECT_EQ(0, demo.waitForExit());
        demo.xdotool("mouseup 1");
    }
    {
        // A selection being dragged out in the first edit box.
        DemoSession demo;
        ASSERT_TRUE(demo.started());
        startDrag(demo, 360, 90, 520, 92);
        demo.closeWindow();
        EXPECT_EQ(0, demo.waitForExit());
        demo.xdotool("mouseup 1");
    }
}

} // namespace
