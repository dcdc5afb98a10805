#pragma once

#include "device/command_set.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zantor::hid {

// What the simulated mouse holds, as set by the command reports it received. It starts with
// the factory settings.
struct SimulatedMouseState {
    struct Colour {
        int red, green, blue;
        bool operator==(const Colour&) const = default;
    };
    std::array<int, 6> buttonFunctions{1, 2, 3, 4, 5, 6}; // device function by device button 1..6
    int wheelStatus = 0;
    int cycleColourMask = 0x7F;
    std::uint8_t lightModeByte = 0x92;
    int dpiLevel = 1;
    int dpiEnabledBits = 0x3F;
    std::array<int, 6> dpiStepCodes{3, 5, 6, 9, 13, 15};
    std::array<Colour, 6> dpiColours{
        {{0, 0, 15}, {15, 15, 0}, {0, 15, 0}, {15, 0, 15}, {0, 15, 15}, {0, 0, 0}}};
    int fireValue = 6;
    device::KeyReportState keys; // as the host last reported them
    static constexpr std::size_t MEDIA_KEYS_KEPT = 256;
    std::vector<std::uint16_t> mediaKeys; // the latest media key strokes, oldest first
    int hostExits = 0;
    int rejectedReports = 0; // command reports the mouse could not make sense of
};

// Takes one command report; a report it cannot read only counts as rejected.
void applyCommand(SimulatedMouseState& state, std::span<const std::uint8_t> report);

// A press of device button 1..6. The mouse reports presses of buttons it leaves to the host
// (function 0) and of its DPI-switching buttons (6 cycles through the enabled levels, 11 steps
// up and 12 down, stopping at the ends); for the latter the state byte is the new level.
// Returns the state byte of the report, or nothing when the mouse acts on the button alone.
std::optional<std::uint8_t> pressButton(SimulatedMouseState& state, int deviceButton);
// Whether the release of the button is reported (the same buttons as the presses).
bool reportsRelease(const SimulatedMouseState& state, int deviceButton);

} // namespace zantor::hid
