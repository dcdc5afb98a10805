#pragma once

#include "device/clock.h"
#include "device/command_sender.h"
#include "device/device_link.h"
#include "platform/hid/hid_backend.h"

#include <memory>

namespace zantor::device {

// The device half of the application context: the HID backend, the link over it and the
// sender of command reports, built together and torn down in the reverse order. The clock
// must outlive it; reader threads must be joined before it goes.
struct DeviceContext {
    DeviceContext(std::unique_ptr<hid::HidBackend> hidBackend, Clock& clock)
        : backend(std::move(hidBackend)), link(*backend), commands(link, clock) {}

    std::unique_ptr<hid::HidBackend> backend;
    DeviceLink link;
    CommandSender commands;
};

} // namespace zantor::device
