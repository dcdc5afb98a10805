// The macro editor on the advanced page: its four controls, its hot spots, the event list's
// context menu, and the keyboard grab of a recording.
#include "app/editable_list_box.h"
#include "app/gmouse_dlg.h"
#include "app/macro_editor_controls.h"
#include "app/ui_texts.h"
#include "config/config_file.h"
#include "macro/macro_files.h"
#include "macro/x_keysyms.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QWindow>

#include <algorithm>

namespace zantor::app {

void CKOV_GMouseDlg::showEditorControls(bool shown) {
    if (!shown) {
        StopRecording();
        if (controls_)
            controls_->setVisible(false);
        return;
    }
    if (!controls_) {
        controls_ = std::make_unique<MacroEditorControls>(this);
        connect(controls_->macroList, &QListWidget::currentRowChanged, this, [this](int row) {
            pullEditorFields();
            editor_->SelectMacro(row);
            syncEditor();
        });
        connect(controls_->eventList, &CEditableListBox::rightReleased, this,
                &CKOV_GMouseDlg::ShowEventListMenu);
        // Queued: the edit field is on its way out when it reports.
        connect(controls_->eventList, &CEditableListBox::editEnded, this,
                &CKOV_GMouseDlg::OnDelayEdited, Qt::QueuedConnection);
    }
    controls_->place(ctx_.layout, rect());
    controls_->setFont(ctx_.fonts.small.of(ctx_.settings.language));
    controls_->setVisible(true);
    RefreshMacroEditor();
}

void CKOV_GMouseDlg::RefreshMacroEditor() {
    if (!controls_ || state_.page != Page::Advanced)
        return;
    editor_->Refresh();
    syncEditor();
}

void CKOV_GMouseDlg::syncEditor() {
    if (controls_)
        controls_->show(editor_->view());
    state_.recording = editor_->recording();
    update(); // the record button and the selected macro's mode marks follow the editor
}

void CKOV_GMouseDlg::pullEditorFields() {
    if (!controls_)
        return;
    editor_->setNameField(controls_->nameField->text().toStdString());
    editor_->setRepeatField(controls_->repeatField->text().toStdString());
}

void CKOV_GMouseDlg::showEditorMessage(macro::EditorMessage message) {
    if (message != macro::EditorMessage::None)
        ctx_.dialogs->message(this, qs(macro::EditorMessageText(message, ctx_.settings.language)),
                              {});
}

void CKOV_GMouseDlg::OnMacroEditorEntry(int entry) {
    if (!controls_)
        return;
    pullEditorFields();
    switch (entry) {
    case 0:
        ImportMacroLibrary();
        break;
    case 1:
        ExportMacroLibrary();
        break;
    case 2:
        showEditorMessage(editor_->AddMacro(controls_->nameField->text().toStdString()));
        controls_->macroList->setFocus();
        break;
    case 3:
        editor_->DeleteMacro();
        break;
    case 4:
        ToggleRecording();
        break;
    case 5:
        SaveMacros();
        break;
    case 6:
        editor_->ToggleRepeatCount();
        break;
    case 7:
        editor_->ToggleRepeatWhileHeld();
        break;
    default:
        return;
    }
    syncEditor();
    update();
}

void CKOV_GMouseDlg::ImportMacroLibrary() {
    const auto file = ctx_.dialogs->chooseFileToOpen(
        this, QString::fromStdString(ctx_.paths.exeDir), qs(kMacroFileFilter));
    state_.buttonPressed = false;
    if (!file)
        return;
    macro::loadMacroLibrary(ctx_.settings.macroFiles(), file->toStdString(), ctx_.settings.macros);
    editor_->Refresh();
}

void CKOV_GMouseDlg::ExportMacroLibrary() {
    const auto file =
        ctx_.dialogs->chooseFileToSave(this, QString::fromStdString(ctx_.paths.exeDir),
                                       qs(kMacroFileFilter), qs(kMacroFileSuffix));
    state_.buttonPressed = false;
    if (!file)
        return;
    if (const Status saved =
            macro::saveMacroLibrary(ctx_.profiles, file->toStdString(), ctx_.settings.macros);
        !saved)
        ctx_.dialogs->message(this, qs(kMacrosNotSaved.of(ctx_.settings.language)),
                              QString::fromStdString(saved.error().message));
}

void CKOV_GMouseDlg::SaveMacros() {
    Settings& s = ctx_.settings;
    editor_->ReadRepeatCount(controls_->repeatField->text().toStdString());
    Status saved =
        macro::saveMacroLibrary(ctx_.profiles, ctx_.paths.macroFile(s.language), s.macros);
    if (saved)
        saved = saveConfig(s, ctx_.paths.configFile(), s.currentConfig, true);
    if (!saved)
        ctx_.dialogs->message(this, qs(kMacrosNotSaved.of(s.language)),
                              QString::fromStdString(saved.error().message));
}

bool CKOV_GMouseDlg::PrepareEventListMenu(QPoint position) {
    if (!controls_ || editor_->recording() || state_.page != Page::Advanced)
        return false;
    CEditableListBox& list = *controls_->eventList;
    const int rowHeight =
        list.count() > 0 ? list.visualItemRect(list.item(0)).height() : list.fontMetrics().height();
    macro::EventListContext& c = editor_->context();
    c.clickedRow = rowHeight > 0 ? list.verticalScrollBar()->value() + position.y() / rowHeight : 0;
    if (controls_->macroList->currentRow() < 0)
        return false;
    if (c.clickedRow < list.count())
        list.setCurrentRow(c.clickedRow);
    else
        list.setCurrentRow(-1);
    c.rowCount = list.count();
    return list.viewport()->rect().contains(position) &&
           (c.clickedRow < c.rowCount || c.rowCount == 0);
}

void CKOV_GMouseDlg::FinishEventListMenu() {
    macro::EventListContext& c = editor_->context();
    c.selectedRow = controls_->eventList->currentRow();
    c.macroIndex = std::min(controls_->macroList->currentRow(), int(macro::MAX_USER_MACROS) - 1);
    c.eventIndex = c.selectedRow / 2;
}

void CKOV_GMouseDlg::ShowEventListMenu(QPoint position) {
    const bool show = PrepareEventListMenu(position);
    if (!controls_ || controls_->macroList->currentRow() < 0)
        return;
    const QAction* chosen = nullptr;
    if (QMenu* menu = ctx_.contextMenu.popup(); show && menu)
        chosen = menu->exec(controls_->eventList->viewport()->mapToGlobal(position));
    FinishEventListMenu();
    if (chosen)
        OnEventListCommand(chosen->data().toInt());
}

void CKOV_GMouseDlg::OnEventListCommand(int id) {
    if (!controls_)
        return;
    pullEditorFields();
    const auto result = editor_->RunEventCommand(id);
    syncEditor();
    showEditorMessage(result.message);
    if (result.openDelayEdit)
        controls_->eventList->openEdit(editor_->context().clickedRow);
    update();
}

void CKOV_GMouseDlg::OnDelayEdited(int row, const QString& text, bool keep) {
    pullEditorFields();
    if (keep)
        editor_->DelayEdited(row, text.toStdString());
    else
        editor_->RefreshEventList(editor_->context().macroIndex);
    syncEditor();
}

void CKOV_GMouseDlg::ToggleRecording() {
    controls_->eventList->setFocus();
    if (editor_->recording()) {
        StopRecording();
        return;
    }
    if (editor_->view().macroRows.empty()) {
        showEditorMessage(macro::EditorMessage::SelectFirst);
        return;
    }
    if (!grabKeys())
        return;
    editor_->ToggleRecording();
    syncEditor();
}

void CKOV_GMouseDlg::StopRecording() {
    if (editor_ && editor_->recording())
        editor_->ToggleRecording();
    releaseKeys();
    state_.recording = false;
    if (controls_)
        syncEditor();
    update();
}

bool CKOV_GMouseDlg::grabKeys() {
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland"))) {
        ctx_.dialogs->message(this, qs(kRecordingNeedsX11.of(ctx_.settings.language)), platform);
        return false;
    }
    // Other platforms (offscreen) have no grab: keys reach the recorder through the window.
    if (platform != QLatin1String("xcb"))
        return true;
    grabKeyboard();
    const bool grabbed = windowHandle() && windowHandle()->setKeyboardGrabEnabled(true);
    QGuiApplication::sync(); // the grab reaches the server now, not with the next event
    keysGrabbed_ = grabbed;
    if (!grabbed) {
        releaseKeys();
        ctx_.dialogs->message(this, qs(kKeyboardBusy.of(ctx_.settings.language)), {});
    }
    return grabbed;
}

void CKOV_GMouseDlg::releaseKeys() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    releaseKeyboard();
    if (windowHandle())
        windowHandle()->setKeyboardGrabEnabled(false);
    QGuiApplication::sync(); // or the next key still comes to us
    keysGrabbed_ = false;
}

bool CKOV_GMouseDlg::captureKey(QKeyEvent* event, bool down) {
    if (!editor_ || !editor_->recording())
        return false;
    // X repeats a held key as release and press pairs; a held key is one press and one release.
    if (!event->isAutoRepeat()) {
        const auto virtualKey = macro::KeysymToVirtualKey(event->nativeVirtualKey());
        if (editor_->CaptureKey(down, virtualKey, std::uint32_t(event->timestamp())))
            syncEditor();
    }
    event->accept();
    return true;
}

void CKOV_GMouseDlg::keyReleaseEvent(QKeyEvent* event) {
    if (!captureKey(event, false))
        QWidget::keyReleaseEvent(event);
}

void CKOV_GMouseDlg::hideEvent(QHideEvent* event) {
    StopRecording(); // never leave the keyboard grabbed behind a hidden window
    QWidget::hideEvent(event);
}

bool CKOV_GMouseDlg::event(QEvent* event) {
    if (editor_ && editor_->recording()) {
        // Shortcuts and Tab focus moves would take keys from the recording.
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QWidget::event(event);
}

} // namespace zantor::app
