#include "platform/hid/report_descriptor.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <map>
#include <optional>
#include <string>

namespace zantor::hid {
namespace {

// Limits of the Linux HID core: a descriptor it rejects never reaches us from a real device.
constexpr std::uint32_t MAX_REPORT_SIZE_BITS = 256;
constexpr std::uint32_t MAX_REPORT_COUNT = 12288;
constexpr std::uint64_t MAX_REPORT_BYTES = 16384 - 1; // HID_MAX_BUFFER_SIZE less the id byte
constexpr std::size_t MAX_PUSH_DEPTH = 16;

enum Prefix : std::uint8_t {
    INPUT = 0x80,
    OUTPUT = 0x90,
    FEATURE = 0xB0,
    COLLECTION = 0xA0,
    END_COLLECTION = 0xC0,
    USAGE_PAGE = 0x04,
    REPORT_SIZE = 0x74,
    REPORT_ID = 0x84,
    REPORT_COUNT = 0x94,
    PUSH = 0xA4,
    POP = 0xB4,
    USAGE = 0x08,
    USAGE_MINIMUM = 0x18,
};
constexpr std::uint8_t LONG_ITEM = 0xFE;

enum Kind { KIND_INPUT, KIND_OUTPUT, KIND_FEATURE, KIND_COUNT };

struct Globals {
    std::uint32_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint32_t reportId = 0;
};

struct LocalUsage {
    std::uint32_t value; // page in the high 16 bits once resolved
    bool extended;       // a 4-byte usage carries its own page
};

struct Collection {
    std::uint32_t usage = 0;
    std::array<std::map<std::uint8_t, std::uint64_t>, KIND_COUNT> bits; // by report id
};

class Parser {
public:
    explicit Parser(std::span<const std::uint8_t> d) : d_(d) {}

    Result<ReportDescriptor> run() {
        std::size_t i = 0;
        while (i < d_.size()) {
            const std::uint8_t prefix = d_[i];
            if (prefix == LONG_ITEM) {
                if (i + 2 >= d_.size() || i + 3 + std::size_t(d_[i + 1]) > d_.size())
                    return fail(i, "truncated long item");
                i += 3 + std::size_t(d_[i + 1]);
                continue;
            }
            const std::size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
            if (i + 1 + size > d_.size())
                return fail(i, "truncated item");
            std::uint32_t value = 0;
            for (std::size_t k = 0; k < size; ++k)
                value |= std::uint32_t(d_[i + 1 + k]) << (8 * k);
            if (auto error = item(i, std::uint8_t(prefix & 0xFC), value, size))
                return *error;
            i += 1 + size;
        }
        if (depth_ != 0)
            return fail(d_.size(), "collection not closed at the end of the descriptor");
        return finish();
    }

private:
    std::optional<Error> item(std::size_t at, std::uint8_t tag, std::uint32_t value,
                              std::size_t size) {
        switch (tag) {
        case USAGE_PAGE:
            globals_.usagePage = value & 0xFFFF;
            break;
        case REPORT_SIZE:
            if (value > MAX_REPORT_SIZE_BITS)
                return error(at, "report size of " + std::to_string(value) + " bits");
            globals_.reportSize = value;
            break;
        case REPORT_COUNT:
            if (value > MAX_REPORT_COUNT)
                return error(at, "report count of " + std::to_string(value));
            globals_.reportCount = value;
            break;
        case REPORT_ID:
            if (value == 0 || value > 255)
                return error(at, "report id " + std::to_string(value));
            globals_.reportId = value;
            numbered_ = true;
            break;
        case PUSH:
            if (stack_.size() == MAX_PUSH_DEPTH)
                return error(at, "Push nested too deep");
            stack_.push_back(globals_);
            break;
        case POP:
            if (stack_.empty())
                return error(at, "Pop without Push");
            globals_ = stack_.back();
            stack_.pop_back();
            break;
        case USAGE:
        case USAGE_MINIMUM: // a range stands for its usages: the first one is its minimum
            usages_.push_back(
                {size == 4 ? value : (globals_.usagePage << 16 | (value & 0xFFFF)), size == 4});
            break;
        case COLLECTION:
            resolveLatePage();
            if (depth_++ == 0)
                collections_.push_back({usages_.empty() ? 0 : usages_.front().value, {}});
            usages_.clear();
            break;
        case END_COLLECTION:
            if (depth_ == 0)
                return error(at, "End Collection without Collection");
            --depth_;
            usages_.clear();
            break;
        case INPUT:
        case OUTPUT:
        case FEATURE:
            if (auto failure = addMainItem(at, tag == INPUT    ? KIND_INPUT
                                               : tag == OUTPUT ? KIND_OUTPUT
                                                               : KIND_FEATURE))
                return failure;
            usages_.clear();
            break;
        default:
            break; // other globals and locals do not change lengths or usages
        }
        return std::nullopt;
    }

    // The standard joins a short Usage with the page in force at the main item, so a Usage
    // Page given after the Usage still applies; usages that already carry that page end the
    // walk back, as in the Linux parser.
    void resolveLatePage() {
        for (auto it = usages_.rbegin(); it != usages_.rend(); ++it) {
            if (it->extended)
                continue;
            if ((it->value >> 16) == globals_.usagePage)
                break;
            it->value = globals_.usagePage << 16 | (it->value & 0xFFFF);
        }
    }

    std::optional<Error> addMainItem(std::size_t at, Kind kind) {
        const std::uint64_t bits = std::uint64_t(globals_.reportSize) * globals_.reportCount;
        if (depth_ == 0 || bits == 0)
            return std::nullopt; // belongs to no top-level collection, or carries no data
        auto& total = collections_.back().bits[kind][std::uint8_t(globals_.reportId)];
        total += bits;
        if ((total + 7) / 8 > MAX_REPORT_BYTES)
            return error(at, "report " + std::to_string(globals_.reportId) + " is longer than " +
                                 std::to_string(MAX_REPORT_BYTES) + " bytes");
        return std::nullopt;
    }

    ReportDescriptor finish() const {
        ReportDescriptor result{numbered_, {}};
        for (const Collection& c : collections_) {
            TopLevelCollection tlc;
            tlc.caps.usagePage = std::uint16_t(c.usage >> 16);
            tlc.caps.usage = std::uint16_t(c.usage & 0xFFFF);
            std::array<std::vector<std::uint8_t>*, KIND_COUNT> ids{
                &tlc.inputReportIds, &tlc.outputReportIds, &tlc.featureReportIds};
            std::array<std::uint16_t*, KIND_COUNT> lengths{&tlc.caps.inputReportByteLength,
                                                           &tlc.caps.outputReportByteLength,
                                                           &tlc.caps.featureReportByteLength};
            for (int kind = 0; kind < KIND_COUNT; ++kind) {
                std::uint64_t longest = 0;
                for (const auto& [id, bits] : c.bits[kind]) {
                    ids[kind]->push_back(id);
                    longest = std::max(longest, (bits + 7) / 8);
                }
                if (!c.bits[kind].empty())
                    *lengths[kind] = std::uint16_t(1 + longest);
            }
            result.collections.push_back(std::move(tlc));
        }
        return result;
    }

    static Error error(std::size_t at, const std::string& what) {
        return Error{EINVAL, "bad report descriptor at byte " + std::to_string(at) + ": " + what};
    }
    static Result<ReportDescriptor> fail(std::size_t at, const std::string& what) {
        return error(at, what);
    }

    std::span<const std::uint8_t> d_;
    Globals globals_;
    std::vector<Globals> stack_;
    std::vector<LocalUsage> usages_;
    std::vector<Collection> collections_;
    int depth_ = 0;
    bool numbered_ = false;
};

} // namespace

Result<ReportDescriptor> parseReportDescriptor(std::span<const std::uint8_t> descriptor) {
    return Parser(descriptor).run();
}

} // namespace zantor::hid
