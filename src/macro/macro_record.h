#pragma once

#include "device/command_set.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zantor::macro {

inline constexpr std::size_t kNameBytes = 40; // 20 UTF-16 units
inline constexpr std::size_t kNameUnits = kNameBytes / 2;
inline constexpr std::size_t kMaxEvents = 255;

// An event is what the key reports carry: a press or release of a key or mouse button.
inline constexpr std::uint8_t KEY_DOWN = device::KEY_ACTION_PRESS;
inline constexpr std::uint8_t KEY_UP = device::KEY_ACTION_RELEASE;

inline constexpr std::uint8_t MACRO_ONCE = 0;
inline constexpr std::uint8_t MACRO_REPEAT = 1;
inline constexpr std::uint8_t MACRO_WHILE_HELD = 2;
inline constexpr std::uint32_t WHILE_HELD_PASSES = 10000;
inline constexpr std::uint16_t MIN_EVENT_DELAY = 15; // milliseconds
inline constexpr std::uint16_t kInsertedEventDelay = 30;

// Event codes above the keyboard usages: the three mouse buttons.
inline constexpr std::uint8_t kMouseLeft = device::KEY_LEFT_BUTTON;
inline constexpr std::uint8_t kMouseRight = device::KEY_RIGHT_BUTTON;
inline constexpr std::uint8_t kMouseMiddle = device::KEY_MIDDLE_BUTTON;

struct MacroEvent {
    std::uint8_t code = 0;   // HID keyboard usage, or one of the mouse-button codes
    std::uint8_t action = 0; // KEY_DOWN or KEY_UP
    bool operator==(const MacroEvent&) const = default;
};

// One macro: a named list of key and mouse-button events, each followed by a pause.
struct MacroRecord {
    std::array<std::uint8_t, kNameBytes> name{}; // UTF-16LE, zero-ended when shorter
    std::uint8_t mode = MACRO_ONCE;
    std::uint16_t repeatCount = 0;
    std::uint8_t eventCount = 0;
    std::array<MacroEvent, kMaxEvents> events{};
    std::array<std::uint16_t, kMaxEvents> delays{}; // milliseconds after each event

    bool operator==(const MacroRecord&) const = default;

    std::string nameUtf8() const;
    // Stores the first 20 UTF-16 units of the name (never half a surrogate pair).
    void setName(std::string_view utf8);
};

// Passes one button press plays: built-in macros always play once.
constexpr std::uint32_t PassesFor(const MacroRecord& macro, bool isUserMacro) {
    if (!isUserMacro)
        return 1;
    if (macro.mode & MACRO_WHILE_HELD)
        return WHILE_HELD_PASSES;
    return macro.mode == MACRO_ONCE ? 1 : macro.repeatCount;
}

// Whether releasing the button stops the macro (after the pass under way).
constexpr bool StopsOnRelease(const MacroRecord& macro, bool isUserMacro) {
    return isUserMacro && (macro.mode & MACRO_WHILE_HELD);
}

} // namespace zantor::macro
