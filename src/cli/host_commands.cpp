// zantorctl listen, press and inject: host-side buttons without the window.
#include "cli/commands.h"
#include "cli/device_commands.h"
#include "cli/device_session.h"
#include "config/config_file.h"
#include "device/host_buttons.h"
#include "platform/system/user_lock.h"

#include <algorithm>
#include <charconv>
#include <csignal>
#include <poll.h>
#include <sys/signalfd.h>
#include <thread>
#include <unistd.h>

namespace zantor::cli {
namespace {

using namespace std::chrono_literals;

// After the last press or report: wait for the action it started to end. A report that starts
// nothing (a button the mouse carries out itself) leaves nothing to wait for.
void waitForActions(const device::HostButtons& buttons, std::uint32_t startedBefore) {
    const auto grace = std::chrono::steady_clock::now() + 100ms;
    while (buttons.busy() ||
           (buttons.actionsStarted() == startedBefore && std::chrono::steady_clock::now() < grace))
        std::this_thread::sleep_for(1ms);
}

bool parseNumber(std::string_view text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// "@MS:HEX": a report and when to deliver it.
struct TimedReport {
    int ms = 0;
    std::vector<std::uint8_t> bytes;
};

bool parseSpec(const std::string& spec, TimedReport& report) {
    const auto colon = spec.find(':');
    if (!spec.starts_with("@") || colon == std::string::npos ||
        !parseNumber(std::string_view(spec).substr(1, colon - 1), report.ms) || report.ms < 0)
        return false;
    const std::string hex = spec.substr(colon + 1);
    if (hex.empty() || hex.size() % 2 != 0)
        return false;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        unsigned byte = 0;
        const auto [end, error] = std::from_chars(hex.data() + i, hex.data() + i + 2, byte, 16);
        if (error != std::errc() || end != hex.data() + i + 2)
            return false;
        report.bytes.push_back(std::uint8_t(byte));
    }
    return true;
}

// The simulated mouse, pushed the current configuration as the window does at start-up, with
// the host-side buttons running.
struct SimulatedRun {
    std::unique_ptr<DeviceSession> session;
    std::unique_ptr<device::HostButtons> buttons;

    static std::optional<SimulatedRun> start(const GlobalOptions& options, std::ostream& out,
                                             std::ostream& err) {
        SimulatedRun run;
        run.session = DeviceSession::open(options, out, err);
        if (!run.session || requireMouse(run.session->device->link, err) != 0)
            return std::nullopt;
        run.session->load(
            readCurrentConfig(run.session->settings().profiles, run.session->paths().configFile()));
        run.session->push();
        run.buttons = std::make_unique<device::HostButtons>(
            run.session->settings(), run.session->paths(), *run.session->device,
            device::HostButtons::Hooks{});
        run.buttons->start();
        return run;
    }
};

bool simulatedOnly(const GlobalOptions& options, const char* command, std::ostream& err) {
    if (!options.simulate)
        err << "zantorctl " << command << ": works on the simulated mouse only (--simulate)\n";
    return options.simulate;
}

} // namespace

int pressCommand(const GlobalOptions& options, const Arguments& args, std::ostream& out,
                 std::ostream& err) {
    if (!simulatedOnly(options, "press", err))
        return kExitUsage;
    int button = -1, hold = 50;
    bool valid = true;
    for (std::size_t i = 0; valid && i < args.size(); ++i) {
        if (args[i] == "--hold")
            valid = ++i < args.size() && parseNumber(args[i], hold) && hold >= 0;
        else
            valid = button < 0 && parseNumber(args[i], button) && button >= 0 && button < 6;
    }
    if (!valid || button < 0) {
        err << "zantorctl press: expected BUTTON (0 to 5) [--hold MS]\n";
        return kExitUsage;
    }
    auto run = SimulatedRun::start(options, out, err);
    if (!run)
        return kExitError;
    const auto before = run->buttons->actionsStarted();
    const int deviceButton = deviceButtonOrder[button];
    run->session->simulated->pressButton(deviceButton);
    std::this_thread::sleep_for(std::chrono::milliseconds(hold));
    run->session->simulated->releaseButton(deviceButton);
    waitForActions(*run->buttons, before);
    run->buttons->stop();
    return kExitOk;
}

int injectCommand(const GlobalOptions& options, const Arguments& args, std::ostream& out,
                  std::ostream& err) {
    if (!simulatedOnly(options, "inject", err))
        return kExitUsage;
    std::vector<TimedReport> reports;
    for (const auto& spec : args) {
        TimedReport report;
        if (!parseSpec(spec, report)) {
            err << "zantorctl inject: '" << spec << "' is not @MS:HEX (like @0:06F50100000000)\n";
            return kExitUsage;
        }
        reports.push_back(std::move(report));
    }
    if (reports.empty()) {
        err << "zantorctl inject: expected one or more @MS:HEX\n";
        return kExitUsage;
    }
    std::stable_sort(reports.begin(), reports.end(),
                     [](const auto& a, const auto& b) { return a.ms < b.ms; });
    auto run = SimulatedRun::start(options, out, err);
    if (!run)
        return kExitError;
    const auto start = std::chrono::steady_clock::now();
    auto before = run->buttons->actionsStarted();
    for (const auto& report : reports) {
        std::this_thread::sleep_until(start + std::chrono::milliseconds(report.ms));
        before = run->buttons->actionsStarted();
        run->session->simulated->injectInputReport(report.bytes);
    }
    waitForActions(*run->buttons, before);
    run->buttons->stop();
    return kExitOk;
}

int listenCommand(const GlobalOptions& options, const Arguments& args, std::ostream& out,
                  std::ostream& err) {
    if (!args.empty()) {
        err << "zantorctl listen: takes no arguments\n";
        return kExitUsage;
    }
    auto lock = UserLock::take(kHostButtonsLock);
    if (!lock) {
        err << "zantorctl listen: " << lock.error().message << '\n';
        return kExitError;
    }
    // Ctrl+C and SIGTERM arrive as readable data, in this thread only.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    UniqueFd signalFd(::signalfd(-1, &signals, SFD_CLOEXEC));

    auto session = DeviceSession::open(options, out, err);
    if (!session)
        return kExitError;
    auto& link = session->device->link;
    (void)session->device->backend->registerNotifications();
    session->load(readCurrentConfig(session->settings().profiles, session->paths().configFile()));
    link.Scan();
    if (session->mousePresent()) {
        session->push();
        out << "listening to the mouse; Ctrl+C ends\n";
    } else {
        out << "no ZANTOR mouse found; waiting for one (Ctrl+C ends)\n";
    }
    out.flush();

    device::HostButtons buttons(session->settings(), session->paths(), *session->device, {});
    buttons.start();
    for (;;) {
        pollfd fds[2] = {{signalFd.get(), POLLIN, 0},
                         {session->device->backend->notificationFd(), POLLIN, 0}};
        if (::poll(fds, fds[1].fd >= 0 ? 2 : 1, -1) < 0 && errno != EINTR)
            break;
        if (fds[0].revents & POLLIN)
            break;
        if (fds[1].revents & POLLIN) {
            for (const auto outcome : link.processNotifications()) {
                if (outcome == device::DeviceChangeOutcome::Arrived)
                    out << "mouse connected\n";
                else if (outcome == device::DeviceChangeOutcome::Removed)
                    out << "mouse removed\n";
            }
            out.flush();
        }
    }
    buttons.stop();
    out << "stopped\n";
    return kExitOk;
}

} // namespace zantor::cli
