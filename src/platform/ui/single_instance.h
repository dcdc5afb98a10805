#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

namespace zantor::ui {

// One running program per user: the first start holds a lock named after the program and the
// user and listens for later starts; a later start asks the first to show its window and ends.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    // The guard of the first instance, or nullptr for a later start (the first one has been
    // asked to restore its window by then, when it is reachable).
    static std::unique_ptr<SingleInstance> acquire(const QString& name);

signals:
    void restoreRequested();

private:
    SingleInstance(std::unique_ptr<QLockFile> lock, const QString& serverName);
    std::unique_ptr<QLockFile> lock_;
    QLocalServer server_;
};

// "<name>-<user id>": the lock and server name of a program for the current user.
QString instanceName(const QString& program);

} // namespace zantor::ui
