#include "platform/profile/ini_document.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

// Parsing any bytes must not fail, and a parsed document must write back to text that parses
// to the same document.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using zantor::profile::IniDocument;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto doc = IniDocument::parse(text);
    const std::string once = doc.serialize();
    if (IniDocument::parse(once).serialize() != once)
        std::abort();
    doc.find("Config1", "K0");
    doc.set("Config1", "K0", "1");
    if (doc.find("Config1", "K0") != "1")
        std::abort();
    return 0;
}
