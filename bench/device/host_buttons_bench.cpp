// Host-side buttons on the simulated mouse:
//  - latency from an event report arriving to the first report of its action being sent;
//  - timing of a 100-event macro with 15 ms pauses against its nominal times;
//  - idle wake-ups per second of the worker threads, connected and with the mouse unplugged,
//    against the two 2 ms polling loops the threads could have been.
#include "bench_home.h"
#include "device/host_buttons.h"
#include "device/settings_push.h"
#include "platform/system/desktop_settings.h"

#include <atomic>
#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

using namespace zantor;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

// Context switches of every thread of the process but the main one: each is one wake-up.
long workerWakeups() {
    long total = 0;
    DIR* tasks = ::opendir("/proc/self/task");
    const std::string self = std::to_string(::getpid());
    while (const dirent* entry = ::readdir(tasks)) {
        const std::string tid = entry->d_name;
        if (tid == "." || tid == ".." || tid == self)
            continue;
        std::ifstream status("/proc/self/task/" + tid + "/status");
        for (std::string line; std::getline(status, line);)
            if (line.find("ctxt_switches:") != std::string::npos)
                total += std::stol(line.substr(line.find(':') + 1));
    }
    ::closedir(tasks);
    return total;
}

double wakeupsPerSecond(std::chrono::seconds span) {
    const long before = workerWakeups();
    std::this_thread::sleep_for(span);
    return double(workerWakeups() - before) / double(span.count());
}

void waitIdle(const device::HostButtons& buttons, std::uint32_t actions) {
    while (buttons.actionsStarted() < actions || buttons.busy())
        std::this_thread::yield();
}

} // namespace

int main() {
    bench::BenchHome home;
    std::ostringstream discard;
    PrintedDesktopSettings desktop(discard);
    auto& config = home.settings.config;
    config.buttonFunction[3] = 24; // device button 5: volume up
    config.buttonFunction[4] = 41; // device button 4: user macro 0
    auto& macro = home.settings.macros.userMacros[0];
    macro.eventCount = 100;
    macro.mode = macro::MACRO_ONCE;
    device::PushSettings(home.settings, home.paths, home.device, desktop);
    device::HostButtons buttons(home.settings, home.paths, home.device, {});
    buttons.start();

    // Latency: press reports of the media-key button, whose whole action is its one report, so
    // the action's end is when that report has been sent.
    const std::uint8_t press[] = {0x06, 0xF5, 0x01, 0, 0, 0, 0, 0};
    std::vector<double> latencyUs;
    std::uint32_t actions = 0;
    for (int i = 0; i < 1000; ++i) {
        const auto start = Clock::now();
        home.mouse.injectInputReport(press);
        waitIdle(buttons, ++actions);
        latencyUs.push_back(
            std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::printf("event report to its action's report sent: median %.1f us, p99 %.1f us "
                "(1000 presses)\n",
                bench::percentile(latencyUs, 0.5), bench::percentile(latencyUs, 0.99));

    // Macro timing: every event's send time against the first event's time + k x 15 ms.
    const std::size_t traceStart = home.mouse.trace().size();
    const std::uint8_t macroPress[] = {0x06, 0xF4, 0x01, 0, 0, 0, 0, 0};
    home.mouse.injectInputReport(macroPress);
    waitIdle(buttons, ++actions);
    std::vector<std::chrono::nanoseconds> sends;
    const auto trace = home.mouse.trace();
    for (std::size_t i = traceStart; i < trace.size(); ++i)
        if (trace[i].direction == '>' && trace[i].bytes[1] == 0x15)
            sends.push_back(trace[i].time);
    std::vector<double> errorUs;
    for (std::size_t k = 0; k < 100 && k < sends.size(); ++k)
        errorUs.push_back(
            std::chrono::duration<double, std::micro>(sends[k] - sends[0] - k * 15ms).count());
    std::vector<double> absError;
    for (double e : errorUs)
        absError.push_back(std::abs(e));
    std::printf("100-event macro, 15 ms pauses: send-time error median %.1f us, p99 %.1f us, "
                "max %.1f us; last event %+.1f us from nominal (drift)\n",
                bench::percentile(absError, 0.5), bench::percentile(absError, 0.99),
                bench::percentile(absError, 1.0), errorUs.back());

    std::printf("idle wake-ups per second, connected: %.1f\n", wakeupsPerSecond(10s));
    home.mouse.unplug();
    home.device.link.processNotifications();
    std::printf("idle wake-ups per second, mouse unplugged: %.1f\n", wakeupsPerSecond(10s));
    buttons.stop();

    // The same two threads as 2 ms polling loops.
    std::atomic<bool> stop{false};
    std::thread a([&] {
        while (!stop)
            std::this_thread::sleep_for(2ms);
    });
    std::thread b([&] {
        while (!stop)
            std::this_thread::sleep_for(2ms);
    });
    std::printf("idle wake-ups per second, two 2 ms polling loops: %.1f\n", wakeupsPerSecond(10s));
    stop = true;
    a.join();
    b.join();
    return 0;
}
