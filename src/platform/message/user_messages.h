#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zantor {

// The few failures the program reports to the user: a message box in the window, a line on
// stderr from zantorctl. `text` is what the program says ("Error"); `detail` tells a reader of
// a terminal or log what it is about (a path, say) and may be left out of a message box.
class UserMessages {
public:
    virtual ~UserMessages() = default;
    virtual void showMessage(std::string_view text, std::string_view detail) = 0;
};

// Writes "text: detail" lines to stderr.
class StderrMessages final : public UserMessages {
public:
    void showMessage(std::string_view text, std::string_view detail) override;
};

// Keeps the messages, for tests and for callers that report them later.
class CollectedMessages final : public UserMessages {
public:
    struct Message {
        std::string text, detail;
    };
    void showMessage(std::string_view text, std::string_view detail) override {
        messages.push_back({std::string(text), std::string(detail)});
    }
    std::vector<Message> messages;
};

} // namespace zantor
