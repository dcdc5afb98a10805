// Times RegionFromMask on the committed main window mask: median and spread over many runs.
#include "skin/region_from_mask.h"

#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString path = argc > 1 ? QString(argv[1]) : QString(ZANTOR_MAIN_MASK);
    const QImage mask(path);
    if (mask.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    // As decoded (a grey JPG gives 8-bit grey), and as a 32-bit colour image.
    for (const QImage& image : {mask, mask.convertToFormat(QImage::Format_RGB32)}) {
        using Clock = std::chrono::steady_clock;
        constexpr int kRuns = 1000;
        std::vector<double> ms;
        ms.reserve(kRuns);
        int rects = 0;
        for (int i = 0; i < kRuns; ++i) {
            const auto start = Clock::now();
            const QRegion region = zantor::skin::RegionFromMask(image);
            ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            rects = region.rectCount();
        }
        std::sort(ms.begin(), ms.end());
        std::printf("RegionFromMask %dx%d %s, %d runs: median %.3f ms, min %.3f ms, 90%% %.3f ms; "
                    "%d rectangles\n",
                    image.width(), image.height(),
                    image.format() == QImage::Format_Grayscale8 ? "grey" : "RGB32", kRuns,
                    ms[kRuns / 2], ms.front(), ms[kRuns * 9 / 10], rects);
    }
    return 0;
}
