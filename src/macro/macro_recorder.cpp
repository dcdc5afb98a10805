#include "macro/macro_recorder.h"

#include "macro/key_codes.h"

#include <algorithm>
#include <mutex>

namespace zantor::macro {

void MacroRecorder::start(MacroTables& tables, std::shared_mutex& lock, int index) {
    if (index < 0 || index >= int(MAX_USER_MACROS))
        return;
    recording_ = true;
    macro_ = index;
    recorded_ = presses_ = 0;
    heldKeys_.clear();
    lastMessage_.reset();
    lastEventTime_.reset();
    std::unique_lock guard(lock);
    MacroRecord& record = tables.userMacros[std::size_t(index)];
    const auto name = record.name;
    record = MacroRecord{};
    record.name = name;
    record.mode = MACRO_ONCE;
    record.repeatCount = 1;
}

void MacroRecorder::stop(MacroTables& tables, std::shared_mutex& lock) {
    if (!recording_)
        return;
    recording_ = false;
    std::unique_lock guard(lock);
    tables.userMacros[std::size_t(macro_)].eventCount = std::uint8_t(recorded_);
}

std::uint16_t MacroRecorder::elapsedSinceLastEvent(std::uint32_t timeMs) {
    // Unsigned difference: a clock that wraps still gives the time between.
    const std::uint32_t elapsed = lastEventTime_ ? timeMs - *lastEventTime_ : 0;
    lastEventTime_ = timeMs;
    return std::uint16_t(std::min<std::uint32_t>(elapsed, 65535));
}

std::optional<int> MacroRecorder::capture(MacroTables& tables, std::shared_mutex& lock, bool down,
                                          std::uint8_t virtualKey, std::uint32_t timeMs,
                                          int language) {
    if (!recording_ || virtualKey == 0)
        return std::nullopt;
    const KeyMessage message{down, virtualKey};
    if (lastMessage_ == message || recorded_ >= kMaxRecordedEvents) {
        lastMessage_ = message;
        return std::nullopt;
    }
    std::uint8_t action = KEY_DOWN;
    if (down) {
        if (presses_ >= kMaxRecordedPresses)
            return std::nullopt;
        // A tenth held key is not recorded, so every recorded press has its release.
        if (heldKeys_.size() >= kMaxHeldKeys) {
            lastMessage_ = message;
            return std::nullopt;
        }
        heldKeys_.push_back(virtualKey);
    } else {
        const auto held = std::find(heldKeys_.begin(), heldKeys_.end(), virtualKey);
        if (held == heldKeys_.end())
            return std::nullopt; // its press came before the recording, or was not recorded
        heldKeys_.erase(held);
        action = KEY_UP;
    }
    const int n = recorded_;
    const std::uint16_t elapsed = elapsedSinceLastEvent(timeMs);
    {
        std::unique_lock guard(lock);
        MacroRecord& record = tables.userMacros[std::size_t(macro_)];
        record.events[std::size_t(n)] = MacroEvent{VirtualKeyToHid(virtualKey, language), action};
        if (n > 0) {
            record.delays[std::size_t(n - 1)] = elapsed;
            record.delays[std::size_t(n)] = kInsertedEventDelay;
        }
    }
    ++recorded_;
    if (down)
        ++presses_;
    lastMessage_ = message;
    return n;
}

} // namespace zantor::macro
