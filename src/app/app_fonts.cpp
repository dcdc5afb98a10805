#include "app/app_fonts.h"

#include <QGuiApplication>
#include <QScreen>

#include <array>
#include <cmath>

namespace zantor::app {
namespace {

struct ScaleBase {
    float scale;
    int base;
};
// The scales with a base of their own; every scale strictly between 2 and 3 has base 30.
constexpr std::array<ScaleBase, 6> kScaleBases{{
    {1.0f, 87},
    {1.25f, 63},
    {1.5f, 53},
    {1.75f, 43},
    {2.0f, 43},
    {3.0f, 20},
}};
constexpr int kBaseBetweenTwoAndThree = 30;

constexpr int kLargeEnglish = 12, kSmallEnglish = 7, kLargeKorean = 7, kSmallKorean = 6;
constexpr double kPointsPerInch = 72.0;

QFont font(const QStringList& families, int tenthsOfPoint, double dpi) {
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(std::max(1, int(std::lround(tenthsOfPoint / 10.0 * dpi / kPointsPerInch))));
    return f;
}

const QStringList& englishFamilies() {
    static const QStringList families{"Arial", "Liberation Sans", "Noto Sans CJK KR"};
    return families;
}

const QStringList& koreanFamilies() {
    static const QStringList families{QString::fromUtf8("微软雅黑"), "Noto Sans CJK KR",
                                      "Noto Sans CJK SC"};
    return families;
}

} // namespace

int fontBaseForScale(float scale) {
    if (scale > 2.0f && scale < 3.0f)
        return kBaseBetweenTwoAndThree;
    const ScaleBase* nearest = &kScaleBases.front();
    for (const ScaleBase& entry : kScaleBases)
        if (std::fabs(entry.scale - scale) < std::fabs(nearest->scale - scale))
            nearest = &entry;
    return nearest->base;
}

AppFonts makeAppFonts(double dpi) {
    const int base = fontBaseForScale(float(dpi) / 96.0f);
    return AppFonts{
        .large = {font(englishFamilies(), base + kLargeEnglish, dpi),
                  font(koreanFamilies(), base + kLargeKorean, dpi)},
        .small = {font(englishFamilies(), base + kSmallEnglish, dpi),
                  font(koreanFamilies(), base + kSmallKorean, dpi)},
    };
}

double primaryScreenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 0.0;
    return dpi > 0.0 ? dpi : 96.0;
}

} // namespace zantor::app
