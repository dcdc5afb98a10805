// The main window's left-button presses and releases, and the commands they carry out.
#include "app/gmouse_dlg.h"

#include "app/hit_test.h"
#include "app/ui_texts.h"
#include "config/config_file.h"
#include "config/exchange.h"
#include "config/language.h"
#include "device/settings_push.h"
#include "platform/log.h"
#include "skin/skin_loader.h"

#include <QMouseEvent>
#include <QUrl>
#include <QWindow>

namespace zantor::app {

void CKOV_GMouseDlg::mousePressEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    // Presses outside the window's shape are not the window's (synthetic ones still arrive).
    if (event->button() != Qt::LeftButton || !shape_.region.contains(position))
        return;
    CloseFunctionMenu();
    setHovers(hoversAt(position));
    if (state_.hovers.any()) {
        state_.buttonPressed = true;
        update();
    }
    const Click click = DecidePress(state_.page, state_.hovers);
    if (click.command == Command::Drag)
        startDrag(event->globalPosition().toPoint());
    else
        carryOut(click, position);
}

void CKOV_GMouseDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    dragOffset_.reset();
    state_.buttonPressed = false;
    // The entry under the pointer now, which need not be the one pressed; none outside.
    setHovers(hoversAt(event->position().toPoint()));
    update();
    carryOut(DecideRelease(state_.page, state_.hovers.main), event->position().toPoint());
}

void CKOV_GMouseDlg::carryOut(const Click& click, QPoint position) {
    // Any other command ends a recording first: none of them is to run with the keyboard
    // grabbed, and loads would replace the macro being recorded.
    const bool recordButton = click.command == Command::MacroEditor && click.argument == 4;
    if (state_.recording && click.command != Command::None && !recordButton)
        StopRecording();
    switch (click.command) {
    case Command::None:
    case Command::Drag:
        return;
    case Command::MacroEditor:
        OnMacroEditorEntry(click.argument);
        return;
    case Command::FunctionMenu:
        OpenFunctionMenu(skin::kFirstButtonSlot + click.argument);
        return;
    case Command::ShowMain:
        ShowMainPage();
        return;
    case Command::ShowAdvanced:
        ShowAdvancedPage();
        return;
    case Command::ShowColour:
        ShowColourPage();
        return;
    case Command::ChooseDpiColour:
        chooseDpiColour(click.argument);
        return;
    case Command::Save:
        save();
        return;
    case Command::SendToTray:
        sendToTray();
        return;
    case Command::Apply:
        pushSettings();
        return;
    case Command::ChooseConfig:
        chooseConfig(click.argument);
        return;
    case Command::Minimise:
        minimise();
        return;
    case Command::CloseToTray:
        state_.hovers.main = kNoHover;
        HideToTray();
        return;
    case Command::Import:
        importConfig();
        return;
    case Command::Export:
        exportConfig();
        return;
    case Command::FactoryReset:
        factoryReset();
        return;
    case Command::SetLanguage:
        switchLanguage(click.argument);
        return;
    case Command::OpenWebSite:
        openWebSite();
        return;
    default:
        if (ApplyConfigEdit(click, ctx_.settings.config, position.x(), ctx_.layout))
            update();
        return;
    }
}

void CKOV_GMouseDlg::ShowMainPage() {
    showEditorControls(false);
    state_.page = Page::Main;
    preview_.setPageShown(false, {});
    update();
}

void CKOV_GMouseDlg::ShowAdvancedPage() {
    state_.page = Page::Advanced;
    preview_.setPageShown(false, {});
    showEditorControls(true);
    update();
}

void CKOV_GMouseDlg::ShowColourPage() {
    showEditorControls(false);
    state_.page = Page::Colour;
    if (!preview_.running())
        state_.preview.colour = 0;
    preview_.setPageShown(true, PreviewInterval(ctx_.settings.config));
    update();
}

void CKOV_GMouseDlg::previewTick() {
    if (state_.page != Page::Colour)
        return;
    state_.preview = NextPreviewLook(state_.preview, ctx_.settings.config);
    InvalidatePage();
}

void CKOV_GMouseDlg::startDrag(QPoint globalPosition) {
    // The window manager moves the window; without one (or where it declines) we do.
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    dragOffset_ = globalPosition - frameGeometry().topLeft();
}

void CKOV_GMouseDlg::chooseDpiColour(int level) {
    if (const auto colour = ctx_.dialogs->chooseColour(this, Qt::black))
        ctx_.settings.config.setDpiColourFromScreen(level, std::uint32_t(colour->red()) |
                                                               std::uint32_t(colour->green()) << 8 |
                                                               std::uint32_t(colour->blue()) << 16);
    // The release went to the dialog.
    state_.buttonPressed = false;
    update();
}

void CKOV_GMouseDlg::save() {
    Settings& s = ctx_.settings;
    if (const Status saved = saveConfig(s, ctx_.paths.configFile(), s.currentConfig, true); !saved)
        ctx_.dialogs->message(this, qs(kSaveFailed.of(s.language)),
                              QString::fromStdString(saved.error().message));
}

void CKOV_GMouseDlg::sendToTray() {
    Settings& s = ctx_.settings;
    state_.hovers.main = kNoHover;
    (void)saveDpiLevel(s, ctx_.paths.configFile(), kTrayConfig);
    loadConfig(s, ctx_.paths.configFile(), kTrayConfig, false);
    HideToTray();
}

void CKOV_GMouseDlg::chooseConfig(int n) {
    Settings& s = ctx_.settings;
    s.currentConfig = n;
    loadConfig(s, ctx_.paths.configFile(), n, false);
    RefreshMacroEditor();
    update();
}

void CKOV_GMouseDlg::minimise() {
    state_.hovers.main = kNoHover;
    showMinimized();
}

void CKOV_GMouseDlg::importConfig() {
    const auto file = ctx_.dialogs->chooseFileToOpen(
        this, QString::fromStdString(ctx_.paths.exeDir), qs(kExchangeFileFilter));
    state_.buttonPressed = false;
    if (file)
        ::zantor::importConfig(ctx_.settings, file->toStdString());
    RefreshMacroEditor();
    update();
}

void CKOV_GMouseDlg::exportConfig() {
    const auto file =
        ctx_.dialogs->chooseFileToSave(this, QString::fromStdString(ctx_.paths.exeDir),
                                       qs(kExchangeFileFilter), qs(kExchangeFileSuffix));
    state_.buttonPressed = false;
    if (file)
        if (const Status saved = ::zantor::exportConfig(ctx_.settings, file->toStdString()); !saved)
            ctx_.dialogs->message(this, qs(kExportFailed.of(ctx_.settings.language)),
                                  QString::fromStdString(saved.error().message));
    update();
}

void CKOV_GMouseDlg::factoryReset() {
    Settings& s = ctx_.settings;
    resetToFactory(s, ctx_.paths.configFile(), ctx_.paths.macroFile(s.language),
                   FactoryResetHooks{.afterReload =
                                         [this] {
                                             RefreshMacroEditor();
                                             update();
                                         },
                                     .pushSettings =
                                         [this] {
                                             pushSettings();
                                         }});
}

void CKOV_GMouseDlg::switchLanguage(int language) {
    setLanguage(ctx_.settings, ctx_.paths, language);
    if (!loadLayouts())
        return;
    loadMenus();
    setWindowTitle(qs(kWindowTitle));
    // Changed skin images show from now on; the hot spots may have moved.
    images_.clear();
    shape_.repaintRegion = RepaintRegionOf(shape_.region, ctx_.layout);
    state_.hovers = Hovers{};
    if (state_.page == Page::Advanced)
        showEditorControls(true); // the new layout's rectangles, font and macro library
    update();
}

void CKOV_GMouseDlg::openWebSite() {
    if (!ctx_.dialogs->openUrl(QUrl(qs(kWebSiteAddress))))
        logDebug("no program opened %s", std::string(kWebSiteAddress).c_str());
}

} // namespace zantor::app
