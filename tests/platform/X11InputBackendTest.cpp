// The X11 side of the platform layer on a virtual X server with Xlib's
// built-in input method, driven by real X events from xdotool.
#include "X11InputFixture.h"
#include "support/XWindowProbe.h"

using namespace irr;

using namespace x11test;

namespace
{

TEST_P(X11Input, KanjiKeysymsArriveAsOneAcceptEventEach)
{
    EXPECT_TRUE(testsupport::x11::hasInputContext());
    // The built-in method cannot follow the cursor: the context falls back
    // to the style it offers.
    unsigned long style = 0;
    ASSERT_TRUE(testsupport::x11::getInputContextStyle(style));
    EXPECT_EQ(PreeditNothing | StatusNothing, style);
    ASSERT_TRUE(Driver->mapKeysyms({Hi, Moto, Go}));
    send({"key", "U65E5", "U672C", "U8A9E"});
    EXPECT_EQ(L"\u65e5\u672c\u8a9e", accepted());
    // Nothing else: no key codes, no releases of keys the engine has no code for.
    EXPECT_EQ(3u, Device->Posted.size());
}

TEST_P(X11Input, FocusElsewhereKeepsCommitsAwayUntilItComesBack)
{
    ASSERT_TRUE(Driver->mapKeysyms({Hi}));
    Driver->focusElsewhere();
    ASSERT_TRUE(pumpUntil([this] { return !ime::isWindowActive(Device); }));
    send({"key", "--window", std::to_string(Window), "U65E5"});
    EXPECT_EQ(L"", accepted());

    Driver->focus(Window);
    ASSERT_TRUE(pumpUntil([this] { return ime::isWindowActive(Device); }));
    send({"key", "U65E5"});
    EXPECT_EQ(L"\u65e5", accepted());
}

TEST_P(X11Input, TypedCharacterTheLocaleCannotWriteArrivesAsItsMark)
{
    ASSERT_TRUE(Driver->mapKeysyms({0x100ac00, Hi})); // 가, which EUC-JP lacks
    send({"key", "UAC00", "U65E5"});
    const bool eucJp = locale() == "ja_JP.EUC-JP";
    EXPECT_EQ(eucJp ? L"\u3013\u65e5" : L"\uac00\u65e5", accepted());
}

INSTANTIATE_TEST_SUITE_P(Locales, X11Input, ::testing::Values("ja_JP.UTF-8", "ja_JP.EUC-JP"));

class X11InputUtf8 : public X11Input
{
};

TEST_P(X11InputUtf8, LatinTypingCarriesEngineKeyCodesAndCharacters)
{
    send({"type", "aB1 "});
    const std::vector<SKey> typed = presses();
    ASSERT_EQ(4u, typed.size());
    EXPECT_EQ(KEY_KEY_A, typed[0].Key);
    EXPECT_EQ(L'a', typed[0].Char);
    EXPECT_FALSE(typed[0].Shift);
    EXPECT_EQ(KEY_KEY_B, typed[1].Key);
    EXPECT_EQ(L'B', typed[1].Char);
    EXPECT_TRUE(typed[1].Shift);
    EXPECT_EQ(KEY_KEY_1, typed[2].Key);
    EXPECT_EQ(L'1', typed[2].Char);
    EXPECT_EQ(KEY_SPACE, typed[3].Key);
    EXPECT_EQ(L"", accepted());

    // Every press has its release, with the same key code.
    unsigned releases = 0;
    for (const SEvent& e : Device->Posted)
        releases += e.EventType == EET_KEY_INPUT_EVENT && !e.KeyInput.PressedDown;
    EXPECT_EQ(Device->Posted.size() - releases, releases);
}

TEST_P(X11InputUtf8, EditingKeysArriveWithShiftAndControl)
{
    send({"key", "shift+Left", "shift+Right", "BackSpace", "Delete", "Home", "End", "ctrl+a",
          "ctrl+c", "ctrl+v", "Return", "ctrl+shift+End"});
    const SKey expected[] = {
        {KEY_LEFT, 0, true, false},      {KEY_RIGHT, 0, true, false}, {KEY_BACK, 8, false, false},
        {KEY_DELETE, 127, false, false}, {KEY_HOME, 0, false, false}, {KEY_END, 0, false, false},
        {KEY_KEY_A, 1, false, true},     {KEY_KEY_C, 3, false, true}, {KEY_KEY_V, 22, false, true},
        {KEY_RETURN, 13, false, false},  {KEY_END, 0, true, true},
    };
    const std::vector<SKey> typed = presses();
    ASSERT_EQ(sizeof(expected) / sizeof(expected[0]), typed.size());
    for (size_t i = 0; i < typed.size(); ++i)
    {
        EXPECT_EQ(expected[i].Key, typed[i].Key) << i;
        EXPECT_EQ(expected[i].Char, typed[i].Char) << i;
        EXPECT_EQ(expected[i].Shift, typed[i].Shift) << i;
        EXPECT_EQ(expected[i].Control, typed[i].Control) << i;
    }
}

TEST_P(X11InputUtf8, CharactersBeyondTheBasicPlaneAndComposeSequences)
{
    ASSERT_TRUE(Driver->mapKeysyms({0x1020b9f, 0xff20})); // 𠮟, Multi_key
    send({"key", "U20B9F", "Multi_key", "apostrophe", "e"});
    EXPECT_EQ(L"\U00020B9F\u00e9", accepted());
    // The keys of the sequence were the method's, not the engine's.
    EXPECT_TRUE(presses().size() == 2u);
}

TEST_P(X11InputUtf8, ClosingTheInputMethodDropsAHalfComposedSequence)
{
    ASSERT_TRUE(Driver->mapKeysyms({0xff20}));
    send({"key", "Multi_key", "apostrophe"});
    ime::closeInputMethod();
    send({"key", "e"});
    EXPECT_EQ(L"", accepted());
    const std::vector<SKey> typed = presses();
    ASSERT_EQ(1u, typed.size());
    EXPECT_EQ(KEY_KEY_E, typed[0].Key);
    EXPECT_EQ(L'e', typed[0].Char);
}

TEST_P(X11InputUtf8, HeldKeyRepeatsWithoutReleasesInBetween)
{
    ASSERT_EQ(0, Driver->xdotool({"keydown", "a", "sleep", "1", "keyup", "a"}));
    settle();
    unsigned down = 0, up = 0;
    for (const SEvent& e : Device->Posted)
        (e.KeyInput.PressedDown ? down : up) += e.KeyInput.Key == KEY_KEY_A;
    EXPECT_GE(down, 2u);
    EXPECT_EQ(1u, up);
}

TEST_P(X11InputUtf8, ClicksDragsAndWheelArriveAtWindowCoordinates)
{
    const std::string w = std::to_string(Window);
    send({"mousemove", "--window", w, "120", "90", "click", "1"});
    send({"mousemove", "--window", w, "20", "30", "mousedown", "1", "mousemove", "--window", w,
          "80", "35", "mouseup", "1", "click", "4"});
    std::vector<SEvent::SMouseInput> events = mouse();
    std::vector<SEvent::SMouseInput> buttons;
    for (const SEvent::SMouseInput& m : events)
        if (m.Event != EMIE_MOUSE_MOVED)
            buttons.push_back(m);
    ASSERT_EQ(5u, buttons.size());
    const EMOUSE_INPUT_EVENT kinds[] = {EMIE_LMOUSE_PRESSED_DOWN, EMIE_LMOUSE_LEFT_UP,
                                        EMIE_LMOUSE_PRESSED_DOWN, EMIE_LMOUSE_LEFT_UP,
                                        EMIE_MOUSE_WHEEL};
    const s32 at[][2] = {{120, 90}, {120, 90}, {20, 30}, {80, 35}, {80, 35}};
    for (size_t i = 0; i < buttons.size(); ++i)
    {
        EXPECT_EQ(kinds[i], buttons[i].Event) << i;
        EXPECT_EQ(at[i][0], buttons[i].X) << i;
        EXPECT_EQ(at[i][1], buttons[i].Y) << i;
    }
    EXPECT_TRUE(buttons[2].isLeftPressed());
    EXPECT_FALSE(buttons[3].isLeftPressed());
    EXPECT_EQ(1.f, buttons[4].Wheel);

    // The drag moved with the left button held.
    bool draggedTo = false;
    for (const SEvent::SMouseInput& m : events)
        draggedTo |= m.Event == EMIE_MOUSE_MOVED && m.X == 80 && m.Y == 35 && m.isLeftPressed();
    EXPECT_TRUE(draggedTo);

    Device->Posted.clear();
    send({"click", "--repeat", "2", "--delay", "50", "1"});
    bool doubleClick = false;
    for (const SEvent::SMouseInput& m : mouse())
        doubleClick |= m.Event == EMIE_LMOUSE_DOUBLE_CLICK && m.X == 80 && m.Y == 35;
    EXPECT_TRUE(doubleClick);
}

TEST_P(X11InputUtf8, SpotLocationOfTheInputContextFollowsTheCursor)
{
    ime::setCompositionWindowPos(123, 45);
    s32 x = 0, y = 0;
    ASSERT_TRUE(testsupport::x11::getInputContextSpotLocation(x, y));
    EXPECT_EQ(123, x);
    EXPECT_EQ(45, y);
    ime::setCompositionWindowPos(360, 98);
    ASSERT_TRUE(testsupport::x11::getInputContextSpotLocation(x, y));
    EXPECT_EQ(360, x);
    EXPECT_EQ(98, y);
}

TEST_P(X11InputUtf8, DeleteWindowRequestOrCloseDeviceEndsTheLoop)
{
    testsupport::XWindowProbe probe;
    probe.sendDeleteWindow(Window);
    bool ended = false;
    for (int waited = 0; waited < 5000 && !ended; waited += 5)
    {
        ended = !Pump->run();
        usleep(5000);
    }
    EXPECT_TRUE(ended);

    Device->closeDevice();
    EXPECT_FALSE(Pump->run());
}

INSTANTIATE_TEST_SUITE_P(Utf8, X11InputUtf8, ::testing::Values("ja_JP.UTF-8"));

TEST(X11DeviceWindow, ExistsOnlyForWindowedDriversAndOnlyWhileTheirDeviceLives)
{
    testsupport::useVirtualDisplay();
    const core::dimension2d<u32> size(640, 480);
    for (video::E_DRIVER_TYPE type : {video::EDT_NULL, video::EDT_DIRECT3D9})
    {
        IrrlichtDevice* device = ime::createDevice(type, size, 16, false, false, false, 0);
        EXPECT_EQ(0u, testsupport::x11::getDeviceWindowId()) << type;
        if (device)
            device->drop();
    }

    IrrlichtDevice* device =
        ime::createDevice(video::EDT_BURNINGSVIDEO, size, 16, false, false, false, 0);
    ASSERT_TRUE(device);
    const unsigned long window = testsupport::x11::getDeviceWindowId();
    EXPECT_NE(0u, window);
    int width = 0, height = 0;
    testsupport::XWindowProbe probe;
    EXPECT_TRUE(probe.windowSize(window, width, height));
    EXPECT_EQ(640, width);
    EXPECT_EQ(480, height);
    device->drop();
    EXPECT_EQ(0u, testsupport::x11::getDeviceWindowId());
    // With the device gone the platform layer falls back to asking a device.
    EXPECT_FALSE(ime::isWindowActive(0));
}

} // namespace
