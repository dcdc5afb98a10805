#pragma once

#include "platform/hid/hid_backend.h"
#include "platform/hid/hidraw_handle.h"
#include "platform/hid/udev_ptr.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace zantor::hid {

// The HID interfaces of the Linux kernel's hidraw nodes, found through libudev. Each node
// gives one interface per top-level collection of its report descriptor, with the path
// "<hidraw syspath>#<collection index>". Vendor, product and descriptor come from sysfs, so
// nodes the user may not open are still listed; notifications come from a udev monitor.
class HidrawBackend final : public HidBackend {
public:
    HidrawBackend();

    std::vector<std::optional<HidInterface>> enumerate() override;
    Result<std::unique_ptr<HidHandle>> open(const std::string& path, OpenMode mode) override;
    Status registerNotifications() override;
    int notificationFd() const override;
    std::vector<DeviceChange> takeNotifications() override;

private:
    struct Described {
        HidInterface interface;
        HidrawCollection collection;
    };
    // The interfaces of one node; empty when the node is gone.
    std::vector<Described> describeNode(const char* syspath);
    void remember(const std::vector<Described>& interfaces);
    std::vector<DeviceChange> changesOf(udev_device* device);

    UdevPtr udev_;
    UdevMonitorPtr monitor_; // created first, so no change between a listing and it is lost
    Error monitorError_;

    std::mutex mutex_;
    bool registered_ = false;
    std::map<std::string, HidrawCollection> known_; // by interface path
};

} // namespace zantor::hid
