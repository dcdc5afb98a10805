#pragma once

// A throw-away home with full macro tables and the simulated mouse, for the device benchmarks.
#include "app/app_paths.h"
#include "config/config_file.h"
#include "config/settings.h"
#include "device/clock.h"
#include "device/device_context.h"
#include "platform/hid/simulated_mouse.h"
#include "platform/message/user_messages.h"
#include "platform/profile/profile_store.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace zantor::bench {

inline std::string makeTempHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zantor-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        std::abort();
    std::filesystem::create_directories(pattern + "/skins/config");
    return pattern;
}

struct BenchHome {
    BenchHome() {
        settings.config.loadFactoryDefaults();
        for (auto& m : settings.macros.userMacros) {
            m.setName("Benchmark macro");
            m.eventCount = 254;
            for (std::size_t k = 0; k < 254; ++k) {
                m.events[k] = {std::uint8_t(4 + k % 26), std::uint8_t(1 + k % 2)};
                m.delays[k] = 15;
            }
        }
        settings.macros.userMacroCount = macro::MAX_USER_MACROS;
        (void)profiles.write(paths.configFile(), "Init", "CurConfig", "1");
        device.link.Scan();
    }
    ~BenchHome() { std::filesystem::remove_all(paths.exeDir); }

    AppPaths paths{makeTempHome()};
    profile::ProfileStore profiles;
    CollectedMessages messages;
    Settings settings{profiles, messages};
    device::SteadyClock clock;
    device::DeviceContext device{std::make_unique<hid::SimulatedMouse>(clock), clock};
    hid::SimulatedMouse& mouse = static_cast<hid::SimulatedMouse&>(*device.backend);
};

template <class T> T percentile(std::vector<T> values, double p) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size())))];
}

} // namespace zantor::bench
