#pragma once

#include "platform/hid/hid_backend.h"
#include "platform/result.h"

#include <cstdint>
#include <span>
#include <vector>

namespace zantor::hid {

// One top-level collection of a report descriptor (a collection at nesting depth 0, of any
// collection type): its usage, the ids of its reports by kind, and its Windows-style lengths.
struct TopLevelCollection {
    HidCaps caps;
    std::vector<std::uint8_t> inputReportIds; // ascending; {0} when the device numbers no reports
    std::vector<std::uint8_t> outputReportIds;
    std::vector<std::uint8_t> featureReportIds;
};

struct ReportDescriptor {
    bool numbered = false; // a Report ID item appears: every report starts with its id
    std::vector<TopLevelCollection> collections;
};

// Parses a HID report descriptor (HID 1.11, section 6.2.2) into its top-level collections.
// Globals persist across collections and follow Push/Pop; locals end at every main item; a
// Usage of 1 or 2 bytes takes the Usage Page in force at the main item; long items are
// skipped. Fails, naming the byte offset, on a truncated item, unbalanced collections or
// Push/Pop, a report id of 0 or above 255, or a report longer than the kernel accepts.
Result<ReportDescriptor> parseReportDescriptor(std::span<const std::uint8_t> descriptor);

} // namespace zantor::hid
