#pragma once

#include "cli/commands.h"
#include "cli/global_options.h"
#include "device/device_link.h"
#include "platform/hid/hid_backend.h"
#include "platform/hid/simulated_mouse.h"

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zantor::cli {

// The help lines of the device commands.
inline constexpr std::string_view DEVICE_COMMANDS_HELP =
    "    zantorctl [--simulate] devices [--all]         the mouse's HID interfaces (--all: every\n"
    "                                                   HID interface) and whether they open\n"
    "    zantorctl decode HEX...                        a command or event report explained\n";

// The simulated mouse with --simulate, the hidraw devices otherwise; with --trace every report
// sent or read is printed to traceOut, timed from this call. `simulated`, when given, receives
// the simulated mouse (null without --simulate), for commands that press its buttons.
std::unique_ptr<hid::HidBackend> makeHidBackend(const GlobalOptions& options,
                                                std::ostream& traceOut,
                                                hid::SimulatedMouse** simulated = nullptr);

// Prints the one line for a mouse that cannot be used ("no ZANTOR mouse found", and why an
// interface of the mouse seen by the latest scan could not be opened: the permission case
// names the udev rule) and returns kExitNoMouse.
int reportNoMouse(const device::DeviceLink& link, std::ostream& err);

// Scans; 0 when the mouse is there with its command collection open, otherwise the result of
// reportNoMouse.
int requireMouse(device::DeviceLink& link, std::ostream& err);

// The line `devices` prints for one interface: path, node, vendor:product, usage page:usage,
// report lengths, and whether it opens (and, for the mouse without access, what to do).
std::string describeInterfaceLine(hid::HidBackend& backend, const hid::HidInterface& interface);

// zantorctl devices [--all]
int devicesCommand(const GlobalOptions& options, const std::vector<std::string>& args,
                   std::ostream& out, std::ostream& err);

// zantorctl decode HEX...: bytes as "07 10 01 01", "07100101" or "0x07,0x10"; one line.
int decodeCommand(const GlobalOptions& options, const std::vector<std::string>& args,
                  std::ostream& out, std::ostream& err);

} // namespace zantor::cli
