#include "device/command_sender.h"
#include "device/command_set.h"
#include "device_test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace zantor::device {
namespace {

using test::hexBytes;
using namespace std::chrono_literals;

// Each encoder on a buffer full of 0xAA: the bytes still 0xAA are the ones it leaves alone.
TEST(CommandEncoders, WriteExactlyTheirBytes) {
    KeyReportState keys;
    keys.keySlots = {0x04, 0xE0, 0, 0, 0, 0};
    keys.mouseButtons = 0xFE;
    struct Case {
        const char* name;
        std::function<void(CommandReport&)> encode;
        const char* expected;
    } cases[] = {
        {"button", [](auto& r) { encodeButton(r, 5, 5); }, "07 10 05 05 AA AA AA AA"},
        {"wheel", [](auto& r) { encodeWheel(r, 1); }, "07 11 01 00 AA AA AA AA"},
        {"light type 1 cycle 5", [](auto& r) { encodeLight(r, 0x7F, 1, 5); },
         "07 13 7F 95 AA AA AA AA"},
        {"light type 0 cycle 2", [](auto& r) { encodeLight(r, 0x01, 0, 2); },
         "07 13 01 82 AA AA AA AA"},
        {"light type 2 ignores cycle", [](auto& r) { encodeLight(r, 0x10, 2, 4); },
         "07 13 10 86 AA AA AA AA"},
        {"light type 3 ignores cycle", [](auto& r) { encodeLight(r, 0x40, 3, 5); },
         "07 13 40 87 AA AA AA AA"},
        {"light unknown type like 1", [](auto& r) { encodeLight(r, 0x7F, 9, 3); },
         "07 13 7F 93 AA AA AA AA"},
        {"dpi level 5 setting 11", [](auto& r) { encodeDpi(r, 2, 5, 11, 0x3F); },
         "07 09 42 FD 3F AA AA AA"},
        {"dpi level 0 setting 0 none enabled", [](auto& r) { encodeDpi(r, 0, 0, 0, 0x00); },
         "07 09 40 18 00 AA AA AA"},
        {"dpi setting 7 is code 9", [](auto& r) { encodeDpi(r, 1, 3, 7, 0x0B); },
         "07 09 41 9B 0B AA AA AA"},
        {"dpi setting above 11 stays in the table", [](auto& r) { encodeDpi(r, 0, 1, 40, 1); },
         "07 09 40 F9 01 AA AA AA"},
        {"dpi colour level 5 r15 g15 b0", [](auto& r) { encodeDpiColour(r, 5, 15, 15, 0); },
         "07 14 AF F0 AA AA AA AA"},
        {"dpi colour level 0 r0 g0 b15", [](auto& r) { encodeDpiColour(r, 0, 0, 0, 15); },
         "07 14 00 0F AA AA AA AA"},
        {"fire 300", [](auto& r) { encodeFire(r, 300); }, "07 12 00 25 00 00 00 00"},
        {"fire 7", [](auto& r) { encodeFire(r, 7); }, "07 12 00 00 00 00 00 00"},
        {"fire 50", [](auto& r) { encodeFire(r, 50); }, "07 12 00 06 00 00 00 00"},
        {"media mute", [](auto& r) { encodeMediaKey(r, 7); }, "07 17 00 E2 AA AA AA AA"},
        {"media home", [](auto& r) { encodeMediaKey(r, 0); }, "07 17 02 23 AA AA AA AA"},
        {"media calculator", [](auto& r) { encodeMediaKey(r, 9); }, "07 17 01 92 AA AA AA AA"},
        {"media index 10", [](auto& r) { encodeMediaKey(r, 10); }, "07 17 00 00 AA AA AA AA"},
        {"media index -1", [](auto& r) { encodeMediaKey(r, -1); }, "07 17 00 00 AA AA AA AA"},
        {"host exit", [](auto& r) { encodeHostExit(r); }, "07 20 00 00 AA AA AA AA"},
        {"keys", [&](auto& r) { encodeKeys(r, keys); }, "07 15 04 E0 00 00 00 00"},
        {"mouse keys keep byte 2", [&](auto& r) { encodeMouseKeys(r, keys); },
         "07 16 AA FE AA AA AA AA"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CommandReport report;
        report.fill(0xAA);
        c.encode(report);
        EXPECT_EQ(hexBytes(report), c.expected);
    }
}

TEST(CommandTables, StepCodesMediaUsagesAndModes) {
    EXPECT_EQ(hexBytes(DPI_STEP_CODES), "01 02 03 04 05 06 07 09 0B 0D 0E 0F");
    EXPECT_EQ(resolutionOfStepCode(0x0F), 4800);
    EXPECT_EQ(resolutionOfStepCode(8), 0); // never sent
    EXPECT_EQ(mediaUsage(3), 0x00E9);
    EXPECT_EQ(commandName(CMD_DPI_COLOR), "CMD_DPI_COLOR");
    EXPECT_EQ(commandName(0x33), "");
    for (int type = 0; type < 4; ++type)
        for (int cycle = 0; cycle < 6; ++cycle) {
            const LightMode mode = decodeLightMode(lightModeByte(type, cycle));
            EXPECT_EQ(mode.ledType, type);
            EXPECT_EQ(mode.ledCycleTime, type >= 2 ? -1 : cycle);
        }
}

class CommandSenderTest : public ::testing::Test {
protected:
    std::vector<std::string> sent() const { return sink.reports(); }
    test::FakeClock clock;
    test::RecordingSink sink{clock};
    CommandSender sender{sink, clock};
};

// One buffer for every command: bytes a command leaves alone keep what the one before wrote.
TEST_F(CommandSenderTest, UnwrittenBytesCarryOverBetweenCommands) {
    sender.SendFire(300);
    sender.SendDpi(1, 0, 2, 0x15);
    sender.SendDpiColour(0, 0, 0, 15);
    sender.SendDpiColour(5, 15, 15, 0);
    sender.KeyEvent(KEY_RIGHT_BUTTON, KEY_ACTION_PRESS);
    sender.SendButton(3, 3);
    sender.SendHostExit();
    EXPECT_EQ(sent(), (std::vector<std::string>{
                          "07 12 00 25 00 00 00 00",
                          "07 09 41 38 15 00 00 00",
                          "07 14 00 0F 15 00 00 00", // byte 4: enabled levels of the CMD_DPI
                          "07 14 AF F0 15 00 00 00",
                          "07 16 AF FD 15 00 00 00", // byte 2: left by the colour report
                          "07 10 03 03 15 00 00 00",
                          "07 20 00 00 15 00 00 00",
                      }));
}

TEST_F(CommandSenderTest, PushWithEveryLevelDisabledSendsNoEnabledBits) {
    for (int level = 0; level < 6; ++level) {
        sender.SendDpi(0, level, level * 2, 0x00);
        sender.SendDpiColour(level, level, 15 - level, 0);
    }
    const auto reports = sent();
    ASSERT_EQ(reports.size(), 12u);
    EXPECT_EQ(reports[0], "07 09 40 18 00 00 00 00");
    EXPECT_EQ(reports[1], "07 14 0F 00 00 00 00 00");
    EXPECT_EQ(reports[10], "07 09 40 ED 00 00 00 00");
    EXPECT_EQ(reports[11], "07 14 AA 50 00 00 00 00");
    for (const std::string& r : reports)
        EXPECT_EQ(r.substr(12, 2), "00") << r;
}

struct KeyStep {
    std::uint8_t code;
    int action;
};

struct KeyCase {
    const char* name;
    std::vector<KeyStep> steps;
    std::vector<std::string> expected; // every report sent, one per step
};

TEST_F(CommandSenderTest, KeyEvents) {
    const KeyStep hold6[] = {{0x04, 1}, {0x05, 1}, {0x06, 1}, {0x07, 1}, {0x08, 1}, {0x09, 1}};
    auto afterSix = [&](std::vector<KeyStep> more) {
        std::vector<KeyStep> steps(std::begin(hold6), std::end(hold6));
        steps.insert(steps.end(), more.begin(), more.end());
        return steps;
    };
    const KeyCase cases[] = {
        {"seventh key is not added",
         afterSix({{0x0A, 1}}),
         {"07 15 04 00 00 00 00 00", "07 15 04 05 00 00 00 00", "07 15 04 05 06 00 00 00",
          "07 15 04 05 06 07 00 00", "07 15 04 05 06 07 08 00", "07 15 04 05 06 07 08 09",
          "07 15 04 05 06 07 08 09"}},
        {"releasing a key not held drops slot 5",
         afterSix({{0x0A, 2}}),
         {"07 15 04 00 00 00 00 00", "07 15 04 05 00 00 00 00", "07 15 04 05 06 00 00 00",
          "07 15 04 05 06 07 00 00", "07 15 04 05 06 07 08 00", "07 15 04 05 06 07 08 09",
          "07 15 04 05 06 07 08 00"}},
        {"release moves later slots forward",
         {{0x04, 1}, {0xE0, 1}, {0x06, 1}, {0xE0, 2}},
         {"07 15 04 00 00 00 00 00", "07 15 04 E0 00 00 00 00", "07 15 04 E0 06 00 00 00",
          "07 15 04 06 00 00 00 00"}},
        {"a key pressed twice takes two slots",
         {{0x04, 1}, {0x04, 1}, {0x04, 2}},
         {"07 15 04 00 00 00 00 00", "07 15 04 04 00 00 00 00", "07 15 04 00 00 00 00 00"}},
        {"other actions change nothing but still send",
         {{0x04, 1}, {0x04, 0}, {0x04, 3}, {0xF0, 7}},
         {"07 15 04 00 00 00 00 00", "07 15 04 00 00 00 00 00", "07 15 04 00 00 00 00 00",
          "07 16 04 FF 00 00 00 00"}},
        {"left, right, release left",
         {{0xF0, 1}, {0xF1, 1}, {0xF0, 2}},
         {"07 16 00 FE 00 00 00 00", "07 16 00 FC 00 00 00 00", "07 16 00 FD 00 00 00 00"}},
        {"middle button and codes above it",
         {{0x05, 1}, {0xF2, 1}, {0xF3, 1}, {0xFF, 2}, {0xF2, 2}},
         {"07 15 05 00 00 00 00 00", "07 16 05 FB 00 00 00 00", "07 16 05 FB 00 00 00 00",
          "07 16 05 FB 00 00 00 00", "07 16 05 FF 00 00 00 00"}},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::RecordingSink fresh(clock);
        CommandSender keys(fresh, clock);
        for (const KeyStep& step : c.steps)
            keys.KeyEvent(step.code, step.action);
        EXPECT_EQ(fresh.reports(), c.expected);
    }
}

TEST_F(CommandSenderTest, ReleaseAllWaitsTenMillisecondsBeforeEachReport) {
    sender.KeyEvent(0x04, KEY_ACTION_PRESS);
    sender.KeyEvent(0xE1, KEY_ACTION_PRESS);
    sender.KeyEvent(KEY_LEFT_BUTTON, KEY_ACTION_PRESS);
    sender.KeyEvent(KEY_MIDDLE_BUTTON, KEY_ACTION_PRESS);
    const auto start = clock.now();
    sender.ReleaseAll();

    const auto all = sink.sent();
    ASSERT_EQ(all.size(), 6u);
    EXPECT_EQ(all[4].bytes, "07 16 04 FF 00 00 00 00");
    EXPECT_EQ(all[4].time - start, 10ms);
    EXPECT_EQ(all[5].bytes, "07 15 00 00 00 00 00 00");
    EXPECT_EQ(all[5].time - start, 20ms);
    EXPECT_EQ(sender.keyState(), KeyReportState{});
}

TEST_F(CommandSenderTest, ReleaseAllWithNothingHeldStillSendsBoth) {
    sender.SendDpiColour(5, 15, 15, 0);
    const auto start = clock.now();
    sender.ReleaseAll();
    const auto all = sink.sent();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[1].bytes, "07 16 AF FF 00 00 00 00");
    EXPECT_EQ(all[1].time - start, 10ms);
    EXPECT_EQ(all[2].bytes, "07 15 00 00 00 00 00 00");
    EXPECT_EQ(all[2].time - start, 20ms);
}

// The waits are measured on the real clock when no test clock is given.
TEST(ReleaseAllTiming, WaitsOnTheSteadyClock) {
    SteadyClock clock;
    test::RecordingSink sink(clock);
    CommandSender sender(sink, clock);
    const auto start = clock.now();
    sender.ReleaseAll();
    const auto all = sink.sent();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_GE(all[0].time - start, 10ms);
    EXPECT_GE(all[1].time - start, 20ms);
}

} // namespace
} // namespace zantor::device
