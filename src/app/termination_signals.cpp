#include "app/termination_signals.h"

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace zantor::app {
namespace {

int writeEnd = -1;

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(writeEnd, &byte, 1);
}

} // namespace

TerminationSignals::TerminationSignals() {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    readEnd_ = UniqueFd(fds[0]);
    writeEnd = fds[1];
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    notifier_ = std::make_unique<QSocketNotifier>(readEnd_.get(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        char buffer[16];
        while (::read(readEnd_.get(), buffer, sizeof buffer) > 0) {
        }
        emit terminationRequested();
    });
}

TerminationSignals::~TerminationSignals() {
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    if (writeEnd >= 0)
        ::close(writeEnd);
    writeEnd = -1;
}

} // namespace zantor::app
