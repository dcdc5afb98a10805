#pragma once

#include <string>
#include <string_view>

namespace zantor::test {

// A fresh, empty folder for one test, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }

private:
    std::string path_;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, std::string_view text);

} // namespace zantor::test
