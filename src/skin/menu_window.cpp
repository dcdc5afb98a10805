#include "skin/menu_window.h"

#include "skin/skin_image.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace zantor::skin {
namespace {

// The size of a menu whose mask and normal image are both missing.
constexpr int kFallbackWidth = 160, kFallbackRowHeight = 24;
constexpr QRgb kFallbackFill = qRgb(0x20, 0x20, 0x20);

} // namespace

SkinMenuWindow::SkinMenuWindow(const std::string& skinsDir, const MenuImages& images,
                               const std::vector<std::string>& texts, const QFont& font,
                               QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags | Qt::FramelessWindowHint),
      normal_(loadSkinImage(skinsDir, images.normal)), over_(loadSkinImage(skinsDir, images.over)),
      down_(loadSkinImage(skinsDir, images.down)), font_(font) {
    const QImage mask = loadSkinImage(skinsDir, images.mask);
    const QImage& measure = mask.isNull() ? normal_ : mask;
    width_ = measure.isNull() ? kFallbackWidth : measure.width();
    rowHeight_ = measure.isNull() ? kFallbackRowHeight : measure.height() / images.imageRows;
    for (const std::string& text : texts)
        texts_.push_back(QString::fromStdString(text));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFixedSize(width_, rowCount() * rowHeight_ + 1);
}

QPoint SkinMenuWindow::rowCentre(int r) const {
    return QPoint(width_ / 2, rowHeight_ * (r - 1) + rowHeight_ / 2);
}

void SkinMenuWindow::hoverAt(QPoint local) {
    const int row = MenuRowAt(local.x(), local.y(), width_, rowHeight_, rowCount());
    if (row == row_)
        return;
    row_ = row;
    update();
}

void SkinMenuWindow::setPressed(bool pressed) {
    if (pressed == pressed_)
        return;
    pressed_ = pressed;
    update();
}

void SkinMenuWindow::paintEvent(QPaintEvent*) {
    ++paints_;
    QPainter painter(this);
    if (normal_.isNull() || normal_.width() < width() || normal_.height() < height())
        painter.fillRect(rect(), QColor::fromRgb(kFallbackFill));
    painter.drawImage(QPoint(0, 0), normal_);
    if (row_ != kNoRow) {
        const QRect band(0, (row_ - 1) * rowHeight_, width_, rowHeight_);
        painter.drawImage(band.topLeft(), pressed_ ? down_ : over_, band);
    }
    painter.setFont(font_);
    painter.setPen(Qt::white);
    for (int r = 1; r <= rowCount(); ++r)
        painter.drawText(QRect(0, rowHeight_ * (r - 1), width_, rowHeight_),
                         Qt::AlignCenter | Qt::TextDontClip, texts_[std::size_t(r - 1)]);
}

QRect placeOnScreen(QPoint topLeft, QSize size) {
    QRect placed(topLeft, size);
    const QScreen* screen = QGuiApplication::screenAt(topLeft);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return placed;
    const QRect area = screen->availableGeometry();
    placed.moveLeft(
        std::max(area.left(), std::min(placed.left(), area.right() + 1 - size.width())));
    placed.moveTop(std::max(area.top(), std::min(placed.top(), area.bottom() + 1 - size.height())));
    return placed;
}

} // namespace zantor::skin
