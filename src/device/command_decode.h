#pragma once

#include "device/command_set.h"
#include "platform/result.h"

#include <array>
#include <cstdint>
#include <span>
#include <variant>

namespace zantor::device {

// The fields of one command report, read back from its bytes: what the mouse makes of it.
struct ButtonCommand {
    int deviceButton, deviceFunction;
};
struct WheelCommand {
    int wheelStatus;
};
struct LightCommand {
    int cycleColourMask;
    std::uint8_t modeByte;
    LightMode mode;
};
struct DpiCommand {
    int currentLevel; // byte 2 less 0x40
    int levelIndex;   // low nibble of byte 3 less 8; outside 0 to 5 for a damaged report
    int stepCode;     // high nibble of byte 3
    int enabledLevelBits;
};
struct DpiColourCommand {
    int levelIndex, red, green, blue;
};
struct FireCommand {
    int value; // fire time / 8
};
struct KeysCommand {
    std::array<std::uint8_t, 6> keySlots;
};
struct MouseKeysCommand {
    std::uint8_t mouseButtons;
};
struct MediaKeyCommand {
    std::uint16_t usage;
};
struct HostExitCommand {};

using Command =
    std::variant<ButtonCommand, WheelCommand, LightCommand, DpiCommand, DpiColourCommand,
                 FireCommand, KeysCommand, MouseKeysCommand, MediaKeyCommand, HostExitCommand>;

// Reads a command report (report id 7). Fails, saying why, for another report id, an unknown
// command byte, or fewer bytes than the command carries.
Result<Command> decodeCommand(std::span<const std::uint8_t> report);

} // namespace zantor::device
