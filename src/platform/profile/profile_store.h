#pragma once

#include "platform/profile/ini_document.h"
#include "platform/result.h"

#include <sys/stat.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zantor::profile {

// The INI files of the program, read and written the way the Windows private-profile
// functions do, but crash-safe and shared safely between threads and processes:
// - a read returns at most bufferSize - 1 characters (code points) of the value, or of the
//   default when the file, section or key is missing;
// - a write replaces the key's value or appends the key to its section, creating the section
//   and the file when missing; every write is a rewrite into a temporary file in the same folder
//   renamed over the old one, under an advisory lock on the folder, re-reading the file under
//   the lock so that no other writer's key is lost;
// - parsed files are cached and re-read only when they changed on disk.
class ProfileStore {
public:
    // A parsed file as it was when taken; reads from one snapshot cost no system call.
    class Snapshot {
    public:
        bool exists() const { return document_ != nullptr; }
        std::string read(std::string_view section, std::string_view key, std::size_t bufferSize,
                         std::string_view fallback = {}) const;
        bool hasSection(std::string_view section) const;

    private:
        friend class ProfileStore;
        explicit Snapshot(std::shared_ptr<const IniDocument> document)
            : document_(std::move(document)) {}
        std::shared_ptr<const IniDocument> document_;
    };

    // The writes of one operation, applied by commit() in call order in one atomic rewrite.
    class Batch {
    public:
        void write(std::string_view section, std::string_view key, std::string_view value);
        bool empty() const { return writes_.empty(); }
        Status commit();

    private:
        friend class ProfileStore;
        struct Write {
            std::string section, key, value;
        };
        Batch(ProfileStore& store, std::string path) : store_(&store), path_(std::move(path)) {}
        ProfileStore* store_;
        std::string path_;
        std::vector<Write> writes_;
    };

    Snapshot snapshot(const std::string& path);
    std::string read(const std::string& path, std::string_view section, std::string_view key,
                     std::size_t bufferSize, std::string_view fallback = {});
    bool exists(const std::string& path);

    Status write(const std::string& path, std::string_view section, std::string_view key,
                 std::string_view value);
    Batch batch(std::string path) { return Batch(*this, std::move(path)); }

private:
    struct FileIdentity {
        unsigned long long device = 0, inode = 0, size = 0;
        long long modifiedSec = 0, modifiedNsec = 0, changedSec = 0, changedNsec = 0;
        bool operator==(const FileIdentity&) const = default;
    };
    struct CachedFile {
        FileIdentity identity;
        std::shared_ptr<const IniDocument> document;
    };

    static FileIdentity identityOf(const struct stat& st);
    std::shared_ptr<const IniDocument> load(const std::string& path);
    Status apply(const std::string& path, const std::vector<Batch::Write>& writes);

    std::mutex cacheMutex_;
    std::map<std::string, CachedFile> cache_;
    std::mutex writeMutex_;
};

} // namespace zantor::profile
