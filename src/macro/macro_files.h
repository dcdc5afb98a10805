#pragma once

#include "macro/macro_tables.h"
#include "platform/profile/profile_store.h"
#include "platform/result.h"

#include <shared_mutex>
#include <string>
#include <string_view>

namespace zantor {
class UserMessages;
}

namespace zantor::macro {

inline constexpr std::string_view kLibrarySection = "Macros";
inline constexpr std::string_view kMacroCountKey = "macroNum";

// What the macro loaders need besides the file: the INI layer, where to say "Error" when the
// file is missing, and the interface language for the key-code translation.
struct MacroFileContext {
    profile::ProfileStore& profiles;
    UserMessages& messages;
    int language = 1;
    // Held exclusively while a load replaces records, which a player thread may be reading.
    std::shared_mutex* tablesLock = nullptr;
};

// Replace the user table by the macros of a section ("Macros" of a library file, or a
// configuration section of config.ini).
void loadMacroLibrary(const MacroFileContext& context, const std::string& file,
                      MacroTables& tables);
void loadMacroSection(const MacroFileContext& context, const std::string& file,
                      std::string_view section, MacroTables& tables);
// Replace the built-in table by section "Macros" of the file.
void loadBuiltInMacros(const MacroFileContext& context, const std::string& file,
                       MacroTables& tables);

// Write the user table: the count, then one key per macro. Keys of macros past the count that
// an earlier, longer save left stay in the file and are ignored.
Status saveMacroLibrary(profile::ProfileStore& profiles, const std::string& file,
                        const MacroTables& tables);
Status saveMacroSection(profile::ProfileStore& profiles, const std::string& file,
                        std::string_view section, const MacroTables& tables);
// The same writes added to a batch, so a configuration and its macros land in one rewrite.
void writeMacroSection(profile::ProfileStore::Batch& batch, std::string_view section,
                       const MacroTables& tables);

} // namespace zantor::macro
