#pragma once

#include <QColor>
#include <QString>
#include <QUrl>

#include <optional>

class QWidget;

namespace zantor::ui {

// The standard dialogs and desktop services the main window uses, behind one interface so
// that tests can answer them.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The colour dialog; nullopt when cancelled.
    virtual std::optional<QColor> chooseColour(QWidget* parent, QColor initial) = 0;
    // A file to read, starting in `folder`; nullopt when cancelled.
    virtual std::optional<QString> chooseFileToOpen(QWidget* parent, const QString& folder,
                                                    const QString& filter) = 0;
    // A file to write, starting in `folder`, with `suffix` added to a name without one; asks
    // before an existing file is replaced. nullopt when cancelled.
    virtual std::optional<QString> chooseFileToSave(QWidget* parent, const QString& folder,
                                                    const QString& filter,
                                                    const QString& suffix) = 0;
    // A message box (showMessageBox).
    virtual void message(QWidget* parent, const QString& text, const QString& detail) = 0;
    // Opens an address in the user's browser; false when nothing could open it.
    virtual bool openUrl(const QUrl& url) = 0;
};

// The real dialogs.
class StandardDialogs final : public Dialogs {
public:
    std::optional<QColor> chooseColour(QWidget* parent, QColor initial) override;
    std::optional<QString> chooseFileToOpen(QWidget* parent, const QString& folder,
                                            const QString& filter) override;
    std::optional<QString> chooseFileToSave(QWidget* parent, const QString& folder,
                                            const QString& filter, const QString& suffix) override;
    void message(QWidget* parent, const QString& text, const QString& detail) override;
    bool openUrl(const QUrl& url) override;
};

} // namespace zantor::ui
