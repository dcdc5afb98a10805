#pragma once

#include "app/app_context.h"
#include "app/click_table.h"
#include "app/lighting_preview.h"
#include "app/page_state.h"
#include "app/skin_image_cache.h"
#include "app/window_shape.h"
#include "device/host_buttons.h"
#include "macro/macro_editor.h"
#include "platform/system/user_lock.h"
#include "skin/function_menu.h"
#include "skin/menu_dlg.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>

namespace zantor::ui {
class DeviceWatcher;
class PowerMonitor;
class TrayIcon;
} // namespace zantor::ui

namespace zantor::app {

struct MacroEditorControls;

// The main window: frameless, shaped by the skin's mask, painted from the skin's images, with
// a tray icon while the program runs. It starts up in initialise() and ends through
// ExitProgram(), after which the caller stops its threads with stopWorkers().
class CKOV_GMouseDlg final : public QWidget {
    Q_OBJECT
public:
    struct Options {
        bool takeHostButtonsLock = true; // false: host-side buttons are this process's alone
        bool quitAfterFirstFrame = false;
    };

    CKOV_GMouseDlg(AppContext& context, Options options);
    ~CKOV_GMouseDlg() override;

    // The start-up sequence: threads, settings, fonts, layouts, shape, macros, menus, mouse,
    // settings push, tray icon, and showing the window. False when the program ended during it
    // (no mouse, or the skin's layout is missing); exitCode() then says how.
    bool initialise();

    void AddTrayIcon();
    void RemoveTrayIcon();
    void HideToTray();
    void ShowFromTray();
    // Removes the tray icon, tells the mouse the host program ends (when its command
    // collection is open) and ends the event loop with `exitCode`.
    void ExitProgram(int exitCode = 0);
    void ShowPlugInMessage();
    // Repaints the page: on the advanced page all but the macro editor's controls.
    void InvalidatePage();

    // A command of the tray menu (Show Window, Exit Driver, in either language).
    void OnTrayCommand(int id);
    void OnTrayMenu(QPoint globalPosition);
    void OnMouseArrived();
    void OnMouseRemoved();
    void OnPowerBroadcast();

    // Ends the host-side button threads and the lighting preview; waits for them.
    void stopWorkers();

    bool ended() const { return ended_; }
    int exitCode() const { return exitCode_; }
    const PageState& pageState() const { return state_; }
    const WindowShape& shape() const { return shape_; }
    bool hostButtonsRunning() const { return hostButtons_ != nullptr; }
    ui::TrayIcon* trayIcon() const { return tray_.get(); }
    // The open drop-down menu of a button slot, or null.
    skin::CMenuDlg* functionMenu() const { return menu_; }

    // Chooses the function of button slot `slot` (20...25): confirms first when the button is
    // the only primary click, then opens the drop-down menu under the slot.
    void OpenFunctionMenu(int slot);
    void CloseFunctionMenu();

    // The macro editor (gmouse_dlg_macros.cpp).
    macro::MacroEditor& macroEditor() { return *editor_; }
    // Null until the advanced page was first shown.
    MacroEditorControls* editorControls() const { return controls_.get(); }
    // An advanced-page hot spot 0…7: import, export, add, delete, record, save, the two modes.
    void OnMacroEditorEntry(int entry);
    // Where a right click at `position` (event list viewport) puts the event list's context
    // menu: the working row is selected; true when the menu is to be shown there.
    bool PrepareEventListMenu(QPoint position);
    // The context after the menu closed: selection, macro and event the commands act on.
    void FinishEventListMenu();
    void OnEventListCommand(int id);
    void ShowEventListMenu(QPoint position);
    void RefreshMacroEditor();
    // Stops a running recording and lets the keyboard go.
    void StopRecording();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;

private:
    void startHostButtons();
    bool loadLayouts();
    // The two popup menus of the interface language, in the window's font where it fits.
    void loadMenus();
    void applyShape();
    void pushSettings();
    // New hover indices; repaints when one of them changed.
    void setHovers(const Hovers& hovers);
    Hovers hoversAt(QPoint position) const;

    // Click handling (gmouse_dlg_clicks.cpp).
    void carryOut(const Click& click, QPoint position);
    void ShowMainPage();
    void ShowAdvancedPage();
    void ShowColourPage();
    void startDrag(QPoint globalPosition);
    void chooseDpiColour(int level);
    void save();
    void sendToTray();
    void chooseConfig(int n);
    void minimise();
    void importConfig();
    void exportConfig();
    void factoryReset();
    void switchLanguage(int language);
    void openWebSite();
    void previewTick();

    // The macro editor's commands.
    void showEditorControls(bool shown);
    void syncEditor();
    void pullEditorFields();
    void showEditorMessage(macro::EditorMessage message);
    void ImportMacroLibrary();
    void ExportMacroLibrary();
    void SaveMacros();
    void ToggleRecording();
    bool grabKeys();
    void releaseKeys();
    // A key stroke while recording; false when no recording runs.
    bool captureKey(QKeyEvent* event, bool down);
    void OnDelayEdited(int row, const QString& text, bool keep);

    AppContext& ctx_;
    Options options_;
    PageState state_;
    SkinImageCache images_;
    WindowShape shape_;
    std::unique_ptr<ui::TrayIcon> tray_;
    std::unique_ptr<ui::DeviceWatcher> watcher_;
    std::unique_ptr<ui::PowerMonitor> power_;
    std::optional<UserLock> hostButtonsLock_;
    std::unique_ptr<device::HostButtons> hostButtons_;
    LightingPreview preview_;
    bool ended_ = false;
    int exitCode_ = 0;
    bool firstFrameReported_ = false;
    bool trayMissingReported_ = false;
    skin::FunctionMenuState menuState_;
    QPointer<skin::CMenuDlg> menu_;
    // Moving the window ourselves where the window manager does not (or there is none).
    std::optional<QPoint> dragOffset_;
    std::unique_ptr<macro::MacroEditor> editor_;
    std::unique_ptr<MacroEditorControls> controls_;
    bool keysGrabbed_ = false;
};

} // namespace zantor::app
