#include "platform/ui/dialogs.h"

#include "platform/ui/message_box.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>

namespace zantor::ui {
namespace {

std::optional<QString> runFileDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

} // namespace

std::optional<QColor> StandardDialogs::chooseColour(QWidget* parent, QColor initial) {
    QColorDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

std::optional<QString> StandardDialogs::chooseFileToOpen(QWidget* parent, const QString& folder,
                                                         const QString& filter) {
    QFileDialog dialog(parent, QString(), folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog);
}

std::optional<QString> StandardDialogs::chooseFileToSave(QWidget* parent, const QString& folder,
                                                         const QString& filter,
                                                         const QString& suffix) {
    QFileDialog dialog(parent, QString(), folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    return runFileDialog(dialog); // the save mode asks before replacing a file
}

void StandardDialogs::message(QWidget* parent, const QString& text, const QString& detail) {
    showMessageBox(parent, text, detail);
}

bool StandardDialogs::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace zantor::ui
