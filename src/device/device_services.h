#pragma once

#include "config/mouse_config.h"
#include "device/clock.h"
#include "device/command_sender.h"
#include "device/device_link.h"

#include <array>
#include <atomic>

namespace zantor::device {

// The device side of one run: the connection to the mouse, the command sender on it, and
// which buttons make the mouse report a new DPI level (set by the settings push, read by the
// action executor).
struct DeviceServices {
    DeviceServices(hid::HidBackend& backend, Clock& steadyClock)
        : clock(steadyClock), link(backend), sender(link, steadyClock) {}

    Clock& clock;
    DeviceLink link;
    CommandSender sender;
    std::array<std::atomic<bool>, kButtonCount> reportsDpiLevel{};
};

} // namespace zantor::device
