#pragma once

#include <QFont>

namespace zantor::app {

// The base size, in tenths of a point, of the window's fonts at display scale `scale`
// (logical pixels per inch / 96). The scales 1, 1.25, 1.5, 1.75, 2, 3 and those strictly
// between 2 and 3 have their own base; any other scale takes the base of the nearest of them
// (the lower one on a tie), so text stays readable at scales such as 110 / 96.
int fontBaseForScale(float scale);

// An English and a Korean font; each painter takes the one of the interface language.
struct FontPair {
    QFont english, korean;
    const QFont& of(int language) const { return language == 0 ? korean : english; }
};

// LargeFont (the warning window) and SmallFont (every caption of the main window).
struct AppFonts {
    FontPair large, small;
};

// The four fonts for a display of `dpi` logical pixels per inch: Arial at base + 12 and
// base + 7, 微软雅黑 at base + 7 and base + 6 (tenths of a point), with fallbacks that have
// Latin, Hangul and Chinese glyphs. Point sizes are turned into pixels at `dpi`.
AppFonts makeAppFonts(double dpi);

// The logical pixels per inch of the primary screen (96 without a screen).
double primaryScreenDpi();

} // namespace zantor::app
