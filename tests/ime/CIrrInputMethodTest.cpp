#include "ime/CIrrInputMethod.h"
#include "platform/InputMethodPlatform.h"
#include "platform/TickCountOverride.h"
#include "harness/X11BackendProbe.h"
#include "harness/CRecordingDevice.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <atomic>
#include <clocale>
#include <cstdlib>
#include <new>
#include <string>

using namespace irr;
using testsupport::CRecordingDevice;
using testsupport::ScopedUserLocale;

// Counts every allocation of this test program while a test asks for it.
// The replacements pair malloc with free themselves.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
namespace
{
std::atomic<bool> CountAllocations(false);
std::atomic<unsigned> Allocations(0);
} // namespace

void* operator new(std::size_t size)
{
    if (CountAllocations)
        ++Allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size)
{
    return operator new(size);
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete[](void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace
{

class InputMethodPump : public ::testing::Test
{
protected:
    void SetUp() override
    {
        IrrlichtDevice* inner = createDevice(video::EDT_NULL);
        ASSERT_TRUE(inner);
        Device = new CRecordingDevice(inner);
        inner->drop();
        Pump = new CIrrInputMethod(Device);
        setlocale(LC_ALL, "C");
    }

    void TearDown() override
    {
        // Leave nothing queued for the next test in this process.
        Pump->run();
        Pump->drop();
        Device->drop();
    }

    void commit(const std::string& bytes)
    {
        testsupport::x11::queueCommittedString(bytes.data(), (u32)bytes.size());
    }

    void expectAccepted(const std::wstring& expected)
    {
        ASSERT_EQ(expected.size(), Device->Posted.size());
        for (size_t i = 0; i < expected.size(); ++i)
        {
            const SEvent& e = Device->Posted[i];
            EXPECT_EQ(EET_KEY_INPUT_EVENT, e.EventType);
            EXPECT_EQ(KEY_ACCEPT, e.KeyInput.Key);
            EXPECT_EQ(expected[i], e.KeyInput.Char) << "character " << i;
            EXPECT_TRUE(e.KeyInput.PressedDown);
            EXPECT_FALSE(e.KeyInput.Shift);
            EXPECT_FALSE(e.KeyInput.Control);
        }
    }

    CRecordingDevice* Device;
    CIrrInputMethod* Pump;
};

// 日本語 in the two encodings the demo meets on Linux.
const std::wstring Nihongo = L"\u65e5\u672c\u8a9e";
const std::string NihongoUtf8 = "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e";
const std::string NihongoEucJp = "\xc6\xfc\xcb\xdc\xb8\xec";

TEST_F(InputMethodPump, CommittedStringBecomesOneAcceptEventPerCharacter)
{
    {
        ScopedUserLocale locale("ja_JP.EUC-JP");
        commit(NihongoEucJp);
        EXPECT_TRUE(Pump->run());
        expectAccepted(Nihongo);
    }
    Device->Posted.clear();
    {
        ScopedUserLocale locale("ja_JP.UTF-8");
        commit(NihongoUtf8);
        EXPECT_TRUE(Pump->run());
        expectAccepted(Nihongo);
    }
}

TEST_F(InputMethodPump, SeveralCommitsInOneFrameKeepTheirOrder)
{
    ScopedUserLocale locale("ja_JP.UTF-8");
    commit("\xe3\x81\x82"); // あ
    commit("ab");
    EXPECT_TRUE(Pump->run());
    expectAccepted(L"\u3042ab");
}

TEST_F(InputMethodPump, InvalidBytesOrInactiveWindowPostNothing)
{
    ScopedUserLocale locale("ja_JP.UTF-8");
    commit("\xe6\x97\xa5\xff\xfe"); // a valid character, then bytes no UTF-8 has
    EXPECT_TRUE(Pump->run());
    EXPECT_TRUE(Device->Posted.empty());

    Device->Active = false;
    commit(NihongoUtf8);
    EXPECT_TRUE(Pump->run());
    EXPECT_TRUE(Device->Posted.empty());
}

TEST_F(InputMethodPump, LocaleInForceBeforeRunIsInForceAfterIt)
{
    ScopedUserLocale locale("ja_JP.EUC-JP");
    setlocale(LC_ALL, "C.UTF-8");
    const std::string before = setlocale(LC_ALL, 0);

    commit(NihongoEucJp);
    EXPECT_TRUE(Pump->run());
    EXPECT_EQ(3u, Device->Posted.size());
    EXPECT_EQ(before, setlocale(LC_ALL, 0));

    commit("\xff"); // failed conversion restores it too
    EXPECT_TRUE(Pump->run());
    EXPECT_EQ(before, setlocale(LC_ALL, 0));
}

TEST_F(InputMethodPump, FrameWithoutCommittedStringAllocatesNothing)
{
    // Warm up: first runs may set up the engine's own buffers.
    Pump->run();
    Pump->run();
    Allocations = 0;
    CountAllocations = true;
    for (int i = 0; i < 100; ++i)
        Pump->run();
    CountAllocations = false;
    EXPECT_EQ(0u, Allocations.load());
}

TEST_F(InputMethodPump, QuitRequestStillDrainsTheQueueAndEndsTheLoop)
{
    ScopedUserLocale locale("ja_JP.UTF-8");
    testsupport::x11::queueQuitRequest();
    commit(NihongoUtf8);
    EXPECT_FALSE(Pump->run());
    expectAccepted(Nihongo);
    // Nothing left over: the next frame goes on normally.
    Device->Posted.clear();
    EXPECT_TRUE(Pump->run());
    EXPECT_TRUE(Device->Posted.empty());
}

TEST_F(InputMethodPump, ClosedDeviceEndsTheLoopAndTheEngineRunsOncePerFrame)
{
    const unsigned before = Device->RunCount;
    EXPECT_TRUE(Pump->run());
    EXPECT_EQ(before + 1, Device->RunCount);
    Device->closeDevice();
    EXPECT_FALSE(Pump->run());
}

// A device whose own run leaves the timer alone, as on Windows, where the
// pump never calls it: the pump's own tick is then all that moves the
// engine's time.
class CDeviceWithoutTick : public CRecordingDevice
{
public:
    using CRecordingDevice::CRecordingDevice;
    bool run() override
    {
        ++RunCount;
        return true;
    }
};

TEST(InputMethodPumpTimer, AdvancesTheEngineTimerItself)
{
    IrrlichtDevice* inner = createDevice(video::EDT_NULL);
    ASSERT_TRUE(inner);
    CRecordingDevice* device = new CDeviceWithoutTick(inner);
    inner->drop();
    CIrrInputMethod* pump = new CIrrInputMethod(device);

    ITimer* timer = device->getTimer();
    const u32 start = timer->getTime();
    const u32 realStart = timer->getRealTime();
    while (timer->getRealTime() - realStart < 20)
    {
    }
    pump->run();
    EXPECT_GE(timer->getTime() - start, 20u);

    pump->drop();
    device->drop();
}

TEST(InputMethodPlatform, TickCountCanBeFixedForTests)
{
    ime::setTickCountOverride(true, 0xFFFFFFF0u);
    EXPECT_EQ(0xFFFFFFF0u, ime::getTickCount());
    ime::setTickCountOverride(false);
    const u32 a = ime::getTickCount();
    const u32 b = ime::getTickCount();
    EXPECT_LE(b - a, 1000u);
}

} // namespace
