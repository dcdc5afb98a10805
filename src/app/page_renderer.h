#pragma once

#include "app/page_plan.h"

#include <QSize>

class QFont;
class QPainter;

namespace zantor::app {

class SkinImageCache;

// The colour that stands in for a skin image that is missing.
inline constexpr unsigned kPlainFillRgb = 0x1C2026;

// Paints a plan onto `painter`, from (0, 0) in `size`: the background image (or a plain fill
// where it is missing), then every step. A copy from a missing image leaves what is below it.
void RenderPlan(QPainter& painter, const PagePlan& plan, SkinImageCache& images,
                const QFont& captionFont, QSize size);

} // namespace zantor::app
