#include "device/device_link.h"

#include <algorithm>
#include <cctype>

namespace zantor::device {
namespace {

bool isCollection(const hid::HidCaps& caps, std::uint16_t usagePage) {
    return caps.usagePage == usagePage && caps.usage == VENDOR_USAGE;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

bool isMouse(const hid::HidAttributes& attributes) {
    return attributes.vendorId == VENDOR_ID && std::find(PRODUCT_IDS.begin(), PRODUCT_IDS.end(),
                                                         attributes.productId) != PRODUCT_IDS.end();
}

bool DeviceLink::Scan() {
    // Built aside and swapped in at the end, so that a concurrent send or read sees either
    // the old connection or the new one, never a half of each.
    std::shared_ptr<hid::HidHandle> read, write;
    std::vector<std::unique_ptr<hid::HidHandle>> queries;
    hid::HidCaps readCaps, writeCaps;
    std::string path;
    std::vector<OpenFailure> failures;
    bool found = false;

    const auto interfaces = backend_.enumerate();
    const std::size_t limit = std::min(interfaces.size(), std::size_t(SCAN_LIMIT));
    for (std::size_t index = 0; index < limit; ++index) {
        if (!interfaces[index])
            continue;
        const hid::HidInterface& candidate = *interfaces[index];
        auto query = backend_.open(candidate.path, hid::OpenMode::Query);
        if (!query)
            continue;
        auto attributes = (*query)->attributes();
        if (!attributes || !isMouse(*attributes))
            continue;

        found = true;
        path = candidate.path;
        if (auto registered = backend_.registerNotifications(); !registered)
            debug("device notifications unavailable: " + registered.error().message);

        auto openAs = [&](hid::OpenMode mode) -> std::shared_ptr<hid::HidHandle> {
            auto handle = backend_.open(candidate.path, mode);
            if (handle)
                return std::move(*handle);
            failures.push_back({candidate.path, candidate.node, mode, handle.error()});
            return nullptr;
        };
        if (auto caps = (*query)->capabilities()) {
            if (isCollection(*caps, READ_USAGE_PAGE)) {
                readCaps = *caps;
                read = openAs(hid::OpenMode::Read);
            }
            if (isCollection(*caps, WRITE_USAGE_PAGE)) {
                writeCaps = *caps;
                write = openAs(hid::OpenMode::Write);
            }
        }
        // The query handle stays open for as long as this connection lasts.
        queries.push_back(std::move(*query));
        if (read && write)
            break;
    }

    std::shared_ptr<hid::HidHandle> oldRead, oldWrite;
    std::vector<std::unique_ptr<hid::HidHandle>> oldQueries;
    {
        std::lock_guard lock(mutex_);
        oldRead = std::exchange(readHandle_, std::move(read));
        oldWrite = std::exchange(writeHandle_, std::move(write));
        oldQueries = std::exchange(queryHandles_, std::move(queries));
        readCaps_ = readCaps;
        writeCaps_ = writeCaps;
        if (found)
            devicePath_ = path;
        openFailures_ = std::move(failures);
    }
    // A reader still inside a read on the old handle holds its own reference: it is woken
    // here and the handle closes when that read returns.
    if (oldRead)
        oldRead->interrupt();
    connected_ = found;
    return found;
}

bool DeviceLink::IsOwnDevice(const hid::DeviceBroadcast& broadcast) const {
    std::lock_guard lock(mutex_);
    return broadcast.isInterface && equalsIgnoringCase(broadcast.name, devicePath_);
}

void DeviceLink::SendCommand(std::span<const std::uint8_t> report) {
    std::shared_ptr<hid::HidHandle> handle;
    std::size_t length = 0;
    {
        std::lock_guard lock(mutex_);
        handle = writeHandle_;
        length = writeCaps_.featureReportByteLength;
    }
    if (!handle)
        return;
    std::vector<std::uint8_t> bytes(length, 0);
    std::copy_n(report.begin(), std::min(length, report.size()), bytes.begin());
    if (auto sent = handle->sendFeatureReport(bytes); !sent)
        debug("command report not sent: " + sent.error().message);
}

bool DeviceLink::ReadEvent() {
    std::shared_ptr<hid::HidHandle> handle;
    std::size_t length = 0;
    {
        std::lock_guard lock(mutex_);
        if (stopping_ || !readHandle_)
            return false;
        handle = readHandle_;
        length = readCaps_.inputReportByteLength;
    }
    if (length == 0)
        return false;
    eventBuffer_.resize(length);
    return handle->readInputReport(eventBuffer_).ok();
}

DeviceChangeOutcome DeviceLink::OnDeviceChange(hid::DeviceEvent event,
                                               const hid::DeviceBroadcast& data) {
    switch (event) {
    case hid::DeviceEvent::Arrival:
    case hid::DeviceEvent::TreeChanged:
        if (connected_)
            return DeviceChangeOutcome::None;
        return Scan() ? DeviceChangeOutcome::Arrived : DeviceChangeOutcome::None;
    case hid::DeviceEvent::RemoveComplete:
        if (!IsOwnDevice(data))
            return DeviceChangeOutcome::None;
        // The handles stay: reads and sends on them fail until the next scan replaces them.
        connected_ = false;
        return DeviceChangeOutcome::Removed;
    case hid::DeviceEvent::Other:
        break;
    }
    return DeviceChangeOutcome::None;
}

std::vector<DeviceChangeOutcome> DeviceLink::processNotifications() {
    std::vector<DeviceChangeOutcome> outcomes;
    for (const hid::DeviceChange& change : backend_.takeNotifications())
        outcomes.push_back(OnDeviceChange(change.event, change.data));
    return outcomes;
}

void DeviceLink::shutdown() {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    if (readHandle_)
        readHandle_->interrupt();
}

std::string DeviceLink::devicePath() const {
    std::lock_guard lock(mutex_);
    return devicePath_;
}

bool DeviceLink::readOpen() const {
    std::lock_guard lock(mutex_);
    return readHandle_ != nullptr;
}

bool DeviceLink::writeOpen() const {
    std::lock_guard lock(mutex_);
    return writeHandle_ != nullptr;
}

hid::HidCaps DeviceLink::readCaps() const {
    std::lock_guard lock(mutex_);
    return readCaps_;
}

hid::HidCaps DeviceLink::writeCaps() const {
    std::lock_guard lock(mutex_);
    return writeCaps_;
}

std::vector<OpenFailure> DeviceLink::openFailures() const {
    std::lock_guard lock(mutex_);
    return openFailures_;
}

void DeviceLink::setDebugLog(std::function<void(std::string_view)> log) {
    std::lock_guard lock(mutex_);
    debugLog_ = std::move(log);
}

void DeviceLink::debug(std::string_view message) const {
    std::function<void(std::string_view)> log;
    {
        std::lock_guard lock(mutex_);
        log = debugLog_;
    }
    if (log)
        log(message);
}

} // namespace zantor::device
