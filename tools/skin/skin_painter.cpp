#include "skin_painter.h"

#include "entry_art.h"
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
    const EntryContext context{d.mainMouse, previewColour};
    for (const Entry& e : entries)
        drawEntry(p, e, state, context);
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
    const EntryContext context{d.mainMouse, kUnlit};
    for (const Entry& e : d.warning)
        drawEntry(p, e, state, context);
    return image;
}

} // namespace zantor::skingen
