#include "mouse_art.h"

#include "skin_style.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace zantor::skingen {
namespace {

using namespace style;

// Outline of the body in design units, symmetric about x = 60.
QPainterPath bodyPath() {
    QPainterPath path(QPointF(60, 0));
    path.cubicTo(38, 0, 16, 3, 11, 16);
    path.cubicTo(5, 32, 7, 62, 5, 90);
    path.cubicTo(3, 112, 1, 132, 5, 152);
    path.cubicTo(11, 174, 36, 180, 60, 180);
    path.cubicTo(84, 180, 109, 174, 115, 152);
    path.cubicTo(119, 132, 117, 112, 115, 90);
    path.cubicTo(113, 62, 115, 32, 109, 16);
    path.cubicTo(104, 3, 82, 0, 60, 0);
    path.closeSubpath();
    return path;
}

QPainterPath rectPath(QRectF r) {
    QPainterPath path;
    path.addRect(r);
    return path;
}

QPainterPath roundedPath(QRectF r, double radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// The shape of each part, in design units.
QPainterPath partPath(MousePart part) {
    switch (part) {
    case MousePart::Left:
        return bodyPath().intersected(rectPath({0, 0, 54, 82}));
    case MousePart::Right:
        return bodyPath().intersected(rectPath({66, 0, 54, 82}));
    case MousePart::Wheel:
        return roundedPath({56, 15, 8, 34}, 3.5);
    case MousePart::Forward:
        return roundedPath({1.5, 96, 8, 22}, 3.5);
    case MousePart::Back:
        return roundedPath({1.5, 122, 8, 22}, 3.5);
    case MousePart::Dpi:
        return roundedPath({56.5, 59, 7, 14}, 2.5);
    }
    return {};
}

QPainterPath emblemPath() {
    QPainterPath z(QPointF(48, 116));
    z.lineTo(72, 116);
    z.lineTo(50, 142);
    z.lineTo(74, 142);
    return z;
}

QPainterPath sideStripPath(bool left) {
    QPainterPath strip;
    if (left) {
        strip.moveTo(9, 150);
        strip.cubicTo(13, 168, 32, 174, 48, 175);
    } else {
        strip.moveTo(111, 150);
        strip.cubicTo(107, 168, 88, 174, 72, 175);
    }
    return strip;
}

} // namespace

void drawMouse(QPainter& p, const MousePlacement& at, std::optional<QColor> led) {
    const double scale = at.scale;
    p.save();
    p.translate(at.x, at.y);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const double px = 1.0 / scale; // one device pixel in design units

    // Glow under the lit mouse.
    if (led) {
        QRadialGradient glow(QPointF(60, 96), 72);
        QColor inner = *led;
        inner.setAlpha(120);
        QColor outer = *led;
        outer.setAlpha(0);
        glow.setColorAt(0, inner);
        glow.setColorAt(1, outer);
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QPointF(60, 96), 72, 72);
    }

    QLinearGradient shell(0, 0, 120, 180);
    shell.setColorAt(0, QColor(0x2A, 0x31, 0x3B));
    shell.setColorAt(1, QColor(0x14, 0x18, 0x1E));
    p.setBrush(shell);
    p.setPen(QPen(QColor(0x4A, 0x55, 0x64), 1.4 * px));
    p.drawPath(bodyPath());

    // Button seams, the wheel channel and the palm line.
    p.setPen(QPen(QColor(0x0A, 0x0C, 0x10), 2.0 * px));
    p.drawLine(QPointF(54, 4), QPointF(54, 82));
    p.drawLine(QPointF(66, 4), QPointF(66, 82));
    p.setBrush(QColor(0x0E, 0x11, 0x15));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(54, 6, 12, 76));
    p.setPen(QPen(QColor(0x0A, 0x0C, 0x10), 2.0 * px));
    QPainterPath seam(QPointF(7, 84));
    seam.cubicTo(30, 80, 90, 80, 113, 84);
    p.setBrush(Qt::NoBrush);
    p.drawPath(seam);

    // Wheel with its ribs, DPI button, side buttons.
    const QColor ledColour = led.value_or(kLedOff);
    p.setPen(QPen(QColor(0x55, 0x60, 0x6E), 1.0 * px));
    p.setBrush(QColor(0x2B, 0x31, 0x3A));
    p.drawPath(partPath(MousePart::Wheel));
    p.setPen(QPen(QColor(0x1A, 0x1E, 0x24), 1.2 * px));
    for (double y = 19; y < 47; y += 4)
        p.drawLine(QPointF(57.5, y), QPointF(62.5, y));
    p.setPen(QPen(ledColour, 1.6 * px));
    p.drawLine(QPointF(60, 17), QPointF(60, 47));
    p.setPen(QPen(QColor(0x55, 0x60, 0x6E), 1.0 * px));
    p.setBrush(QColor(0x24, 0x2A, 0x32));
    p.drawPath(partPath(MousePart::Dpi));
    p.drawPath(partPath(MousePart::Forward));
    p.drawPath(partPath(MousePart::Back));

    // Emblem and side strips: the lights of the mouse.
    for (int pass = 0; pass < 2; ++pass) {
        QColor c = ledColour;
        if (pass == 0) {
            if (!led)
                continue;
            c.setAlpha(90); // soft halo under the line
        }
        const double width = pass == 0 ? 9 * px + 3 : 3.2;
        p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(emblemPath());
        p.drawPath(sideStripPath(true));
        p.drawPath(sideStripPath(false));
    }
    p.restore();
}

void drawLitMousePart(QPainter& p, MousePart part, const MousePlacement& at, bool pressed) {
    const double scale = at.scale;
    const Box box = mousePartBox(part, at);
    p.save();
    p.setClipRect(box.x, box.y, box.w, box.h);
    p.translate(at.x, at.y);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    QColor fill = kAccent;
    fill.setAlpha(pressed ? 200 : 150);
    QLinearGradient shade(0, 0, 0, 180);
    shade.setColorAt(0, fill);
    QColor low = fill;
    low.setAlpha(pressed ? 150 : 90);
    shade.setColorAt(1, low);
    p.setBrush(shade);
    p.setPen(QPen(pressed ? kGlyphBright : kAccent, 1.6 / scale));
    p.drawPath(partPath(part));
    p.restore();
}

} // namespace zantor::skingen
