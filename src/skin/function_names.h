#pragma once

#include "app/app_paths.h"
#include "platform/profile/profile_store.h"
#include "platform/result.h"
#include "skin/skin_layout.h"

#include <span>
#include <string>

namespace zantor::skin {

// Button function codes 41...52 are the user macros 0...11; they show the macro's name.
inline constexpr int kFirstUserMacroCode = 41;
inline constexpr int kLastUserMacroCode = 52;

// The FUN_STRING texts 1...54 of a main layout file (field 0 of each value).
FunctionNames readFunctionNames(const profile::ProfileStore::Snapshot& mainLayout);

// The function names of the main layout of `language` (0 Korean, anything else English), for
// programs that show button functions by name without loading the whole skin.
Result<FunctionNames> LoadFunctionNames(profile::ProfileStore& store, const AppPaths& paths,
                                        int language);

// The text shown for button function `code`: for 41...52 the name of user macro code - 41 (empty
// when `userMacroNames` has no such entry), for other codes 1...54 the function name, and nothing
// for 0 or a code outside 1...54.
std::string FunctionDisplayName(int code, const FunctionNames& names,
                                std::span<const std::string> userMacroNames);

} // namespace zantor::skin
