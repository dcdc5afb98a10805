#include "config/mouse_config.h"

#include <gtest/gtest.h>

namespace zantor {
namespace {

MouseConfig factory() {
    MouseConfig c;
    c.loadFactoryDefaults();
    return c;
}

std::array<int, kButtonCount> functions(const MouseConfig& c) {
    std::array<int, kButtonCount> out{};
    for (int b = 0; b < kButtonCount; ++b)
        out[b] = c.buttonFunction[b];
    return out;
}

TEST(MouseConfig, FactoryDefaults) {
    MouseConfig c;
    c.macroMode2 = 77;
    c.loadFactoryDefaults();
    EXPECT_EQ(functions(c), (std::array<int, 6>{1, 2, 3, 5, 4, 6}));
    EXPECT_EQ(c.dpiLevel, 1);
    EXPECT_EQ(c.dpiStep, (std::array<std::uint8_t, 6>{2, 4, 5, 7, 9, 11}));
    EXPECT_EQ(c.dpiStepCell, (std::array<int, 6>{68, 82, 95, 109, 123, 137}));
    EXPECT_EQ(c.cycleColourMask, 0x7F);
    EXPECT_EQ(c.cycleColourOn, (std::array<int, 7>{1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(c.macroMode2, 77) << "not a factory setting";
    // Screen colours 0x00BBGGRR of the factory levels.
    EXPECT_EQ(c.dpiDisplayColour, (std::array<std::uint32_t, 6>{0x0FFFFF, 0xFF0F0F, 0xFF0FFF,
                                                                0x0FFF0F, 0x0F0FFF, 0xFFFFFF}));
    EXPECT_EQ(c.ledType, 1);
    EXPECT_EQ(c.ledCycleTime, 2);
    EXPECT_EQ(c.pointerSpeed, 4);
    EXPECT_EQ(c.wheelSpeed, 2);
    EXPECT_EQ(c.pollingRate, 2);
    EXPECT_EQ(c.fireTime, 50);
}

TEST(MouseConfig, PrimaryClickAlwaysStaysOnSomeButton) {
    struct Case {
        const char* name;
        std::array<int, 6> before;
        int button, code;
        std::array<int, 6> after;
    } cases[] = {
        {"moves to the next button", {1, 2, 3, 5, 4, 6}, 0, 7, {7, 1, 3, 5, 4, 6}},
        {"stays on button 5", {2, 2, 3, 5, 4, 1}, 5, 3, {2, 2, 3, 5, 4, 1}},
        {"another button keeps it", {1, 1, 3, 5, 4, 6}, 0, 3, {3, 1, 3, 5, 4, 6}},
        {"other buttons change freely", {1, 2, 3, 5, 4, 6}, 3, 44, {1, 2, 3, 44, 4, 6}},
        {"overwrites the next button's function", {2, 1, 3, 5, 4, 6}, 1, 21, {2, 21, 1, 5, 4, 6}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MouseConfig config;
        for (int b = 0; b < kButtonCount; ++b)
            config.buttonFunction[b] = c.before[b];
        config.setButtonFunction(c.button, c.code);
        EXPECT_EQ(functions(config), c.after);
    }
}

TEST(MouseConfig, DisablingTheActiveLevelMovesToTheNextEnabledOne) {
    auto c = factory();
    c.dpiLevel = 5;
    c.dpiEnabled = {false, false, true, true, true, true};
    c.toggleDpiEnabled(5);
    EXPECT_EQ(c.dpiLevel, 2) << "wraps from 5 past the disabled 0 and 1";
    EXPECT_FALSE(c.dpiEnabled[5]);

    c.toggleDpiEnabled(3); // not the active level: just off
    EXPECT_EQ(c.dpiLevel, 2);
    EXPECT_FALSE(c.dpiEnabled[3]);
    c.toggleDpiEnabled(3);
    EXPECT_TRUE(c.dpiEnabled[3]);
}

TEST(MouseConfig, TheOnlyEnabledLevelCannotBeDisabled) {
    auto c = factory();
    c.dpiEnabled = {false, false, false, true, false, false};
    c.dpiLevel = 3;
    c.toggleDpiEnabled(3);
    EXPECT_TRUE(c.dpiEnabled[3]);
    EXPECT_EQ(c.dpiLevel, 3);
}

TEST(MouseConfig, SelectingADisabledLevelDoesNothing) {
    auto c = factory();
    c.dpiEnabled[4] = false;
    c.selectDpiLevel(4);
    EXPECT_EQ(c.dpiLevel, 1);
    c.selectDpiLevel(3);
    EXPECT_EQ(c.dpiLevel, 3);
}

TEST(MouseConfig, TheLastCycleColourCannotBeTurnedOff) {
    auto c = factory();
    for (int i = 0; i < 6; ++i)
        c.toggleCycleColour(i);
    EXPECT_EQ(c.cycleColourMask, 0x40);
    c.toggleCycleColour(6);
    EXPECT_EQ(c.cycleColourMask, 0x40);
    EXPECT_EQ(c.cycleColourOn[6], 1);
    c.toggleCycleColour(0);
    EXPECT_EQ(c.cycleColourMask, 0x41);
}

TEST(MouseConfig, ScreenColoursBecomeFourBitLevels) {
    struct Case {
        const char* name;
        std::uint32_t chosen;
        DpiColour levels;
        std::uint32_t shown;
    } cases[] = {
        {"white", 0xFFFFFF, {0, 0, 0}, 0xFFFFFF},
        {"black", 0x000000, {15, 15, 15}, 0x0F0F0F},
        {"channels in BGR order", 0x0080F0, {0, 7, 15}, 0x0F8FFF},
        {"rounded to 16k + 15", 0x202020, {13, 13, 13}, 0x2F2F2F},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto config = factory();
        config.setDpiColourFromScreen(2, c.chosen);
        EXPECT_EQ(config.dpiColour[2], c.levels);
        EXPECT_EQ(config.dpiDisplayColour[2], c.shown);
    }
}

TEST(MouseConfig, FireTimeFromSliderAndSteps) {
    auto c = factory();
    c.setFireTimeFromSlider(100, 100, 200);
    EXPECT_EQ(c.fireTime, 0);
    c.setFireTimeFromSlider(200, 100, 200);
    EXPECT_EQ(c.fireTime, 150);
    c.setFireTimeFromSlider(99, 100, 200); // outside the slider: kept to its ends
    EXPECT_EQ(c.fireTime, 0);
    c.setFireTimeFromSlider(400, 100, 200);
    EXPECT_EQ(c.fireTime, 300);
    c.setFireTimeFromSlider(150, 100, 0); // a slider of no width changes nothing
    EXPECT_EQ(c.fireTime, 300);

    c.stepFireTime(+1);
    EXPECT_EQ(c.fireTime, 300);
    c.fireTime = 0;
    c.stepFireTime(-1);
    EXPECT_EQ(c.fireTime, 0);
    c.stepFireTime(+1);
    EXPECT_EQ(c.fireTime, 1);
}

TEST(MouseConfig, StepSetsTheSelectedCell) {
    auto c = factory();
    c.setDpiStep(2, 3);
    EXPECT_EQ(c.dpiStep[2], 3);
    EXPECT_EQ(c.dpiStepCell[2], 93);
    c.setDpiStep(2, 12); // not a step
    EXPECT_EQ(c.dpiStepCell[2], 93);
}

TEST(MouseConfig, OutOfRangeValuesNeverIndexPastATable) {
    MouseConfig c;
    c.dpiStep = {200, 12, 11, 0, 255, 1};
    c.dpiLevel = 9;
    for (int level = 0; level < kDpiLevelCount; ++level) {
        c.recomputeDpiLevel(level);
        EXPECT_LE(c.dpiStepIndex(level), 11);
        EXPECT_GE(c.dpiStepCell[level], kFirstStepCell + 12 * level);
        EXPECT_LE(c.dpiStepCell[level], kFirstStepCell + 12 * level + 11);
    }
    EXPECT_EQ(c.activeDpiLevel(), 5);
    c.dpiLevel = -3;
    EXPECT_EQ(c.activeDpiLevel(), 0);
}

TEST(ButtonOrder, DeviceNumbersAndTheirInverse) {
    for (int b = 0; b < kButtonCount; ++b)
        EXPECT_EQ(programButtonOf(deviceButtonOrder[b]), b);
    EXPECT_EQ(programButtonOf(4), 4);
    EXPECT_EQ(programButtonOf(5), 3);
    EXPECT_FALSE(programButtonOf(0));
    EXPECT_FALSE(programButtonOf(7));
}

} // namespace
} // namespace zantor
