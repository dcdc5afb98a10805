#pragma once

#include "device/clock.h"
#include "device/command_sender.h"

#include <cstdint>
#include <cstdio>
#include <mutex>
#include <span>
#include <string>
#include <vector>

namespace zantor::test {

// Bytes as "07 10 05 05": golden reports are written out this way, so a failure shows the
// byte that differs.
inline std::string hexBytes(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (std::uint8_t b : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, text.empty() ? "%02X" : " %02X", b);
        text += hex;
    }
    return text;
}

inline std::vector<std::uint8_t> bytesOf(const std::string& hex) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 3)
        bytes.push_back(std::uint8_t(std::stoul(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

// A clock whose waits return at once, moving its time to the deadline.
class FakeClock final : public device::Clock {
public:
    TimePoint now() const override {
        std::lock_guard lock(mutex_);
        return now_;
    }
    void sleepUntil(TimePoint deadline) override {
        std::lock_guard lock(mutex_);
        if (deadline > now_)
            now_ = deadline;
    }
    void advance(std::chrono::nanoseconds by) {
        std::lock_guard lock(mutex_);
        now_ += by;
    }

private:
    mutable std::mutex mutex_;
    TimePoint now_{std::chrono::seconds(1000)};
};

// Keeps every report handed to it, with the clock's time.
class RecordingSink final : public device::CommandSink {
public:
    explicit RecordingSink(const device::Clock& clock) : clock_(clock) {}
    struct Sent {
        device::Clock::TimePoint time;
        std::string bytes;
    };
    void SendCommand(std::span<const std::uint8_t> report) override {
        std::lock_guard lock(mutex_);
        sent_.push_back({clock_.now(), hexBytes(report)});
    }
    std::vector<Sent> sent() const {
        std::lock_guard lock(mutex_);
        return sent_;
    }
    std::vector<std::string> reports() const {
        std::vector<std::string> result;
        for (const Sent& s : sent())
            result.push_back(s.bytes);
        return result;
    }

private:
    const device::Clock& clock_;
    mutable std::mutex mutex_;
    std::vector<Sent> sent_;
};

} // namespace zantor::test
