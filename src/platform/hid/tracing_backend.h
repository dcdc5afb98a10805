#pragma once

#include "device/clock.h"
#include "platform/hid/hid_backend.h"

#include <chrono>
#include <memory>
#include <ostream>
#include <span>
#include <string>

namespace zantor::hid {

// "12.345 > 07 10 01 01 00 00 00 00": milliseconds since the start with three decimals, '>'
// for a report sent or '<' for one received, the bytes in upper-case hex.
std::string traceLine(std::chrono::nanoseconds sinceStart, char direction,
                      std::span<const std::uint8_t> bytes);

// Passes everything to another backend and prints a trace line for every feature report
// sent and every input report read through the handles it opens.
class TracingBackend final : public HidBackend {
public:
    TracingBackend(std::unique_ptr<HidBackend> inner, const device::Clock& clock,
                   device::Clock::TimePoint start, std::ostream& out);
    ~TracingBackend() override;

    std::vector<std::optional<HidInterface>> enumerate() override;
    Result<std::unique_ptr<HidHandle>> open(const std::string& path, OpenMode mode) override;
    Status registerNotifications() override;
    int notificationFd() const override;
    std::vector<DeviceChange> takeNotifications() override;

private:
    struct Sink;
    class Handle;
    std::unique_ptr<HidBackend> inner_;
    std::shared_ptr<Sink> sink_;
};

} // namespace zantor::hid
