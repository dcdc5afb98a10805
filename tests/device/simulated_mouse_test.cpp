#include "device/command_sender.h"
#include "device/device_link.h"
#include "device_test_support.h"
#include "platform/hid/simulated_mouse.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace zantor::hid {
namespace {

using namespace std::chrono_literals;
using test::hexBytes;

class SimulatedMouseTest : public ::testing::Test {
protected:
    std::unique_ptr<HidHandle> openEvents() {
        auto handle = mouse.open(mouse.eventPath(), OpenMode::Read);
        EXPECT_TRUE(handle) << handle.error().message;
        return handle ? std::move(*handle) : nullptr;
    }
    static std::string read(HidHandle& handle) {
        std::uint8_t buffer[8];
        auto n = handle.readInputReport(buffer);
        return n ? hexBytes(buffer) : "error " + std::to_string(n.error().code);
    }

    test::FakeClock clock;
    SimulatedMouse mouse{clock};
    device::DeviceLink link{mouse};
    device::CommandSender commands{link, clock};
};

TEST_F(SimulatedMouseTest, ListsItsTwoVendorCollections) {
    const auto interfaces = mouse.enumerate();
    ASSERT_EQ(interfaces.size(), 2u);
    EXPECT_EQ(interfaces[0]->path, "simulated:18F8:1086.0001#0");
    EXPECT_EQ(interfaces[0]->caps, (HidCaps{0xFF00, 0x0001, 8, 0, 0}));
    EXPECT_EQ(interfaces[1]->path, "simulated:18F8:1086.0001#1");
    EXPECT_EQ(interfaces[1]->caps, (HidCaps{0xFF01, 0x0001, 0, 0, 8}));
    EXPECT_EQ(interfaces[1]->attributes, (HidAttributes{0x18F8, 0x1086}));

    SimulatedMouse other(clock, {.productId = 0x0FC0, .withCommandCollection = false});
    const auto only = other.enumerate();
    ASSERT_EQ(only.size(), 1u);
    EXPECT_EQ(only[0]->attributes, (HidAttributes{0x18F8, 0x0FC0}));
}

TEST_F(SimulatedMouseTest, TakesEveryCommandIntoItsState) {
    ASSERT_TRUE(link.Scan());
    const int functions[] = {1, 0, 3, 6, 12, 11};
    for (int b = 0; b < 6; ++b)
        commands.SendButton(b + 1, functions[b]);
    commands.SendWheel(1);
    commands.SendLight(0x15, 0, 3);
    for (int level = 0; level < 6; ++level) {
        commands.SendDpi(4, level, 11 - level, 0x33);
        commands.SendDpiColour(level, level, 15 - level, level * 2);
    }
    commands.SendFire(300);
    commands.KeyEvent(0x04, device::KEY_ACTION_PRESS);
    commands.KeyEvent(device::KEY_RIGHT_BUTTON, device::KEY_ACTION_PRESS);
    commands.SendMediaKey(7);
    commands.SendMediaKey(3);
    commands.SendHostExit();

    const SimulatedMouseState s = mouse.state();
    EXPECT_EQ(s.buttonFunctions, (std::array<int, 6>{1, 0, 3, 6, 12, 11}));
    EXPECT_EQ(s.wheelStatus, 1);
    EXPECT_EQ(s.cycleColourMask, 0x15);
    EXPECT_EQ(s.lightModeByte, 0x83);
    EXPECT_EQ(s.dpiLevel, 4);
    EXPECT_EQ(s.dpiEnabledBits, 0x33);
    EXPECT_EQ(s.dpiStepCodes, (std::array<int, 6>{15, 14, 13, 11, 9, 7}));
    EXPECT_EQ(s.dpiColours[5], (SimulatedMouseState::Colour{5, 10, 10}));
    EXPECT_EQ(s.fireValue, 37);
    EXPECT_EQ(s.keys.keySlots[0], 0x04);
    EXPECT_EQ(s.keys.mouseButtons, 0xFD);
    EXPECT_EQ(s.mediaKeys, (std::vector<std::uint16_t>{0x00E2, 0x00E9}));
    EXPECT_EQ(s.hostExits, 1);
    EXPECT_EQ(s.rejectedReports, 0);

    const auto trace = mouse.trace();
    ASSERT_EQ(trace.size(), 6u + 2 + 12 + 1 + 2 + 2 + 1);
    EXPECT_EQ(hexBytes(trace[3].bytes), "07 10 04 06 00 00 00 00");
    EXPECT_EQ(trace.back().direction, '>');
}

TEST_F(SimulatedMouseTest, RefusesWhatTheMouseCannotTake) {
    auto write = mouse.open(mouse.commandPath(), OpenMode::Write);
    ASSERT_TRUE(write);
    const std::uint8_t wrongId[] = {0x05, 0x10, 0x01, 0x01, 0, 0, 0, 0};
    EXPECT_EQ((*write)->sendFeatureReport(wrongId).error().code, EPIPE);
    const std::uint8_t unknown[] = {0x07, 0x33, 0x01, 0x01, 0, 0, 0, 0};
    EXPECT_TRUE((*write)->sendFeatureReport(unknown));
    const std::uint8_t badLevel[] = {0x07, 0x09, 0x40, 0x1F, 0, 0, 0, 0};
    EXPECT_TRUE((*write)->sendFeatureReport(badLevel));
    EXPECT_EQ(mouse.state().rejectedReports, 2);
    EXPECT_EQ(mouse.state().dpiStepCodes, SimulatedMouseState{}.dpiStepCodes);

    auto read = mouse.open(mouse.commandPath(), OpenMode::Read);
    ASSERT_TRUE(read);
    EXPECT_EQ((*read)->sendFeatureReport(unknown).error().code, EBADF);
}

TEST_F(SimulatedMouseTest, ReportsButtonsAsTheMouseDoes) {
    ASSERT_TRUE(link.Scan());
    auto events = openEvents();
    commands.SendButton(1, 1);  // the mouse clicks on its own: nothing is reported
    commands.SendButton(3, 0);  // left to the host
    commands.SendButton(4, 6);  // DPI cycle
    commands.SendButton(5, 11); // DPI up
    commands.SendButton(2, 12); // DPI down
    for (int level = 0; level < 6; ++level)
        commands.SendDpi(3, level, level, 0x2D); // levels 0, 2, 3 and 5 enabled

    struct Step {
        int button;
        bool press;
        const char* report; // nullptr: nothing reported
    } steps[] = {
        {1, true, nullptr},
        {3, true, "06 F3 00 00 00 00 00 00"},
        {3, false, "06 F3 80 00 00 00 00 00"},
        {4, true, "06 F4 05 00 00 00 00 00"}, // cycles from 3 to 5
        {4, true, "06 F4 00 00 00 00 00 00"}, // and wraps to the first enabled level
        {4, false, "06 F4 80 00 00 00 00 00"},
        {5, true, "06 F5 02 00 00 00 00 00"}, // up, skipping disabled level 1
        {5, true, "06 F5 03 00 00 00 00 00"},
        {5, true, "06 F5 05 00 00 00 00 00"},
        {5, true, "06 F5 05 00 00 00 00 00"}, // stays at the top
        {2, true, "06 F2 03 00 00 00 00 00"}, // down
        {2, true, "06 F2 02 00 00 00 00 00"},
        {2, true, "06 F2 00 00 00 00 00 00"},
        {2, true, "06 F2 00 00 00 00 00 00"}, // stays at the bottom
    };
    std::vector<std::string> expected;
    for (const Step& s : steps) {
        s.press ? mouse.pressButton(s.button) : mouse.releaseButton(s.button);
        if (s.report)
            expected.push_back(s.report);
    }
    for (const std::string& report : expected)
        EXPECT_EQ(read(*events), report);
    EXPECT_EQ(mouse.state().dpiLevel, 0);
}

TEST_F(SimulatedMouseTest, InjectedReportsArriveAsTheKernelWouldHandThemOver) {
    auto events = openEvents();
    auto commandSide = mouse.open(mouse.commandPath(), OpenMode::Read);
    ASSERT_TRUE(commandSide);
    mouse.injectInputReport(test::bytesOf("05 F1 00 00 00 00 00 00")); // undeclared id: dropped
    mouse.injectInputReport(test::bytesOf("06 F1"));
    mouse.injectInputReport(test::bytesOf("06 00 01 02 03 04 05 06 07 08"));
    EXPECT_EQ(read(*events), "06 F1 00 00 00 00 00 00");
    EXPECT_EQ(read(*events), "06 00 01 02 03 04 05 06");

    (*commandSide)->interrupt(); // the command collection has no input report to wait for
    EXPECT_EQ(read(**commandSide), "error " + std::to_string(ECANCELED));
}

TEST_F(SimulatedMouseTest, UnplugAndPlugAgain) {
    ASSERT_TRUE(mouse.registerNotifications());
    const std::string oldEvents = mouse.eventPath(), oldCommands = mouse.commandPath();
    auto events = openEvents();
    auto write = mouse.open(oldCommands, OpenMode::Write);
    ASSERT_TRUE(write);
    mouse.injectInputReport(test::bytesOf("06 F1 00 00 00 00 00 00"));

    mouse.unplug();
    EXPECT_EQ(read(*events), "06 F1 00 00 00 00 00 00"); // what was queued comes first
    EXPECT_EQ(read(*events), "error " + std::to_string(EIO));
    const std::uint8_t exit[] = {0x07, 0x20, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ((*write)->sendFeatureReport(exit).error().code, EIO);
    EXPECT_TRUE(mouse.enumerate().empty());
    EXPECT_FALSE(mouse.open(oldEvents, OpenMode::Query));

    mouse.plug();
    EXPECT_NE(mouse.eventPath(), oldEvents);
    EXPECT_EQ(read(*events), "error " + std::to_string(EIO)); // old handles stay dead
    const auto changes = mouse.takeNotifications();
    ASSERT_EQ(changes.size(), 4u);
    EXPECT_EQ(changes[0].event, DeviceEvent::RemoveComplete);
    EXPECT_EQ(changes[1].data.name, oldCommands);
    EXPECT_EQ(changes[2].event, DeviceEvent::Arrival);
    EXPECT_EQ(changes[3].data.name, mouse.commandPath());
    EXPECT_TRUE(mouse.takeNotifications().empty());
}

TEST_F(SimulatedMouseTest, NoNotificationsBeforeRegistration) {
    mouse.unplug();
    mouse.plug();
    EXPECT_TRUE(mouse.takeNotifications().empty());
}

TEST_F(SimulatedMouseTest, TraceIsTimedFromCreation) {
    auto write = mouse.open(mouse.commandPath(), OpenMode::Write);
    ASSERT_TRUE(write);
    clock.advance(5ms);
    const std::uint8_t button[] = {0x07, 0x10, 0x03, 0x00, 0, 0, 0, 0};
    ASSERT_TRUE((*write)->sendFeatureReport(button));
    clock.advance(2500us);
    mouse.pressButton(3);
    EXPECT_EQ(mouse.trace(), (std::vector<SimulatedMouse::TraceEntry>{
                                 {5ms, '>', test::bytesOf("07 10 03 00 00 00 00 00")},
                                 {7500us, '<', test::bytesOf("06 F3 00 00 00 00 00 00")},
                             }));
}

TEST_F(SimulatedMouseTest, WithoutPermissionOnlyQueriesOpen) {
    SimulatedMouse locked(clock, {.openError = EACCES});
    device::DeviceLink lockedLink(locked);
    EXPECT_TRUE(lockedLink.Scan());
    EXPECT_FALSE(lockedLink.writeOpen());
    const auto failures = lockedLink.openFailures();
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_EQ(failures[1].error.code, EACCES);
    EXPECT_NE(failures[1].error.message.find("install the udev rule 70-zantor.rules"),
              std::string::npos)
        << failures[1].error.message;
}

} // namespace
} // namespace zantor::hid
