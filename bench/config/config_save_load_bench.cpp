// Saving a configuration with a full macro table and loading it back: through the INI layer
// (one atomic rewrite per save, parsed files cached) against the naive way of one whole-file
// read-modify-write per key and one whole-file parse per read.
#include "config/config_file.h"
#include "config/settings.h"
#include "macro/macro_codec.h"
#include "platform/message/user_messages.h"
#include "platform/profile/ini_document.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

using namespace zantor;
using Clock = std::chrono::steady_clock;

namespace {

// Records every key a save writes, in order, so the naive run does the same work.
std::vector<std::pair<std::string, std::string>> keysOfSave(const Settings& settings) {
    profile::ProfileStore scratch;
    const auto dir = std::filesystem::temp_directory_path() / "zantor-bench-keys";
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "keys.ini").string();
    std::filesystem::remove(file);
    Settings copy(scratch, settings.messages);
    copy.config = settings.config;
    copy.macros = settings.macros;
    (void)saveConfig(copy, file, 3, true);
    std::ifstream in(file);
    std::vector<std::pair<std::string, std::string>> keys;
    for (std::string line; std::getline(in, line);)
        if (auto eq = line.find('='); eq != std::string::npos)
            keys.emplace_back(line.substr(0, eq), line.substr(eq + 1));
    std::filesystem::remove_all(dir);
    return keys;
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void naiveSaveAndLoad(const std::string& file,
                      const std::vector<std::pair<std::string, std::string>>& keys) {
    for (const auto& [key, value] : keys) {
        auto doc = profile::IniDocument::parse(slurp(file));
        doc.set("Config3", key, value);
        std::ofstream(file, std::ios::binary | std::ios::trunc) << doc.serialize();
    }
    std::size_t total = 0;
    for (const auto& [key, value] : keys) {
        auto doc = profile::IniDocument::parse(slurp(file));
        total += doc.find("Config3", key).value_or("").size();
    }
    if (total == 0)
        std::puts("naive load read nothing");
}

double medianMs(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main() {
    const auto dir = std::filesystem::temp_directory_path() / "zantor-bench";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "config.ini").string();
    const std::string naiveFile = (dir / "naive.ini").string();

    profile::ProfileStore profiles;
    CollectedMessages messages;
    Settings settings(profiles, messages);
    settings.config.loadFactoryDefaults();
    for (std::size_t i = 0; i < macro::MAX_USER_MACROS; ++i) {
        auto& m = settings.macros.userMacros[i];
        m.setName("Macro " + std::to_string(i));
        m.eventCount = 254;
        for (std::size_t k = 0; k < 254; ++k) {
            m.events[k] = {std::uint8_t(4 + k % 26), std::uint8_t(1 + k % 2)};
            m.delays[k] = std::uint16_t(30 + k);
        }
    }
    settings.macros.userMacroCount = macro::MAX_USER_MACROS;
    // A realistic file: the other sections are there too.
    for (int n = 1; n <= 6; ++n)
        (void)saveConfig(settings, file, n, true);
    std::filesystem::copy_file(file, naiveFile);
    const auto keys = keysOfSave(settings);

    constexpr int kRuns = 50, kNaiveRuns = 5;
    std::vector<double> ours, naive;
    for (int r = 0; r < kRuns; ++r) {
        const auto start = Clock::now();
        if (!saveConfig(settings, file, 3, true))
            return 1;
        loadConfig(settings, file, 3, false);
        ours.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    for (int r = 0; r < kNaiveRuns; ++r) {
        const auto start = Clock::now();
        naiveSaveAndLoad(naiveFile, keys);
        naive.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    const double oursMs = medianMs(ours), naiveMs = medianMs(naive);
    std::printf("keys per save: %zu, file size: %zu bytes\n", keys.size(),
                std::filesystem::file_size(file));
    std::printf("save+load, batched and cached: median %.3f ms over %d runs\n", oursMs, kRuns);
    std::printf("save+load, one rewrite per key: median %.3f ms over %d runs\n", naiveMs, kNaiveRuns);
    std::printf("ratio: %.1fx\n", naiveMs / oursMs);
    std::filesystem::remove_all(dir);
    return 0;
}
