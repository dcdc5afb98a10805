#include "skin/region_from_mask.h"

#include <QBuffer>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdint>

namespace zantor::skin {
namespace {

// The region built pixel by pixel, for comparison.
QRegion referenceRegion(const QImage& mask) {
    const QImage image = mask.convertToFormat(QImage::Format_RGB32);
    QRegion region;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (!isOutsideMaskPixel(qRed(p), qGreen(p), qBlue(p)))
                region += QRect(x, y, 1, 1);
        }
    return region;
}

bool sameRegion(const QRegion& a, const QRegion& b) {
    return a.xored(b).isEmpty();
}

// Blobs, stripes, single pixels and identical row runs, with grey levels on both sides of 100.
QImage patternedMask() {
    QImage image(97, 61, QImage::Format_RGB32);
    std::uint32_t state = 12345;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            state = state * 1103515245u + 12345u;
            int v = (x - 40) * (x - 40) + (y - 30) * (y - 30) < 400 ? 30 : 220;
            if (y >= 50 && y < 56)
                v = x % 7 < 3 ? 0 : 255; // a band of equal rows
            if ((state >> 16) % 17 == 0)
                v = 95 + static_cast<int>((state >> 8) % 11); // 95...105
            image.setPixel(x, y, qRgb(v, v, v));
        }
    return image;
}

TEST(RegionFromMask, OnlyPixelsWithAllThreeComponentsAbove100AreOutside) {
    const QRgb pixels[] = {qRgb(101, 101, 101), qRgb(100, 255, 255), qRgb(255, 255, 100),
                           qRgb(255, 100, 255), qRgb(255, 255, 255), qRgb(0, 0, 0)};
    const bool inside[] = {false, true, true, true, false, true};
    QImage image(6, 2, QImage::Format_RGB32);
    for (int x = 0; x < 6; ++x)
        for (int y = 0; y < 2; ++y)
            image.setPixel(x, y, pixels[x]);
    const QRegion region = RegionFromMask(image);
    for (int x = 0; x < 6; ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(region.contains(QPoint(x, 0)), inside[x]);
        EXPECT_EQ(region.contains(QPoint(x, 1)), inside[x]);
    }
    EXPECT_EQ(region.boundingRect(), QRect(1, 0, 5, 2));
}

TEST(RegionFromMask, MatchesThePixelByPixelRegionInEveryImageFormat) {
    const QImage mask = patternedMask();
    const QRegion expected = referenceRegion(mask);
    for (QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB888,
          QImage::Format_Grayscale8, QImage::Format_Indexed8}) {
        SCOPED_TRACE(format);
        const QImage converted = mask.convertToFormat(format);
        EXPECT_TRUE(sameRegion(RegionFromMask(converted), expected));
    }
}

TEST(RegionFromMask, MergesEqualRowsIntoOneBand) {
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(10, 20, 50, 40, Qt::black);
    const QRegion region = RegionFromMask(image);
    EXPECT_EQ(region.rectCount(), 1);
    EXPECT_EQ(region.boundingRect(), QRect(10, 20, 50, 40));
}

TEST(RegionFromMask, GrayscaleJpegDecodesToTheSameOutline) {
    QImage shape(200, 150, QImage::Format_Grayscale8);
    shape.fill(255);
    {
        QPainter p(&shape);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygon({{20, 0}, {199, 0}, {199, 130}, {180, 149}, {0, 149}, {0, 20}}));
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(shape.save(&buffer, "JPG", 95));
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(buffer.data(), "JPG"));
    EXPECT_EQ(decoded.format(), QImage::Format_Grayscale8);
    EXPECT_TRUE(sameRegion(RegionFromMask(decoded), referenceRegion(shape)));
}

TEST(RegionFromMask, NullImageGivesAnEmptyRegion) {
    EXPECT_TRUE(RegionFromMask(QImage()).isEmpty());
    QImage white(10, 10, QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_TRUE(RegionFromMask(white).isEmpty());
}

} // namespace
} // namespace zantor::skin
