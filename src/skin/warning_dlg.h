#pragma once

#include "skin/function_menu.h"
#include "skin/skin_layout.h"

#include <QDialog>
#include <QFont>
#include <QImage>
#include <QRegion>

#include <string>

namespace zantor::skin {

// The skinned confirmation shown before the only primary-click button gets another function:
// shaped by its mask, OK and Cancel where the warning layout puts them. It ends with
// kWarningOk or kWarningCancel (also on Esc and on closing); Enter does nothing.
class WarningDlg final : public QDialog {
public:
    WarningDlg(const std::string& skinsDir,
               const std::array<SkinButton, kWarningButtonCount>& layout, const QFont& font,
               QPoint anchor, QWidget* owner);

    int hover() const { return hover_; }
    const QRegion& region() const { return region_; }
    // The centre of OK (kWarningOk) or Cancel (kWarningCancel), in window coordinates.
    QPoint buttonCentre(int button) const;

    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void setHover(int hover);

    std::array<SkinButton, kWarningButtonCount> layout_;
    QImage normal_, over_;
    QRegion region_;
    QFont font_;
    int hover_ = kNoRow;
};

// Shows the warning at `anchor` (screen coordinates) and waits for the answer: kWarningOk or
// kWarningCancel.
int ShowFunctionWarning(const std::string& skinsDir,
                        const std::array<SkinButton, kWarningButtonCount>& layout,
                        const QFont& font, QPoint anchor, QWidget* owner);

} // namespace zantor::skin
