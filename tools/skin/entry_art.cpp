#include "entry_art.h"

#include "mouse_art.h"
#include "skin_style.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <optional>

namespace zantor::skingen {

using namespace style;

QFont imageFont(int pixelSize, bool bold) {
    QFont font("Liberation Sans");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QRectF crisp(const Box& b) {
    return QRectF(b.x + 0.5, b.y + 0.5, b.w - 1.0, b.h - 1.0);
}

QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

namespace {

QColor mixed(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// The common look of buttons and choices.
void drawControl(QPainter& p, const Box& b, State s, double radius = 4) {
    const QRectF r = crisp(b);
    switch (s) {
    case State::Normal:
        p.setPen(QPen(kControlEdge, 1));
        p.setBrush(vertical(r, kControl.lighter(112), kControl));
        break;
    case State::Over:
        p.setPen(QPen(kAccent, 1));
        p.setBrush(vertical(r, kHover.lighter(115), kHover));
        break;
    case State::Down:
        p.setPen(QPen(kDownEdge, 1));
        p.setBrush(vertical(r, kDownTop, kDownBottom));
        break;
    }
    p.drawRoundedRect(r, radius, radius);
}

QColor glyphColour(State s) {
    return s == State::Normal ? kGlyph : s == State::Over ? kAccent : kGlyphBright;
}

bool iconOnly(Icon icon) {
    return icon == Icon::Plus || icon == Icon::Minus || icon == Icon::Minimise ||
           icon == Icon::Close;
}

// Line icons in a 14 x 14 square at (x, y).
void drawIcon(QPainter& p, Icon icon, double x, double y, const QColor& colour) {
    p.save();
    p.translate(x, y);
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (icon) {
    case Icon::None:
        break;
    case Icon::Minimise:
        p.drawLine(QPointF(2, 10), QPointF(12, 10));
        break;
    case Icon::Close:
        p.drawLine(QPointF(3, 3), QPointF(11, 11));
        p.drawLine(QPointF(11, 3), QPointF(3, 11));
        break;
    case Icon::Save:
        p.drawRoundedRect(QRectF(1.5, 1.5, 11, 11), 1.5, 1.5);
        p.drawRect(QRectF(4, 1.5, 6, 3.5));
        p.drawRect(QRectF(3.5, 8, 7, 4.5));
        break;
    case Icon::Apply:
        p.drawPolyline(QPolygonF({{2, 7.5}, {5.5, 11}, {12, 3}}));
        break;
    case Icon::Tray:
        p.drawLine(QPointF(7, 1.5), QPointF(7, 8.5));
        p.drawPolyline(QPolygonF({{4, 6}, {7, 9}, {10, 6}}));
        p.drawPolyline(QPolygonF({{1.5, 9}, {1.5, 12.5}, {12.5, 12.5}, {12.5, 9}}));
        break;
    case Icon::Import:
        p.drawLine(QPointF(7, 1.5), QPointF(7, 9));
        p.drawPolyline(QPolygonF({{4, 6}, {7, 9}, {10, 6}}));
        p.drawPolyline(QPolygonF({{1.5, 8}, {1.5, 12.5}, {12.5, 12.5}, {12.5, 8}}));
        break;
    case Icon::Export:
        p.drawLine(QPointF(7, 9), QPointF(7, 1.5));
        p.drawPolyline(QPolygonF({{4, 4.5}, {7, 1.5}, {10, 4.5}}));
        p.drawPolyline(QPolygonF({{1.5, 8}, {1.5, 12.5}, {12.5, 12.5}, {12.5, 8}}));
        break;
    case Icon::Reset:
        p.drawArc(QRectF(2, 2, 10, 10), 100 * 16, 280 * 16);
        p.drawPolyline(QPolygonF({{4.5, 0.8}, {6.4, 2.3}, {4.8, 4.2}}));
        break;
    case Icon::Globe:
        p.drawEllipse(QRectF(1.5, 1.5, 11, 11));
        p.drawEllipse(QRectF(4.5, 1.5, 5, 11));
        p.drawLine(QPointF(1.5, 7), QPointF(12.5, 7));
        break;
    case Icon::Record:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xE8, 0x3B, 0x45));
        p.drawEllipse(QRectF(2, 2, 10, 10));
        break;
    case Icon::Plus:
        p.drawLine(QPointF(2, 7), QPointF(12, 7));
        p.drawLine(QPointF(7, 2), QPointF(7, 12));
        break;
    case Icon::Minus:
        p.drawLine(QPointF(2, 7), QPointF(12, 7));
        break;
    }
    p.restore();
}

void drawEntryIcon(QPainter& p, const Entry& e, State s) {
    if (e.icon == Icon::None)
        return;
    const double y = e.box.y + (e.box.h - 14) / 2.0;
    const double x = iconOnly(e.icon) ? e.box.x + (e.box.w - 14) / 2.0 : e.box.x + 10;
    drawIcon(p, e.icon, x, y, glyphColour(s));
}

void drawHeading(QPainter& p, const Box& b, bool lit) {
    const QRectF r(b.x, b.y, b.w, b.h);
    QLinearGradient g(r.topLeft(), r.topRight());
    if (lit) {
        g.setColorAt(0, kPrimaryTop);
        g.setColorAt(1, kPrimaryBottom.darker(140));
    } else {
        g.setColorAt(0, QColor(0x22, 0x2B, 0x36));
        g.setColorAt(1, kCard);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(r);
    p.setBrush(lit ? kGlyphBright : kAccent);
    p.drawRect(QRectF(b.x, b.y, 3, b.h));
}

void drawCheckMark(QPainter& p, QRectF r, const QColor& colour, double width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{r.left() + r.width() * 0.2, r.top() + r.height() * 0.52},
                              {r.left() + r.width() * 0.42, r.top() + r.height() * 0.74},
                              {r.left() + r.width() * 0.8, r.top() + r.height() * 0.28}}));
}

void drawChevronDown(QPainter& p, double cx, double cy, const QColor& colour) {
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{cx - 4, cy - 2}, {cx, cy + 2}, {cx + 4, cy - 2}}));
}

} // namespace

void drawChevronRight(QPainter& p, double cx, double cy, const QColor& colour) {
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{cx - 2, cy - 4}, {cx + 2, cy}, {cx - 2, cy + 4}}));
}

void drawEntry(QPainter& p, const Entry& e, State s, const EntryContext& c) {
    const Box& b = e.box;
    p.save();
    switch (e.look) {
    case Look::Label:
        break;
    case Look::Heading:
        drawHeading(p, b, false);
        break;
    case Look::EditorHeader:
        drawHeading(p, b, s != State::Normal);
        break;
    case Look::Button:
    case Look::Choice:
        drawControl(p, b, s);
        drawEntryIcon(p, e, s);
        break;
    case Look::PrimaryButton: {
        const QRectF r = crisp(b);
        const QColor top = s == State::Over   ? kDownTop.lighter(118)
                           : s == State::Down ? kDownBottom
                                              : kPrimaryTop;
        const QColor bottom = s == State::Over   ? kDownTop
                              : s == State::Down ? kDownBottom.darker(125)
                                                 : kPrimaryBottom;
        p.setPen(QPen(s == State::Normal ? kAccentSoft.lighter(130) : kDownEdge, 1));
        p.setBrush(vertical(r, top, bottom));
        p.drawRoundedRect(r, 4, 4);
        drawEntryIcon(p, e, s == State::Normal ? State::Down : s);
        break;
    }
    case Look::Tab: {
        const QRectF r(b.x, b.y, b.w, b.h);
        if (s != State::Normal) {
            QColor top = kAccent, bottom = kAccent;
            top.setAlpha(s == State::Over ? 8 : 20);
            bottom.setAlpha(s == State::Over ? 40 : 90);
            p.setPen(Qt::NoPen);
            p.setBrush(vertical(r, top, bottom));
            p.drawRect(r);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(s == State::Normal ? kCardEdge : s == State::Over ? kAccentSoft : kAccent);
        const int line = s == State::Down ? 3 : 2;
        p.drawRect(QRectF(b.x, b.bottom() - line, b.w, line));
        break;
    }
    case Look::WindowButton: {
        if (s != State::Normal) {
            const bool close = e.icon == Icon::Close;
            p.setPen(Qt::NoPen);
            p.setBrush(s == State::Over ? kHover : close ? kClose : kDownBottom);
            p.drawRoundedRect(QRectF(b.x, b.y, b.w, b.h), 4, 4);
        }
        drawIcon(p, e.icon, b.x + (b.w - 14) / 2.0, b.y + (b.h - 14) / 2.0,
                 s == State::Normal ? kGlyph : kGlyphBright);
        break;
    }
    case Look::Slot: {
        drawControl(p, b, s);
        const QColor mark = glyphColour(s);
        p.setPen(QPen(s == State::Down   ? kDownEdge
                      : s == State::Over ? kAccentSoft
                                         : kControlEdge,
                      1));
        p.drawLine(QPointF(b.right() - 24.5, b.y + 6), QPointF(b.right() - 24.5, b.bottom() - 6));
        drawChevronDown(p, b.right() - 12.5, b.y + b.h / 2.0, mark);
        break;
    }
    case Look::Check: {
        const QRectF r = crisp(b);
        if (s == State::Down) {
            p.setPen(QPen(kDownEdge, 1));
            p.setBrush(vertical(r, kDownTop, kDownBottom));
            p.drawRoundedRect(r, 3, 3);
            drawCheckMark(p, r, kGlyphBright, 2.0);
        } else {
            p.setPen(QPen(s == State::Over ? kAccent : kControlEdge.lighter(120), 1));
            p.setBrush(s == State::Over ? kHover : QColor(0x0C, 0x0F, 0x13));
            p.drawRoundedRect(r, 3, 3);
        }
        break;
    }
    case Look::Swatch: {
        // The window fills the whole box with the level's colour: the frame lies around it.
        p.setPen(QPen(kControlEdge.lighter(130), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(b.x - 1.5, b.y - 1.5, b.w + 3, b.h + 3), 2, 2);
        p.fillRect(b.x, b.y, b.w, b.h, QColor(0x2A, 0x2F, 0x36));
        break;
    }
    case Look::Cell: {
        // The window fills (x + 1, y + 1, w - 2, h - 1); the left, right and top pixel lines
        // stay as drawn here and show hover and press as a bracket.
        p.setRenderHint(QPainter::Antialiasing, false);
        const QColor body = s == State::Normal ? kCellBody
                            : s == State::Over ? kHover.lighter(110)
                                               : kDownBottom;
        p.fillRect(b.x + 1, b.y + 1, b.w - 2, b.h - 1, body);
        if (s != State::Normal) {
            const QColor ring = s == State::Over ? kAccent : kDownEdge;
            p.fillRect(b.x, b.y, 1, b.h, ring);
            p.fillRect(b.right() - 1, b.y, 1, b.h, ring);
            p.fillRect(b.x, b.y, b.w, 1, ring);
        }
        break;
    }
    case Look::LevelChoice: {
        drawControl(p, b, s);
        p.setFont(imageFont(12, true));
        p.setPen(s == State::Normal ? kGlyph : kGlyphBright);
        p.drawText(QRectF(b.x, b.y, b.w, b.h), Qt::AlignCenter,
                   QStringLiteral("DPI %1").arg(e.param));
        break;
    }
    case Look::Slider: {
        const QRectF r = crisp(b);
        const double radius = b.h / 2.0 - 1;
        if (s == State::Down) {
            QLinearGradient g(r.topLeft(), r.topRight());
            g.setColorAt(0, kAccentSoft);
            g.setColorAt(1, kAccent);
            p.setPen(QPen(kDownEdge, 1));
            p.setBrush(g);
        } else {
            p.setPen(QPen(s == State::Over ? kAccent : kControlEdge, 1));
            p.setBrush(QColor(0x0A, 0x0D, 0x11));
        }
        p.drawRoundedRect(r, radius, radius);
        break;
    }
    case Look::Readout:
        p.setPen(QPen(kWellEdge, 1));
        p.setBrush(kWell);
        p.drawRoundedRect(crisp(b), 3, 3);
        break;
    case Look::ColourChip: {
        const QColor colour = kLedColours[static_cast<std::size_t>(e.param)];
        const QRectF r = crisp(b);
        if (s == State::Down) {
            p.setPen(QPen(kGlyphBright, 2));
            p.setBrush(vertical(r, colour.lighter(108), colour.darker(112)));
            p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
            drawCheckMark(p, QRectF(b.x + b.w / 2.0 - 8, b.y + b.h / 2.0 - 8, 16, 16),
                          QColor(0x10, 0x14, 0x1A), 2.4);
        } else {
            const double strength = s == State::Over ? 0.7 : 0.32;
            p.setPen(QPen(s == State::Over ? kGlyphBright : mixed(kCard, colour, 0.55), 1));
            p.setBrush(mixed(kCard, colour, strength));
            p.drawRoundedRect(r, 5, 5);
        }
        break;
    }
    case Look::MousePart:
        if (s != State::Normal)
            drawLitMousePart(p, static_cast<MousePart>(e.param), c.mainMouse, s == State::Down);
        break;
    case Look::Preview: {
        const QRectF r(b.x, b.y, b.w, b.h);
        p.setClipRect(r);
        QRadialGradient back(r.center(), r.height() * 0.65);
        back.setColorAt(0, QColor(0x1B, 0x21, 0x29));
        back.setColorAt(1, kCard);
        p.fillRect(r, back);
        std::optional<QColor> led;
        if (c.previewColour != kUnlit)
            led = kLedColours[static_cast<std::size_t>(c.previewColour)];
        drawMouse(p, mouseInBox(b, 18), led);
        break;
    }
    }
    p.restore();
}

} // namespace zantor::skingen
