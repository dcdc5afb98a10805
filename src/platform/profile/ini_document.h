#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zantor::profile {

// One INI file, parsed for look-up and edit. Every line an edit does not touch is written back
// as it was read, so a file survives a rewrite byte for byte apart from the changed values.
//
// Syntax: "[section]" headers, "key=value" entries with blanks around key and value ignored,
// everything else (blank lines, ";" comments) kept verbatim. Names match case-insensitively
// (ASCII); the first of several equal sections or keys wins, as with the Windows functions.
class IniDocument {
public:
    static IniDocument parse(std::string_view text);
    std::string serialize() const;

    // The value of key in section, without surrounding blanks; nullopt when either is missing.
    std::optional<std::string_view> find(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;

    // Replaces the key's value, or appends the key after the last entry of its section, adding
    // the section at the end of the document when it does not exist. Names and value must be
    // valid (see isValidName, isValidValue).
    void set(std::string_view section, std::string_view key, std::string_view value);

    // A name that can be written without changing the structure of the file.
    static bool isValidSectionName(std::string_view name);
    static bool isValidKeyName(std::string_view name);
    static bool isValidValue(std::string_view value);

private:
    struct Line {
        std::string text;  // as in the file, without its line end
        std::string key;   // empty for lines that are not entries
        std::string value; // trimmed
        bool isEntry = false;
        std::string end; // the line's own line end; empty for a last line without one
    };
    struct Section {
        std::string name; // trimmed; the preamble before the first header has none
        std::string header;
        std::string headerEnd;
        bool isPreamble = false;
        std::vector<Line> lines;
    };

    Section* findSection(std::string_view name);
    const Section* findSection(std::string_view name) const;

    std::vector<Section> sections_;
    std::string lineEnd_ = "\n"; // for new lines: the file's first line end
    bool byteOrderMark_ = false;
};

// ASCII case-insensitive equality, the rule for section and key names.
bool namesEqual(std::string_view a, std::string_view b);

} // namespace zantor::profile
