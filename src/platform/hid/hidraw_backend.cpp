#include "platform/hid/hidraw_backend.h"

#include "platform/hid/report_descriptor.h"
#include "platform/unique_fd.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zantor::hid {
namespace {

constexpr std::size_t MAX_DESCRIPTOR_BYTES = 4096; // HID_MAX_DESCRIPTOR_SIZE

std::string syspathOf(const std::string& path) {
    return path.substr(0, path.rfind('#'));
}

// HID_ID=0003:000018F8:00001086 (bus, vendor, product).
std::optional<HidAttributes> parseHidId(const char* hidId) {
    unsigned bus = 0, vendor = 0, product = 0;
    if (!hidId || std::sscanf(hidId, "%x:%x:%x", &bus, &vendor, &product) != 3 || vendor > 0xFFFF ||
        product > 0xFFFF)
        return std::nullopt;
    return HidAttributes{std::uint16_t(vendor), std::uint16_t(product)};
}

// The descriptor is binary with zero bytes, so it is read as a file and not as a sysattr.
Result<std::vector<std::uint8_t>> readDescriptor(const std::string& hidSyspath) {
    const std::string file = hidSyspath + "/report_descriptor";
    UniqueFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid())
        return Error{errno, "cannot read " + file + ": " + std::strerror(errno)};
    std::vector<std::uint8_t> bytes(MAX_DESCRIPTOR_BYTES);
    std::size_t total = 0;
    while (total < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + total, bytes.size() - total);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Error{errno, "cannot read " + file + ": " + std::strerror(errno)};
        if (n == 0)
            break;
        total += std::size_t(n);
    }
    bytes.resize(total);
    return bytes;
}

} // namespace

HidrawBackend::HidrawBackend() : udev_(udev_new()) {
    if (!udev_) {
        monitorError_ = Error{errno, "cannot reach udev"};
        return;
    }
    // "udev" rather than "kernel": its events come after the rules ran, so the node exists
    // and carries the user's access rights by then.
    monitor_.reset(udev_monitor_new_from_netlink(udev_.get(), "udev"));
    if (!monitor_ ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor_.get(), "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_.get()) < 0) {
        monitorError_ = Error{errno, "cannot watch hidraw devices through udev"};
        monitor_.reset();
    }
}

std::vector<std::optional<HidInterface>> HidrawBackend::enumerate() {
    std::vector<std::optional<HidInterface>> result;
    if (!udev_)
        return result;
    UdevEnumeratePtr enumerator(udev_enumerate_new(udev_.get()));
    if (!enumerator || udev_enumerate_add_match_subsystem(enumerator.get(), "hidraw") < 0 ||
        udev_enumerate_scan_devices(enumerator.get()) < 0)
        return result;
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerator.get())) {
        const auto described = describeNode(udev_list_entry_get_name(entry));
        if (described.empty())
            result.push_back(std::nullopt); // listed, then gone before it could be read
        for (const Described& d : described)
            result.push_back(d.interface);
        remember(described);
    }
    return result;
}

std::vector<HidrawBackend::Described> HidrawBackend::describeNode(const char* syspath) {
    UdevDevicePtr device(udev_device_new_from_syspath(udev_.get(), syspath));
    if (!device)
        return {};
    const char* node = udev_device_get_devnode(device.get());
    // The parent belongs to the device and is not unreferenced on its own.
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(device.get(), "hid", nullptr);
    if (!node || !hid)
        return {};

    HidrawCollection base;
    base.node = node;
    base.attributes = parseHidId(udev_device_get_property_value(hid, "HID_ID"));
    auto unknownCaps = [&](const std::string& note) {
        HidInterface interface {
            std::string(syspath) + "#0", base.node, base.attributes, {}, note
        };
        return std::vector<Described>{{interface, base}};
    };
    auto descriptor = readDescriptor(udev_device_get_syspath(hid));
    if (!descriptor)
        return unknownCaps(descriptor.error().message);
    auto parsed = parseReportDescriptor(*descriptor);
    if (!parsed)
        return unknownCaps(parsed.error().message);
    if (parsed->collections.empty())
        return unknownCaps("the report descriptor declares no collection");

    std::vector<Described> result;
    for (std::size_t i = 0; i < parsed->collections.size(); ++i) {
        const TopLevelCollection& tlc = parsed->collections[i];
        HidrawCollection collection = base;
        collection.caps = tlc.caps;
        collection.inputReportIds = tlc.inputReportIds;
        collection.numbered = parsed->numbered;
        HidInterface interface {
            std::string(syspath) + "#" + std::to_string(i), base.node, base.attributes, tlc.caps, {}
        };
        result.push_back({std::move(interface), std::move(collection)});
    }
    return result;
}

void HidrawBackend::remember(const std::vector<Described>& interfaces) {
    std::lock_guard lock(mutex_);
    for (const Described& d : interfaces)
        known_[d.interface.path] = d.collection;
}

Result<std::unique_ptr<HidHandle>> HidrawBackend::open(const std::string& path, OpenMode mode) {
    HidrawCollection collection;
    {
        std::lock_guard lock(mutex_);
        auto it = known_.find(path);
        if (it == known_.end())
            return Error{ENOENT, "no HID interface " + path};
        collection = it->second;
    }
    // hidraw numbers are reused: make sure the node still belongs to the device listed.
    UdevDevicePtr device(udev_device_new_from_syspath(udev_.get(), syspathOf(path).c_str()));
    const char* node = device ? udev_device_get_devnode(device.get()) : nullptr;
    if (!node || collection.node != node)
        return Error{ENODEV, "cannot open " + collection.node + ": the device is gone"};
    return HidrawHandle::open(collection, mode);
}

Status HidrawBackend::registerNotifications() {
    if (!monitor_)
        return monitorError_;
    std::lock_guard lock(mutex_);
    registered_ = true;
    return Ok{};
}

int HidrawBackend::notificationFd() const {
    return monitor_ ? udev_monitor_get_fd(monitor_.get()) : -1;
}

std::vector<DeviceChange> HidrawBackend::takeNotifications() {
    std::vector<DeviceChange> changes;
    if (!monitor_)
        return changes;
    // The monitor socket is non-blocking: receive until it is drained.
    while (UdevDevicePtr device{udev_monitor_receive_device(monitor_.get())}) {
        auto more = changesOf(device.get());
        changes.insert(changes.end(), more.begin(), more.end());
    }
    std::lock_guard lock(mutex_);
    if (!registered_)
        changes.clear();
    return changes;
}

std::vector<DeviceChange> HidrawBackend::changesOf(udev_device* device) {
    const char* action = udev_device_get_action(device);
    const char* syspath = udev_device_get_syspath(device);
    if (!action || !syspath)
        return {};
    const std::string_view what = action;
    std::vector<DeviceChange> changes;
    if (what == "add") {
        const auto described = describeNode(syspath);
        remember(described);
        for (const Described& d : described)
            changes.push_back({DeviceEvent::Arrival, {true, d.interface.path}});
        if (described.empty())
            changes.push_back({DeviceEvent::Arrival, {true, syspath}});
    } else if (what == "remove") {
        // A removed node can no longer be read: its interfaces are the ones seen before.
        std::lock_guard lock(mutex_);
        for (auto it = known_.begin(); it != known_.end();) {
            if (syspathOf(it->first) == syspath) {
                changes.push_back({DeviceEvent::RemoveComplete, {true, it->first}});
                it = known_.erase(it);
            } else {
                ++it;
            }
        }
        if (changes.empty())
            changes.push_back({DeviceEvent::RemoveComplete, {true, syspath}});
    } else if (what == "change") {
        changes.push_back({DeviceEvent::TreeChanged, {true, syspath}});
    } else {
        changes.push_back({DeviceEvent::Other, {true, syspath}});
    }
    return changes;
}

} // namespace zantor::hid
