#include "platform/ui/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

namespace zantor::ui {

void showMessageBox(QWidget* parent, const QString& text, const QString& detail) {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, parent);
    if (!detail.isEmpty())
        box.setInformativeText(detail);
    box.exec();
}

void MessageBoxMessages::showMessage(std::string_view text, std::string_view detail) {
    const QString shownText = QString::fromUtf8(text.data(), qsizetype(text.size()));
    const QString shownDetail = QString::fromUtf8(detail.data(), qsizetype(detail.size()));
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    if (QThread::currentThread() == app->thread()) {
        showMessageBox(nullptr, shownText, shownDetail);
        return;
    }
    QMetaObject::invokeMethod(
        app, [shownText, shownDetail] { showMessageBox(nullptr, shownText, shownDetail); },
        Qt::QueuedConnection);
}

} // namespace zantor::ui
