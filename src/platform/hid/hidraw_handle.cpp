#include "platform/hid/hidraw_handle.h"

#include "platform/hid/open_error.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace zantor::hid {
namespace {

// hidraw hands over one report per read; a node's largest report fits in this.
constexpr std::size_t MAX_REPORT_BYTES = 16384;

int openFlags(OpenMode mode) {
    switch (mode) {
    case OpenMode::Query:
        return O_PATH | O_CLOEXEC; // needs no permission on the node, like a query handle
    case OpenMode::Read:
        return O_RDONLY | O_NONBLOCK | O_CLOEXEC;
    case OpenMode::Write:
        return O_RDWR | O_CLOEXEC;
    }
    return O_PATH | O_CLOEXEC;
}

} // namespace

Result<std::unique_ptr<HidHandle>> HidrawHandle::open(const HidrawCollection& collection,
                                                      OpenMode mode) {
    UniqueFd fd(::open(collection.node.c_str(), openFlags(mode)));
    if (!fd.valid())
        return openError(collection.node, errno);
    return adopt(std::move(fd), collection, mode);
}

Result<std::unique_ptr<HidHandle>>
HidrawHandle::adopt(UniqueFd fd, const HidrawCollection& collection, OpenMode mode) {
    UniqueFd wake;
    if (mode == OpenMode::Read) {
        wake.reset(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
        if (!wake.valid())
            return Error{errno,
                         std::string("cannot create a wake-up event: ") + std::strerror(errno)};
    }
    return std::unique_ptr<HidHandle>(
        new HidrawHandle(std::move(fd), std::move(wake), collection, mode));
}

Result<HidAttributes> HidrawHandle::attributes() {
    if (!collection_.attributes)
        return Error{ENODATA, "vendor and product of " + collection_.node + " are unknown"};
    return *collection_.attributes;
}

Result<HidCaps> HidrawHandle::capabilities() {
    return collection_.caps;
}

Status HidrawHandle::sendFeatureReport(std::span<const std::uint8_t> report) {
    if (mode_ != OpenMode::Write)
        return failure("send a feature report to", EBADF);
    // The kernel only reads the buffer of HIDIOCSFEATURE.
    auto* data = const_cast<std::uint8_t*>(report.data());
    if (::ioctl(fd_.get(), HIDIOCSFEATURE(report.size()), data) < 0)
        return failure("send a feature report to", errno);
    return Ok{};
}

Result<std::size_t> HidrawHandle::readInputReport(std::span<std::uint8_t> buffer) {
    if (mode_ != OpenMode::Read)
        return failure("read from", EBADF);
    std::vector<std::uint8_t> report(MAX_REPORT_BYTES + 1);
    // An unnumbered device sends no id byte; put the 0 in front that a numbered one would send.
    const std::size_t offset = collection_.numbered ? 0 : 1;
    for (;;) {
        pollfd fds[2] = {{fd_.get(), POLLIN, 0}, {wake_.get(), POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return failure("wait for", errno);
        }
        if (fds[1].revents & POLLIN)
            return Error{ECANCELED, "read from " + collection_.node + " interrupted"};
        if (fds[0].revents & POLLIN) { // queued reports come before the hang-up
            const ssize_t n = ::read(fd_.get(), report.data() + offset, MAX_REPORT_BYTES);
            if (n < 0 && (errno == EINTR || errno == EAGAIN))
                continue;
            if (n <= 0) // the kernel says EIO once the device is gone
                return failure("read from", n == 0 ? EIO : errno);
            if (!keeps(report[0]))
                continue; // a report of another collection of the same node
            const std::size_t length = std::size_t(n) + offset;
            std::fill(std::copy_n(report.begin(), std::min(length, buffer.size()), buffer.begin()),
                      buffer.end(), 0);
            return buffer.size();
        }
        if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL))
            return failure("read from", EIO);
    }
}

void HidrawHandle::interrupt() {
    if (!wake_.valid())
        return;
    const std::uint64_t one = 1;
    // Fails only when the counter is about to overflow, which leaves it signalled anyway.
    [[maybe_unused]] ssize_t ignored = ::write(wake_.get(), &one, sizeof one);
}

bool HidrawHandle::keeps(std::uint8_t reportId) const {
    const auto& ids = collection_.inputReportIds;
    return std::find(ids.begin(), ids.end(), reportId) != ids.end();
}

Error HidrawHandle::failure(const char* what, int err) const {
    if (err == ENODEV || err == EIO)
        return Error{err, std::string("cannot ") + what + " " + collection_.node +
                              ": the device is gone"};
    return Error{err, std::string("cannot ") + what + " " + collection_.node + ": " +
                          std::strerror(err)};
}

} // namespace zantor::hid
