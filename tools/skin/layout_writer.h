#pragma once

#include "skin_description.h"

#include <string>
#include <vector>

namespace zantor::skingen {

struct LayoutText {
    std::string path; // relative to the skins folder, e.g. "INI_EN/skin_main_en.ini"
    std::string text;
};

// The eight layout files: the four of each language, from the description.
std::vector<LayoutText> layoutTexts(const Description& d);

} // namespace zantor::skingen
