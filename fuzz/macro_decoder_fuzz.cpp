#include "macro/macro_codec.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

// Any text decodes to a record, and that record encodes to exactly 3192 digits.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (int language : {0, 1}) {
        const auto record = zantor::macro::DecodeMacro(text, language);
        if (zantor::macro::EncodeMacro(record).size() != zantor::macro::kEncodedLength)
            std::abort();
        (void)record.nameUtf8();
    }
    return 0;
}
