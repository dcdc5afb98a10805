#pragma once

#include <cstdint>
#include <span>

namespace zantor::device {

enum class EventKind {
    Ignored,        // not an event report (another report id, or too short to carry one)
    ButtonPressed,  // device button 1 to 6 pressed
    ButtonReleased, // device button 1 to 6 released (state byte 0x80)
    StopRequest,    // byte 1 is 0x00 to 0xF0: stop a running host-side action
    NoButton,       // byte 1 is 0xF7 to 0xFF: names no button
};

inline constexpr std::uint8_t EVENT_BUTTON_BASE = 0xF0;
inline constexpr std::uint8_t EVENT_STATE_RELEASED = 0x80;

struct DecodedEvent {
    EventKind kind = EventKind::Ignored;
    int deviceButton = 0;   // 1 to 6 for a button event, else 0
    std::uint8_t code = 0;  // byte 1
    std::uint8_t state = 0; // byte 2: 0x80 released; for a press of a DPI-switching button
                            // the level the mouse switched to
};

// The meaning of one input report read from the mouse's event collection.
DecodedEvent DecodeEvent(std::span<const std::uint8_t> report);

} // namespace zantor::device
