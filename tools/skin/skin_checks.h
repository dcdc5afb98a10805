#pragma once

#include "skin_description.h"

#include <string>
#include <vector>

namespace zantor::skingen {

// What would make the skin wrong, one message per problem: entries that overlap (the window's
// hit test would pick one of them), lie outside the window's shape or have no size; captions
// the layout files cannot hold; texts that do not fit where the windows draw them, in the fonts
// and sizes the windows use at 96 dpi. Needs a QGuiApplication for the font metrics.
std::vector<std::string> checkDescription(const Description& d);

} // namespace zantor::skingen
