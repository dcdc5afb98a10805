#pragma once

#include "macro/macro_tables.h"

#include <cstdint>
#include <optional>
#include <shared_mutex>
#include <vector>

namespace zantor::macro {

inline constexpr int kMaxRecordedEvents = 216;
inline constexpr int kMaxRecordedPresses = 108;
inline constexpr std::size_t kMaxHeldKeys = 9;

// Turns the key strokes of a running recording into events of one user macro: one press per
// held key, a release only for a key whose press was recorded, and the time until the next
// stroke as each event's pause.
class MacroRecorder {
public:
    bool recording() const { return recording_; }
    int recordingMacro() const { return macro_; }
    int recordedCount() const { return recorded_; }

    // Clears user macro `index` (its name stays) and starts recording into it.
    void start(MacroTables& tables, std::shared_mutex& lock, int index);
    // Ends the recording: the macro holds the events recorded.
    void stop(MacroTables& tables, std::shared_mutex& lock);

    // One key stroke: `virtualKey` pressed (`down`) or released at `timeMs` (any millisecond
    // clock; differences count). The index of the event it became, or nullopt.
    std::optional<int> capture(MacroTables& tables, std::shared_mutex& lock, bool down,
                               std::uint8_t virtualKey, std::uint32_t timeMs, int language);

private:
    std::uint16_t elapsedSinceLastEvent(std::uint32_t timeMs);

    bool recording_ = false;
    int macro_ = 0;
    int recorded_ = 0;
    int presses_ = 0;
    std::vector<std::uint8_t> heldKeys_;
    struct KeyMessage {
        bool down;
        std::uint8_t virtualKey;
        bool operator==(const KeyMessage&) const = default;
    };
    std::optional<KeyMessage> lastMessage_;
    std::optional<std::uint32_t> lastEventTime_;
};

} // namespace zantor::macro
