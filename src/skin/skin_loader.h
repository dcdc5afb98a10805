#pragma once

#include "app/app_paths.h"
#include "platform/profile/profile_store.h"
#include "platform/result.h"
#include "skin/skin_files.h"
#include "skin/skin_layout.h"

namespace zantor::skin {

// Each loader reads its layout file of `language` (0 Korean, anything else English) and
// overwrites its part of `layout`; missing keys read as zeros with an empty caption.
//
// A missing or unreadable file still leaves its part filled (all empty), and the loader returns
// an error naming the file. The program cannot run without its layout: the caller turns the
// error into the main window's exit sequence, once, after loading what it loads at that point.
Status LoadSkinMain(SkinLayout& layout, profile::ProfileStore& store, const AppPaths& paths,
                    int language);
Status LoadSkinColor(SkinLayout& layout, profile::ProfileStore& store, const AppPaths& paths,
                     int language);
Status LoadSkinAdvance(SkinLayout& layout, profile::ProfileStore& store, const AppPaths& paths,
                       int language);
Status LoadLBWarning(SkinLayout& layout, profile::ProfileStore& store, const AppPaths& paths,
                     int language);

// The four loaders in the order of a language switch (main, colour, advanced, warning). All four
// run even when one fails; the error then names every file that is missing.
Status LoadSkinLayouts(SkinLayout& layout, profile::ProfileStore& store, const AppPaths& paths,
                       int language);

// The snapshot of one layout file, or the error that says why it cannot be used.
Result<profile::ProfileStore::Snapshot>
openLayoutFile(profile::ProfileStore& store, const AppPaths& paths, LayoutFile file, int language);

} // namespace zantor::skin
