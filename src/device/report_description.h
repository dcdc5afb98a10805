#pragma once

#include "platform/result.h"

#include <cstdint>
#include <span>
#include <string>

namespace zantor::device {

// One line that explains a command report (id 7) or an event report (id 6) in words; fails,
// saying why, for a report that is neither or cannot be read.
Result<std::string> describeReport(std::span<const std::uint8_t> report);

} // namespace zantor::device
