#include "platform/profile/ini_document.h"

#include <algorithm>
#include <utility>

namespace zantor::profile {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view trim(std::string_view s) {
    const auto isBlank = [](char c) {
        return c == ' ' || c == '\t';
    };
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool hasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

bool namesEqual(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

bool IniDocument::isValidSectionName(std::string_view name) {
    return !name.empty() && trim(name) == name && !hasLineBreak(name) &&
           name.find(']') == std::string_view::npos;
}

bool IniDocument::isValidKeyName(std::string_view name) {
    return !name.empty() && trim(name) == name && !hasLineBreak(name) &&
           name.find('=') == std::string_view::npos && name.front() != '[' && name.front() != ';';
}

bool IniDocument::isValidValue(std::string_view value) {
    return trim(value) == value && !hasLineBreak(value);
}

IniDocument IniDocument::parse(std::string_view text) {
    IniDocument doc;
    if (text.starts_with(kByteOrderMark)) {
        doc.byteOrderMark_ = true;
        text.remove_prefix(kByteOrderMark.size());
    }
    const auto firstBreak = text.find('\n');
    if (firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r')
        doc.lineEnd_ = "\r\n";

    doc.sections_.push_back(Section{.isPreamble = true});
    while (!text.empty()) {
        const auto breakAt = text.find('\n');
        std::string_view raw = text.substr(0, breakAt);
        std::string end = breakAt == std::string_view::npos ? "" : "\n";
        text.remove_prefix(breakAt == std::string_view::npos ? text.size() : breakAt + 1);
        if (!end.empty() && raw.ends_with('\r')) {
            raw.remove_suffix(1);
            end = "\r\n";
        }

        const std::string_view content = trim(raw);
        if (content.starts_with('[')) {
            auto close = content.find(']');
            doc.sections_.push_back(Section{
                .name = std::string(trim(content.substr(
                    1, close == std::string_view::npos ? std::string_view::npos : close - 1))),
                .header = std::string(raw),
                .headerEnd = std::move(end),
            });
            continue;
        }
        Line line{.text = std::string(raw), .end = std::move(end)};
        const auto equals = content.find('=');
        if (!content.empty() && content.front() != ';' && equals != std::string_view::npos) {
            line.isEntry = true;
            line.key = std::string(trim(content.substr(0, equals)));
            line.value = std::string(trim(content.substr(equals + 1)));
        }
        doc.sections_.back().lines.push_back(std::move(line));
    }
    return doc;
}

std::string IniDocument::serialize() const {
    std::string out;
    if (byteOrderMark_)
        out += kByteOrderMark;
    // Only the file's last line may lack a line end; one that got lines after it gains one.
    bool unended = false;
    const auto append = [&](const std::string& text, const std::string& end) {
        if (unended)
            out += lineEnd_;
        out.append(text).append(end);
        unended = end.empty();
    };
    for (const Section& section : sections_) {
        if (!section.isPreamble)
            append(section.header, section.headerEnd);
        for (const Line& line : section.lines)
            append(line.text, line.end);
    }
    return out;
}

const IniDocument::Section* IniDocument::findSection(std::string_view name) const {
    for (const Section& section : sections_)
        if (!section.isPreamble && namesEqual(section.name, name))
            return &section;
    return nullptr;
}

IniDocument::Section* IniDocument::findSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

bool IniDocument::hasSection(std::string_view section) const {
    return findSection(section) != nullptr;
}

std::optional<std::string_view> IniDocument::find(std::string_view section,
                                                  std::string_view key) const {
    const Section* s = findSection(section);
    if (!s)
        return std::nullopt;
    for (const Line& line : s->lines)
        if (line.isEntry && namesEqual(line.key, key))
            return std::string_view(line.value);
    return std::nullopt;
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = findSection(section);
    if (!s) {
        s = &sections_.emplace_back(
            Section{.name = std::string(section), .header = "[" + std::string(section) + "]"});
    }
    auto lastEntry = s->lines.end();
    for (auto it = s->lines.begin(); it != s->lines.end(); ++it) {
        if (!it->isEntry)
            continue;
        if (namesEqual(it->key, key)) {
            it->value = std::string(value);
            it->text = it->key + "=" + it->value;
            return;
        }
        lastEntry = it;
    }
    const auto insertAt = lastEntry == s->lines.end() ? s->lines.begin() : std::next(lastEntry);
    const std::string k(key);
    s->lines.insert(insertAt, Line{.text = k + "=" + std::string(value),
                                   .key = k,
                                   .value = std::string(value),
                                   .isEntry = true,
                                   .end = lineEnd_});
}

} // namespace zantor::profile
