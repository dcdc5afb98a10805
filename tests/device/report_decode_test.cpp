#include "device/command_decode.h"
#include "device/command_sender.h"
#include "device/event_report.h"
#include "device/report_description.h"
#include "device_test_support.h"

#include <gtest/gtest.h>

namespace zantor::device {
namespace {

using test::bytesOf;

TEST(DecodeEvent, Cases) {
    struct Case {
        const char* name;
        const char* report;
        EventKind kind;
        int deviceButton;
        std::uint8_t state;
    } cases[] = {
        {"button 5 released", "06 F5 80 00 00 00 00 00", EventKind::ButtonReleased, 5, 0x80},
        {"button 1 pressed", "06 F1 00 00 00 00 00 00", EventKind::ButtonPressed, 1, 0x00},
        {"DPI button pressed with level 3", "06 F2 03 00", EventKind::ButtonPressed, 2, 0x03},
        {"button 6, last one", "06 F6 01", EventKind::ButtonPressed, 6, 0x01},
        {"0xF0 asks to stop", "06 F0 00", EventKind::StopRequest, 0, 0x00},
        {"0x00 asks to stop", "06 00 80", EventKind::StopRequest, 0, 0x80},
        {"0xF7 names no button", "06 F7 00", EventKind::NoButton, 0, 0x00},
        {"0xFF names no button", "06 FF 80", EventKind::NoButton, 0, 0x80},
        {"another report id", "07 F1 00 00", EventKind::Ignored, 0, 0x00},
        {"too short for a state byte", "06 F1", EventKind::Ignored, 0, 0x00},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto bytes = bytesOf(c.report);
        const DecodedEvent event = DecodeEvent(bytes);
        EXPECT_EQ(event.kind, c.kind);
        EXPECT_EQ(event.deviceButton, c.deviceButton);
        EXPECT_EQ(event.state, c.state);
    }
    EXPECT_EQ(DecodeEvent({}).kind, EventKind::Ignored);
}

// What the encoders write, the decoder reads back.
TEST(DecodeCommand, ReadsBackWhatTheEncodersWrite) {
    test::FakeClock clock;
    test::RecordingSink sink(clock);
    CommandSender sender(sink, clock);
    sender.SendDpi(3, 4, 9, 0x2D);
    sender.SendDpiColour(4, 12, 7, 3);
    sender.SendLight(0x55, 0, 4);
    sender.SendMediaKey(2);
    const auto reports = sink.reports();

    auto dpi = decodeCommand(bytesOf(reports[0]));
    ASSERT_TRUE(dpi);
    const auto& d = std::get<DpiCommand>(*dpi);
    EXPECT_EQ(d.currentLevel, 3);
    EXPECT_EQ(d.levelIndex, 4);
    EXPECT_EQ(d.stepCode, 13);
    EXPECT_EQ(d.enabledLevelBits, 0x2D);

    auto colour = decodeCommand(bytesOf(reports[1]));
    ASSERT_TRUE(colour);
    const auto& c = std::get<DpiColourCommand>(*colour);
    EXPECT_EQ(c.levelIndex, 4);
    EXPECT_EQ(c.red, 12);
    EXPECT_EQ(c.green, 7);
    EXPECT_EQ(c.blue, 3);

    auto light = decodeCommand(bytesOf(reports[2]));
    ASSERT_TRUE(light);
    EXPECT_EQ(std::get<LightCommand>(*light).mode.ledType, 0);
    EXPECT_EQ(std::get<LightCommand>(*light).mode.ledCycleTime, 4);

    auto media = decodeCommand(bytesOf(reports[3]));
    ASSERT_TRUE(media);
    EXPECT_EQ(std::get<MediaKeyCommand>(*media).usage, 0x018A);
}

TEST(DescribeReport, ExplainsCommandsAndEvents) {
    struct Case {
        const char* report;
        const char* text;
    } cases[] = {
        {"07 10 05 05", "CMD_BUTTON (0x10): device button 5 gets device function 5"},
        {"07 11 01 00", "CMD_WHEEL (0x11): wheel status 1"},
        {"07 13 7F 95", "CMD_LIGHT (0x13): cycle colours 0 1 2 3 4 5 6, mode byte 0x95: "
                        "lighting type 1, cycle time 5"},
        {"07 13 00 87", "CMD_LIGHT (0x13): cycle colours none, mode byte 0x87: lighting type 3"},
        {"07 09 42 FD 3F", "CMD_DPI (0x09): level 5, step code 15 (4800 DPI), current level 2, "
                           "enabled levels 0 1 2 3 4 5"},
        {"07 09 40 F3 00", "CMD_DPI (0x09): level ? (byte 3 low nibble 3 is not 8 to 13), step "
                           "code 15 (4800 DPI), current level 0, enabled levels none"},
        {"07 14 AF F0", "CMD_DPI_COLOR (0x14): level 5 red 15 green 15 blue 0"},
        {"07 12 00 25 00 00 00 00", "CMD_FIRE (0x12): fire value 37 (fire time 296 to 303 ms)"},
        {"07 15 04 E0 00 00 00 00", "CMD_KEYS (0x15): held keys (HID usages) 0x04 0xE0"},
        {"07 15 00 00 00 00 00 00", "CMD_KEYS (0x15): no keys held"},
        {"07 16 00 FE", "CMD_MOUSE_KEYS (0x16): mouse buttons 0xFE: left held, right released, "
                        "middle released"},
        {"07 17 00 E2", "CMD_MEDIA_KEY (0x17): media key 0x00E2 Mute (media index 7)"},
        {"07 17 12 34", "CMD_MEDIA_KEY (0x17): media key 0x1234 (no media function)"},
        {"07 20 00 00", "CMD_HOST_EXIT (0x20): the configuration program is ending"},
        {"06 F5 80 00 00 00 00 00", "event: device button 5 released"},
        {"06 F2 03", "event: device button 2 pressed, state 0x03 (the new DPI level when the "
                     "button switches DPI)"},
        {"06 00 00", "event: stop request (code 0x00)"},
        {"06 F9 00", "event: code 0xF9 names no button; ignored"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.report);
        auto text = describeReport(bytesOf(c.report));
        ASSERT_TRUE(text) << text.error().message;
        EXPECT_EQ(*text, c.text);
    }
}

TEST(DescribeReport, SaysWhyAReportCannotBeRead) {
    struct Case {
        const char* report;
        const char* message;
    } cases[] = {
        {"05 10 01 01", "report id 0x05 is neither a command report (0x07) nor an event report "
                        "(0x06)"},
        {"07 33 00 00", "unknown command 0x33"},
        {"07 10 05", "CMD_BUTTON needs 4 bytes, got 3"},
        {"07 15 04 00 00", "CMD_KEYS needs 8 bytes, got 5"},
        {"07", "a command report has at least 2 bytes"},
        {"06 F1", "an event report has at least 3 bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.report);
        auto text = describeReport(bytesOf(c.report));
        ASSERT_FALSE(text);
        EXPECT_EQ(text.error().message, c.message);
    }
}

} // namespace
} // namespace zantor::device
