#include "app/app_icon.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace zantor::app {

QImage drawAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    // The tile: dark, with the skin's cyan edge.
    p.setPen(QPen(QColor(0x2A, 0xB8, 0xE6), 2.5));
    p.setBrush(QColor(0x14, 0x18, 0x1E));
    p.drawRoundedRect(QRectF(3, 3, 58, 58), 12, 12);
    // Two slanted strokes.
    p.setPen(Qt::NoPen);
    const std::array<QColor, 2> colours{QColor(0x2A, 0xB8, 0xE6), QColor(0x8F, 0xE3, 0xFF)};
    for (int i = 0; i < 2; ++i) {
        const double x = 14 + i * 17;
        QPainterPath stroke;
        stroke.moveTo(x + 14, 14);
        stroke.lineTo(x + 25, 14);
        stroke.lineTo(x + 11, 50);
        stroke.lineTo(x, 50);
        stroke.closeSubpath();
        p.fillPath(stroke, colours[std::size_t(i)]);
    }
    return image;
}

QIcon appIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(drawAppIcon(size)));
    return icon;
}

} // namespace zantor::app
