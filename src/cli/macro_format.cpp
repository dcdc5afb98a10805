#include "cli/macro_format.h"

#include "macro/key_names.h"

namespace zantor::cli {

std::string modeName(const macro::MacroRecord& m) {
    if (m.mode & macro::MACRO_WHILE_HELD)
        return "while held";
    if (m.mode == macro::MACRO_ONCE)
        return "once";
    return "repeat " + std::to_string(m.repeatCount) + " times";
}

nlohmann::ordered_json macroToJson(const macro::MacroRecord& m, int language) {
    auto events = nlohmann::ordered_json::array();
    auto lines = nlohmann::ordered_json::array();
    for (std::size_t k = 0; k < m.eventCount; ++k) {
        events.push_back(
            {{"code", m.events[k].code}, {"action", m.events[k].action}, {"delay", m.delays[k]}});
        for (auto& line : macro::EventLines(m, k, language))
            lines.push_back(std::move(line));
    }
    return {{"name", m.nameUtf8()},
            {"mode", m.mode},
            {"repeatCount", m.repeatCount},
            {"events", std::move(events)},
            {"lines", std::move(lines)}};
}

nlohmann::ordered_json macrosToJson(std::span<const macro::MacroRecord> macros, int language) {
    auto out = nlohmann::ordered_json::array();
    for (const auto& m : macros)
        out.push_back(macroToJson(m, language));
    return out;
}

void printMacros(std::ostream& out, std::span<const macro::MacroRecord> macros, int language) {
    if (macros.empty())
        out << "  (none)\n";
    for (std::size_t i = 0; i < macros.size(); ++i) {
        const auto& m = macros[i];
        out << "  " << i << "  \"" << m.nameUtf8() << "\"  " << modeName(m) << ", "
            << int(m.eventCount) << (m.eventCount == 1 ? " event\n" : " events\n");
        for (std::size_t k = 0; k < m.eventCount; ++k)
            for (const auto& line : macro::EventLines(m, k, language))
                out << "      " << line << '\n';
    }
}

} // namespace zantor::cli
