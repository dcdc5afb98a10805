#pragma once

#include "cli/cli_session.h"
#include "device/clock.h"
#include "device/device_context.h"
#include "platform/hid/simulated_mouse.h"
#include "platform/system/desktop_settings.h"

#include <memory>
#include <ostream>

namespace zantor::cli {

// A zantorctl run that talks to the mouse: the settings store, the HID backend (the simulated
// mouse with --simulate) and the desktop settings (only printed with --simulate, so trying the
// simulator never changes the user's own mouse).
struct DeviceSession {
    std::unique_ptr<CliSession> store;
    hid::SimulatedMouse* simulated = nullptr;
    device::SteadyClock clock;
    std::unique_ptr<device::DeviceContext> device;
    std::unique_ptr<DesktopSettings> desktop;

    static std::unique_ptr<DeviceSession> open(const GlobalOptions& options, std::ostream& out,
                                               std::ostream& err);

    Settings& settings() { return store->settings; }
    const AppPaths& paths() const { return store->paths; }
    bool mousePresent() const { return device->link.connected() && device->link.writeOpen(); }

    // What the window loads at start-up for configuration n: the section, then the user macro
    // library of the language and the built-in macros.
    void load(int n);
    void push();
};

} // namespace zantor::cli
