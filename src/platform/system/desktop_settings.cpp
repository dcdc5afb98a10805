#include "platform/system/desktop_settings.h"

#include "platform/profile/decimal.h"
#include "platform/profile/profile_store.h"
#include "platform/system/run_program.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace zantor {
namespace {

constexpr const char* kSection = "Mouse";
constexpr int kDefaultSpeed = 10;
constexpr int kDefaultWheelLines = 3;
constexpr const char* kGnomeSchema = "org.gnome.desktop.peripherals.mouse";

bool gnomeSession() {
    const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
    return desktop && std::string_view(desktop).find("GNOME") != std::string_view::npos &&
           !findOnPath({"gsettings"}).empty();
}

// Keeps the values in a file of its own; used where the desktop has no setting for them.
class FileSettings : public DesktopSettings {
public:
    explicit FileSettings(std::string file) : file_(std::move(file)) {}

    std::optional<int> pointerSpeed() override { return read("Speed", kDefaultSpeed); }
    Status setPointerSpeed(int speed) override { return write("Speed", speed); }
    std::optional<int> wheelLines() override { return read("WheelLines", kDefaultWheelLines); }
    Status setWheelLines(int lines) override { return write("WheelLines", lines); }

private:
    int read(const char* key, int fallback) {
        const std::string value = profiles_.read(file_, kSection, key, 16);
        return value.empty() ? fallback : profile::parseDecimal(value);
    }
    Status write(const char* key, int value) {
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(file_).parent_path(), ignored);
        return profiles_.write(file_, kSection, key, std::to_string(value));
    }

    std::string file_;
    profile::ProfileStore profiles_;
};

class GnomeSettings final : public FileSettings {
public:
    using FileSettings::FileSettings;

    std::optional<int> pointerSpeed() override {
        auto out = runProgram({"gsettings", "get", kGnomeSchema, "speed"});
        if (!out)
            return std::nullopt;
        char* end = nullptr;
        const double value = std::strtod(out->c_str(), &end);
        if (end == out->c_str())
            return std::nullopt;
        return speedOfGnome(value);
    }
    Status setPointerSpeed(int speed) override {
        auto out = runProgram(
            {"gsettings", "set", kGnomeSchema, "speed", std::to_string(gnomeSpeedOf(speed))});
        if (!out)
            return out.error();
        return Ok{};
    }
};

} // namespace

double gnomeSpeedOf(int speed) {
    return -1.0 + 2.0 * (std::clamp(speed, 1, 20) - 1) / 19.0;
}

int speedOfGnome(double gnomeSpeed) {
    return 1 +
           static_cast<int>(std::lround((std::clamp(gnomeSpeed, -1.0, 1.0) + 1.0) * 19.0 / 2.0));
}

std::string defaultDesktopSettingsFile() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg == '/')
        return std::string(xdg) + "/zantor/desktop.ini";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.config/zantor/desktop.ini";
}

std::unique_ptr<DesktopSettings> makeDesktopSettings(const std::string& settingsFile) {
    if (gnomeSession())
        return std::make_unique<GnomeSettings>(settingsFile);
    return std::make_unique<FileSettings>(settingsFile);
}

Status PrintedDesktopSettings::setPointerSpeed(int speed) {
    out_ << "desktop pointer speed would be set to " << speed << " (of 1 to 20)\n";
    return Ok{};
}

Status PrintedDesktopSettings::setWheelLines(int lines) {
    out_ << "desktop wheel scroll lines would be set to " << lines << '\n';
    return Ok{};
}

} // namespace zantor
