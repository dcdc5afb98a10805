#include "config/mouse_config.h"

#include "config/function_codes.h"

#include <algorithm>

namespace zantor {
namespace {

constexpr std::array<std::uint8_t, kDpiLevelCount> kFactoryDpiStep{2, 4, 5, 7, 9, 11};
constexpr std::array<DpiColour, kDpiLevelCount> kFactoryDpiColour{{
    {0, 0, 15},
    {15, 15, 0},
    {0, 15, 0},
    {15, 0, 15},
    {0, 15, 15},
    {0, 0, 0},
}};

bool validLevel(int level) {
    return level >= 0 && level < kDpiLevelCount;
}

// 8-bit screen channel of a 4-bit level: the complement of level << 4, on the low 8 bits.
std::uint32_t screenChannel(std::int32_t level) {
    return ~(static_cast<std::uint32_t>(level) << 4) & 0xFF;
}

// Level of an 8-bit screen channel, 0…15.
std::int32_t channelLevel(std::uint32_t channel) {
    return static_cast<std::int32_t>((255 - channel) / 16);
}

} // namespace

std::uint32_t MouseConfig::displayColourOf(const DpiColour& colour) {
    return screenChannel(colour.red) | screenChannel(colour.green) << 8 |
           screenChannel(colour.blue) << 16;
}

void MouseConfig::recomputeDpiLevel(int level) {
    dpiDisplayColour[level] = displayColourOf(dpiColour[level]);
    dpiStepCell[level] = kFirstStepCell + kDpiStepCount * level + dpiStepIndex(level);
}

void MouseConfig::setCycleColoursFromMask(std::uint8_t storedMask) {
    for (int i = 0; i < kCycleColourCount; ++i)
        cycleColourOn[i] = (storedMask >> i) & 1;
    cycleColourMask = storedMask & 0x7F;
}

int MouseConfig::dpiStepIndex(int level) const {
    return std::min<int>(dpiStep[level], kDpiStepCount - 1);
}

int MouseConfig::activeDpiLevel() const {
    return std::clamp<std::int32_t>(dpiLevel, 0, kDpiLevelCount - 1);
}

void MouseConfig::setButtonFunction(int button, std::int32_t code) {
    if (button < 0 || button >= kButtonCount)
        return;
    buttonFunction[button] = code;
    // At least one button always keeps the primary click (code 1).
    for (int b = kButtonCount - 1; b >= 0; --b)
        if (buttonFunction[b] == kPrimaryClickCode)
            return;
    buttonFunction[button == kButtonCount - 1 ? button : button + 1] = kPrimaryClickCode;
}

void MouseConfig::selectDpiLevel(int level) {
    if (validLevel(level) && dpiEnabled[level])
        dpiLevel = level;
}

void MouseConfig::toggleDpiEnabled(int level) {
    if (!validLevel(level))
        return;
    if (!dpiEnabled[level]) {
        dpiEnabled[level] = true;
        return;
    }
    dpiEnabled[level] = false;
    if (dpiLevel != level)
        return;
    // The active level went off: the next enabled one takes over, or it stays on if it is alone.
    int candidate = level;
    for (int tries = 0; tries < kDpiLevelCount; ++tries) {
        candidate = (candidate + 1) % kDpiLevelCount;
        dpiLevel = candidate;
        if (dpiEnabled[candidate])
            return;
    }
    dpiLevel = level;
    dpiEnabled[level] = true;
}

void MouseConfig::setDpiStep(int level, int step) {
    if (!validLevel(level) || step < 0 || step >= kDpiStepCount)
        return;
    dpiStep[level] = static_cast<std::uint8_t>(step);
    recomputeDpiLevel(level);
}

void MouseConfig::setDpiColourFromScreen(int level, std::uint32_t screenColour) {
    if (!validLevel(level))
        return;
    dpiColour[level] =
        DpiColour{channelLevel(screenColour & 0xFF), channelLevel((screenColour >> 8) & 0xFF),
                  channelLevel((screenColour >> 16) & 0xFF)};
    recomputeDpiLevel(level);
}

void MouseConfig::toggleCycleColour(int colour) {
    if (colour < 0 || colour >= kCycleColourCount)
        return;
    if (cycleColourOn[colour]) {
        const auto on = std::count_if(cycleColourOn.begin(), cycleColourOn.end(),
                                      [](std::int32_t c) { return c != 0; });
        if (on < 2)
            return;
        cycleColourOn[colour] = 0;
    } else {
        cycleColourOn[colour] = 1;
    }
    recomputeCycleColourMask();
}

void MouseConfig::recomputeCycleColourMask() {
    std::uint8_t mask = 0;
    for (int i = 0; i < kCycleColourCount; ++i)
        if (cycleColourOn[i])
            mask |= static_cast<std::uint8_t>(1u << i);
    cycleColourMask = mask;
}

void MouseConfig::setFireTimeFromSlider(int x, int sliderLeft, int sliderWidth) {
    // The slider's hot spot only reports clicks inside it; anything else would give a
    // meaningless interval (or divide by zero), so it is kept within the slider.
    if (sliderWidth <= 0)
        return;
    const unsigned offset = static_cast<unsigned>(std::clamp(x - sliderLeft, 0, sliderWidth));
    fireTime =
        static_cast<std::int32_t>(offset * kMaxFireTime / static_cast<unsigned>(sliderWidth));
}

void MouseConfig::stepFireTime(int step) {
    fireTime = std::clamp(fireTime + step, 0, kMaxFireTime);
}

void MouseConfig::loadFactoryDefaults() {
    for (int i = 0; i < kButtonCount; ++i)
        buttonFunction[i] = deviceButtonOrder[i];
    dpiLevel = 1;
    wheelStatus = 0;
    dpiStep = kFactoryDpiStep;
    dpiEnabled.fill(true);
    dpiColour = kFactoryDpiColour;
    ledType = 1;
    ledCycleTime = 2;
    pointerSpeed = 4;
    wheelSpeed = 2;
    pollingRate = 2;
    fireTime = 50;
    setCycleColoursFromMask(0x7F);
    for (int level = 0; level < kDpiLevelCount; ++level)
        recomputeDpiLevel(level);
}

} // namespace zantor
