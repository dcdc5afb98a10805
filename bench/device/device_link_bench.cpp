#include "device/device_context.h"
#include "platform/hid/report_descriptor.h"
#include "platform/hid/simulated_mouse.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

using namespace zantor;

// A wireless receiver: mouse, consumer control, system control and vendor collections.
const std::vector<std::uint8_t> RECEIVER = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x85, 0x02, 0x09, 0x01, 0xA1, 0x00, 0x05, 0x09, 0x19, 0x01,
    0x29, 0x10, 0x15, 0x00, 0x25, 0x01, 0x95, 0x10, 0x75, 0x01, 0x81, 0x02, 0x05, 0x01, 0x16, 0x01,
    0xF8, 0x26, 0xFF, 0x07, 0x75, 0x0C, 0x95, 0x02, 0x09, 0x30, 0x09, 0x31, 0x81, 0x06, 0x15, 0x81,
    0x25, 0x7F, 0x75, 0x08, 0x95, 0x01, 0x09, 0x38, 0x81, 0x06, 0xC0, 0xC0, 0x05, 0x0C, 0x09, 0x01,
    0xA1, 0x01, 0x85, 0x03, 0x75, 0x10, 0x95, 0x02, 0x15, 0x01, 0x26, 0xFF, 0x02, 0x19, 0x01, 0x2A,
    0xFF, 0x02, 0x81, 0x00, 0xC0, 0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x10, 0x75, 0x08,
    0x95, 0x06, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x09, 0x01, 0x81, 0x00, 0x09, 0x01, 0x91, 0x00, 0xC0};

void parseReceiverDescriptor(benchmark::State& state) {
    for (auto _ : state) {
        auto parsed = hid::parseReportDescriptor(RECEIVER);
        benchmark::DoNotOptimize(parsed);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(RECEIVER.size()));
}
BENCHMARK(parseReceiverDescriptor);

// The 21 command reports of one settings push, assembled under the lock and sent to the
// simulated mouse, which decodes each into its state.
void settingsPushToSimulatedMouse(benchmark::State& state) {
    device::SteadyClock clock;
    device::DeviceContext context(std::make_unique<hid::SimulatedMouse>(clock), clock);
    context.link.Scan();
    for (auto _ : state) {
        for (int b = 0; b < 6; ++b)
            context.commands.SendButton(b + 1, b + 1);
        context.commands.SendWheel(0);
        context.commands.SendLight(0x7F, 1, 2);
        for (int level = 0; level < 6; ++level) {
            context.commands.SendDpi(1, level, level * 2, 0x3F);
            context.commands.SendDpiColour(level, 0, 15, 0);
        }
        context.commands.SendFire(50);
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()) * 21);
}
BENCHMARK(settingsPushToSimulatedMouse);

} // namespace

BENCHMARK_MAIN();
