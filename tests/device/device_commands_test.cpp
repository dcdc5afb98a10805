#include "cli/device_commands.h"
#include "device/command_sender.h"
#include "device/device_context.h"
#include "device_test_support.h"
#include "fake_hid_backend.h"
#include "platform/hid/simulated_mouse.h"
#include "platform/hid/tracing_backend.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <regex>
#include <sstream>

namespace zantor::cli {
namespace {

using namespace std::chrono_literals;

struct Outcome {
    int status;
    std::string out, err;
};

Outcome decode(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = decodeCommand({}, args, out, err);
    return {status, out.str(), err.str()};
}

TEST(DecodeCommand, ExplainsTheBytesGivenInAnyCommonSpelling) {
    struct Case {
        std::vector<std::string> args;
        const char* out;
    } cases[] = {
        {{"07", "10", "05", "05", "00", "00", "00", "00"},
         "CMD_BUTTON (0x10): device button 5 gets device function 5\n"},
        {{"07100505"}, "CMD_BUTTON (0x10): device button 5 gets device function 5\n"},
        {{"0x07,0x10,0x05,0x05"}, "CMD_BUTTON (0x10): device button 5 gets device function 5\n"},
        {{"7", "17", "0", "e2"}, "CMD_MEDIA_KEY (0x17): media key 0x00E2 Mute (media index 7)\n"},
        {{"06:F5:80:00"}, "event: device button 5 released\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.front());
        const Outcome run = decode(c.args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, "");
    }
}

TEST(DecodeCommand, RefusesWhatItCannotRead) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* err;
    } cases[] = {
        {{}, kExitUsage, "zantorctl decode: give the report's bytes in hex, e.g. 07 10 01 01\n"},
        {{"07", "zz"}, kExitUsage, "zantorctl decode: 'zz' is not hex bytes\n"},
        {{"071"}, kExitUsage, "zantorctl decode: '071' is not a whole number of hex bytes\n"},
        {{"0x"}, kExitUsage, "zantorctl decode: '0x' is not a whole number of hex bytes\n"},
        {{"07", "99", "00", "00"}, kExitError, "zantorctl decode: unknown command 0x99\n"},
        {{"01", "02"},
         kExitError,
         "zantorctl decode: report id 0x01 is neither a command report (0x07) nor an event "
         "report (0x06)\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.err);
        const Outcome run = decode(c.args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.err);
    }
}

TEST(DevicesCommand, ListsTheSimulatedMouse) {
    std::ostringstream out, err;
    EXPECT_EQ(devicesCommand({.simulate = true}, {}, out, err), 0);
    EXPECT_EQ(out.str(), "simulated:18F8:1086.0001#0  simulated  18F8:1086  usage FF00:0001  "
                         "input 8  output 0  feature 0  can open\n"
                         "simulated:18F8:1086.0001#1  simulated  18F8:1086  usage FF01:0001  "
                         "input 0  output 0  feature 8  can open\n");
    EXPECT_EQ(err.str(), "");

    std::ostringstream bad;
    EXPECT_EQ(devicesCommand({.simulate = true}, {"--everything"}, out, bad), kExitUsage);
    EXPECT_EQ(bad.str(), "zantorctl devices: unknown argument '--everything'\n");
}

TEST(DevicesCommand, TellsHowToGetAccessToTheMouse) {
    test::FakeClock clock;
    hid::SimulatedMouse locked(clock, {.withCommandCollection = false, .openError = EACCES});
    const auto interface = locked.enumerate().front();
    ASSERT_TRUE(interface);
    EXPECT_EQ(describeInterfaceLine(locked, *interface),
              "simulated:18F8:1086.0001#0  simulated  18F8:1086  usage FF00:0001  input 8  "
              "output 0  feature 0  cannot open: Permission denied; this user may not use the "
              "mouse: install the udev rule 70-zantor.rules into /etc/udev/rules.d, then unplug "
              "and replug the mouse (access is given to the user logged in at this computer)");

    test::FakeHidBackend system; // another device's node is closed to users: no hint
    system.entries.push_back(
        test::FakeHidBackend::Entry{test::FakeHidBackend::otherInterface("keyboard")});
    system.entries.back()->writeError = EACCES;
    EXPECT_EQ(describeInterfaceLine(system, system.entries.back()->interface),
              "keyboard  /dev/keyboard  046D:C52B  usage 0001:0002  input 8  output 0  "
              "feature 0  cannot open: Permission denied");
}

TEST(Trace, EveryReportSentIsOneLine) {
    std::ostringstream out;
    device::SteadyClock clock;
    device::DeviceContext context(makeHidBackend({.simulate = true, .trace = true}, out), clock);
    ASSERT_EQ(requireMouse(context.link, out), 0);
    context.commands.SendButton(5, 5);
    context.commands.SendHostExit();
    const std::regex line(R"(\d+\.\d{3} > 07 10 05 05 00 00 00 00
\d+\.\d{3} > 07 20 00 00 00 00 00 00
)");
    EXPECT_TRUE(std::regex_match(out.str(), line)) << out.str();

    std::ostringstream quiet;
    auto plain = makeHidBackend({.simulate = true}, quiet);
    device::DeviceLink plainLink(*plain);
    ASSERT_TRUE(plainLink.Scan());
    device::CommandSender(plainLink, clock).SendHostExit();
    EXPECT_EQ(quiet.str(), "");
}

TEST(Trace, TimesBothDirectionsFromTheStart) {
    test::FakeClock clock;
    auto owned = std::make_unique<hid::SimulatedMouse>(clock);
    hid::SimulatedMouse& mouse = *owned;
    std::ostringstream out;
    const auto start = clock.now();
    hid::TracingBackend tracing(std::move(owned), clock, start, out);
    device::DeviceLink link(tracing);
    device::CommandSender commands(link, clock);
    ASSERT_TRUE(link.Scan());
    clock.advance(12345us);
    commands.SendButton(1, 1);
    clock.advance(1s);
    mouse.pressButton(6);
    ASSERT_TRUE(link.ReadEvent());
    EXPECT_EQ(out.str(), "12.345 > 07 10 01 01 00 00 00 00\n"
                         "1012.345 < 06 F6 02 00 00 00 00 00\n");
    EXPECT_EQ(hid::traceLine(0ns, '>', {}), "0.000 >");
}

TEST(NoMouse, OneLineAndStatusTwo) {
    test::FakeClock clock;
    hid::SimulatedMouse gone(clock);
    gone.unplug();
    device::DeviceLink absent(gone);
    std::ostringstream err;
    EXPECT_EQ(requireMouse(absent, err), kExitNoMouse);
    EXPECT_EQ(err.str(), "no ZANTOR mouse found\n");

    hid::SimulatedMouse locked(clock, {.openError = EACCES});
    device::DeviceLink denied(locked);
    std::ostringstream hint;
    EXPECT_EQ(requireMouse(denied, hint), kExitNoMouse);
    EXPECT_EQ(hint.str(),
              "no ZANTOR mouse found: cannot open simulated: Permission denied; this user may not "
              "use the mouse: install the udev rule 70-zantor.rules into /etc/udev/rules.d, then "
              "unplug and replug the mouse (access is given to the user logged in at this "
              "computer)\n");

    hid::SimulatedMouse eventsOnly(clock, {.withCommandCollection = false});
    device::DeviceLink partial(eventsOnly);
    std::ostringstream missing;
    EXPECT_EQ(requireMouse(partial, missing), kExitNoMouse);
    EXPECT_EQ(missing.str(), "no ZANTOR mouse found: simulated:18F8:1086.0001#0 is the mouse but "
                             "offers no command collection\n");
}

TEST(Help, NamesBothCommands) {
    EXPECT_NE(DEVICE_COMMANDS_HELP.find("devices [--all]"), std::string_view::npos);
    EXPECT_NE(DEVICE_COMMANDS_HELP.find("decode HEX..."), std::string_view::npos);
}

} // namespace
} // namespace zantor::cli
