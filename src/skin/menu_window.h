#pragma once

#include "skin/function_menu.h"
#include "skin/skin_images.h"

#include <QFont>
#include <QImage>
#include <QWidget>

#include <string>
#include <string_view>
#include <vector>

namespace zantor::skin {

// The images of one level of the drop-down menu; the mask's height / imageRows is the row height.
struct MenuImages {
    std::string_view mask, normal, over, down;
    int imageRows;
};
inline constexpr MenuImages kFirstLevelImages{image::kMenuMask, image::kMenuNormal,
                                              image::kMenuOver, image::kMenuDown, kMenuRows};
inline constexpr MenuImages kSecondLevelImages{image::kSubMenuMask, image::kSubMenuNormal,
                                               image::kSubMenuOver, image::kSubMenuDown,
                                               kSubMenuRows};

// A skinned list of rows: every row painted from the normal image, the hovered one from the over
// image (the down image while the left button is held), with its text centred in white. The
// window is as wide as the images and as high as its rows plus one pixel line.
class SkinMenuWindow : public QWidget {
public:
    SkinMenuWindow(const std::string& skinsDir, const MenuImages& images,
                   const std::vector<std::string>& texts, const QFont& font, QWidget* parent,
                   Qt::WindowFlags flags);

    int rowCount() const { return int(texts_.size()); }
    int rowWidth() const { return width_; }
    int rowHeight() const { return rowHeight_; }
    int row() const { return row_; }
    bool pressed() const { return pressed_; }
    int paintCount() const { return paints_; }
    // The centre of row r (1...rowCount), in this window's coordinates.
    QPoint rowCentre(int r) const;

    // The row under a point of this window becomes the hovered one; repaints only on a change.
    void hoverAt(QPoint local);
    void setPressed(bool pressed);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage normal_, over_, down_;
    int width_ = 0, rowHeight_ = 0;
    std::vector<QString> texts_;
    QFont font_;
    int row_ = kNoRow;
    bool pressed_ = false;
    int paints_ = 0;
};

// The rectangle of `size` at `topLeft`, moved into the available area of the screen there so that
// a window opened near a screen edge stays reachable.
QRect placeOnScreen(QPoint topLeft, QSize size);

} // namespace zantor::skin
