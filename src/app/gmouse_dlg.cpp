#include "app/gmouse_dlg.h"

#include "app/app_icon.h"
#include "app/app_options.h"
#include "app/hit_test.h"
#include "app/macro_editor_controls.h"
#include "app/menu_font.h"
#include "app/page_plan.h"
#include "app/page_renderer.h"
#include "app/ui_texts.h"
#include "config/config_file.h"
#include "device/settings_push.h"
#include "platform/ui/device_watcher.h"
#include "platform/ui/power_monitor.h"
#include "platform/ui/tray_icon.h"
#include "skin/popup_menu_resources.h"
#include "skin/skin_loader.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QTimer>

#include <cstdio>
#include <thread>

namespace zantor::app {

CKOV_GMouseDlg::CKOV_GMouseDlg(AppContext& context, Options options)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), ctx_(context), options_(options),
      images_(context.paths.skinsDir()),
      preview_(
          [this](std::function<void()> f) {
              QMetaObject::invokeMethod(this, std::move(f), Qt::QueuedConnection);
          },
          [this] {
              previewTick();
              return PreviewInterval(ctx_.settings.config);
          }) {
    // Every pixel comes from the skin: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    editor_ = std::make_unique<macro::MacroEditor>(ctx_.settings.macros, ctx_.settings.macroLock,
                                                   [this] { return int(ctx_.settings.language); });
}

CKOV_GMouseDlg::~CKOV_GMouseDlg() {
    StopRecording();
    stopWorkers();
}

bool CKOV_GMouseDlg::initialise() {
    startHostButtons();
    setWindowIcon(appIcon());
    loadStartupConfig(ctx_);
    ctx_.fonts = makeAppFonts(primaryScreenDpi());
    setWindowTitle(qs(kWindowTitle));
    if (!loadLayouts())
        return false;
    applyShape();
    loadMacroLibraries(ctx_);
    loadMenus();

    tray_ = std::make_unique<ui::TrayIcon>(appIcon(), qs(kWindowTitle));
    connect(tray_.get(), &ui::TrayIcon::doubleClicked, this, &CKOV_GMouseDlg::ShowFromTray);
    // Queued: "Exit Driver" removes the icon, which must not happen inside its own click.
    connect(tray_.get(), &ui::TrayIcon::menuRequested, this, &CKOV_GMouseDlg::OnTrayMenu,
            Qt::QueuedConnection);
    device::DeviceContext& device = *ctx_.device;
    watcher_ = std::make_unique<ui::DeviceWatcher>(*device.backend, device.link);
    connect(watcher_.get(), &ui::DeviceWatcher::mouseArrived, this,
            &CKOV_GMouseDlg::OnMouseArrived);
    connect(watcher_.get(), &ui::DeviceWatcher::mouseRemoved, this,
            &CKOV_GMouseDlg::OnMouseRemoved);
    power_ = std::make_unique<ui::PowerMonitor>();
    connect(power_.get(), &ui::PowerMonitor::powerBroadcast, this,
            &CKOV_GMouseDlg::OnPowerBroadcast);

    // A mouse whose command collection cannot be opened (no permission, say) cannot be
    // configured: it counts as absent, and the message says why.
    if (!device.link.Scan() || !device.link.writeOpen()) {
        const auto failures = device.link.openFailures();
        std::fprintf(stderr, "zantor: no ZANTOR mouse found%s%s (--simulate runs without one)\n",
                     failures.empty() ? "" : ": ",
                     failures.empty() ? "" : failures.front().error.message.c_str());
        ShowPlugInMessage();
        ExitProgram(kExitError);
        return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    pushSettings();
    AddTrayIcon();
    show();
    if (options_.takeHostButtonsLock && !hostButtons_)
        ctx_.dialogs->message(this, qs(kHostButtonsElsewhere.of(ctx_.settings.language)), {});
    return true;
}

void CKOV_GMouseDlg::startHostButtons() {
    if (options_.takeHostButtonsLock) {
        auto lock = UserLock::take(kHostButtonsLock);
        if (!lock) {
            std::fprintf(stderr, "zantor: host-side buttons are left to another program: %s\n",
                         lock.error().message.c_str());
            return;
        }
        hostButtonsLock_.emplace(std::move(*lock));
    }
    device::HostButtons::Hooks hooks;
    hooks.repaint = [this] {
        QMetaObject::invokeMethod(
            this, [this] { update(); }, Qt::QueuedConnection);
    };
    hostButtons_ = std::make_unique<device::HostButtons>(ctx_.settings, ctx_.paths, *ctx_.device,
                                                         std::move(hooks));
    hostButtons_->start();
}

bool CKOV_GMouseDlg::loadLayouts() {
    const Status loaded =
        skin::LoadSkinLayouts(ctx_.layout, ctx_.profiles, ctx_.paths, ctx_.settings.language);
    if (loaded)
        return true;
    std::fprintf(stderr, "zantor: %s\n", loaded.error().message.c_str());
    ctx_.dialogs->message(this, qs(kSkinMissing.of(ctx_.settings.language)),
                          QString::fromStdString(loaded.error().message));
    ExitProgram(kExitError);
    return false;
}

void CKOV_GMouseDlg::loadMenus() {
    const int language = ctx_.settings.language;
    skin::LoadPopupMenus(ctx_.contextMenu, ctx_.trayMenu, language);
    for (const skin::CKovMenu* menu : {&ctx_.contextMenu, &ctx_.trayMenu})
        if (menu->popup())
            fitMenuFont(*menu->popup(), ctx_.fonts.small.of(language));
}

void CKOV_GMouseDlg::applyShape() {
    shape_ = ShapeFromMask(ctx_.paths.maskFile(), ctx_.layout);
    setFixedSize(shape_.size);
    if (shape_.masked)
        setMask(shape_.region);
    else
        clearMask();
}

void CKOV_GMouseDlg::pushSettings() {
    if (controls_ && state_.page == Page::Advanced)
        editor_->ReadRepeatCount(controls_->repeatField->text().toStdString());
    device::PushSettings(ctx_.settings, ctx_.paths, *ctx_.device, *ctx_.desktop,
                         device::PushHooks{.repaint = [this] {
                             update();
                         }});
}

void CKOV_GMouseDlg::AddTrayIcon() {
    if (tray_)
        tray_->add();
}

void CKOV_GMouseDlg::RemoveTrayIcon() {
    if (tray_)
        tray_->remove();
}

void CKOV_GMouseDlg::HideToTray() {
    CloseFunctionMenu();
    StopRecording();
    AddTrayIcon();
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        // Hidden without a tray there would be no way back but starting the program again.
        if (!trayMissingReported_)
            std::fprintf(stderr, "zantor: no system tray; the window is minimised instead\n");
        trayMissingReported_ = true;
        showMinimized();
        return;
    }
    hide();
}

void CKOV_GMouseDlg::ShowFromTray() {
    if (ended_)
        return;
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void CKOV_GMouseDlg::ExitProgram(int exitCode) {
    if (ended_)
        return;
    CloseFunctionMenu();
    RemoveTrayIcon();
    if (ctx_.device && ctx_.device->link.writeOpen())
        ctx_.device->commands.SendHostExit();
    ended_ = true;
    exitCode_ = exitCode;
    hide();
    QCoreApplication::exit(exitCode);
}

void CKOV_GMouseDlg::ShowPlugInMessage() {
    QString detail;
    if (const auto failures = ctx_.device->link.openFailures(); !failures.empty())
        detail = QString::fromStdString(failures.front().error.message);
    ctx_.dialogs->message(nullptr, qs(kPlugInMouse.of(ctx_.settings.language)), detail);
}

void CKOV_GMouseDlg::InvalidatePage() {
    if (state_.page == Page::Advanced)
        update(shape_.repaintRegion);
    else
        update();
}

void CKOV_GMouseDlg::OnTrayMenu(QPoint globalPosition) {
    QMenu* menu = ctx_.trayMenu.popup();
    if (!menu)
        return;
    if (const QAction* chosen = menu->exec(globalPosition))
        OnTrayCommand(chosen->data().toInt());
}

void CKOV_GMouseDlg::OnTrayCommand(int id) {
    switch (id) {
    case skin::kShowWindowEnglish:
    case skin::kShowWindowKorean:
        if (ctx_.device->link.connected())
            ShowFromTray();
        else
            ShowPlugInMessage();
        break;
    case skin::kExitDriverEnglish:
    case skin::kExitDriverKorean:
        if (const Status saved = saveConfig(ctx_.settings, ctx_.paths.configFile(),
                                            ctx_.settings.currentConfig, true);
            !saved)
            std::fprintf(stderr, "zantor: %s\n", saved.error().message.c_str());
        ExitProgram(kExitOk);
        break;
    default:
        break;
    }
}

void CKOV_GMouseDlg::OnMouseArrived() {
    ShowFromTray();
}

void CKOV_GMouseDlg::OnMouseRemoved() {
    state_.hovers.main = kNoHover;
    HideToTray();
}

void CKOV_GMouseDlg::OnPowerBroadcast() {
    pushSettings();
}

void CKOV_GMouseDlg::stopWorkers() {
    preview_.stop();
    if (hostButtons_)
        hostButtons_->stop();
}

Hovers CKOV_GMouseDlg::hoversAt(QPoint position) const {
    if (!rect().contains(position) || !shape_.region.contains(position))
        return Hovers{};
    return ComputeHovers(position.x(), position.y(), state_.page, ctx_.layout,
                         ctx_.settings.config);
}

void CKOV_GMouseDlg::setHovers(const Hovers& hovers) {
    if (hovers == state_.hovers)
        return;
    state_.hovers = hovers;
    InvalidatePage();
}

void CKOV_GMouseDlg::paintEvent(QPaintEvent*) {
    if (isMinimized())
        return;
    QPainter painter(this);
    const Settings& s = ctx_.settings;
    const PaintInput input{state_, s.config, ctx_.layout, s.macros, s.currentConfig, s.language};
    RenderPlan(painter, PlanPage(input), images_, ctx_.fonts.small.of(s.language), shape_.size);
    if (!firstFrameReported_) {
        firstFrameReported_ = true;
        if (options_.quitAfterFirstFrame) {
            std::printf("first frame\n");
            std::fflush(stdout);
            QTimer::singleShot(0, this, [this] { ExitProgram(kExitOk); });
        }
    }
}

void CKOV_GMouseDlg::mouseMoveEvent(QMouseEvent* event) {
    if (dragOffset_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - *dragOffset_);
        return;
    }
    setHovers(hoversAt(event->position().toPoint()));
}

void CKOV_GMouseDlg::leaveEvent(QEvent*) {
    if (!dragOffset_)
        setHovers(Hovers{});
}

void CKOV_GMouseDlg::keyPressEvent(QKeyEvent* event) {
    if (captureKey(event, true))
        return;
    // Keys that close a dialog never close this window.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F10:
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CKOV_GMouseDlg::closeEvent(QCloseEvent* event) {
    // The window manager's close (its button, Alt+F4, the taskbar) only hides to the tray.
    if (ended_) {
        event->accept();
        return;
    }
    event->ignore();
    HideToTray();
}

} // namespace zantor::app
