#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zantor::device {

// The mouse is driven through one feature report; its second byte selects the command.
inline constexpr std::uint8_t REPORT_ID_COMMAND = 7; // feature, host to device
inline constexpr std::uint8_t REPORT_ID_EVENT = 6;   // input, device to host

inline constexpr std::uint8_t CMD_DPI = 0x09;
inline constexpr std::uint8_t CMD_BUTTON = 0x10;
inline constexpr std::uint8_t CMD_WHEEL = 0x11;
inline constexpr std::uint8_t CMD_FIRE = 0x12;
inline constexpr std::uint8_t CMD_LIGHT = 0x13;
inline constexpr std::uint8_t CMD_DPI_COLOR = 0x14;
inline constexpr std::uint8_t CMD_KEYS = 0x15;
inline constexpr std::uint8_t CMD_MOUSE_KEYS = 0x16;
inline constexpr std::uint8_t CMD_MEDIA_KEY = 0x17;
inline constexpr std::uint8_t CMD_HOST_EXIT = 0x20;

struct CommandName {
    std::uint8_t command;
    std::string_view name;
};
inline constexpr std::array<CommandName, 10> COMMAND_NAMES{{
    {CMD_DPI, "CMD_DPI"},
    {CMD_BUTTON, "CMD_BUTTON"},
    {CMD_WHEEL, "CMD_WHEEL"},
    {CMD_FIRE, "CMD_FIRE"},
    {CMD_LIGHT, "CMD_LIGHT"},
    {CMD_DPI_COLOR, "CMD_DPI_COLOR"},
    {CMD_KEYS, "CMD_KEYS"},
    {CMD_MOUSE_KEYS, "CMD_MOUSE_KEYS"},
    {CMD_MEDIA_KEY, "CMD_MEDIA_KEY"},
    {CMD_HOST_EXIT, "CMD_HOST_EXIT"},
}};
// The name of a command byte; empty for a byte that names no command.
std::string_view commandName(std::uint8_t command);

// The one buffer every command is assembled in: all zero at start and never cleared, so the
// bytes a command does not write keep what an earlier command left. The longest command
// writes bytes 0 to 7.
inline constexpr std::size_t COMMAND_REPORT_SIZE = 8;
using CommandReport = std::array<std::uint8_t, COMMAND_REPORT_SIZE>;

// Device resolution step code for each DPI setting 0 to 11, and the resolution shown for it.
// Codes 8, 10 and 12 are never sent.
inline constexpr std::array<std::uint8_t, 12> DPI_STEP_CODES{1, 2, 3,  4,  5,  6,
                                                             7, 9, 11, 13, 14, 15};
inline constexpr std::array<std::uint16_t, 12> DPI_STEP_RESOLUTIONS{
    200, 400, 600, 800, 1000, 1200, 1600, 2000, 2400, 3200, 4000, 4800};
// The step code of a DPI setting; a setting outside 0 to 11 (from a damaged file) is taken as
// the nearest one rather than read beyond the table.
std::uint8_t dpiStepCode(int dpiSetting);
// The resolution of a step code as sent; 0 for a code no setting produces.
std::uint16_t resolutionOfStepCode(std::uint8_t stepCode);

// Consumer-page (0x0C) usage of each media function index 0 to 9.
struct MediaUsage {
    std::uint16_t usage;
    std::string_view name;
};
inline constexpr std::array<MediaUsage, 10> MEDIA_USAGES{{
    {0x0223, "AC Home"},
    {0x0183, "AL Consumer Control Configuration"},
    {0x018A, "AL Email Reader"},
    {0x00E9, "Volume Increment"},
    {0x00EA, "Volume Decrement"},
    {0x00B6, "Scan Previous Track"},
    {0x00B5, "Scan Next Track"},
    {0x00E2, "Mute"},
    {0x00CD, "Play/Pause"},
    {0x0192, "AL Calculator"},
}};
// The usage of a media index; 0 for any other index.
std::uint16_t mediaUsage(int mediaIndex);

// The lighting mode byte of CMD_LIGHT and its inverse. Bit 7 is always set; bit 4 is set for
// every type but 0, 2 and 3; the low nibble is 6 for type 2, 7 for type 3 and the cycle time
// otherwise. A type outside 0 to 3 is encoded like type 1.
std::uint8_t lightModeByte(int ledType, int ledCycleTime);
struct LightMode {
    int ledType;
    int ledCycleTime; // -1 for the types that carry none
};
LightMode decodeLightMode(std::uint8_t modeByte);

// Host-side key state carried by CMD_KEYS and CMD_MOUSE_KEYS.
struct KeyReportState {
    std::array<std::uint8_t, 6> keySlots{}; // held keyboard usages in press order, 0 = empty
    std::uint8_t mouseButtons = 0xFF;       // bit 0 left, 1 right, 2 middle: 0 held, 1 released
    bool operator==(const KeyReportState&) const = default;
};

inline constexpr std::uint8_t KEY_LEFT_BUTTON = 0xF0;
inline constexpr std::uint8_t KEY_RIGHT_BUTTON = 0xF1;
inline constexpr std::uint8_t KEY_MIDDLE_BUTTON = 0xF2;
inline constexpr int KEY_ACTION_PRESS = 1;
inline constexpr int KEY_ACTION_RELEASE = 2;

// Changes the key state for one key event; returns the command that carries the change
// (CMD_KEYS for a keyboard usage below 0xF0, CMD_MOUSE_KEYS otherwise).
std::uint8_t applyKeyEvent(KeyReportState& state, std::uint8_t code, int action);

// The encoders write exactly the bytes their command lists and leave the others alone.
void encodeButton(CommandReport& r, int deviceButton, int deviceFunction);
void encodeWheel(CommandReport& r, int wheelStatus);
void encodeLight(CommandReport& r, int cycleColourMask, int ledType, int ledCycleTime);
void encodeDpi(CommandReport& r, int currentLevel, int levelIndex, int dpiSetting,
               int enabledLevelBits);
void encodeDpiColour(CommandReport& r, int levelIndex, int red, int green, int blue);
void encodeFire(CommandReport& r, int fireTime);
void encodeKeys(CommandReport& r, const KeyReportState& state);
void encodeMouseKeys(CommandReport& r, const KeyReportState& state);
void encodeMediaKey(CommandReport& r, int mediaIndex);
void encodeHostExit(CommandReport& r);

} // namespace zantor::device
