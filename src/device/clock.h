#pragma once

#include <chrono>
#include <thread>

namespace zantor::device {

// The steady clock the device link waits on; tests give a clock whose waits return at once.
class Clock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    virtual ~Clock() = default;
    virtual TimePoint now() const = 0;
    // Returns at the deadline (at once when it has passed). Waits are measured against
    // absolute deadlines so that a sequence of waits does not drift.
    virtual void sleepUntil(TimePoint deadline) = 0;
};

class SteadyClock final : public Clock {
public:
    TimePoint now() const override { return std::chrono::steady_clock::now(); }
    void sleepUntil(TimePoint deadline) override { std::this_thread::sleep_until(deadline); }
};

} // namespace zantor::device
