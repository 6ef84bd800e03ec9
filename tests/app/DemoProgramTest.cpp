// The real demo program in a virtual X server, seen from outside.
#include "app/DriverPrompt.h"
#include "support/DemoProcess.h"
#include "support/TestEnvironment.h"
#include "support/VirtualDisplay.h"
#include "support/XWindowProbe.h"

#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

using testsupport::DemoProcess;
using testsupport::TemporaryDirectory;
using testsupport::XWindowProbe;

namespace
{

const char* const Caption = "Irrlicht Engine - Multilingual GUI Demo";

TEST(DemoProgram, RefusedLettersEndWithOneBeforeAnyWindow)
{
    testsupport::useVirtualDisplay();
    TemporaryDirectory dir;
    // a and b ask for Direct3D, which the engine does not have on Linux.
    for (const char* input : {"A\n", "7\n", "", " \n", "a\n", "b\n"})
    {
        DemoProcess demo(input, dir.path());
        EXPECT_EQ(1, demo.waitForExit(10000)) << '"' << input << '"';
        EXPECT_EQ(0u, demo.output().find(DriverPromptText)) << '"' << input << '"';
    }
    XWindowProbe probe;
    EXPECT_EQ(0u, probe.waitForWindow(Caption, 0));
}

TEST(DemoProgram, NullDriverRunsWithoutAWindow)
{
    testsupport::useVirtualDisplay();
    TemporaryDirectory dir;
    DemoProcess demo("f\n", dir.path());
    usleep(700 * 1000);
    EXPECT_TRUE(demo.running());
    XWindowProbe probe;
    EXPECT_EQ(0u, probe.waitForWindow(Caption, 0));
}

class DemoWindow : public ::testing::TestWithParam<const char*>
{
};

TEST_P(DemoWindow, OpensCaptionedWindowWithItsElementsAndClosesOnRequest)
{
    testsupport::useVirtualDisplay();
    TemporaryDirectory dir;
    DemoProcess demo(std::string(" \n") + GetParam() + "\n", dir.path());
    XWindowProbe probe;
    const testsupport::XWindowId window = probe.waitForWindow(Caption, 15000);
    ASSERT_NE(0u, window) << demo.output();

    int width = 0, height = 0;
    ASSERT_TRUE(probe.windowSize(window, width, height));
    EXPECT_EQ(640, width);
    EXPECT_EQ(480, height);

    // Give the loop a few frames, then look where the elements must stand.
    usleep(500 * 1000);
    const unsigned long background = probe.pixel(window, 600, 450);
    const int buttons[][4] = {{10, 210, 110, 242}, {10, 250, 110, 282}, {10, 290, 110, 322}};
    for (const auto& r : buttons)
    {
        EXPECT_NE(background, probe.pixel(window, r[0] + 4, r[1] + 4)) << r[1];
        EXPECT_EQ(background, probe.pixel(window, r[0] + 4, r[1] - 4)) << r[1];
    }
    // Bordered static texts and the list box frame: their left edges show.
    for (const auto& p : {std::make_pair(150, 30), std::make_pair(50, 90), std::make_pair(50, 145)})
    {
        EXPECT_NE(background, probe.pixel(window, p.first, p.second)) << p.second;
        EXPECT_EQ(background, probe.pixel(window, p.first - 3, p.second)) << p.second;
    }

    EXPECT_TRUE(demo.running());
    probe.sendDeleteWindow(window);
    EXPECT_EQ(0, demo.waitForExit(10000));
}

INSTANTIATE_TEST_SUITE_P(Drivers, DemoWindow, ::testing::Values("c", "d", "e"));

} // namespace
