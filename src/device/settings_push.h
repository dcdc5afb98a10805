#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace zantor {
struct AppPaths;
struct Settings;
class DesktopSettings;
} // namespace zantor

namespace zantor::device {

struct DeviceContext;

// Steps of the push that belong to the window.
struct PushHooks {
    std::function<void()> takeRepeatCount; // the macro page's count field into its macro
    std::function<void()> repaint;
};

// The desktop's pointer speed (1…20) for each pointer speed step 0…9; larger steps give 18.
inline constexpr std::array<int, 10> kDesktopPointerSpeeds{1, 2, 4, 6, 8, 10, 12, 14, 16, 18};
int desktopPointerSpeed(int pointerSpeed);
int desktopWheelLines(int wheelSpeed);

// Makes the mouse and the desktop match the configuration being edited and stores it: the
// macro library, CurConfig and the current section, the 21 command reports, the desktop's
// pointer speed and wheel lines, then the section again.
void PushSettings(Settings& settings, const AppPaths& paths, DeviceContext& device,
                  DesktopSettings& desktop, const PushHooks& hooks = {});

} // namespace zantor::device
