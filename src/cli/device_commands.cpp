#include "cli/device_commands.h"

#include "device/clock.h"
#include "device/report_description.h"
#include "platform/hid/hidraw_backend.h"
#include "platform/hid/open_error.h"
#include "platform/hid/simulated_mouse.h"
#include "platform/hid/tracing_backend.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zantor::cli {
namespace {

constexpr std::string_view NO_MOUSE = "no ZANTOR mouse found";

std::string hex4(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

} // namespace

std::string describeInterfaceLine(hid::HidBackend& backend, const hid::HidInterface& interface) {
    std::string line = interface.path + "  " + interface.node + "  ";
    line += interface.attributes
                ? hex4(interface.attributes->vendorId) + ":" + hex4(interface.attributes->productId)
                : std::string("????:????");
    const hid::HidCaps& caps = interface.caps;
    line += "  usage " + hex4(caps.usagePage) + ":" + hex4(caps.usage) + "  input " +
            std::to_string(caps.inputReportByteLength) + "  output " +
            std::to_string(caps.outputReportByteLength) + "  feature " +
            std::to_string(caps.featureReportByteLength);
    if (!interface.note.empty())
        line += "  (" + interface.note + ")";
    // Opening to write asks for every right the program needs on the node.
    auto handle = backend.open(interface.path, hid::OpenMode::Write);
    if (handle)
        return line + "  can open";
    line += std::string("  cannot open: ") + std::strerror(handle.error().code);
    // Other devices' nodes are closed to users by default; only the mouse's need the rule.
    if (hid::isPermissionError(handle.error().code) && interface.attributes &&
        device::isMouse(*interface.attributes))
        line += "; " + hid::permissionHint();
    return line;
}

namespace {

int hexValue(char c) {
    return std::isxdigit(static_cast<unsigned char>(c))
               ? (std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                                                              : std::tolower(c) - 'a' + 10)
               : -1;
}

// Each argument holds one byte of one or two digits, or an even number of digits; "0x"
// prefixes and ':', ',' or '-' between bytes are allowed.
Result<std::vector<std::uint8_t>> parseHexBytes(const std::vector<std::string>& args) {
    std::vector<std::uint8_t> bytes;
    for (const std::string& arg : args) {
        std::string digits;
        for (std::size_t i = 0; i < arg.size(); ++i) {
            if (arg[i] == '0' && i + 1 < arg.size() && (arg[i + 1] == 'x' || arg[i + 1] == 'X') &&
                (i == 0 || arg[i - 1] == ':' || arg[i - 1] == ',' || arg[i - 1] == '-')) {
                ++i;
                continue;
            }
            if (arg[i] == ':' || arg[i] == ',' || arg[i] == '-')
                continue;
            if (hexValue(arg[i]) < 0)
                return Error{EINVAL, "'" + arg + "' is not hex bytes"};
            digits += arg[i];
        }
        if (digits.size() == 1)
            digits.insert(digits.begin(), '0');
        if (digits.empty() || digits.size() % 2 != 0)
            return Error{EINVAL, "'" + arg + "' is not a whole number of hex bytes"};
        for (std::size_t i = 0; i < digits.size(); i += 2)
            bytes.push_back(std::uint8_t(hexValue(digits[i]) * 16 + hexValue(digits[i + 1])));
    }
    return bytes;
}

} // namespace

std::unique_ptr<hid::HidBackend> makeHidBackend(const GlobalOptions& options,
                                                std::ostream& traceOut,
                                                hid::SimulatedMouse** simulated) {
    // Stateless, so one for the process serves every backend made here.
    static device::SteadyClock clock;
    const auto start = clock.now();
    std::unique_ptr<hid::HidBackend> backend;
    if (options.simulate) {
        auto mouse = std::make_unique<hid::SimulatedMouse>(clock);
        if (simulated)
            *simulated = mouse.get();
        backend = std::move(mouse);
    } else {
        if (simulated)
            *simulated = nullptr;
        backend = std::make_unique<hid::HidrawBackend>();
    }
    if (options.trace)
        backend = std::make_unique<hid::TracingBackend>(std::move(backend), clock, start, traceOut);
    return backend;
}

int reportNoMouse(const device::DeviceLink& link, std::ostream& err) {
    const auto failures = link.openFailures();
    if (!failures.empty())
        err << NO_MOUSE << ": " << failures.front().error.message << '\n';
    else if (link.connected())
        err << NO_MOUSE << ": " << link.devicePath()
            << " is the mouse but offers no command collection\n";
    else
        err << NO_MOUSE << '\n';
    return kExitNoMouse;
}

int requireMouse(device::DeviceLink& link, std::ostream& err) {
    if (link.Scan() && link.writeOpen())
        return 0;
    return reportNoMouse(link, err);
}

int devicesCommand(const GlobalOptions& options, const std::vector<std::string>& args,
                   std::ostream& out, std::ostream& err) {
    bool all = false;
    for (const std::string& arg : args) {
        if (arg != "--all") {
            err << "zantorctl devices: unknown argument '" << arg << "'\n";
            return kExitUsage;
        }
        all = true;
    }
    auto backend = makeHidBackend(options, out);
    int listed = 0;
    for (const auto& interface : backend->enumerate()) {
        if (!interface)
            continue; // gone between listing and reading it
        if (!all && !(interface->attributes && device::isMouse(*interface->attributes)))
            continue;
        out << describeInterfaceLine(*backend, *interface) << '\n';
        ++listed;
    }
    if (listed > 0)
        return 0;
    if (all) {
        out << "no HID interfaces\n";
        return 0;
    }
    err << NO_MOUSE << '\n';
    return kExitNoMouse;
}

int decodeCommand(const GlobalOptions&, const std::vector<std::string>& args, std::ostream& out,
                  std::ostream& err) {
    if (args.empty()) {
        err << "zantorctl decode: give the report's bytes in hex, e.g. 07 10 01 01\n";
        return kExitUsage;
    }
    auto bytes = parseHexBytes(args);
    if (!bytes) {
        err << "zantorctl decode: " << bytes.error().message << '\n';
        return kExitUsage;
    }
    auto text = device::describeReport(*bytes);
    if (!text) {
        err << "zantorctl decode: " << text.error().message << '\n';
        return kExitError;
    }
    out << *text << '\n';
    return 0;
}

} // namespace zantor::cli
