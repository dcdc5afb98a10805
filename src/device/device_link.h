#pragma once

#include "device/command_sender.h"
#include "platform/hid/hid_backend.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zantor::device {

inline constexpr std::uint16_t VENDOR_ID = 0x18F8;
inline constexpr std::array<std::uint16_t, 2> PRODUCT_IDS{0x1086, 0x0FC0};
inline constexpr std::uint16_t READ_USAGE_PAGE = 0xFF00;  // events, input report 6
inline constexpr std::uint16_t WRITE_USAGE_PAGE = 0xFF01; // commands, feature report 7
inline constexpr std::uint16_t VENDOR_USAGE = 0x0001;
inline constexpr int SCAN_LIMIT = 100;

// True for the vendor and either product id of the mouse.
bool isMouse(const hid::HidAttributes& attributes);

enum class DeviceChangeOutcome { None, Arrived, Removed };

// An interface of the mouse that the latest scan could not open, and why.
struct OpenFailure {
    std::string path;
    std::string node;
    hid::OpenMode mode;
    Error error;
};

// The connection to the mouse: finds it among the HID interfaces, opens its event collection
// for reading and its command collection for writing, and follows its arrival and removal.
// Scan, OnDeviceChange and IsOwnDevice belong to one thread (the window's); SendCommand may be
// called from any thread; ReadEvent and eventBuffer belong to one reader thread.
// The backend must outlive the link, and the reader thread must be joined before the link
// goes away.
class DeviceLink final : public CommandSink {
public:
    explicit DeviceLink(hid::HidBackend& backend) : backend_(backend) {}

    // Looks through the first SCAN_LIMIT interfaces for the mouse and opens its two vendor
    // collections; true when an interface of the mouse was seen, opened or not. The handles of
    // the previous connection are released; a read blocked on the old event handle is woken
    // and fails, and the handle closes once that read has returned.
    bool Scan();

    // True for a broadcast about a device interface named like the mouse's path, in any case.
    bool IsOwnDevice(const hid::DeviceBroadcast& broadcast) const;

    // Sends the first FeatureReportByteLength bytes of the report (zero-padded when the
    // collection declares more than it holds). Nothing happens while no command handle is open;
    // whether the mouse took the report is not examined.
    void SendCommand(std::span<const std::uint8_t> report) override;

    // Blocks for one event report into eventBuffer(); false when no event handle is open, the
    // read failed (the mouse went away) or shutdown() was called.
    bool ReadEvent();
    const std::vector<std::uint8_t>& eventBuffer() const { return eventBuffer_; }

    DeviceChangeOutcome OnDeviceChange(hid::DeviceEvent event, const hid::DeviceBroadcast& data);
    // Takes the broadcasts waiting at the backend and applies each in order.
    std::vector<DeviceChangeOutcome> processNotifications();

    bool connected() const { return connected_.load(); }

    // Wakes a read blocked in ReadEvent; every later ReadEvent fails at once.
    void shutdown();

    std::string devicePath() const;
    bool readOpen() const;
    bool writeOpen() const;
    hid::HidCaps readCaps() const;
    hid::HidCaps writeCaps() const;
    std::vector<OpenFailure> openFailures() const;

    // Receives what would otherwise go unreported (failed sends); called from the sending
    // thread, so it must be safe to call from several threads.
    void setDebugLog(std::function<void(std::string_view)> log);

private:
    void debug(std::string_view message) const;

    hid::HidBackend& backend_;
    std::atomic<bool> connected_{false};

    mutable std::mutex mutex_; // guards everything below but eventBuffer_
    bool stopping_ = false;
    std::shared_ptr<hid::HidHandle> readHandle_, writeHandle_;
    std::vector<std::unique_ptr<hid::HidHandle>> queryHandles_;
    hid::HidCaps readCaps_, writeCaps_;
    std::string devicePath_;
    std::vector<OpenFailure> openFailures_;
    std::function<void(std::string_view)> debugLog_;

    std::vector<std::uint8_t> eventBuffer_;
};

} // namespace zantor::device
