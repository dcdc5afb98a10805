#include "device/report_description.h"

#include "device/command_decode.h"
#include "device/event_report.h"
#include "device/overloaded.h"

#include <cerrno>
#include <cstdio>

namespace zantor::device {
namespace {

std::string hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

std::string bitList(int bits, int count) {
    std::string list;
    for (int i = 0; i < count; ++i)
        if (bits & (1 << i))
            list += (list.empty() ? "" : " ") + std::to_string(i);
    return list.empty() ? "none" : list;
}

std::string describe(const DpiCommand& c) {
    std::string text = "level ";
    if (c.levelIndex >= 0 && c.levelIndex < 6)
        text += std::to_string(c.levelIndex);
    else
        text += "? (byte 3 low nibble " + std::to_string(c.levelIndex + 8) + " is not 8 to 13)";
    text += ", step code " + std::to_string(c.stepCode);
    if (const auto dpi = resolutionOfStepCode(std::uint8_t(c.stepCode)))
        text += " (" + std::to_string(dpi) + " DPI)";
    return text + ", current level " + std::to_string(c.currentLevel) + ", enabled levels " +
           bitList(c.enabledLevelBits, 6);
}

std::string describe(const LightCommand& c) {
    std::string text = "cycle colours " + bitList(c.cycleColourMask, 7) + ", mode byte " +
                       hex(c.modeByte, 2) + ": lighting type " + std::to_string(c.mode.ledType);
    if (c.mode.ledCycleTime >= 0)
        text += ", cycle time " + std::to_string(c.mode.ledCycleTime);
    return text;
}

std::string describe(const KeysCommand& c) {
    std::string held;
    for (std::uint8_t key : c.keySlots)
        if (key != 0)
            held += " " + hex(key, 2);
    return held.empty() ? "no keys held" : "held keys (HID usages)" + held;
}

std::string describe(const MouseKeysCommand& c) {
    static constexpr const char* names[] = {"left", "right", "middle"};
    std::string text = "mouse buttons " + hex(c.mouseButtons, 2) + ":";
    for (int bit = 0; bit < 3; ++bit)
        text += std::string(bit ? ", " : " ") + names[bit] +
                (c.mouseButtons & (1 << bit) ? " released" : " held");
    return text;
}

std::string describe(const MediaKeyCommand& c) {
    for (std::size_t i = 0; i < MEDIA_USAGES.size(); ++i)
        if (MEDIA_USAGES[i].usage == c.usage && c.usage != 0)
            return "media key " + hex(c.usage, 4) + " " + std::string(MEDIA_USAGES[i].name) +
                   " (media index " + std::to_string(i) + ")";
    return "media key " + hex(c.usage, 4) + " (no media function)";
}

std::string describeCommand(const Command& command) {
    return std::visit(
        Overloaded{
            [](const ButtonCommand& c) {
                return "device button " + std::to_string(c.deviceButton) +
                       " gets device function " + std::to_string(c.deviceFunction);
            },
            [](const WheelCommand& c) { return "wheel status " + std::to_string(c.wheelStatus); },
            [](const LightCommand& c) { return describe(c); },
            [](const DpiCommand& c) { return describe(c); },
            [](const DpiColourCommand& c) {
                return "level " + std::to_string(c.levelIndex) + " red " + std::to_string(c.red) +
                       " green " + std::to_string(c.green) + " blue " + std::to_string(c.blue);
            },
            [](const FireCommand& c) {
                return "fire value " + std::to_string(c.value) + " (fire time " +
                       std::to_string(c.value * 8) + " to " + std::to_string(c.value * 8 + 7) +
                       " ms)";
            },
            [](const KeysCommand& c) { return describe(c); },
            [](const MouseKeysCommand& c) { return describe(c); },
            [](const MediaKeyCommand& c) { return describe(c); },
            [](const HostExitCommand&) {
                return std::string("the configuration program is ending");
            },
        },
        command);
}

Result<std::string> describeEvent(std::span<const std::uint8_t> report) {
    const DecodedEvent event = DecodeEvent(report);
    const std::string button = "device button " + std::to_string(event.deviceButton);
    switch (event.kind) {
    case EventKind::Ignored:
        return Error{EINVAL, "an event report has at least 3 bytes"};
    case EventKind::ButtonPressed:
        return "event: " + button + " pressed, state " + hex(event.state, 2) +
               " (the new DPI level when the button switches DPI)";
    case EventKind::ButtonReleased:
        return "event: " + button + " released";
    case EventKind::StopRequest:
        return "event: stop request (code " + hex(event.code, 2) + ")";
    case EventKind::NoButton:
        break;
    }
    return "event: code " + hex(event.code, 2) + " names no button; ignored";
}

} // namespace

Result<std::string> describeReport(std::span<const std::uint8_t> report) {
    if (report.empty())
        return Error{EINVAL, "no bytes"};
    if (report[0] == REPORT_ID_EVENT)
        return describeEvent(report);
    if (report[0] != REPORT_ID_COMMAND)
        return Error{EINVAL, "report id " + hex(report[0], 2) +
                                 " is neither a command report (0x07) nor an event report (0x06)"};
    auto command = decodeCommand(report);
    if (!command)
        return command.error();
    return std::string(commandName(report[1])) + " (" + hex(report[1], 2) +
           "): " + describeCommand(*command);
}

} // namespace zantor::device
