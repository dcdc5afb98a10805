#pragma once

#include "config/relaxed_atomic.h"

#include <array>
#include <cstdint>
#include <optional>

namespace zantor {

inline constexpr int kButtonCount = 6;
inline constexpr int kDpiLevelCount = 6;
inline constexpr int kDpiStepCount = 12;
inline constexpr int kCycleColourCount = 7;
inline constexpr int kMaxFireTime = 300;
// Main-page hot spots of the DPI step cells: 12 per level, level i starting at 66 + 12 i.
inline constexpr int kFirstStepCell = 66;

// Device button number (1…6) of program button i (0…5); program buttons 3 and 4 are swapped.
inline constexpr std::array<int, kButtonCount> deviceButtonOrder{1, 2, 3, 5, 4, 6};

// Program button of device button d; entry 0 is unused, like every number outside 1…6.
inline constexpr std::array<int, kButtonCount + 1> buttonOfDeviceButton = [] {
    std::array<int, kButtonCount + 1> inverse{};
    for (int i = 0; i < kButtonCount; ++i)
        inverse[deviceButtonOrder[i]] = i;
    return inverse;
}();

// The program button a device number reported by the mouse stands for; nullopt outside 1…6.
constexpr std::optional<int> programButtonOf(int deviceButton) {
    if (deviceButton < 1 || deviceButton > kButtonCount)
        return std::nullopt;
    return buttonOfDeviceButton[deviceButton];
}

// LED colour of a DPI level as inverted 4-bit channel levels: 0 is full intensity, 15 weakest.
struct DpiColour {
    std::int32_t red = 0, green = 0, blue = 0;
    bool operator==(const DpiColour&) const = default;
};

// The one configuration being edited. Members hold what was loaded, also values outside the
// ranges the window offers (a file may hold anything); code that indexes a table with them goes
// through the bounded accessors below, so a stored value is written back as it was read.
// Writers of a source member keep its derived members in step through the operations here
// (or recompute*() after setting members directly, as the loader does).
class MouseConfig {
public:
    // Shared with the device worker threads.
    std::array<RelaxedAtomic<std::int32_t>, kButtonCount> buttonFunction{};
    RelaxedAtomic<std::int32_t> dpiLevel{};

    std::int32_t wheelStatus = 0;
    std::int32_t macroMode2 = 0; // kept and written back; nothing depends on it
    std::uint8_t cycleColourMask = 0;
    std::array<std::uint8_t, kDpiLevelCount> dpiStep{};
    std::array<bool, kDpiLevelCount> dpiEnabled{};
    std::array<DpiColour, kDpiLevelCount> dpiColour{};
    std::uint8_t ledType = 0;
    std::uint8_t ledCycleTime = 0;
    std::uint8_t pointerSpeed = 0;
    std::uint8_t wheelSpeed = 0;
    std::uint8_t pollingRate = 0;
    std::int32_t fireTime = 0;
    std::array<std::int32_t, kCycleColourCount> cycleColourOn{};

    // Derived.
    std::array<std::uint32_t, kDpiLevelCount> dpiDisplayColour{}; // 0x00BBGGRR
    std::array<std::int32_t, kDpiLevelCount> dpiStepCell{};

    // Edit operations of the window and the drop-down menus.
    void setButtonFunction(int button, std::int32_t code);
    void setWheelStatus(std::int32_t status) { wheelStatus = status; }
    void selectDpiLevel(int level);
    void toggleDpiEnabled(int level);
    void setDpiStep(int level, int step);
    void setDpiColourFromScreen(int level, std::uint32_t screenColour);
    void toggleCycleColour(int colour);
    void setLedType(int type) { ledType = static_cast<std::uint8_t>(type); }
    void setLedCycleTime(int time) { ledCycleTime = static_cast<std::uint8_t>(time); }
    void setPointerSpeed(int speed) { pointerSpeed = static_cast<std::uint8_t>(speed); }
    void setWheelSpeed(int speed) { wheelSpeed = static_cast<std::uint8_t>(speed); }
    void setPollingRate(int rate) { pollingRate = static_cast<std::uint8_t>(rate); }
    void setFireTimeFromSlider(int x, int sliderLeft, int sliderWidth);
    void stepFireTime(int step);
    // The level the mouse reports after a DPI-changing button, taken as it comes.
    void applyDeviceDpiLevel(std::int32_t level) { dpiLevel = level; }
    void loadFactoryDefaults();

    // Derived members after a direct change of their sources.
    void recomputeDpiLevel(int level);
    void setCycleColoursFromMask(std::uint8_t storedMask);
    void recomputeCycleColourMask();

    // Bounded views for table look-ups.
    int dpiStepIndex(int level) const; // dpiStep clamped to 0…11
    int activeDpiLevel() const;        // dpiLevel clamped to 0…5
    static std::uint32_t displayColourOf(const DpiColour& colour);
};

} // namespace zantor
