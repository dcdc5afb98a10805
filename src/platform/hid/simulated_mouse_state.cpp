#include "platform/hid/simulated_mouse_state.h"

#include "device/command_decode.h"
#include "device/overloaded.h"

#include <algorithm>

namespace zantor::hid {
namespace {

constexpr int FUNCTION_HOST = 0;
constexpr int FUNCTION_DPI_CYCLE = 6;
constexpr int FUNCTION_DPI_UP = 11;
constexpr int FUNCTION_DPI_DOWN = 12;

bool validLevel(int level) {
    return level >= 0 && level < 6;
}
bool validButton(int button) {
    return button >= 1 && button <= 6;
}

int functionOf(const SimulatedMouseState& state, int deviceButton) {
    return validButton(deviceButton) ? state.buttonFunctions[std::size_t(deviceButton - 1)] : -1;
}

bool isDpiFunction(int function) {
    return function == FUNCTION_DPI_CYCLE || function == FUNCTION_DPI_UP ||
           function == FUNCTION_DPI_DOWN;
}

// The next enabled level from `from` in `direction`; wraps only when asked to.
int nextEnabledLevel(const SimulatedMouseState& state, int from, int direction, bool wrap) {
    for (int step = 1; step <= 6; ++step) {
        int level = from + direction * step;
        if (!wrap && !validLevel(level))
            return from;
        level = (level + 6) % 6;
        if (state.dpiEnabledBits & (1 << level))
            return level;
    }
    return from;
}

} // namespace

void applyCommand(SimulatedMouseState& state, std::span<const std::uint8_t> report) {
    auto command = device::decodeCommand(report);
    if (!command) {
        ++state.rejectedReports;
        return;
    }
    auto reject = [&] {
        ++state.rejectedReports;
    };
    std::visit(
        device::Overloaded{
            [&](const device::ButtonCommand& c) {
                if (!validButton(c.deviceButton))
                    return reject();
                state.buttonFunctions[std::size_t(c.deviceButton - 1)] = c.deviceFunction;
            },
            [&](const device::WheelCommand& c) { state.wheelStatus = c.wheelStatus; },
            [&](const device::LightCommand& c) {
                state.cycleColourMask = c.cycleColourMask;
                state.lightModeByte = c.modeByte;
            },
            [&](const device::DpiCommand& c) {
                if (!validLevel(c.levelIndex) || !validLevel(c.currentLevel))
                    return reject();
                state.dpiLevel = c.currentLevel;
                state.dpiEnabledBits = c.enabledLevelBits;
                state.dpiStepCodes[std::size_t(c.levelIndex)] = c.stepCode;
            },
            [&](const device::DpiColourCommand& c) {
                if (!validLevel(c.levelIndex))
                    return reject();
                state.dpiColours[std::size_t(c.levelIndex)] = {c.red, c.green, c.blue};
            },
            [&](const device::FireCommand& c) { state.fireValue = c.value; },
            [&](const device::KeysCommand& c) { state.keys.keySlots = c.keySlots; },
            [&](const device::MouseKeysCommand& c) { state.keys.mouseButtons = c.mouseButtons; },
            [&](const device::MediaKeyCommand& c) {
                if (state.mediaKeys.size() == SimulatedMouseState::MEDIA_KEYS_KEPT)
                    state.mediaKeys.erase(state.mediaKeys.begin());
                state.mediaKeys.push_back(c.usage);
            },
            [&](const device::HostExitCommand&) { ++state.hostExits; },
        },
        *command);
}

std::optional<std::uint8_t> pressButton(SimulatedMouseState& state, int deviceButton) {
    const int function = functionOf(state, deviceButton);
    if (function == FUNCTION_HOST)
        return std::uint8_t(0x00);
    if (!isDpiFunction(function))
        return std::nullopt;
    const int direction = function == FUNCTION_DPI_DOWN ? -1 : 1;
    state.dpiLevel =
        nextEnabledLevel(state, state.dpiLevel, direction, function == FUNCTION_DPI_CYCLE);
    return std::uint8_t(state.dpiLevel);
}

bool reportsRelease(const SimulatedMouseState& state, int deviceButton) {
    const int function = functionOf(state, deviceButton);
    return function == FUNCTION_HOST || isDpiFunction(function);
}

} // namespace zantor::hid
