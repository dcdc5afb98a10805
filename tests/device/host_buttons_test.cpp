#include "device/host_buttons.h"

#include "config/config_file.h"
#include "device/settings_push.h"
#include "engine_fixture.h"

#include <atomic>

namespace zantor::device {
namespace {

using namespace std::chrono_literals;

constexpr int kSideButton = 3; // program button 3 is device button 5
constexpr int kSideDevice = 5;

class HostButtonsTest : public test::EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        buttons = std::make_unique<HostButtons>(settings, paths, device,
                                                HostButtons::Hooks{[this] { ++repaints; },
                                                                   [this](LaunchTarget t) {
                                                                       launched.push_back(t);
                                                                       return Status(Ok{});
                                                                   }});
    }
    void TearDown() override { buttons->stop(); }

    // Assigns a function to the side button, pushes, starts the threads, forgets the push.
    void assign(std::int32_t function) {
        settings.config.buttonFunction[kSideButton] = function;
        PushSettings(settings, paths, device, desktop);
        buttons->start();
        takeSent();
    }

    void userMacro(std::size_t index, std::uint8_t mode, std::uint16_t repeatCount,
                   std::uint16_t delay = 15) {
        auto& m = settings.macros.userMacros[index];
        m.mode = mode;
        m.repeatCount = repeatCount;
        m.eventCount = 2;
        m.events[0] = {0x04, macro::KEY_DOWN};
        m.events[1] = {0x04, macro::KEY_UP};
        m.delays[0] = m.delays[1] = delay;
        settings.macros.userMacroCount = std::uint16_t(index + 1);
    }

    bool finished(std::uint32_t actions) {
        return eventually([&] { return buttons->actionsStarted() >= actions && !buttons->busy(); });
    }

    static int count(const std::vector<std::string>& sent, const std::string& prefix) {
        int n = 0;
        for (const auto& s : sent)
            n += s.starts_with(prefix);
        return n;
    }
    // One pass of the two-event macro: A down, A up, mouse buttons released, keys released.
    static constexpr int kReportsPerPass = 4;

    std::unique_ptr<HostButtons> buttons;
    std::atomic<int> repaints{0};
    std::vector<LaunchTarget> launched;
};

TEST_F(HostButtonsTest, AMediaKeyIsOneReportAndItsReleaseNothing) {
    assign(28);
    mouse.pressButton(kSideDevice);
    ASSERT_TRUE(finished(1));
    mouse.releaseButton(kSideDevice);
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(takeSent(), (std::vector<std::string>{"07 17 00 E2 00 00 00 00"}));
    EXPECT_EQ(mouse.state().mediaKeys, (std::vector<std::uint16_t>{0xE2}));
}

TEST_F(HostButtonsTest, AMacroPlaysWithItsPausesThenReleasesEverything) {
    userMacro(0, macro::MACRO_ONCE, 1, 50);
    settings.macros.userMacros[0].delays[1] = 20;
    assign(41);
    const auto start = std::chrono::steady_clock::now();
    mouse.pressButton(kSideDevice);
    ASSERT_TRUE(finished(1));
    const auto sent = takeSent();
    EXPECT_EQ(sent,
              (std::vector<std::string>{"07 15 04 00 00 00 00 00", "07 15 00 00 00 00 00 00",
                                        "07 16 00 FF 00 00 00 00", "07 15 00 00 00 00 00 00"}));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 90ms) << "50 + 20 + 10 + 10 ms";
}

TEST_F(HostButtonsTest, AWhileHeldMacroRepeatsUntilItsOwnButtonIsReleased) {
    userMacro(0, macro::MACRO_WHILE_HELD, 1);
    settings.config.buttonFunction[4] = 21; // device button 4: a media key
    assign(41);
    mouse.pressButton(kSideDevice);
    ASSERT_TRUE(eventually([&] { return count(peekSent(), "07 16") >= 2; }));
    mouse.pressButton(4); // another host-side button does not stop it
    mouse.releaseButton(4);
    std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(buttons->busy());
    mouse.releaseButton(kSideDevice);
    ASSERT_TRUE(finished(1));
    const auto sent = takeSent();
    EXPECT_EQ(count(sent, "07 17"), 0) << "the other press was dropped";
    EXPECT_EQ(sent.size() % kReportsPerPass, 0u) << "the last pass ran to its end";
    EXPECT_GE(sent.size(), 3u * kReportsPerPass);
}

TEST_F(HostButtonsTest, ASecondPressStopsARepeatAfterThePassUnderWay) {
    userMacro(0, macro::MACRO_REPEAT, 5, 30);
    assign(41);
    mouse.pressButton(kSideDevice);
    mouse.releaseButton(kSideDevice);
    // During pass 2: after the first pass's four reports and the next key press.
    ASSERT_TRUE(eventually([&] { return sentCount() >= kReportsPerPass + 1; }));
    mouse.pressButton(kSideDevice);
    ASSERT_TRUE(finished(1));
    EXPECT_EQ(takeSent().size(), 2u * kReportsPerPass);
    EXPECT_EQ(buttons->actionsStarted(), 1u) << "the stopping press is not carried out";
}

TEST_F(HostButtonsTest, AStopEventEndsPlayOnlyWhileSomethingPlays) {
    const std::uint8_t stop[] = {0x06, 0x00, 0, 0, 0, 0, 0, 0};
    userMacro(0, macro::MACRO_REPEAT, 50, 15);
    assign(41);
    mouse.injectInputReport(stop); // idle: dropped
    std::this_thread::sleep_for(20ms);
    mouse.pressButton(kSideDevice);
    ASSERT_TRUE(eventually([&] { return sentCount() >= 1; }));
    mouse.injectInputReport(stop);
    ASSERT_TRUE(finished(1));
    EXPECT_EQ(takeSent().size(), std::size_t(kReportsPerPass));
}

TEST_F(HostButtonsTest, NothingAtAllForARepeatOfZeroOrAnEmptyMacro) {
    userMacro(0, macro::MACRO_REPEAT, 0);
    userMacro(1, macro::MACRO_ONCE, 1);
    settings.macros.userMacros[1].eventCount = 0;
    settings.config.buttonFunction[4] = 42; // device button 4: the empty macro
    assign(41);
    mouse.pressButton(kSideDevice);
    ASSERT_TRUE(finished(1));
    EXPECT_TRUE(takeSent().empty());
    mouse.pressButton(4);
    ASSERT_TRUE(finished(2));
    EXPECT_EQ(takeSent(),
              (std::vector<std::string>{"07 16 00 FF 00 00 00 00", "07 15 00 00 00 00 00 00"}));
}

TEST_F(HostButtonsTest, TheDpiLevelTheMouseReportsIsFollowedAndSaved) {
    assign(6);
    const std::uint8_t report[] = {0x06, 0xF5, 0x03, 0, 0, 0, 0, 0};
    mouse.injectInputReport(report);
    ASSERT_TRUE(finished(1));
    EXPECT_EQ(settings.config.dpiLevel, 3);
    EXPECT_GE(repaints.load(), 1);
    EXPECT_EQ(profiles.read(paths.configFile(), "Config1", "DPI_LEVEL", 5), "3");
}

TEST_F(HostButtonsTest, LaunchersAndBuiltInMacros) {
    settings.macros.builtInMacros[2].eventCount = 1;
    settings.macros.builtInMacros[2].events[0] = {0x06, macro::KEY_DOWN};
    settings.macros.builtInMacros[2].mode = macro::MACRO_WHILE_HELD; // ignored: plays once
    settings.config.buttonFunction[4] = 40;
    settings.config.buttonFunction[5] = 33;
    assign(39);
    mouse.pressButton(kSideDevice);
    ASSERT_TRUE(finished(1));
    mouse.pressButton(4);
    ASSERT_TRUE(finished(2));
    EXPECT_EQ(launched,
              (std::vector<LaunchTarget>{LaunchTarget::Calculator, LaunchTarget::Terminal}));
    mouse.pressButton(6);
    ASSERT_TRUE(finished(3));
    EXPECT_EQ(takeSent().size(), 3u) << "one key report and the two releases, once";
}

TEST_F(HostButtonsTest, ButtonsWorkAgainAfterTheMouseIsReplugged) {
    assign(28);
    mouse.unplug();
    device.link.processNotifications();
    std::this_thread::sleep_for(30ms); // the listener finds no mouse and waits
    mouse.plug();
    device.link.processNotifications(); // the arrival rescans
    ASSERT_TRUE(device.link.connected());
    mouse.pressButton(kSideDevice);
    ASSERT_TRUE(finished(1));
    EXPECT_EQ(mouse.state().mediaKeys, (std::vector<std::uint16_t>{0xE2}));
}

TEST_F(HostButtonsTest, StopEndsALongPauseAtOnce) {
    userMacro(0, macro::MACRO_ONCE, 1, 60000);
    assign(41);
    mouse.pressButton(kSideDevice);
    ASSERT_TRUE(eventually([&] { return sentCount() >= 1; }));
    const auto start = std::chrono::steady_clock::now();
    buttons->stop();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
}

} // namespace
} // namespace zantor::device
