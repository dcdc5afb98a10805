#include "device/report_description.h"
#include "platform/hid/simulated_mouse_state.h"

#include <cstddef>
#include <cstdint>

// Any bytes as a report read or given on the command line, and as a command to the mouse.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto text = zantor::device::describeReport({data, size});
    (void)text;
    zantor::hid::SimulatedMouseState state;
    zantor::hid::applyCommand(state, {data, size});
    for (int button = 0; button <= 7; ++button)
        zantor::hid::pressButton(state, button);
    return 0;
}
