#include "macro/macro_files.h"

#include "macro/macro_codec.h"
#include "platform/message/user_messages.h"
#include "platform/profile/decimal.h"

#include <algorithm>
#include <span>
#include <vector>

namespace zantor::macro {
namespace {

constexpr std::size_t kCountBuffer = 3; // room for two characters
constexpr std::size_t kMacroBuffer = kEncodedLength + 1;

// Fills records from a section and returns the count, cut to the table's capacity. A count
// below zero reads as an empty table. The file is read before the table is touched.
std::uint16_t loadRecords(const MacroFileContext& context, const std::string& file,
                          std::string_view section, std::span<MacroRecord> records) {
    const auto snapshot = context.profiles.snapshot(file);
    if (!snapshot.exists())
        context.messages.showMessage("Error", "cannot open the macro file " + file);
    const auto stored = profile::parseDecimal(snapshot.read(section, kMacroCountKey, kCountBuffer));
    const auto count = static_cast<std::uint16_t>(
        std::clamp<std::int32_t>(stored, 0, static_cast<std::int32_t>(records.size())));
    std::vector<MacroRecord> loaded;
    loaded.reserve(count);
    for (std::uint16_t i = 0; i < count; ++i)
        loaded.push_back(
            DecodeMacro(snapshot.read(section, std::to_string(i), kMacroBuffer), context.language));

    std::unique_lock<std::shared_mutex> lock;
    if (context.tablesLock)
        lock = std::unique_lock(*context.tablesLock);
    std::copy(loaded.begin(), loaded.end(), records.begin());
    return count;
}

} // namespace

void loadMacroSection(const MacroFileContext& context, const std::string& file,
                      std::string_view section, MacroTables& tables) {
    tables.userMacroCount = loadRecords(context, file, section, tables.userMacros);
    tables.selectedMacro = tables.userMacroCount > 0 ? tables.userMacroCount - 1 : 0;
}

void loadMacroLibrary(const MacroFileContext& context, const std::string& file,
                      MacroTables& tables) {
    loadMacroSection(context, file, kLibrarySection, tables);
}

void loadBuiltInMacros(const MacroFileContext& context, const std::string& file,
                       MacroTables& tables) {
    tables.builtInMacroCount = loadRecords(context, file, kLibrarySection, tables.builtInMacros);
}

void writeMacroSection(profile::ProfileStore::Batch& batch, std::string_view section,
                       const MacroTables& tables) {
    const auto count = std::min<std::size_t>(tables.userMacroCount, MAX_USER_MACROS);
    batch.write(section, kMacroCountKey, std::to_string(count));
    for (std::size_t i = 0; i < count; ++i)
        batch.write(section, std::to_string(i), EncodeMacro(tables.userMacros[i]));
}

Status saveMacroSection(profile::ProfileStore& profiles, const std::string& file,
                        std::string_view section, const MacroTables& tables) {
    auto batch = profiles.batch(file);
    writeMacroSection(batch, section, tables);
    return batch.commit();
}

Status saveMacroLibrary(profile::ProfileStore& profiles, const std::string& file,
                        const MacroTables& tables) {
    return saveMacroSection(profiles, file, kLibrarySection, tables);
}

} // namespace zantor::macro
