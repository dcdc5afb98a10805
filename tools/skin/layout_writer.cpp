#include "layout_writer.h"

#include "skin/skin_files.h"

#include <algorithm>

namespace zantor::skingen {
namespace {

constexpr int kEnglish = 1;
constexpr int kKorean = 0;

std::string relativePath(skin::LayoutFile file, int language) {
    const AppPaths paths{"home"};
    return skin::layoutFilePath(paths, file, language).substr(paths.skinsDir().size() + 1);
}

std::string header(const char* what, int language) {
    return std::string("; ZANTOR skin layout: ") + what +
           (language == kKorean ? " (Korean)" : " (English)") +
           ".\n; Written by zantor_skin_generator from tools/skin/skin_description.cpp: change "
           "it there and run the generator.\n"
           "; Values: number,x,y,width,height,caption, -- every field ends with a comma.\n";
}

std::string values(const Box& b) {
    return std::to_string(b.x) + "," + std::to_string(b.y) + "," + std::to_string(b.w) + "," +
           std::to_string(b.h) + ",";
}

void appendButtons(std::string& out, std::vector<Entry> entries, int language) {
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.index < b.index; });
    out += "\n[BUTTONPOS]\n";
    for (const Entry& e : entries) {
        out += std::string("; ") + e.role + "\n";
        out += std::to_string(e.index) + "=" + std::to_string(e.index) + "," + values(e.box) +
               (language == kKorean ? e.korean : e.english) + ",\n";
    }
}

std::string mainText(const Description& d, int language) {
    std::string out = header("main page and button function names", language);
    std::vector<Entry> entries = d.frame;
    const auto& own = d.pages[static_cast<int>(Page::Main)].entries;
    entries.insert(entries.end(), own.begin(), own.end());
    appendButtons(out, entries, language);
    out += "\n; Names of the button functions by code.\n[FUN_STRING]\n";
    for (const FunctionName& f : d.functionNames)
        out += std::to_string(f.code) + "=" + (language == kKorean ? f.korean : f.english) + "\n";
    return out;
}

std::string advancedText(const Description& d, int language) {
    std::string out = header("advanced page (macro editor)", language);
    appendButtons(out, d.pages[static_cast<int>(Page::Advanced)].entries, language);
    for (const char* section : {"EDIT", "MACRODISPLAY"}) {
        out += std::string("\n[") + section + "]\n";
        for (const ControlBox& c : d.controls)
            if (std::string_view(c.section) == section)
                out += std::string("; ") + c.role + "\n" + std::to_string(c.key) + "=" +
                       std::to_string(c.key) + "," + values(c.box) + "\n";
    }
    return out;
}

std::string colorText(const Description& d, int language) {
    std::string out = header("lighting page", language);
    appendButtons(out, d.pages[static_cast<int>(Page::Color)].entries, language);
    return out;
}

std::string warningText(const Description& d, int language) {
    std::string out = header("warning window", language);
    appendButtons(out, d.warning, language);
    return out;
}

} // namespace

std::vector<LayoutText> layoutTexts(const Description& d) {
    std::vector<LayoutText> files;
    for (int language : {kEnglish, kKorean}) {
        files.push_back({relativePath(skin::LayoutFile::Main, language), mainText(d, language)});
        files.push_back(
            {relativePath(skin::LayoutFile::Advance, language), advancedText(d, language)});
        files.push_back({relativePath(skin::LayoutFile::Color, language), colorText(d, language)});
        files.push_back(
            {relativePath(skin::LayoutFile::Warning, language), warningText(d, language)});
    }
    return files;
}

} // namespace zantor::skingen
