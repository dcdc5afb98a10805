// The drop-down menu that chooses a mouse button's function, and its warning.
#include "app/gmouse_dlg.h"

#include "skin/warning_dlg.h"

namespace zantor::app {

void CKOV_GMouseDlg::OpenFunctionMenu(int slot) {
    if (!skin::isButtonSlot(slot))
        return;
    CloseFunctionMenu();
    const Settings& s = ctx_.settings;
    const skin::SkinButton& spot = ctx_.layout.mainButtons[std::size_t(slot)];
    menuState_.slot = slot;
    const QPoint anchor = mapToGlobal(QPoint(spot.x, spot.y + spot.height));
    menuState_.anchorX = anchor.x();
    menuState_.anchorY = anchor.y();
    // The release of this press goes to the warning or the menu, not to this window.
    state_.buttonPressed = false;
    update();

    const int button = menuState_.button();
    if (skin::NeedsFunctionWarning(s.config, button) &&
        skin::ShowFunctionWarning(ctx_.paths.skinsDir(), ctx_.layout.warningButtons,
                                  ctx_.fonts.large.of(s.language), anchor,
                                  this) == skin::kWarningCancel)
        return;

    skin::MenuContent content{ctx_.paths.skinsDir(), ctx_.fonts.small.of(s.language),
                              ctx_.layout.functionNames, skin::UserMacroNames(s.macros)};
    // A choice only edits the configuration; saving and sending are the save and apply spots'.
    menu_ = new skin::CMenuDlg(
        std::move(content),
        [this, button](int code) {
            ctx_.settings.config.setButtonFunction(button, code);
            update();
        },
        this);
    menu_->openAt(anchor);
}

void CKOV_GMouseDlg::CloseFunctionMenu() {
    if (menu_)
        menu_->close();
    menu_ = nullptr;
}

} // namespace zantor::app
