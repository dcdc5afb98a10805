#pragma once

#include "skin_description.h"

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>

// How each kind of entry looks in the normal, over and down images.
namespace zantor::skingen {

// The three looks of a window's images: at rest, under the pointer, pressed or chosen.
enum class State { Normal, Over, Down };

// The lighting preview's colour: a cycle colour 0...6, or unlit.
inline constexpr int kUnlit = -1;

struct EntryContext {
    MousePlacement mainMouse; // where the main page's mouse is, for its lit parts
    int previewColour;        // colour of the lighting preview in this image
};

// Draws an entry inside its box only: the window copies whole boxes between the images.
void drawEntry(QPainter& p, const Entry& e, State s, const EntryContext& context);

void drawChevronRight(QPainter& p, double cx, double cy, const QColor& colour);
QFont imageFont(int pixelSize, bool bold);
QRectF crisp(const Box& b); // a box for 1-pixel outlines on whole pixels
QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom);

} // namespace zantor::skingen
