#pragma once

#include "skin_description.h"

#include <QImage>
#include <QPolygon>

namespace zantor::skingen {

// The three looks of a window's images: at rest, under the pointer, pressed or chosen.
enum class State { Normal, Over, Down };

// previewColour: the cycle colour 0...6 the lighting preview shows, or kUnlit.
inline constexpr int kUnlit = -1;

QImage paintPage(const Description& d, Page page, State state, int previewColour);
QImage paintMenu(const MenuDescription& menu, State state);
QImage paintWarning(const Description& d, State state);

// Masks: black inside the window, white outside, without antialiasing, so the outline survives
// the JPEG round trip exactly.
QImage paintMask(const Outline& outline);
QImage paintMenuMask(const MenuDescription& menu);

QPolygon outlinePolygon(const Outline& outline);

} // namespace zantor::skingen
