#include "platform/hid/simulated_mouse.h"

#include "device/command_set.h"
#include "platform/hid/open_error.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>

namespace zantor::hid {
namespace {

constexpr std::uint16_t VENDOR = 0x18F8;
constexpr std::uint16_t REPORT_LENGTH = 8;     // report id and 7 data bytes, both ways
constexpr std::size_t READER_QUEUE_LIMIT = 64; // as a hidraw reader's queue
constexpr std::size_t TRACE_LIMIT = 100000;    // the most recent reports are kept
constexpr int EVENT_COLLECTION = 0;
constexpr int COMMAND_COLLECTION = 1;
constexpr const char* NODE = "simulated";

struct Reader {
    std::deque<std::vector<std::uint8_t>> queue;
    bool interrupted = false;
};

} // namespace

struct SimulatedMouse::Core {
    Core(const device::Clock& c, Options o) : clock(c), start(c.now()), options(o) {}

    const device::Clock& clock;
    const device::Clock::TimePoint start;
    const Options options;

    mutable std::mutex mutex;
    std::condition_variable changed;        // reports, interrupts, unplugging
    std::condition_variable readersChanged; // a read started waiting
    int blockedReads = 0;
    int openHandles = 0;
    bool plugged = true;
    unsigned attach = 1;
    SimulatedMouseState state;
    std::deque<TraceEntry> trace;
    std::vector<std::pair<unsigned, std::weak_ptr<Reader>>> readers; // by attach
    bool registered = false;
    std::vector<DeviceChange> pending;
    UniqueFd notifyFd{::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)};

    int collections() const { return options.withCommandCollection ? 2 : 1; }

    std::string path(unsigned attachNumber, int collection) const {
        char text[64];
        std::snprintf(text, sizeof text, "simulated:%04X:%04X.%04u#%d", VENDOR, options.productId,
                      attachNumber, collection);
        return text;
    }

    HidCaps caps(int collection) const {
        if (collection == EVENT_COLLECTION)
            return {0xFF00, 0x0001, REPORT_LENGTH, 0, 0};
        return {0xFF01, 0x0001, 0, 0, REPORT_LENGTH};
    }

    bool alive(unsigned attachNumber) const { return plugged && attach == attachNumber; }

    void record(char direction, std::span<const std::uint8_t> bytes) {
        if (trace.size() == TRACE_LIMIT)
            trace.pop_front();
        trace.push_back({clock.now() - start, direction, {bytes.begin(), bytes.end()}});
    }

    void deliver(std::span<const std::uint8_t> report) {
        if (!plugged || report.empty() || report[0] != device::REPORT_ID_EVENT)
            return;
        record('<', report);
        for (auto& [readerAttach, weak] : readers) {
            auto reader = weak.lock();
            if (reader && readerAttach == attach && reader->queue.size() < READER_QUEUE_LIMIT)
                reader->queue.emplace_back(report.begin(), report.end());
        }
        std::erase_if(readers, [](const auto& r) { return r.second.expired(); });
        changed.notify_all();
    }

    void broadcast(DeviceEvent event) {
        if (!registered)
            return;
        for (int c = 0; c < collections(); ++c)
            pending.push_back({event, {true, path(attach, c)}});
        const std::uint64_t one = 1;
        [[maybe_unused]] ssize_t ignored = ::write(notifyFd.get(), &one, sizeof one);
    }
};

class SimulatedMouse::Handle final : public HidHandle {
public:
    Handle(std::shared_ptr<Core> core, unsigned attach, int collection, OpenMode mode)
        : core_(std::move(core)), attach_(attach), collection_(collection), mode_(mode) {
        if (mode_ != OpenMode::Read)
            return;
        reader_ = std::make_shared<Reader>();
        if (collection_ == EVENT_COLLECTION) // the only collection with an input report
            core_->readers.emplace_back(attach_, reader_); // the core is locked by open()
    }

    ~Handle() override {
        std::lock_guard lock(core_->mutex);
        --core_->openHandles;
    }

    Result<HidAttributes> attributes() override {
        std::lock_guard lock(core_->mutex);
        if (!core_->alive(attach_))
            return gone();
        return HidAttributes{VENDOR, core_->options.productId};
    }

    Result<HidCaps> capabilities() override {
        std::lock_guard lock(core_->mutex);
        if (!core_->alive(attach_))
            return gone();
        return core_->caps(collection_);
    }

    Status sendFeatureReport(std::span<const std::uint8_t> report) override {
        std::lock_guard lock(core_->mutex);
        if (mode_ != OpenMode::Write)
            return Error{EBADF, "the simulated mouse was not opened for writing"};
        if (!core_->alive(attach_))
            return gone();
        if (report.size() < 2)
            return Error{EINVAL, "a feature report has at least 2 bytes"};
        if (report[0] != device::REPORT_ID_COMMAND)
            return Error{EPIPE,
                         "the simulated mouse has no feature report " + std::to_string(report[0])};
        core_->record('>', report);
        applyCommand(core_->state, report);
        return Ok{};
    }

    Result<std::size_t> readInputReport(std::span<std::uint8_t> buffer) override {
        std::unique_lock lock(core_->mutex);
        if (mode_ != OpenMode::Read)
            return Error{EBADF, "the simulated mouse was not opened for reading"};
        for (;;) {
            if (reader_->interrupted)
                return Error{ECANCELED, "read from the simulated mouse interrupted"};
            if (!reader_->queue.empty())
                break;
            if (!core_->alive(attach_))
                return gone();
            ++core_->blockedReads;
            core_->readersChanged.notify_all();
            core_->changed.wait(lock);
            --core_->blockedReads;
        }
        const std::vector<std::uint8_t> report = std::move(reader_->queue.front());
        reader_->queue.pop_front();
        std::fill(
            std::copy_n(report.begin(), std::min(report.size(), buffer.size()), buffer.begin()),
            buffer.end(), 0);
        return buffer.size();
    }

    void interrupt() override {
        std::lock_guard lock(core_->mutex);
        if (reader_)
            reader_->interrupted = true;
        core_->changed.notify_all();
    }

private:
    static Error gone() { return Error{EIO, "the simulated mouse is unplugged"}; }

    std::shared_ptr<Core> core_;
    const unsigned attach_;
    const int collection_;
    const OpenMode mode_;
    std::shared_ptr<Reader> reader_; // for a handle opened to read
};

SimulatedMouse::SimulatedMouse(const device::Clock& clock, Options options)
    : core_(std::make_shared<Core>(clock, options)) {}

SimulatedMouse::~SimulatedMouse() = default;

std::vector<std::optional<HidInterface>> SimulatedMouse::enumerate() {
    std::lock_guard lock(core_->mutex);
    std::vector<std::optional<HidInterface>> result;
    if (!core_->plugged)
        return result;
    for (int c = 0; c < core_->collections(); ++c)
        result.push_back(HidInterface{core_->path(core_->attach, c),
                                      NODE,
                                      HidAttributes{VENDOR, core_->options.productId},
                                      core_->caps(c),
                                      {}});
    return result;
}

Result<std::unique_ptr<HidHandle>> SimulatedMouse::open(const std::string& path, OpenMode mode) {
    std::lock_guard lock(core_->mutex);
    for (int c = 0; core_->plugged && c < core_->collections(); ++c) {
        if (path != core_->path(core_->attach, c))
            continue;
        if (mode != OpenMode::Query && core_->options.openError != 0)
            return openError(NODE, core_->options.openError);
        ++core_->openHandles;
        return std::unique_ptr<HidHandle>(new Handle(core_, core_->attach, c, mode));
    }
    return Error{ENOENT, "no HID interface " + path};
}

Status SimulatedMouse::registerNotifications() {
    std::lock_guard lock(core_->mutex);
    if (!core_->notifyFd.valid())
        return Error{EMFILE, "cannot create the notification event of the simulated mouse"};
    core_->registered = true;
    return Ok{};
}

int SimulatedMouse::notificationFd() const {
    return core_->notifyFd.get();
}

std::vector<DeviceChange> SimulatedMouse::takeNotifications() {
    std::lock_guard lock(core_->mutex);
    std::uint64_t count = 0;
    [[maybe_unused]] ssize_t ignored = ::read(core_->notifyFd.get(), &count, sizeof count);
    return std::exchange(core_->pending, {});
}

void SimulatedMouse::pressButton(int deviceButton) {
    std::lock_guard lock(core_->mutex);
    if (!core_->plugged)
        return;
    if (auto stateByte = hid::pressButton(core_->state, deviceButton)) {
        const std::uint8_t report[REPORT_LENGTH] = {device::REPORT_ID_EVENT,
                                                    std::uint8_t(0xF0 + deviceButton), *stateByte};
        core_->deliver(report);
    }
}

void SimulatedMouse::releaseButton(int deviceButton) {
    std::lock_guard lock(core_->mutex);
    if (!core_->plugged || !reportsRelease(core_->state, deviceButton))
        return;
    const std::uint8_t report[REPORT_LENGTH] = {device::REPORT_ID_EVENT,
                                                std::uint8_t(0xF0 + deviceButton), 0x80};
    core_->deliver(report);
}

void SimulatedMouse::injectInputReport(std::span<const std::uint8_t> report) {
    std::lock_guard lock(core_->mutex);
    core_->deliver(report);
}

void SimulatedMouse::unplug() {
    std::lock_guard lock(core_->mutex);
    if (!core_->plugged)
        return;
    core_->plugged = false;
    core_->broadcast(DeviceEvent::RemoveComplete);
    core_->changed.notify_all();
}

void SimulatedMouse::plug() {
    std::lock_guard lock(core_->mutex);
    if (core_->plugged)
        return;
    core_->plugged = true;
    ++core_->attach;
    core_->broadcast(DeviceEvent::Arrival);
}

bool SimulatedMouse::plugged() const {
    std::lock_guard lock(core_->mutex);
    return core_->plugged;
}

SimulatedMouseState SimulatedMouse::state() const {
    std::lock_guard lock(core_->mutex);
    return core_->state;
}

std::vector<SimulatedMouse::TraceEntry> SimulatedMouse::trace() const {
    std::lock_guard lock(core_->mutex);
    return {core_->trace.begin(), core_->trace.end()};
}

bool SimulatedMouse::waitForBlockedReads(int count, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(core_->mutex);
    return core_->readersChanged.wait_for(lock, timeout,
                                          [&] { return core_->blockedReads >= count; });
}

int SimulatedMouse::openHandleCount() const {
    std::lock_guard lock(core_->mutex);
    return core_->openHandles;
}

std::string SimulatedMouse::eventPath() const {
    std::lock_guard lock(core_->mutex);
    return core_->path(core_->attach, EVENT_COLLECTION);
}

std::string SimulatedMouse::commandPath() const {
    std::lock_guard lock(core_->mutex);
    return core_->path(core_->attach, COMMAND_COLLECTION);
}

} // namespace zantor::hid
