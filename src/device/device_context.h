#pragma once

#include "config/mouse_config.h"
#include "device/clock.h"
#include "device/command_sender.h"
#include "device/device_link.h"
#include "platform/hid/hid_backend.h"

#include <array>
#include <atomic>
#include <memory>

namespace zantor::device {

// The device half of the application context: the HID backend, the link over it, the sender
// of command reports, and which buttons make the mouse report a new DPI level (set by the
// settings push, read by the action executor). Built together and torn down in the reverse
// order. The clock must outlive it; reader threads must be joined before it goes.
struct DeviceContext {
    DeviceContext(std::unique_ptr<hid::HidBackend> hidBackend, Clock& steadyClock)
        : clock(steadyClock), backend(std::move(hidBackend)), link(*backend),
          commands(link, steadyClock) {}

    Clock& clock;
    std::unique_ptr<hid::HidBackend> backend;
    DeviceLink link;
    CommandSender commands;
    std::array<std::atomic<bool>, kButtonCount> reportsDpiLevel{};
};

} // namespace zantor::device
