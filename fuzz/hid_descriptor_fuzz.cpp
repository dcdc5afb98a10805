#include "platform/hid/report_descriptor.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Any bytes: a parse or a clear error, and lengths that agree with the report ids found.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto parsed = zantor::hid::parseReportDescriptor({data, size});
    if (!parsed)
        return 0;
    for (const auto& c : parsed->collections)
        if ((c.caps.inputReportByteLength == 0) != c.inputReportIds.empty() ||
            (c.caps.featureReportByteLength == 0) != c.featureReportIds.empty())
            std::abort();
    return 0;
}
