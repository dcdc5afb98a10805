#pragma once

#include "platform/unique_fd.h"

#include <QObject>
#include <QSocketNotifier>

#include <memory>

namespace zantor::app {

// SIGTERM and SIGINT (a logout, `kill`, Ctrl+C in the terminal) as a Qt signal on the window's
// thread, so the program ends through its exit sequence. One instance per process.
class TerminationSignals final : public QObject {
    Q_OBJECT
public:
    TerminationSignals();
    ~TerminationSignals() override;

signals:
    void terminationRequested();

private:
    UniqueFd readEnd_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace zantor::app
