#include "device/command_decode.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>

namespace zantor::device {
namespace {

// Bytes each command needs, report id and command byte included.
struct CommandLength {
    std::uint8_t command;
    std::size_t length;
};
constexpr std::array<CommandLength, 10> COMMAND_LENGTHS{{
    {CMD_DPI, 5},
    {CMD_BUTTON, 4},
    {CMD_WHEEL, 3},
    {CMD_FIRE, 4},
    {CMD_LIGHT, 4},
    {CMD_DPI_COLOR, 4},
    {CMD_KEYS, 8},
    {CMD_MOUSE_KEYS, 4},
    {CMD_MEDIA_KEY, 4},
    {CMD_HOST_EXIT, 2},
}};

std::string hexByte(std::uint8_t b) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", b);
    return text;
}

Command fields(std::span<const std::uint8_t> r) {
    switch (r[1]) {
    case CMD_DPI:
        return DpiCommand{r[2] - 0x40, (r[3] & 0x0F) - 8, r[3] >> 4, r[4]};
    case CMD_BUTTON:
        return ButtonCommand{r[2], r[3]};
    case CMD_WHEEL:
        return WheelCommand{r[2]};
    case CMD_FIRE:
        return FireCommand{r[2] << 8 | r[3]};
    case CMD_LIGHT:
        return LightCommand{r[2], r[3], decodeLightMode(r[3])};
    case CMD_DPI_COLOR:
        return DpiColourCommand{r[2] >> 5, r[3] >> 4, r[2] & 0x1F, r[3] & 0x0F};
    case CMD_KEYS: {
        KeysCommand keys{};
        std::copy(r.begin() + 2, r.begin() + 8, keys.keySlots.begin());
        return keys;
    }
    case CMD_MOUSE_KEYS:
        return MouseKeysCommand{r[3]};
    case CMD_MEDIA_KEY:
        return MediaKeyCommand{std::uint16_t(r[2] << 8 | r[3])};
    default:
        return HostExitCommand{};
    }
}

} // namespace

Result<Command> decodeCommand(std::span<const std::uint8_t> report) {
    if (report.size() < 2)
        return Error{EINVAL, "a command report has at least 2 bytes"};
    if (report[0] != REPORT_ID_COMMAND)
        return Error{EINVAL, "report id " + hexByte(report[0]) + " is not the command report (" +
                                 hexByte(REPORT_ID_COMMAND) + ")"};
    auto it = std::find_if(COMMAND_LENGTHS.begin(), COMMAND_LENGTHS.end(),
                           [&](const CommandLength& c) { return c.command == report[1]; });
    if (it == COMMAND_LENGTHS.end())
        return Error{EINVAL, "unknown command " + hexByte(report[1])};
    if (report.size() < it->length)
        return Error{EINVAL, std::string(commandName(report[1])) + " needs " +
                                 std::to_string(it->length) + " bytes, got " +
                                 std::to_string(report.size())};
    return fields(report);
}

} // namespace zantor::device
