#pragma once

#include "platform/result.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zantor::hid {

// What a top-level collection declares, counted the Windows way: a report length is 1 + the
// longest report of that kind in bytes (the report id byte is counted even when the device
// numbers no reports), and 0 when the collection has no report of that kind.
struct HidCaps {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t inputReportByteLength = 0;
    std::uint16_t outputReportByteLength = 0;
    std::uint16_t featureReportByteLength = 0;
    bool operator==(const HidCaps&) const = default;
};

struct HidAttributes {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    bool operator==(const HidAttributes&) const = default;
};

// One top-level collection of one device: what the system calls a HID interface.
struct HidInterface {
    std::string path;                        // unique; stable while the device stays attached
    std::string node;                        // what users know the device by ("/dev/hidraw3")
    std::optional<HidAttributes> attributes; // absent when the system could not tell them
    HidCaps caps;
    std::string note; // why caps are unknown, when they are
};

enum class OpenMode {
    Query, // no access to the data: attributes and capabilities only
    Read,  // input reports
    Write, // feature reports
};

// An open interface. Every operation may be called from any thread.
class HidHandle {
public:
    virtual ~HidHandle() = default;

    virtual Result<HidAttributes> attributes() = 0;
    virtual Result<HidCaps> capabilities() = 0;

    // Sends one feature report: report[0] is the report id, the data follows. The whole span
    // is sent as it is.
    virtual Status sendFeatureReport(std::span<const std::uint8_t> report) = 0;

    // Blocks until an input report of this collection arrives and copies it into buffer,
    // report id first, cut or zero-padded to buffer.size(); returns buffer.size(). Fails with
    // EIO once the device is gone (after the reports still queued), with ECANCELED once
    // interrupt() was called.
    virtual Result<std::size_t> readInputReport(std::span<std::uint8_t> buffer) = 0;

    // Wakes every read blocked on this handle, now and later; they fail with ECANCELED.
    virtual void interrupt() = 0;
};

// Device-change broadcasts, as the window of the program receives them.
enum class DeviceEvent {
    Arrival,        // a device interface arrived
    RemoveComplete, // a device interface is gone
    TreeChanged,    // devices changed in a way not told in detail
    Other,
};

struct DeviceBroadcast {
    bool isInterface = true; // the broadcast names a device interface (not a volume, a port...)
    std::string name;        // the interface path
};

struct DeviceChange {
    DeviceEvent event = DeviceEvent::Other;
    DeviceBroadcast data;
};

// The HID interfaces of the system, opened and watched.
class HidBackend {
public:
    virtual ~HidBackend() = default;

    // All interfaces present, in a stable order; an entry without value is an index at which
    // an interface was listed but could not be described (it went away meanwhile, say).
    virtual std::vector<std::optional<HidInterface>> enumerate() = 0;

    virtual Result<std::unique_ptr<HidHandle>> open(const std::string& path, OpenMode mode) = 0;

    // Asks for device-change broadcasts. Asking again changes nothing: each change is
    // delivered once.
    virtual Status registerNotifications() = 0;

    // A descriptor that polls readable while broadcasts are waiting (-1 when there is none).
    virtual int notificationFd() const = 0;

    // The broadcasts received since the last call, oldest first; never blocks.
    virtual std::vector<DeviceChange> takeNotifications() = 0;
};

} // namespace zantor::hid
