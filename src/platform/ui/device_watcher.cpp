#include "platform/ui/device_watcher.h"

namespace zantor::ui {

DeviceWatcher::DeviceWatcher(hid::HidBackend& backend, device::DeviceLink& link, QObject* parent)
    : QObject(parent), backend_(backend), link_(link) {
    (void)backend_.registerNotifications();
    if (const int fd = backend_.notificationFd(); fd >= 0) {
        notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(notifier_.get(), &QSocketNotifier::activated, this,
                &DeviceWatcher::processNotifications);
    }
}

void DeviceWatcher::processNotifications() {
    for (const auto outcome : link_.processNotifications()) {
        if (outcome == device::DeviceChangeOutcome::Arrived)
            emit mouseArrived();
        else if (outcome == device::DeviceChangeOutcome::Removed)
            emit mouseRemoved();
    }
}

} // namespace zantor::ui
