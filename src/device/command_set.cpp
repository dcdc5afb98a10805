#include "device/command_set.h"

#include <algorithm>

namespace zantor::device {
namespace {

std::uint8_t low8(int value) {
    return std::uint8_t(value & 0xFF);
}

void header(CommandReport& r, std::uint8_t command) {
    r[0] = REPORT_ID_COMMAND;
    r[1] = command;
}

// Mode byte bits by lighting type; types outside the table are encoded like type 1.
struct LightModeEncoding {
    std::uint8_t base;
    bool carriesCycleTime;
};
constexpr std::array<LightModeEncoding, 4> LIGHT_MODES{{
    {0x80, true},
    {0x90, true},
    {0x86, false},
    {0x87, false},
}};

} // namespace

std::string_view commandName(std::uint8_t command) {
    auto it = std::find_if(COMMAND_NAMES.begin(), COMMAND_NAMES.end(),
                           [&](const CommandName& c) { return c.command == command; });
    return it == COMMAND_NAMES.end() ? std::string_view() : it->name;
}

std::uint8_t dpiStepCode(int dpiSetting) {
    return DPI_STEP_CODES[std::size_t(std::clamp(dpiSetting, 0, int(DPI_STEP_CODES.size()) - 1))];
}

std::uint16_t resolutionOfStepCode(std::uint8_t stepCode) {
    auto it = std::find(DPI_STEP_CODES.begin(), DPI_STEP_CODES.end(), stepCode);
    return it == DPI_STEP_CODES.end()
               ? 0
               : DPI_STEP_RESOLUTIONS[std::size_t(it - DPI_STEP_CODES.begin())];
}

std::uint16_t mediaUsage(int mediaIndex) {
    return mediaIndex >= 0 && std::size_t(mediaIndex) < MEDIA_USAGES.size()
               ? MEDIA_USAGES[std::size_t(mediaIndex)].usage
               : 0;
}

std::uint8_t lightModeByte(int ledType, int ledCycleTime) {
    const LightModeEncoding& mode = ledType >= 0 && std::size_t(ledType) < LIGHT_MODES.size()
                                        ? LIGHT_MODES[std::size_t(ledType)]
                                        : LIGHT_MODES[1];
    return mode.carriesCycleTime ? low8(mode.base + ledCycleTime) : mode.base;
}

LightMode decodeLightMode(std::uint8_t modeByte) {
    for (std::size_t type = 0; type < LIGHT_MODES.size(); ++type) {
        const LightModeEncoding& mode = LIGHT_MODES[type];
        if (!mode.carriesCycleTime && modeByte == mode.base)
            return {int(type), -1};
    }
    const bool cycleType = (modeByte & 0x10) != 0;
    return {cycleType ? 1 : 0, modeByte & 0x0F};
}

std::uint8_t applyKeyEvent(KeyReportState& state, std::uint8_t code, int action) {
    auto& slots = state.keySlots;
    if (code < KEY_LEFT_BUTTON) {
        if (action == KEY_ACTION_PRESS) {
            auto empty = std::find(slots.begin(), slots.end(), 0);
            if (empty != slots.end())
                *empty = code;
        } else if (action == KEY_ACTION_RELEASE) {
            auto held = std::find(slots.begin(), slots.end(), code);
            if (held != slots.end())
                std::copy(held + 1, slots.end(), held);
            slots.back() = 0; // also when the key was not held: slot 5 is dropped
        }
        return CMD_KEYS;
    }
    if (code <= KEY_MIDDLE_BUTTON) {
        const auto bit = std::uint8_t(1u << (code - KEY_LEFT_BUTTON));
        if (action == KEY_ACTION_PRESS)
            state.mouseButtons &= std::uint8_t(~bit);
        else if (action == KEY_ACTION_RELEASE)
            state.mouseButtons |= bit;
    }
    return CMD_MOUSE_KEYS;
}

void encodeButton(CommandReport& r, int deviceButton, int deviceFunction) {
    header(r, CMD_BUTTON);
    r[2] = low8(deviceButton);
    r[3] = low8(deviceFunction);
}

void encodeWheel(CommandReport& r, int wheelStatus) {
    header(r, CMD_WHEEL);
    r[2] = low8(wheelStatus);
    r[3] = 0x00;
}

void encodeLight(CommandReport& r, int cycleColourMask, int ledType, int ledCycleTime) {
    header(r, CMD_LIGHT);
    r[2] = low8(cycleColourMask & 0x7F);
    r[3] = lightModeByte(ledType, ledCycleTime);
}

void encodeDpi(CommandReport& r, int currentLevel, int levelIndex, int dpiSetting,
               int enabledLevelBits) {
    header(r, CMD_DPI);
    r[2] = low8(0x40 + currentLevel);
    r[3] = low8(dpiStepCode(dpiSetting) * 16 + 8 + levelIndex);
    r[4] = low8(enabledLevelBits & 0x3F);
}

void encodeDpiColour(CommandReport& r, int levelIndex, int red, int green, int blue) {
    header(r, CMD_DPI_COLOR);
    r[2] = low8(levelIndex * 32 + green);
    r[3] = low8(red * 16 + blue);
}

void encodeFire(CommandReport& r, int fireTime) {
    const int v = fireTime / 8;
    header(r, CMD_FIRE);
    r[2] = low8(v >> 8);
    r[3] = low8(v);
    std::fill(r.begin() + 4, r.begin() + 8, 0x00);
}

void encodeKeys(CommandReport& r, const KeyReportState& state) {
    header(r, CMD_KEYS);
    std::copy(state.keySlots.begin(), state.keySlots.end(), r.begin() + 2);
}

void encodeMouseKeys(CommandReport& r, const KeyReportState& state) {
    header(r, CMD_MOUSE_KEYS);
    r[3] = state.mouseButtons; // byte 2 keeps what the previous command left
}

void encodeMediaKey(CommandReport& r, int mediaIndex) {
    const std::uint16_t usage = mediaUsage(mediaIndex);
    header(r, CMD_MEDIA_KEY);
    r[2] = std::uint8_t(usage >> 8);
    r[3] = std::uint8_t(usage & 0xFF);
}

void encodeHostExit(CommandReport& r) {
    header(r, CMD_HOST_EXIT);
    r[2] = 0x00;
    r[3] = 0x00;
}

} // namespace zantor::device
