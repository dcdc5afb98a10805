#pragma once

#include "device/clock.h"
#include "platform/hid/hid_backend.h"
#include "platform/hid/simulated_mouse_state.h"
#include "platform/unique_fd.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace zantor::hid {

// An in-process mouse behind the HID interface: vendor 0x18F8, its two vendor collections
// (0xFF00 with 8-byte input report 6, 0xFF01 with 8-byte feature report 7). It takes every
// command into its state, keeps a time-stamped trace of the reports both ways, reports button
// presses as the mouse does, and can be unplugged and plugged again. Every plug-in gives the
// interfaces new paths, as a real attach does. The trace keeps the latest 100000 reports.
class SimulatedMouse final : public HidBackend {
public:
    struct Options {
        std::uint16_t productId = 0x1086;
        bool withCommandCollection = true; // the 0xFF01 collection
        int openError = 0; // errno for every open to read or write (EACCES: no permission)
    };
    struct TraceEntry {
        std::chrono::nanoseconds time; // since the mouse was created
        char direction;                // '>' to the mouse, '<' from the mouse
        std::vector<std::uint8_t> bytes;
        bool operator==(const TraceEntry&) const = default;
    };

    explicit SimulatedMouse(const device::Clock& clock) : SimulatedMouse(clock, Options{}) {}
    SimulatedMouse(const device::Clock& clock, Options options);
    ~SimulatedMouse() override;

    std::vector<std::optional<HidInterface>> enumerate() override;
    Result<std::unique_ptr<HidHandle>> open(const std::string& path, OpenMode mode) override;
    Status registerNotifications() override;
    int notificationFd() const override;
    std::vector<DeviceChange> takeNotifications() override;

    void pressButton(int deviceButton);
    void releaseButton(int deviceButton);
    // Sends any input report to the open readers, as the mouse would send it. Reports whose
    // id the event collection does not declare are dropped, as the kernel drops them.
    void injectInputReport(std::span<const std::uint8_t> report);

    void unplug();
    void plug();
    bool plugged() const;

    // For tests of readers: waits until `count` reads are blocked waiting for a report.
    bool waitForBlockedReads(int count, std::chrono::milliseconds timeout) const;
    int openHandleCount() const;

    SimulatedMouseState state() const;
    std::vector<TraceEntry> trace() const;
    // The interface paths of the current attach: event collection, command collection.
    std::string eventPath() const;
    std::string commandPath() const;

private:
    struct Core;
    class Handle;
    std::shared_ptr<Core> core_;
};

} // namespace zantor::hid
