#include "skin/kov_menu.h"

#include <QAction>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace zantor::skin {
namespace {

constexpr int kWidthPerCharacter = 8;
constexpr int kRowHeight = 20;
constexpr int kSeparatorHeight = 1;
constexpr int kTextIndent = 10;
constexpr int kSeparatorIndent = 25;
constexpr QColor kRowColour(0, 120, 153);
constexpr QColor kGradientStart(0, 0, 255);
constexpr QColor kGradientEnd(0, 255, 255);

// Fusion underneath, with our rows, and neither frame nor margins of its own.
class KovMenuStyle final : public QProxyStyle {
public:
    KovMenuStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        if (type == CT_MenuItem)
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option))
                return CKovMenu::MeasureItem(entryOf(*item));
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element != CE_MenuItem || !item) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const MenuEntry entry = entryOf(*item);
        CKovMenu::DrawItem(*painter, item->rect, entry, item->state & State_Selected);
        if (entry.id == kSubmenu) {
            QStyleOption arrow = *option;
            arrow.rect = QRect(item->rect.right() - 14, item->rect.top(), 10, item->rect.height());
            arrow.palette.setColor(QPalette::ButtonText, Qt::white);
            proxy()->drawPrimitive(PE_IndicatorArrowRight, &arrow, painter, widget);
        }
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_PanelMenu || element == PE_FrameMenu)
            return;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
        case PM_MenuPanelWidth:
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuDesktopFrameWidth:
            return 0;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

private:
    static MenuEntry entryOf(const QStyleOptionMenuItem& item) {
        if (item.menuItemType == QStyleOptionMenuItem::Separator)
            return MenuEntry{QString(), 0};
        return MenuEntry{item.text,
                         item.menuItemType == QStyleOptionMenuItem::SubMenu ? kSubmenu : 1};
    }
};

} // namespace

CKovMenu::CKovMenu() : style_(std::make_unique<KovMenuStyle>()) {}
CKovMenu::~CKovMenu() = default;

QSize CKovMenu::MeasureItem(const MenuEntry& entry) {
    return QSize(kWidthPerCharacter * int(entry.text.size()),
                 entry.id == 0 ? kSeparatorHeight : kRowHeight);
}

void CKovMenu::DrawItem(QPainter& painter, const QRect& rect, const MenuEntry& entry,
                        bool selected) {
    painter.save();
    if (entry.id == 0) {
        const QRect frame = rect.adjusted(kSeparatorIndent, 0, 0, 0);
        painter.setPen(QColor(255, 0, 0));
        painter.drawLine(frame.topLeft(), frame.topRight());
        painter.drawLine(frame.topLeft(), frame.bottomLeft());
        painter.setPen(QColor(0, 0, 255));
        painter.drawLine(frame.bottomLeft(), frame.bottomRight());
        painter.drawLine(frame.topRight(), frame.bottomRight());
        painter.restore();
        return;
    }
    if (!selected) {
        painter.fillRect(rect, kRowColour);
    } else {
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        const QRect inner = rect.adjusted(1, 1, -1, -1);
        const int height = inner.height();
        // Per-component steps, truncated toward zero, as the gradient of the highlighted row.
        const double stepRed = double(kGradientEnd.red() - kGradientStart.red()) / height;
        const double stepGreen = double(kGradientEnd.green() - kGradientStart.green()) / height;
        const double stepBlue = double(kGradientEnd.blue() - kGradientStart.blue()) / height;
        for (int y = 0; y < height; ++y) {
            const QColor line(kGradientStart.red() + int(stepRed) * y,
                              kGradientStart.green() + int(stepGreen) * y,
                              kGradientStart.blue() + int(stepBlue) * y);
            painter.fillRect(QRect(inner.left(), inner.top() + y, inner.width(), 1), line);
        }
    }
    painter.setPen(Qt::white);
    painter.drawText(rect.adjusted(kTextIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     entry.text);
    painter.restore();
}

void CKovMenu::load(std::span<const MenuItemResource> resource) {
    entries_.clear();
    menus_.clear();
    popup_ = nullptr;
    // The open menu of each level while walking the items in order.
    std::vector<QMenu*> levels;
    for (const MenuItemResource& item : resource) {
        if (int(entries_.size()) == kMaxEntries)
            break;
        entries_.push_back(
            MenuEntry{QString::fromUtf8(item.text.data(), qsizetype(item.text.size())), item.id});
        if (item.level == 0) {
            levels.clear();
            continue;
        }
        levels.resize(std::size_t(item.level)); // the parent's level and above stay open
        QMenu* parent = levels[std::size_t(item.level - 1)];
        if (!parent) {
            menus_.push_back(std::make_unique<QMenu>());
            parent = menus_.back().get();
            parent->setStyle(style_.get());
            levels[std::size_t(item.level - 1)] = parent;
            if (!popup_)
                popup_ = parent;
        }
        const QString text = entries_.back().text;
        if (item.id == kSubmenu) {
            QMenu* submenu = parent->addMenu(text);
            submenu->setStyle(style_.get());
            levels.push_back(submenu);
        } else if (item.id == 0) {
            parent->addSeparator();
        } else {
            parent->addAction(text)->setData(item.id);
        }
    }
}

void LoadPopupMenus(CKovMenu& contextMenu, CKovMenu& trayMenu, int language) {
    if (language != 0) {
        contextMenu.load(kContextMenuEnglish);
        trayMenu.load(kTrayMenuEnglish);
    } else {
        contextMenu.load(kContextMenuKorean);
        trayMenu.load(kTrayMenuKorean);
    }
}

} // namespace zantor::skin
