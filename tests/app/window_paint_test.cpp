// What the main window shows, pixel by pixel, with the shipped skin.
#include "app_fixture.h"

#include "app/hit_test.h"
#include "app/page_renderer.h"
#include "app/skin_image_cache.h"
#include "skin/skin_images.h"

#include <QColor>
#include <QTest>

#include <filesystem>

namespace zantor::app::test {
namespace {

namespace image = skin::image;

QRgb displayColour(std::uint32_t bgr) {
    return qRgb(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

using WindowPaint = WindowTest;

TEST_F(WindowPaint, SwatchesShowTheDpiColours) {
    ASSERT_TRUE(start());
    const QImage shown = picture();
    for (int level = 0; level < kDpiLevelCount; ++level) {
        SCOPED_TRACE(level);
        EXPECT_EQ(shown.pixel(centreOfMain(41 + level)),
                  displayColour(config().dpiDisplayColour[std::size_t(level)]));
    }
}

TEST_F(WindowPaint, AStepBarEndsAtTheSelectedCell) {
    ASSERT_TRUE(start());
    click(centreOfMain(93));                      // level 2, step 3
    QTest::mouseMove(&window(), centreOfMain(1)); // away from the cells: no hover look
    EXPECT_EQ(config().dpiStep[2], 3);
    const QImage shown = picture();
    const QRgb colour = displayColour(config().dpiDisplayColour[2]);
    for (int cell = 90; cell <= 101; ++cell) {
        SCOPED_TRACE(cell);
        if (cell <= 93)
            EXPECT_EQ(shown.pixel(centreOfMain(cell)), colour);
        else
            EXPECT_NE(shown.pixel(centreOfMain(cell)), colour);
    }
}

TEST_F(WindowPaint, HoveredAndPressedEntriesComeFromTheOverAndDownImages) {
    ASSERT_TRUE(start());
    const AppPaths paths = context().paths;
    const skin::SkinButton& profile3 = context().layout.mainButtons[6];
    const QPoint corner(profile3.x + 3, profile3.y + 3); // beside the caption
    ASSERT_NE(skinPixel(paths, image::kMainOver, corner),
              skinPixel(paths, image::kMainDown, corner));

    EXPECT_EQ(picture().pixel(corner), skinPixel(paths, image::kMainNormal, corner));
    QTest::mouseMove(&window(), corner);
    EXPECT_EQ(picture().pixel(corner), skinPixel(paths, image::kMainOver, corner));
    QTest::mousePress(&window(), Qt::LeftButton, {}, corner);
    EXPECT_EQ(picture().pixel(corner), skinPixel(paths, image::kMainDown, corner));
    QTest::mouseRelease(&window(), Qt::LeftButton, {}, corner);
    EXPECT_EQ(context().settings.currentConfig, 3);
    EXPECT_EQ(picture().pixel(corner), skinPixel(paths, image::kMainDown, corner))
        << "the current configuration's button stays down";
}

TEST_F(WindowPaint, TheLightingPreviewShowsTheColourPictures) {
    ASSERT_TRUE(start());
    config().ledCycleTime = 5; // 200 ms a look
    click(centreOfMain(11));
    ASSERT_EQ(window().pageState().page, Page::Colour);
    const AppPaths paths = context().paths;
    const skin::SkinButton& preview = context().layout.colorButtons[32];
    // A point of the mouse picture where the lit and unlit pictures differ.
    const QImage grey = decodeRgbImage(skin::skinImagePath(paths, image::kColorNormalGray));
    const QImage pink = decodeRgbImage(skin::skinImagePath(paths, image::kColorPink));
    QPoint lit;
    for (int y = preview.y; y < preview.y + preview.height && lit.isNull(); ++y)
        for (int x = preview.x; x < preview.x + preview.width && lit.isNull(); ++x)
            if (grey.pixel(x, y) != pink.pixel(x, y))
                lit = QPoint(x, y);
    ASSERT_FALSE(lit.isNull());

    config().setCycleColoursFromMask(0b0000100); // pink only
    bool sawPink = false, sawGrey = false;
    for (int i = 0; i < 60 && !(sawPink && sawGrey); ++i) {
        QTest::qWait(50);
        const QRgb shown = picture().pixel(lit);
        sawPink |= shown == pink.pixel(lit);
        sawGrey |= shown == grey.pixel(lit);
    }
    EXPECT_TRUE(sawPink);
    EXPECT_TRUE(sawGrey);
}

TEST_F(WindowPaint, MissingImagesLeaveAPlainWindowAndAMissingMaskARectangle) {
    namespace fs = std::filesystem;
    fs::remove(fs::path(home()) / "skins" / image::kMainMask);
    fs::remove(fs::path(home()) / "skins" / image::kMainNormal);
    fs::remove(fs::path(home()) / "skins" / image::kMainOver);
    ASSERT_TRUE(start());
    EXPECT_FALSE(window().shape().masked);
    EXPECT_EQ(window().shape().region, QRegion(0, 0, 800, 600));
    EXPECT_EQ(window().size(), QSize(800, 600));
    QTest::mouseMove(&window(), centreOfMain(14));
    const QImage shown = picture();
    EXPECT_EQ(shown.pixel(5, 300), QColor::fromRgb(kPlainFillRgb).rgb());
    EXPECT_EQ(shown.pixel(centreOfMain(41)), displayColour(config().dpiDisplayColour[0]))
        << "what does not come from an image is still drawn";
}

TEST_F(WindowPaint, TheMaskShapesTheWindowAndEmptySkinInsideItDragsTheWindow) {
    ASSERT_TRUE(start());
    ASSERT_TRUE(window().shape().masked);
    const QRegion& region = window().shape().region;
    EXPECT_FALSE(region.contains(QPoint(0, 0))) << "the cut corner";
    EXPECT_TRUE(region.contains(centreOfMain(4)));

    // A spot of the bottom bar that no hot spot covers.
    QPoint empty;
    for (int x = 0; x < 800 && empty.isNull(); ++x)
        if (!ComputeHovers(x, 573, Page::Main, context().layout, config()).any() &&
            region.contains(QPoint(x, 573)))
            empty = QPoint(x, 573);
    ASSERT_FALSE(empty.isNull());

    const QPoint start = window().pos();
    QTest::mousePress(&window(), Qt::LeftButton, {}, QPoint(0, 0));
    QTest::mouseMove(&window(), QPoint(40, 30));
    QTest::mouseRelease(&window(), Qt::LeftButton, {}, QPoint(40, 30));
    EXPECT_EQ(window().pos(), start) << "a press outside the shape is not the window's";

    QTest::mousePress(&window(), Qt::LeftButton, {}, empty);
    QTest::mouseMove(&window(), empty + QPoint(40, 30));
    QTest::mouseRelease(&window(), Qt::LeftButton, {}, empty + QPoint(40, 30));
    EXPECT_EQ(window().pos(), start + QPoint(40, 30));
}

} // namespace
} // namespace zantor::app::test
