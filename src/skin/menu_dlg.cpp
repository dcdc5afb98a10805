#include "skin/menu_dlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace zantor::skin {

CSubMenuDlg::CSubMenuDlg(const MenuContent& content, const SubMenu& menu, QWidget* firstLevel)
    : SkinMenuWindow(content.skinsDir, kSecondLevelImages,
                     SubMenuTexts(menu, content.functionNames, content.userMacroNames),
                     content.font, firstLevel, Qt::ToolTip),
      menu_(menu) {
    setAttribute(Qt::WA_ShowWithoutActivating);
}

std::optional<int> CSubMenuDlg::releaseAt(QPoint local) {
    setPressed(false);
    hoverAt(local);
    return SubMenuChoice(menu_, row());
}

CMenuDlg::CMenuDlg(MenuContent content, Choose choose, QWidget* owner)
    : SkinMenuWindow(content.skinsDir, kFirstLevelImages, FirstLevelTexts(content.functionNames),
                     content.font, owner, Qt::Popup),
      content_(std::move(content)), choose_(std::move(choose)) {
    setWindowTitle(QStringLiteral("MainMenuDlg"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Presses outside are handed on by closeAndReplay, on every platform alike.
    setAttribute(Qt::WA_NoMouseReplay);
}

void CMenuDlg::openAt(QPoint anchor) {
    move(placeOnScreen(anchor, size()).topLeft());
    show();
}

bool CMenuDlg::overSubMenu(QPoint global) const {
    return sub_ && sub_->isVisible() && sub_->geometry().contains(global);
}

// While the menu is open it receives every pointer event (it is the active popup); those over
// the second-level menu are that menu's.
void CMenuDlg::mouseMoveEvent(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    if (overSubMenu(global)) {
        sub_->hoverAt(sub_->mapFromGlobal(global));
        return;
    }
    if (sub_)
        sub_->hoverAt(QPoint(-1, -1));
    // Away from both menus the last row stays, so the pointer may cross to the second level.
    if (!rect().contains(event->position().toPoint()))
        return;
    hoverAt(event->position().toPoint());
    syncSubMenu();
}

void CMenuDlg::mousePressEvent(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    if (event->button() != Qt::LeftButton) {
        if (!rect().contains(event->position().toPoint()) && !overSubMenu(global))
            closeAndReplay(*event);
        return;
    }
    pressSeen_ = true;
    if (overSubMenu(global)) {
        sub_->setPressed(true);
    } else if (rect().contains(event->position().toPoint())) {
        setPressed(true);
    } else {
        closeAndReplay(*event);
    }
}

// A press elsewhere closes the menu without a choice and still counts where it landed in the
// owner's window: pressing another slot opens that slot's menu. The release that follows goes
// there by itself once the menu has let the pointer go.
void CMenuDlg::closeAndReplay(const QMouseEvent& event) {
    const QPoint global = event.globalPosition().toPoint();
    QWidget* owner = parentWidget();
    close();
    QWidget* target = QApplication::widgetAt(global);
    if (!owner || !target || target->window() != owner->window())
        return;
    const QPointF local = target->mapFromGlobal(event.globalPosition());
    QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonPress, local, local,
                                                        event.globalPosition(), event.button(),
                                                        event.buttons(), event.modifiers()));
}

void CMenuDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressSeen_)
        return;
    const QPoint global = event->globalPosition().toPoint();
    setPressed(false);
    std::optional<int> code;
    if (overSubMenu(global)) {
        code = sub_->releaseAt(sub_->mapFromGlobal(global));
    } else {
        if (sub_)
            sub_->setPressed(false);
        if (rect().contains(event->position().toPoint())) {
            hoverAt(event->position().toPoint());
            code = DirectChoice(row());
        }
    }
    if (!code)
        return;
    choose_(*code);
    close();
}

void CMenuDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        event->accept();
}

void CMenuDlg::syncSubMenu() {
    const std::optional<SubMenu> wanted = SubMenuOf(row(), int(content_.userMacroNames.size()));
    if (sub_ && (!wanted || sub_->menu() != *wanted))
        closeSubMenu();
    // An empty second-level menu (no user macros) has no rows to show.
    if (sub_ || !wanted || wanted->count == 0)
        return;
    sub_ = new CSubMenuDlg(content_, *wanted, this);
    const QPoint topLeft = mapToGlobal(QPoint(rowWidth(), wanted->topOffsetRows() * rowHeight()));
    QRect placed = placeOnScreen(topLeft, sub_->size());
    // Near the screen's right edge it opens on the left instead of covering this menu.
    if (placed.intersects(geometry()))
        placed.moveLeft(x() - placed.width());
    sub_->move(placed.topLeft());
    sub_->show();
}

void CMenuDlg::closeSubMenu() {
    if (!sub_)
        return;
    sub_->hide();
    sub_->deleteLater();
    sub_ = nullptr;
}

} // namespace zantor::skin
