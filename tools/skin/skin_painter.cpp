#include "skin_painter.h"

#include "mouse_art.h"
#include "skin_style.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>

namespace zantor::skingen {
namespace {

using namespace style;

constexpr int kDotsPerMeter = 3780; // 96 dpi, fixed so that the files never vary

QImage canvas(int w, int h, QImage::Format format) {
    QImage image(w, h, format);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    return image;
}

QFont imageFont(int pixelSize, bool bold) {
    QFont font("Liberation Sans");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QRectF crisp(const Box& b) {
    return QRectF(b.x + 0.5, b.y + 0.5, b.w - 1.0, b.h - 1.0);
}

QColor mixed(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
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

void drawChevronRight(QPainter& p, double cx, double cy, const QColor& colour) {
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{cx - 2, cy - 4}, {cx + 2, cy}, {cx - 2, cy + 4}}));
}

struct PageContext {
    const Description& d;
    Page page;
    State state;
    int previewColour;
};

void drawEntry(QPainter& p, const Entry& e, const PageContext& c) {
    const State s = c.state;
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
            drawLitMousePart(p, static_cast<MousePart>(e.param), c.d.mainMouse, s == State::Down);
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

// The window body, bars, logo and cards; identical in every image of a page.
void drawWindowBase(QPainter& p, const Outline& outline) {
    const Box& w = outline.box;
    Outline inner{{w.x + 2, w.y + 2, w.w - 4, w.h - 4},
                  std::max(0, outline.topLeft - 1),
                  std::max(0, outline.topRight - 1),
                  std::max(0, outline.bottomRight - 1),
                  std::max(0, outline.bottomLeft - 1)};
    QPainterPath body;
    body.addPolygon(QPolygonF(outlinePolygon(inner)));
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(QRectF(0, 0, w.w, w.h), kBodyTop, kBodyBottom));
    p.drawPath(body);
}

void drawBars(QPainter& p, const Description& d) {
    const Box& w = d.window.box;
    QPainterPath body;
    body.addPolygon(QPolygonF(outlinePolygon(d.window)));
    p.save();
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(kBar);
    p.drawRect(QRectF(2, 2, w.w - 4, 54));
    p.drawRect(QRectF(2, 548, w.w - 4, w.h - 550));
    p.restore();

    // Accent line under the window bar, fading out at both ends.
    QLinearGradient line(0, 0, w.w, 0);
    QColor clear = kAccent;
    clear.setAlpha(0);
    line.setColorAt(0, clear);
    line.setColorAt(0.25, kAccent);
    line.setColorAt(0.75, kAccent);
    line.setColorAt(1, clear);
    p.fillRect(QRectF(2, 55, w.w - 4, 1), line);
    p.fillRect(QRectF(2, 548, w.w - 4, 1), kCardEdge);

    // Logo: a slanted accent mark and the name.
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(kAccent);
    p.drawPolygon(QPolygonF({{24, 36}, {36, 16}, {44, 16}, {32, 36}}));
    p.setBrush(kAccentSoft);
    p.drawPolygon(QPolygonF({{36, 36}, {48, 16}, {54, 16}, {42, 36}}));
    QFont logo = imageFont(25, true);
    logo.setItalic(true);
    logo.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
    p.setFont(logo);
    p.setPen(kGlyphBright);
    p.drawText(QRectF(62, 8, 190, 36), Qt::AlignLeft | Qt::AlignVCenter, "ZANTOR");
}

void drawPanels(QPainter& p, const std::vector<Panel>& panels) {
    p.setRenderHint(QPainter::Antialiasing);
    for (const Panel& panel : panels) {
        p.setPen(QPen(kCardEdge, 1));
        p.setBrush(kCard);
        p.drawRoundedRect(crisp(panel.box), 6, 6);
    }
}

// The logo's two slanted bars, large and faint, filling the foot of the profiles column.
void drawEmblem(QPainter& p, QPointF centre) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(centre);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1E, 0x25, 0x2E));
    p.drawPolygon(QPolygonF({{-38, 24}, {-14, -24}, {2, -24}, {-22, 24}}));
    p.drawPolygon(QPolygonF({{-14, 24}, {10, -24}, {22, -24}, {-2, 24}}));
    p.setBrush(QColor(0x1A, 0x20, 0x28));
    p.drawPolygon(QPolygonF({{10, 24}, {34, -24}, {42, -24}, {18, 24}}));
    p.restore();
}

const Entry* findEntry(const std::vector<Entry>& entries, int index) {
    for (const Entry& e : entries)
        if (e.index == index)
            return &e;
    return nullptr;
}

// Lines from each button slot to its part of the mouse.
void drawLeaders(QPainter& p, const Description& d, const std::vector<Entry>& entries) {
    struct Leader {
        int slot;
        MousePart part;
        double ax, ay; // anchor on the mouse, design units
    };
    static constexpr Leader leaders[] = {
        {20, MousePart::Left, 30, 40},  {21, MousePart::Right, 90, 40},
        {22, MousePart::Wheel, 60, 30}, {23, MousePart::Forward, 5, 107},
        {24, MousePart::Back, 5, 133},  {25, MousePart::Dpi, 60, 66},
    };
    const MousePlacement& m = d.mainMouse;
    QColor line = kAccentSoft;
    p.setRenderHint(QPainter::Antialiasing);
    for (const Leader& l : leaders) {
        const Entry* slot = findEntry(entries, l.slot);
        if (!slot)
            continue;
        const QPointF anchor(m.x + l.ax * m.scale, m.y + l.ay * m.scale);
        const bool left = slot->box.x < anchor.x();
        const double y = slot->box.y + slot->box.h / 2.0;
        const QPointF start(left ? slot->box.right() + 3 : slot->box.x - 3, y);
        const QPointF elbow(left ? start.x() + 14 : start.x() - 14, y);
        p.setPen(QPen(line, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({start, elbow, anchor}));
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawEllipse(anchor, 2.6, 2.6);
    }
}

// Resolutions above the DPI step columns: the same in both languages, so drawn in.
void drawDpiScale(QPainter& p, const std::vector<Entry>& entries) {
    static constexpr const char* dpi[] = {"200",  "400",  "600",  "800",  "1000", "1200",
                                          "1600", "2000", "2400", "3200", "4000", "4800"};
    const Entry* title = findEntry(entries, 37);
    if (!title)
        return;
    p.setFont(imageFont(11, false));
    p.setPen(kGlyph);
    for (int j = 0; j < 12; ++j)
        if (const Entry* cell = findEntry(entries, 66 + j))
            p.drawText(QRectF(cell->box.x, title->box.y, cell->box.w, title->box.h),
                       Qt::AlignCenter, dpi[j]);
}

// The wells the macro editor's controls sit in, and the badge on its title.
void drawControlWells(QPainter& p, const Description& d) {
    p.setRenderHint(QPainter::Antialiasing);
    for (const ControlBox& c : d.controls) {
        const Box& b = c.box;
        if (std::string_view(c.section) == "EDIT" && c.key == 2) {
            // A keyboard: what the editor records.
            p.setPen(QPen(kGlyphBright, 1.2));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(b.x + 1.5, b.y + 2.5, b.w - 3, b.h - 5), 2, 2);
            p.setPen(Qt::NoPen);
            p.setBrush(kGlyphBright);
            for (int row = 0; row < 2; ++row)
                for (int k = 0; k < 4; ++k)
                    p.drawRect(QRectF(b.x + 4 + k * 3.3, b.y + 5 + row * 2.8, 1.6, 1.4));
            p.drawRect(QRectF(b.x + 6, b.y + 10.8, b.w - 12, 1.4));
            continue;
        }
        p.setPen(QPen(kWellEdge, 1));
        p.setBrush(kWell);
        p.drawRoundedRect(QRectF(b.x - 1.5, b.y - 1.5, b.w + 3, b.h + 3), 3, 3);
        p.fillRect(b.x, b.y, b.w, b.h, kWell);
    }
}

QImage newCanvas(const Box& size) {
    QImage image = canvas(size.w, size.h, QImage::Format_RGB32);
    image.fill(kEdge);
    return image;
}

} // namespace

QPolygon outlinePolygon(const Outline& o) {
    const Box& b = o.box;
    const int r = b.right(), bottom = b.bottom();
    return QPolygon({{b.x + o.topLeft, b.y},
                     {r - o.topRight, b.y},
                     {r, b.y + o.topRight},
                     {r, bottom - o.bottomRight},
                     {r - o.bottomRight, bottom},
                     {b.x + o.bottomLeft, bottom},
                     {b.x, bottom - o.bottomLeft},
                     {b.x, b.y + o.topLeft}});
}

QImage paintMask(const Outline& outline) {
    QImage mask = canvas(outline.box.w, outline.box.h, QImage::Format_Grayscale8);
    mask.fill(255);
    QPainter p(&mask);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(outlinePolygon(outline));
    return mask;
}

QImage paintMenuMask(const MenuDescription& menu) {
    QImage mask = canvas(menu.width, menu.rows * menu.rowHeight + 1, QImage::Format_Grayscale8);
    mask.fill(0);
    return mask;
}

QImage paintPage(const Description& d, Page page, State state, int previewColour) {
    QImage image = newCanvas(d.window.box);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawWindowBase(p, d.window);
    drawBars(p, d);
    drawPanels(p, d.pages[static_cast<int>(page)].panels);
    drawEmblem(p, QPointF(100, 492));
    for (const Box& rule : d.pages[static_cast<int>(page)].rules)
        p.fillRect(rule.x, rule.y, rule.w, rule.h, kCardEdge);

    const std::vector<Entry> entries = entriesOnPage(d, page);
    if (page == Page::Main) {
        drawMouse(p, d.mainMouse, std::nullopt);
        drawLeaders(p, d, entries);
        drawDpiScale(p, entries);
    }
    const PageContext context{d, page, state, previewColour};
    for (const Entry& e : entries)
        drawEntry(p, e, context);
    if (page == Page::Advanced)
        drawControlWells(p, d);
    return image;
}

QImage paintMenu(const MenuDescription& menu, State state) {
    const int w = menu.width, h = menu.rowHeight;
    QImage image = canvas(w, menu.rows * h + 1, QImage::Format_RGB32);
    image.fill(kEdge);
    QPainter p(&image);
    for (int r = 0; r < menu.rows; ++r) {
        const int top = r * h;
        const bool heading = std::find(menu.headingRows.begin(), menu.headingRows.end(), r + 1) !=
                             menu.headingRows.end();
        const QRectF row(1, top + 1, w - 2, h - 1);
        p.setRenderHint(QPainter::Antialiasing, false);
        if (r > 0)
            p.fillRect(QRectF(1, top, w - 2, 1), kCardEdge);
        switch (state) {
        case State::Normal:
            p.fillRect(row, heading ? QColor(0x1C, 0x23, 0x2C) : QColor(0x15, 0x1A, 0x21));
            break;
        case State::Over:
            p.fillRect(row, vertical(row, kHover.lighter(112), kHover));
            p.fillRect(QRectF(1, top + 1, 3, h - 1), kAccent);
            break;
        case State::Down:
            p.fillRect(row, vertical(row, kDownTop, kDownBottom));
            break;
        }
        p.setRenderHint(QPainter::Antialiasing);
        if (heading)
            drawChevronRight(p, w - 12, top + h / 2.0 + 0.5,
                             state == State::Normal ? kGlyph
                             : state == State::Over ? kAccent
                                                    : kGlyphBright);
    }
    return image;
}

QImage paintWarning(const Description& d, State state) {
    QImage image = newCanvas(d.warningWindow.box);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawWindowBase(p, d.warningWindow);

    // A warning sign beside the message: amber triangle with a dark exclamation mark.
    const QPointF top(38, 30);
    p.setPen(QPen(kWarning, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kWarning);
    p.drawPolygon(QPolygonF({top, {top.x() + 19, top.y() + 34}, {top.x() - 19, top.y() + 34}}));
    p.setPen(QPen(QColor(0x14, 0x10, 0x08), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(top.x(), top.y() + 11), QPointF(top.x(), top.y() + 22));
    p.drawPoint(QPointF(top.x(), top.y() + 28));

    p.fillRect(QRectF(16, 90, d.warningWindow.box.w - 32, 1), kCardEdge);
    const PageContext context{d, Page::Main, state, kUnlit};
    for (const Entry& e : d.warning)
        drawEntry(p, e, context);
    return image;
}

} // namespace zantor::skingen
