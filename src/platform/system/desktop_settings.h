#pragma once

#include "platform/result.h"

#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace zantor {

// The desktop's pointer speed (1…20, 10 the neutral middle) and wheel scroll lines. A query
// that fails means "do not set" to the caller.
class DesktopSettings {
public:
    virtual ~DesktopSettings() = default;
    virtual std::optional<int> pointerSpeed() = 0;
    virtual Status setPointerSpeed(int speed) = 0;
    virtual std::optional<int> wheelLines() = 0;
    virtual Status setWheelLines(int lines) = 0;
};

// GNOME's mouse speed (org.gnome.desktop.peripherals.mouse speed, -1…1) when the session is
// GNOME; otherwise, and always for wheel lines, a per-user file that other tools can read.
std::unique_ptr<DesktopSettings> makeDesktopSettings(const std::string& settingsFile);

// For the simulated mouse: changes nothing and prints what would be set.
class PrintedDesktopSettings final : public DesktopSettings {
public:
    explicit PrintedDesktopSettings(std::ostream& out) : out_(out) {}
    std::optional<int> pointerSpeed() override { return 10; }
    Status setPointerSpeed(int speed) override;
    std::optional<int> wheelLines() override { return 3; }
    Status setWheelLines(int lines) override;

private:
    std::ostream& out_;
};

// $XDG_CONFIG_HOME/zantor/desktop.ini (~/.config/zantor/desktop.ini).
std::string defaultDesktopSettingsFile();

// GNOME's -1…1 speed for 1…20 and back.
double gnomeSpeedOf(int speed);
int speedOfGnome(double gnomeSpeed);

} // namespace zantor
