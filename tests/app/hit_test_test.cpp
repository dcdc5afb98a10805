#include "app/hit_test.h"

#include "config/mouse_config.h"

#include <gtest/gtest.h>

namespace zantor::app {
namespace {

skin::SkinButton button(int x, int y, int w, int h) {
    return skin::SkinButton{x, y, w, h, ""};
}

TEST(HitTest, RightAndBottomEdgesAreOutsideAndTheLowerIndexWins) {
    const std::array table{button(10, 20, 30, 40), button(0, 0, 100, 100), button(5, 5, 0, 10)};
    struct Case {
        const char* name;
        int x, y, expected;
    } const cases[] = {
        {"top-left corner", 10, 20, 0},
        {"inside both: the lower index", 39, 59, 0},
        {"right edge belongs to the next", 40, 30, 1},
        {"bottom edge belongs to the next", 20, 60, 1},
        {"zero width never hits", 5, 8, 1},
        {"outside all", 100, 100, kNoHover},
        {"negative", -1, 50, kNoHover},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HitTest(c.x, c.y, table, table.size()), c.expected);
    }
    EXPECT_EQ(HitTest(20, 30, table, 0), kNoHover) << "a count of 0 tests nothing";
    EXPECT_EQ(HitTest(20, 30, table, 99), 0) << "a count past the table stops at its end";
}

TEST(HitTest, OnlyTheSharedFrameIsLiveOffTheMainPageAndSpeedsOnlyWithASpeed) {
    skin::SkinLayout layout;
    layout.mainButtons[3] = button(0, 0, 10, 10);
    layout.mainButtons[19] = button(20, 0, 10, 10);
    layout.colorButtons[12] = button(40, 0, 10, 10);
    layout.advanceButtons[52] = button(60, 0, 10, 10);
    MouseConfig config;

    EXPECT_EQ(ComputeHovers(25, 5, Page::Main, layout, config).main, 19);
    EXPECT_EQ(ComputeHovers(25, 5, Page::Advanced, layout, config).main, kNoHover)
        << "entry 19 is not part of the shared frame";
    EXPECT_EQ(ComputeHovers(5, 5, Page::Colour, layout, config).main, 3);

    for (const std::uint8_t ledType : {0, 1, 2, 3}) {
        SCOPED_TRACE(ledType);
        config.ledType = ledType;
        EXPECT_EQ(ComputeHovers(45, 5, Page::Colour, layout, config).colour,
                  ledType > 1 ? kNoHover : 12);
    }
    EXPECT_EQ(ComputeHovers(65, 5, Page::Main, layout, config).advanced, 52)
        << "every layout is tested on every page";
}

} // namespace
} // namespace zantor::app
