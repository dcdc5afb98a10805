#include "skin/region_from_mask.h"

#include <QRect>

#include <utility>
#include <vector>

namespace zantor::skin {
namespace {

struct Run {
    int begin, end;
    bool operator==(const Run&) const = default;
};

// Appends the runs of inside pixels of one row; `outside(x)` tests pixel x.
template <class Outside> void scanRow(int width, Outside outside, std::vector<Run>& runs) {
    int x = 0;
    while (x < width) {
        while (x < width && outside(x))
            ++x;
        const int begin = x;
        while (x < width && !outside(x))
            ++x;
        if (x > begin)
            runs.push_back({begin, x});
    }
}

} // namespace

QRegion RegionFromMask(const QImage& mask) {
    if (mask.isNull())
        return {};
    const bool gray = mask.format() == QImage::Format_Grayscale8;
    const bool rgb =
        mask.format() == QImage::Format_RGB32 || mask.format() == QImage::Format_ARGB32;
    const QImage image = gray || rgb ? mask : mask.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();

    std::vector<QRect> rects;
    std::vector<Run> runs, previous;
    std::size_t bandStart = 0;
    for (int y = 0; y < image.height(); ++y) {
        runs.clear();
        if (gray) {
            const uchar* line = image.constScanLine(y);
            scanRow(
                width, [line](int x) { return isOutsideMaskPixel(line[x], line[x], line[x]); },
                runs);
        } else {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            scanRow(
                width,
                [line](int x) {
                    return isOutsideMaskPixel(qRed(line[x]), qGreen(line[x]), qBlue(line[x]));
                },
                runs);
        }
        if (y > 0 && runs == previous) {
            for (std::size_t i = bandStart; i < rects.size(); ++i)
                rects[i].setBottom(y);
            continue;
        }
        bandStart = rects.size();
        for (const Run& run : runs)
            rects.emplace_back(run.begin, y, run.end - run.begin, 1);
        std::swap(runs, previous);
    }
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

} // namespace zantor::skin
