#include "platform/ui/single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

namespace zantor::ui {
namespace {

constexpr char kRestore[] = "restore\n";

QString lockPath(const QString& name) {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + "/" + name + ".lock";
}

} // namespace

QString instanceName(const QString& program) {
    return program + "-" + QString::number(::getuid());
}

std::unique_ptr<SingleInstance> SingleInstance::acquire(const QString& name) {
    auto lock = std::make_unique<QLockFile>(lockPath(name));
    lock->setStaleLockTime(0); // a lock whose process is gone is taken over, however old
    if (lock->tryLock(0))
        return std::unique_ptr<SingleInstance>(new SingleInstance(std::move(lock), name));

    QLocalSocket socket;
    socket.connectToServer(name);
    if (socket.waitForConnected(1000)) {
        socket.write(kRestore);
        socket.waitForBytesWritten(1000);
        socket.disconnectFromServer();
    }
    return nullptr;
}

SingleInstance::SingleInstance(std::unique_ptr<QLockFile> lock, const QString& serverName)
    : lock_(std::move(lock)) {
    // Holding the lock, any server left by a crashed instance is ours to replace.
    QLocalServer::removeServer(serverName);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(serverName);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("restore"))
                    emit restoreRequested();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

} // namespace zantor::ui
