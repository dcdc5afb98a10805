#pragma once

#include "platform/hid/hid_backend.h"
#include "platform/unique_fd.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zantor::hid {

// What a handle knows of the collection it was opened for.
struct HidrawCollection {
    std::string node; // /dev/hidrawN
    std::optional<HidAttributes> attributes;
    HidCaps caps;
    std::vector<std::uint8_t> inputReportIds; // reads keep only these
    bool numbered = false;                    // reports start with their id on the wire
};

// One collection of a hidraw node. Reads wait in poll() on the node and on an eventfd that
// interrupt() signals; the descriptor is closed only when the handle is destroyed, never under
// a blocked read.
class HidrawHandle final : public HidHandle {
public:
    static Result<std::unique_ptr<HidHandle>> open(const HidrawCollection& collection,
                                                   OpenMode mode);
    // Takes a descriptor that is already open (tests pass a socket standing in for the node).
    static Result<std::unique_ptr<HidHandle>> adopt(UniqueFd fd, const HidrawCollection& collection,
                                                    OpenMode mode);

    Result<HidAttributes> attributes() override;
    Result<HidCaps> capabilities() override;
    Status sendFeatureReport(std::span<const std::uint8_t> report) override;
    Result<std::size_t> readInputReport(std::span<std::uint8_t> buffer) override;
    void interrupt() override;

private:
    HidrawHandle(UniqueFd fd, UniqueFd wake, HidrawCollection collection, OpenMode mode)
        : fd_(std::move(fd)), wake_(std::move(wake)), collection_(std::move(collection)),
          mode_(mode) {}
    Error failure(const char* what, int err) const;
    bool keeps(std::uint8_t reportId) const;

    UniqueFd fd_;
    UniqueFd wake_;
    HidrawCollection collection_;
    OpenMode mode_;
};

} // namespace zantor::hid
