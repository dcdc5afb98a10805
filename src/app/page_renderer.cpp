#include "app/page_renderer.h"

#include "app/qt_rect.h"
#include "app/skin_image_cache.h"

#include <QPainter>

namespace zantor::app {
namespace {

constexpr int kSlotTextIndent = 5;

QColor colourOf(std::uint32_t bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace

void RenderPlan(QPainter& painter, const PagePlan& plan, SkinImageCache& images,
                const QFont& captionFont, QSize size) {
    const QRect canvas(QPoint(0, 0), size);
    const QImage& background = images.image(plan.background);
    if (background.isNull() || background.width() < size.width() ||
        background.height() < size.height())
        painter.fillRect(canvas, QColor::fromRgb(kPlainFillRgb));
    if (!background.isNull())
        painter.drawImage(QPoint(0, 0), background);

    // Text may run past its rectangle, but not arbitrarily far.
    const QRect textBounds =
        canvas.adjusted(-size.width(), -size.height(), size.width(), size.height());
    painter.setFont(captionFont);
    painter.setPen(Qt::white);
    for (const PaintOp& op : plan.ops) {
        switch (op.kind) {
        case PaintOp::Kind::Copy: {
            const QImage& image = images.image(op.image);
            const QRect rect = clippedRect(op.rect, canvas).intersected(image.rect());
            if (!rect.isEmpty())
                painter.drawImage(rect.topLeft(), image, rect);
            break;
        }
        case PaintOp::Kind::Fill:
            painter.fillRect(clippedRect(op.rect, canvas), colourOf(op.colour));
            break;
        case PaintOp::Kind::Text:
            painter.drawText(clippedRect(op.rect, textBounds), Qt::AlignCenter | Qt::TextDontClip,
                             QString::fromStdString(op.text));
            break;
        case PaintOp::Kind::TextLeft:
            painter.drawText(clippedRect(op.rect, textBounds).adjusted(kSlotTextIndent, 0, 0, 0),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                             QString::fromStdString(op.text));
            break;
        }
    }
}

} // namespace zantor::app
