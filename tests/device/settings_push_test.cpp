#include "device/settings_push.h"

#include "engine_fixture.h"

namespace zantor::device {
namespace {

using test::readFile;

class SettingsPushTest : public test::EngineFixture {};

TEST_F(SettingsPushTest, TheDefaultConfigurationSendsTwentyOneReportsInOrder) {
    PushSettings(settings, paths, device, desktop);
    const auto sent = takeSent();
    ASSERT_EQ(sent.size(), 21u);
    const std::vector<std::string> buttons(sent.begin(), sent.begin() + 6);
    EXPECT_EQ(buttons,
              (std::vector<std::string>{"07 10 01 01 00 00 00 00", "07 10 02 02 00 00 00 00",
                                        "07 10 03 03 00 00 00 00", "07 10 05 05 00 00 00 00",
                                        "07 10 04 04 00 00 00 00", "07 10 06 06 00 00 00 00"}));
    std::string commands;
    for (const auto& report : sent)
        commands += report.substr(3, 2) + " ";
    EXPECT_EQ(commands, "10 10 10 10 10 10 11 13 09 14 09 14 09 14 09 14 09 14 09 14 12 ");

    // The mouse now holds the configuration.
    const auto state = mouse.state();
    EXPECT_EQ(state.dpiStepCodes, (std::array<int, 6>{3, 5, 6, 9, 13, 15}));
    EXPECT_EQ(state.dpiLevel, 1);
    EXPECT_EQ(state.rejectedReports, 0);

    PushSettings(settings, paths, device, desktop);
    EXPECT_EQ(takeSent(), sent) << "a second push sends the same reports";
}

TEST_F(SettingsPushTest, DeviceCodesAndTheButtonsThatReportTheirDpiLevel) {
    struct Case {
        int function, deviceCode;
        bool reportsDpi;
    } cases[] = {{15, 11, true}, {16, 12, true}, {6, 6, true},  {14, 10, false},
                 {21, 0, false}, {45, 0, false}, {9, 0, false}, {-1, 0xFF, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.function);
        settings.config.buttonFunction[3] = c.function; // device button 5
        PushSettings(settings, paths, device, desktop);
        const auto sent = takeSent();
        ASSERT_EQ(sent.size(), 21u);
        char expected[32];
        std::snprintf(expected, sizeof expected, "07 10 05 %02X", c.deviceCode);
        EXPECT_EQ(sent[3].substr(0, 11), expected);
        EXPECT_EQ(device.reportsDpiLevel[3].load(), c.reportsDpi);
    }
}

TEST_F(SettingsPushTest, DesktopSpeedsFollowTheirTablesAndAFailedQuerySkipsTheSet) {
    struct Case {
        int pointerSpeed, wheelSpeed, desktopSpeed, lines;
    } cases[] = {{0, 0, 1, 1}, {4, 2, 8, 3}, {9, 9, 18, 10}, {200, 255, 18, 0}};
    for (const auto& c : cases) {
        settings.config.pointerSpeed = std::uint8_t(c.pointerSpeed);
        settings.config.wheelSpeed = std::uint8_t(c.wheelSpeed);
        PushSettings(settings, paths, device, desktop);
        EXPECT_EQ(desktop.speed, c.desktopSpeed);
        EXPECT_EQ(desktop.lines, c.lines);
    }
    desktop.sets = 0;
    desktop.speedQueryFails = true;
    PushSettings(settings, paths, device, desktop);
    EXPECT_EQ(desktop.sets, 1) << "only the wheel lines";
}

TEST_F(SettingsPushTest, WithoutAMouseTheFilesAndDesktopAreStillWritten) {
    mouse.unplug();
    device.link.processNotifications();
    settings.currentConfig = 3;
    settings.macros.userMacros[0].setName("Kept");
    settings.macros.userMacroCount = 1;
    std::vector<std::string> hooks;
    PushSettings(settings, paths, device, desktop,
                 {[&] { hooks.push_back("count"); },
                  [&] {
                      hooks.push_back("repaint");
                  }});
    EXPECT_TRUE(takeSent().empty());
    EXPECT_EQ(hooks, (std::vector<std::string>{"count", "repaint"}));
    EXPECT_EQ(desktop.sets, 2);
    auto snapshot = profiles.snapshot(paths.configFile());
    EXPECT_EQ(snapshot.read("Init", "CurConfig", 5), "3");
    EXPECT_EQ(snapshot.read("Config3", "K0", 5), "1");
    EXPECT_EQ(snapshot.read("Config3", "macroNum", 5), "1");
    EXPECT_EQ(profiles.read(paths.macroFile(1), "Macros", "macroNum", 5), "1");
}

} // namespace
} // namespace zantor::device
