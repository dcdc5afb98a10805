// Host-side time of one settings push with full macro tables: the macro library, CurConfig and
// the configuration section saved twice, and the 21 reports to the simulated mouse.
#include "bench_home.h"
#include "device/settings_push.h"
#include "platform/system/desktop_settings.h"

#include <cstdio>
#include <sstream>

using namespace zantor;

int main() {
    bench::BenchHome home;
    std::ostringstream discard;
    PrintedDesktopSettings desktop(discard);
    constexpr int kRuns = 200;
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        device::PushSettings(home.settings, home.paths, home.device, desktop);
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::size_t sent = 0;
    for (const auto& entry : home.mouse.trace())
        sent += entry.direction == '>';
    std::printf("settings push, full macro tables: median %.3f ms, p90 %.3f ms over %d pushes "
                "(%zu reports sent, %zu per push)\n",
                bench::percentile(ms, 0.5), bench::percentile(ms, 0.9), kRuns, sent, sent / kRuns);
    return 0;
}
