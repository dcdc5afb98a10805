#pragma once

#include "skin_description.h"

#include <QColor>
#include <QPainter>

#include <optional>

namespace zantor::skingen {

// Draws the mouse seen from above, front at the top, its design box (kMouseWidth x
// kMouseHeight) scaled by `scale` with its top-left corner at the origin. `led` lights the
// wheel, the emblem and the side strips in that colour; without it they are unlit.
void drawMouse(QPainter& p, const MousePlacement& at, std::optional<QColor> led);

// Lights one part: accent fill and edge, clipped to the part's box (mousePartBox) so that only
// that box differs from the unlit picture.
void drawLitMousePart(QPainter& p, MousePart part, const MousePlacement& at, bool pressed);

} // namespace zantor::skingen
