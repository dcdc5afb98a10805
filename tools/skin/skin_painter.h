#pragma once

#include "entry_art.h"
#include "skin_description.h"

#include <QImage>
#include <QPolygon>

namespace zantor::skingen {

// previewColour: the cycle colour 0...6 the lighting preview shows, or kUnlit.
QImage paintPage(const Description& d, Page page, State state, int previewColour);
QImage paintMenu(const MenuDescription& menu, State state);
QImage paintWarning(const Description& d, State state);

// Masks: black inside the window, white outside, without antialiasing, so the outline survives
// the JPEG round trip exactly.
QImage paintMask(const Outline& outline);
QImage paintMenuMask(const MenuDescription& menu);

QPolygon outlinePolygon(const Outline& outline);

} // namespace zantor::skingen
