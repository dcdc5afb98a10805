#include "skin/warning_dlg.h"

#include "skin/menu_window.h"
#include "skin/region_from_mask.h"
#include "skin/skin_image.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zantor::skin {
namespace {

// The size of the window when its mask is missing.
constexpr QSize kFallbackSize{460, 150};
constexpr QRgb kFallbackFill = qRgb(0x20, 0x20, 0x20);

QRect qrectOf(const SkinButton& button) {
    return QRect(button.x, button.y, button.width, button.height);
}

} // namespace

WarningDlg::WarningDlg(const std::string& skinsDir,
                       const std::array<SkinButton, kWarningButtonCount>& layout, const QFont& font,
                       QPoint anchor, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), layout_(layout),
      normal_(loadSkinImage(skinsDir, image::kWarningNormal)),
      over_(loadSkinImage(skinsDir, image::kWarningOver)), font_(font) {
    const QImage mask = loadSkinImage(skinsDir, image::kWarningMask);
    const QSize size = mask.isNull() ? kFallbackSize : mask.size();
    region_ = mask.isNull() ? QRegion(QRect(QPoint(0, 0), size)) : RegionFromMask(mask);
    setFixedSize(size);
    setMask(region_);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setModal(true);
    move(placeOnScreen(anchor, size).topLeft());
}

QPoint WarningDlg::buttonCentre(int button) const {
    return qrectOf(layout_[std::size_t(button == kWarningOk ? 0 : 1)]).center();
}

void WarningDlg::reject() {
    done(kWarningCancel);
}

void WarningDlg::setHover(int hover) {
    if (hover == hover_)
        return;
    hover_ = hover;
    update();
}

void WarningDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (normal_.isNull() || normal_.width() < width() || normal_.height() < height())
        painter.fillRect(rect(), QColor::fromRgb(kFallbackFill));
    painter.drawImage(QPoint(0, 0), normal_);
    if (hover_ == kWarningOk || hover_ == kWarningCancel) {
        const QRect lit = qrectOf(layout_[std::size_t(hover_ - 1)]);
        painter.drawImage(lit.topLeft(), over_, lit);
    }
    painter.setFont(font_);
    painter.setPen(QColor(255, 0, 0));
    // The message may need more than one line; the button labels are single words.
    for (const SkinButton& entry : layout_)
        painter.drawText(qrectOf(entry), Qt::AlignCenter | Qt::TextDontClip | Qt::TextWordWrap,
                         QString::fromStdString(entry.caption));
}

void WarningDlg::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    setHover(region_.contains(at) ? WarningButtonAt(at.x(), at.y(), layout_) : kNoRow);
}

void WarningDlg::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void WarningDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    // The button under the release, outside the window's shape none.
    const QPoint at = event->position().toPoint();
    setHover(region_.contains(at) ? WarningButtonAt(at.x(), at.y(), layout_) : kNoRow);
    if (hover_ == kWarningOk || hover_ == kWarningCancel)
        done(hover_);
}

void WarningDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        done(kWarningCancel);
        return;
    default:
        // Enter and every other key do nothing.
        event->accept();
    }
}

void WarningDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Without a window manager nobody else gives it the keyboard, and Esc must reach it.
    raise();
    activateWindow();
}

int ShowFunctionWarning(const std::string& skinsDir,
                        const std::array<SkinButton, kWarningButtonCount>& layout,
                        const QFont& font, QPoint anchor, QWidget* owner) {
    WarningDlg dialog(skinsDir, layout, font, anchor, owner);
    return dialog.exec();
}

} // namespace zantor::skin
