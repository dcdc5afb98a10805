#pragma once

#include "device/device_link.h"
#include "platform/hid/hid_backend.h"

#include <QObject>
#include <QSocketNotifier>

#include <memory>

namespace zantor::ui {

// Device arrivals and removals on the window's thread: applies the backend's broadcasts to the
// link (which rescans on an arrival) and says what became of the mouse.
class DeviceWatcher final : public QObject {
    Q_OBJECT
public:
    DeviceWatcher(hid::HidBackend& backend, device::DeviceLink& link, QObject* parent = nullptr);

    // Takes the broadcasts waiting now (also called by the notifier).
    void processNotifications();

signals:
    void mouseArrived();
    void mouseRemoved();

private:
    hid::HidBackend& backend_;
    device::DeviceLink& link_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace zantor::ui
