#pragma once

#include "platform/hid/hid_backend.h"

#include <cerrno>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace zantor::test {

// A system with any number of HID interfaces, each of which can be made to fail. It counts
// the handles that are open and keeps every feature report sent.
class FakeHidBackend final : public hid::HidBackend {
public:
    struct Entry {
        hid::HidInterface interface;
        int queryError = 0;        // errno of an open for query
        bool noAttributes = false; // attributes cannot be read
        int readError = 0;         // errno of an open to read
        int writeError = 0;        // errno of an open to write
    };

    std::vector<std::optional<Entry>> entries;
    std::vector<std::pair<std::string, hid::OpenMode>> opened; // every open asked for
    std::vector<std::pair<std::string, std::string>> sent;     // path, bytes
    int registrations = 0;
    int enumerations = 0;
    std::vector<hid::DeviceChange> pending;

    static hid::HidInterface mouseInterface(const std::string& path, std::uint16_t usagePage,
                                            std::uint16_t product = 0x1086) {
        hid::HidCaps caps{usagePage, 0x0001, 0, 0, 0};
        if (usagePage == 0xFF00)
            caps.inputReportByteLength = 8;
        else
            caps.featureReportByteLength = 8;
        return {path, "/dev/" + path, hid::HidAttributes{0x18F8, product}, caps, {}};
    }
    static hid::HidInterface otherInterface(const std::string& path) {
        return {path,
                "/dev/" + path,
                hid::HidAttributes{0x046D, 0xC52B},
                hid::HidCaps{0x0001, 0x0002, 8, 0, 0},
                {}};
    }

    // Open handles by path and mode.
    int openCount(const std::string& path, hid::OpenMode mode) const {
        auto it = live_->find({path, mode});
        return it == live_->end() ? 0 : it->second;
    }
    int openCount() const {
        int total = 0;
        for (const auto& [key, count] : *live_)
            total += count;
        return total;
    }

    std::vector<std::optional<hid::HidInterface>> enumerate() override {
        ++enumerations;
        std::vector<std::optional<hid::HidInterface>> result;
        for (const auto& entry : entries)
            result.push_back(entry ? std::optional(entry->interface) : std::nullopt);
        return result;
    }

    Result<std::unique_ptr<hid::HidHandle>> open(const std::string& path,
                                                 hid::OpenMode mode) override {
        opened.emplace_back(path, mode);
        for (const auto& entry : entries) {
            if (!entry || entry->interface.path != path)
                continue;
            const int error = mode == hid::OpenMode::Query  ? entry->queryError
                              : mode == hid::OpenMode::Read ? entry->readError
                                                            : entry->writeError;
            if (error)
                return Error{error, "cannot open " + path};
            return std::unique_ptr<hid::HidHandle>(new Handle(*this, *entry, mode));
        }
        return Error{ENOENT, "no HID interface " + path};
    }

    Status registerNotifications() override {
        ++registrations;
        return Ok{};
    }
    int notificationFd() const override { return -1; }
    std::vector<hid::DeviceChange> takeNotifications() override {
        return std::exchange(pending, {});
    }

private:
    using Live = std::map<std::pair<std::string, hid::OpenMode>, int>;

    class Handle final : public hid::HidHandle {
    public:
        Handle(FakeHidBackend& backend, const Entry& entry, hid::OpenMode mode)
            : backend_(backend), entry_(entry), mode_(mode), live_(backend.live_) {
            ++(*live_)[{entry_.interface.path, mode_}];
        }
        ~Handle() override { --(*live_)[{entry_.interface.path, mode_}]; }

        Result<hid::HidAttributes> attributes() override {
            if (entry_.noAttributes || !entry_.interface.attributes)
                return Error{EIO, "no attributes"};
            return *entry_.interface.attributes;
        }
        Result<hid::HidCaps> capabilities() override { return entry_.interface.caps; }
        Status sendFeatureReport(std::span<const std::uint8_t> report) override {
            std::string hex;
            for (std::uint8_t b : report)
                hex += (hex.empty() ? "" : " ") + toHex(b);
            backend_.sent.emplace_back(entry_.interface.path, hex);
            return Ok{};
        }
        Result<std::size_t> readInputReport(std::span<std::uint8_t>) override {
            return Error{EIO, "the fake has no input reports"};
        }
        void interrupt() override {}

    private:
        static std::string toHex(std::uint8_t b) {
            const char* digits = "0123456789ABCDEF";
            return {digits[b >> 4], digits[b & 15]};
        }
        FakeHidBackend& backend_;
        const Entry entry_;
        const hid::OpenMode mode_;
        std::shared_ptr<Live> live_;
    };

    std::shared_ptr<Live> live_ = std::make_shared<Live>();
};

} // namespace zantor::test
