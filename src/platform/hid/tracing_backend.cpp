#include "platform/hid/tracing_backend.h"

#include <cstdio>
#include <mutex>

namespace zantor::hid {

std::string traceLine(std::chrono::nanoseconds sinceStart, char direction,
                      std::span<const std::uint8_t> bytes) {
    char number[32];
    std::snprintf(number, sizeof number, "%.3f",
                  std::chrono::duration<double, std::milli>(sinceStart).count());
    std::string line = number;
    line += ' ';
    line += direction;
    for (std::uint8_t b : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", b);
        line += hex;
    }
    return line;
}

// Lines come from the threads that send and read; one line is written at a time.
struct TracingBackend::Sink {
    Sink(const device::Clock& c, device::Clock::TimePoint s, std::ostream& o)
        : clock(c), start(s), out(o) {}

    const device::Clock& clock;
    device::Clock::TimePoint start;
    std::ostream& out;
    std::mutex mutex;

    void print(char direction, std::span<const std::uint8_t> bytes) {
        const std::string line = traceLine(clock.now() - start, direction, bytes);
        std::lock_guard lock(mutex);
        out << line << '\n';
        out.flush();
    }
};

class TracingBackend::Handle final : public HidHandle {
public:
    Handle(std::unique_ptr<HidHandle> inner, std::shared_ptr<Sink> sink)
        : inner_(std::move(inner)), sink_(std::move(sink)) {}

    Result<HidAttributes> attributes() override { return inner_->attributes(); }
    Result<HidCaps> capabilities() override { return inner_->capabilities(); }

    Status sendFeatureReport(std::span<const std::uint8_t> report) override {
        sink_->print('>', report);
        return inner_->sendFeatureReport(report);
    }

    Result<std::size_t> readInputReport(std::span<std::uint8_t> buffer) override {
        auto read = inner_->readInputReport(buffer);
        if (read)
            sink_->print('<', buffer.first(*read));
        return read;
    }

    void interrupt() override { inner_->interrupt(); }

private:
    std::unique_ptr<HidHandle> inner_;
    std::shared_ptr<Sink> sink_;
};

TracingBackend::TracingBackend(std::unique_ptr<HidBackend> inner, const device::Clock& clock,
                               device::Clock::TimePoint start, std::ostream& out)
    : inner_(std::move(inner)), sink_(std::make_shared<Sink>(clock, start, out)) {}

TracingBackend::~TracingBackend() = default;

std::vector<std::optional<HidInterface>> TracingBackend::enumerate() {
    return inner_->enumerate();
}

Result<std::unique_ptr<HidHandle>> TracingBackend::open(const std::string& path, OpenMode mode) {
    auto handle = inner_->open(path, mode);
    if (!handle)
        return handle.error();
    return std::unique_ptr<HidHandle>(new Handle(std::move(*handle), sink_));
}

Status TracingBackend::registerNotifications() {
    return inner_->registerNotifications();
}
int TracingBackend::notificationFd() const {
    return inner_->notificationFd();
}
std::vector<DeviceChange> TracingBackend::takeNotifications() {
    return inner_->takeNotifications();
}

} // namespace zantor::hid
