#include "app/page_plan.h"

#include "config/mouse_config.h"
#include "macro/macro_tables.h"
#include "skin/skin_images.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zantor::app {
namespace {

using Kind = PaintOp::Kind;
namespace image = skin::image;

// A layout whose entry i sits at x = i * 10, 10 by 10, the main layout in row 0, the
// advanced one in row 1 and the colour one in row 2, with captions "m<i>", "a<i>", "c<i>"; and
// a configuration at its factory values.
class PagePlanTest : public ::testing::Test {
protected:
    PagePlanTest() {
        for (std::size_t i = 0; i < skin::kMainButtonCount; ++i)
            layout.mainButtons[i] = button(int(i), 0, "m" + std::to_string(i));
        for (std::size_t i = 0; i < skin::kAdvanceButtonCount; ++i)
            layout.advanceButtons[i] = button(int(i), 1, "a" + std::to_string(i));
        for (std::size_t i = 0; i < skin::kColorButtonCount; ++i)
            layout.colorButtons[i] = button(int(i), 2, "c" + std::to_string(i));
        for (std::size_t k = 0; k < skin::kFunctionNameCount; ++k)
            layout.functionNames[k] = "f" + std::to_string(k + 1);
        config.loadFactoryDefaults();
    }

    static skin::SkinButton button(int i, int row, std::string caption) {
        return skin::SkinButton{i * 10, row * 20, 10, 10, std::move(caption)};
    }

    PagePlan plan(Page page) {
        state.page = page;
        return PlanPage(PaintInput{state, config, layout, macros, currentConfig, language});
    }

    // The copies of a layout entry's rectangle, by image, in painting order.
    static std::vector<std::string_view> copiesOf(const PagePlan& p, const skin::SkinButton& b) {
        std::vector<std::string_view> images;
        for (const PaintOp& op : p.ops)
            if (op.kind == Kind::Copy && op.rect == b.rect())
                images.push_back(op.image);
        return images;
    }
    static const PaintOp* textIn(const PagePlan& p, const skin::SkinButton& b) {
        const auto found = std::find_if(p.ops.begin(), p.ops.end(), [&](const PaintOp& op) {
            return (op.kind == Kind::Text || op.kind == Kind::TextLeft) && op.rect == b.rect();
        });
        return found == p.ops.end() ? nullptr : &*found;
    }

    skin::SkinLayout layout;
    MouseConfig config;
    macro::MacroTables macros;
    PageState state;
    int currentConfig = 1;
    int language = 1;
};

TEST_F(PagePlanTest, TheHoveredEntryComesFromTheOverImageAndPressedFromTheDownImage) {
    state.hovers.main = 64; // a level selector that is not the active one
    EXPECT_EQ(copiesOf(plan(Page::Main), layout.mainButtons[64]),
              std::vector<std::string_view>{image::kMainOver});
    state.buttonPressed = true;
    const PagePlan pressed = plan(Page::Main);
    EXPECT_EQ(copiesOf(pressed, layout.mainButtons[64]),
              std::vector<std::string_view>{image::kMainDown});
    EXPECT_EQ(pressed.background, image::kMainNormal);

    state.hovers.advanced = 30; // the fire slider is not drawn pressed
    EXPECT_TRUE(copiesOf(plan(Page::Advanced), layout.advanceButtons[30]).empty());
}

TEST_F(PagePlanTest, StepBarsSwatchesAndMarksFollowTheConfiguration) {
    config.setDpiStep(2, 3);
    config.dpiEnabled[4] = false;
    const PagePlan p = plan(Page::Main);
    std::vector<int> filledCells;
    for (const PaintOp& op : p.ops)
        if (op.kind == Kind::Fill && op.colour == config.dpiDisplayColour[2])
            filledCells.push_back(op.rect.left / 10);
    EXPECT_EQ(filledCells, (std::vector<int>{43, 90, 91, 92, 93})) << "swatch 43, cells 90…93";
    const auto cell = std::find_if(p.ops.begin(), p.ops.end(), [](const PaintOp& op) {
        return op.kind == Kind::Fill && op.rect.left == 901;
    });
    ASSERT_NE(cell, p.ops.end());
    EXPECT_EQ(cell->rect, skin::rectOf(901, 1, 8, 9)) << "cells are filled one pixel in";
    EXPECT_EQ(copiesOf(p, layout.mainButtons[51]), std::vector<std::string_view>{});
    EXPECT_EQ(copiesOf(p, layout.mainButtons[50]), std::vector<std::string_view>{image::kMainDown});
    EXPECT_EQ(copiesOf(p, layout.mainButtons[60 + config.activeDpiLevel()]),
              std::vector<std::string_view>{image::kMainDown});
}

TEST_F(PagePlanTest, SlotsShowFunctionNamesAndUserMacroNames) {
    macros.userMacroCount = 5;
    macros.userMacros[4].setName("Combo");
    config.setButtonFunction(1, 45);
    config.setButtonFunction(2, 0);
    const PagePlan p = plan(Page::Main);
    ASSERT_NE(textIn(p, layout.mainButtons[21]), nullptr);
    EXPECT_EQ(textIn(p, layout.mainButtons[21])->text, "Combo");
    EXPECT_EQ(textIn(p, layout.mainButtons[21])->kind, Kind::TextLeft);
    EXPECT_EQ(textIn(p, layout.mainButtons[20])->text, "f1");
    EXPECT_EQ(textIn(p, layout.mainButtons[22]), nullptr) << "code 0 has no text";
    EXPECT_EQ(textIn(p, layout.mainButtons[58])->text, "m58");
    EXPECT_EQ(textIn(p, layout.mainButtons[59]), nullptr) << "the main page has 59 captions";
}

TEST_F(PagePlanTest, TheSharedFrameMarksConfigurationTabAndLanguage) {
    currentConfig = 0; // a configuration file without CurConfig
    language = 0;
    state.hovers.main = 14;
    const PagePlan p = plan(Page::Colour);
    EXPECT_EQ(copiesOf(p, layout.mainButtons[3]),
              std::vector<std::string_view>{image::kColorDownBlue});
    for (int i = 4; i <= 8; ++i)
        EXPECT_TRUE(copiesOf(p, layout.mainButtons[std::size_t(i)]).empty()) << i;
    EXPECT_EQ(copiesOf(p, layout.mainButtons[11]),
              std::vector<std::string_view>{image::kColorDownBlue});
    EXPECT_EQ(copiesOf(p, layout.mainButtons[14]),
              std::vector<std::string_view>{image::kColorOverYellow});
    EXPECT_EQ(copiesOf(p, layout.mainButtons[17]),
              std::vector<std::string_view>{image::kColorDownBlue});
    EXPECT_TRUE(copiesOf(p, layout.mainButtons[18]).empty());

    language = 2; // neither language button is drawn as selected
    const PagePlan other = plan(Page::Main);
    EXPECT_TRUE(copiesOf(other, layout.mainButtons[17]).empty());
    EXPECT_TRUE(copiesOf(other, layout.mainButtons[18]).empty());
}

TEST_F(PagePlanTest, AdvancedPageShowsSpeedsFireBarRecordingAndRepeatMarks) {
    config.pointerSpeed = 2;
    config.wheelSpeed = 200; // from a file: lights nothing rather than another entry
    config.pollingRate = 3;
    state.recording = true;
    macros.selectedMacro = 1;
    macros.userMacros[1].mode = 3;
    layout.advanceButtons[30] = skin::SkinButton{0, 100, 301, 10, ""};

    for (const auto& [fire, width] :
         std::vector<std::pair<int, int>>{{0, 0}, {150, 150}, {300, 301}, {999, 301}}) {
        SCOPED_TRACE(fire);
        config.fireTime = fire;
        const PagePlan p = plan(Page::Advanced);
        const auto bar = std::find_if(p.ops.begin(), p.ops.end(), [](const PaintOp& op) {
            return op.kind == Kind::Copy && op.rect.top == 100;
        });
        if (width == 0) {
            EXPECT_EQ(bar, p.ops.end());
        } else {
            ASSERT_NE(bar, p.ops.end());
            EXPECT_EQ(bar->rect.right - bar->rect.left, width);
        }
    }
    const PagePlan p = plan(Page::Advanced);
    for (const int entry : {4, 6, 7, 10, 37, 52})
        EXPECT_EQ(copiesOf(p, layout.advanceButtons[std::size_t(entry)]),
                  std::vector<std::string_view>{image::kAdvancedDown})
            << entry;
    for (int entry = 18; entry <= 27; ++entry)
        EXPECT_TRUE(copiesOf(p, layout.advanceButtons[std::size_t(entry)]).empty()) << entry;
    EXPECT_EQ(textIn(p, layout.advanceButtons[4])->text, "Stop");
    EXPECT_EQ(textIn(p, layout.advanceButtons[33])->text, "999ms");
    EXPECT_EQ(textIn(p, layout.mainButtons[19]), nullptr) << "main captions end at 18 here";
}

TEST_F(PagePlanTest, ColourPageShowsModeSpeedColoursPreviewAndDpi) {
    config.ledType = 1;
    config.ledCycleTime = 5;
    config.setCycleColoursFromMask(0b0000101);
    config.dpiLevel = 1;
    config.setDpiStep(1, 10);
    state.preview = PreviewLook{.colour = 2, .off = false};
    PagePlan p = plan(Page::Colour);
    EXPECT_EQ(copiesOf(p, layout.colorButtons[8]),
              std::vector<std::string_view>{image::kColorDownBlue});
    EXPECT_EQ(copiesOf(p, layout.colorButtons[11]),
              std::vector<std::string_view>{image::kColorDownBlue})
        << "speed 5 is entry 11";
    EXPECT_FALSE(copiesOf(p, layout.colorButtons[0]).empty());
    EXPECT_TRUE(copiesOf(p, layout.colorButtons[1]).empty());
    EXPECT_EQ(copiesOf(p, layout.colorButtons[32]),
              std::vector<std::string_view>{image::kColorPink});
    EXPECT_EQ(textIn(p, layout.colorButtons[18])->text, "4000");
    EXPECT_EQ(textIn(p, layout.colorButtons[32]), nullptr) << "the colour page has 51 captions";

    config.ledType = 3;
    state.preview.off = true;
    p = plan(Page::Colour);
    for (int entry = 11; entry <= 16; ++entry)
        EXPECT_TRUE(copiesOf(p, layout.colorButtons[std::size_t(entry)]).empty()) << entry;
    EXPECT_EQ(copiesOf(p, layout.colorButtons[32]),
              std::vector<std::string_view>{image::kColorNormalGray});
}

TEST(DpiDisplayNumber, FollowsTheStepTableAndClampsDamagedValues) {
    EXPECT_EQ(DpiDisplayNumber(0), 200);
    EXPECT_EQ(DpiDisplayNumber(6), 1600);
    EXPECT_EQ(DpiDisplayNumber(7), 2000);
    EXPECT_EQ(DpiDisplayNumber(11), 4800);
    EXPECT_EQ(DpiDisplayNumber(200), 4800);
}

} // namespace
} // namespace zantor::app
