#include "platform/profile/profile_store.h"

#include "platform/unique_fd.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zantor::profile {
namespace {

Error systemError(std::string what, const std::string& path) {
    const int code = errno;
    return Error{code, what + " " + path + ": " + std::strerror(code)};
}

// At most maxChars code points of a UTF-8 text, never cutting a character in two.
std::string cutToChars(std::string_view text, std::size_t maxChars) {
    std::size_t chars = 0, i = 0;
    for (; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            continue; // continuation byte
        if (chars == maxChars)
            break;
        ++chars;
    }
    return std::string(text.substr(0, i));
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A write goes to the file a symbolic link points at, not over the link.
std::string resolveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            std::string resolved(real);
            std::free(real);
            return resolved;
        }
    }
    return path;
}

// Temporary files are hidden beside their file: ".config.ini.tmp-XXXXXX".
std::string temporaryPrefix(const std::string& path) {
    const auto slash = path.rfind('/');
    const auto name = slash == std::string::npos ? path : path.substr(slash + 1);
    return path.substr(0, path.size() - name.size()) + "." + name + ".tmp-";
}

// A writer killed between creating its temporary file and the rename leaves the file behind;
// the next writer, holding the folder lock, knows no save is under way and removes it.
void removeStaleTemporaries(const std::string& path, int folderFd) {
    const std::string prefix = temporaryPrefix(path);
    const std::string namePrefix = prefix.substr(prefix.rfind('/') + 1);
    UniqueFd listFd(::dup(folderFd));
    DIR* folder = listFd.valid() ? ::fdopendir(listFd.release()) : nullptr;
    if (!folder)
        return;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string_view name(entry->d_name);
        if (name.size() == namePrefix.size() + 6 && name.starts_with(namePrefix))
            ::unlinkat(folderFd, entry->d_name, 0);
    }
    ::closedir(folder);
}

Status writeAll(int fd, std::string_view data, const std::string& path) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return systemError("cannot write", path);
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return Ok{};
}

// Replaces path by a file holding text: written beside it, flushed, then renamed over it, so a
// crash leaves either the old or the new file. The new file keeps the old one's permissions.
Status replaceFile(const std::string& path, std::string_view text, int folderFd) {
    std::string temp = temporaryPrefix(path) + "XXXXXX";
    UniqueFd fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (!fd.valid())
        return systemError("cannot create a temporary file for", path);

    struct stat old {};
    mode_t mode;
    if (::stat(path.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    Status status = writeAll(fd.get(), text, temp);
    if (status && ::fchmod(fd.get(), mode) != 0)
        status = systemError("cannot set the permissions of", temp);
    if (status && ::fdatasync(fd.get()) != 0)
        status = systemError("cannot flush", temp);
    if (status && ::rename(temp.c_str(), path.c_str()) != 0)
        status = systemError("cannot replace", path);
    if (!status) {
        ::unlink(temp.c_str());
        return status;
    }
    ::fsync(folderFd); // makes the rename itself durable
    return Ok{};
}

} // namespace

std::string ProfileStore::Snapshot::read(std::string_view section, std::string_view key,
                                         std::size_t bufferSize, std::string_view fallback) const {
    std::string_view value = fallback;
    if (document_) {
        if (auto found = document_->find(section, key))
            value = *found;
    }
    return bufferSize == 0 ? std::string() : cutToChars(value, bufferSize - 1);
}

bool ProfileStore::Snapshot::hasSection(std::string_view section) const {
    return document_ && document_->hasSection(section);
}

ProfileStore::FileIdentity ProfileStore::identityOf(const struct stat& st) {
    return FileIdentity{static_cast<unsigned long long>(st.st_dev),
                        static_cast<unsigned long long>(st.st_ino),
                        static_cast<unsigned long long>(st.st_size),
                        st.st_mtim.tv_sec,
                        st.st_mtim.tv_nsec,
                        st.st_ctim.tv_sec,
                        st.st_ctim.tv_nsec};
}

std::shared_ptr<const IniDocument> ProfileStore::load(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        std::lock_guard lock(cacheMutex_);
        cache_.erase(path);
        return nullptr;
    }
    const FileIdentity identity = identityOf(st);
    {
        std::lock_guard lock(cacheMutex_);
        auto it = cache_.find(path);
        if (it != cache_.end() && it->second.identity == identity)
            return it->second.document;
    }

    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid())
        return nullptr;
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return nullptr;
        if (n == 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    auto document = std::make_shared<const IniDocument>(IniDocument::parse(text));
    // Only a file that did not change while it was read is worth keeping.
    struct stat after {};
    if (::fstat(fd.get(), &after) == 0 && after.st_size == st.st_size &&
        after.st_mtim.tv_nsec == st.st_mtim.tv_nsec && after.st_mtim.tv_sec == st.st_mtim.tv_sec) {
        std::lock_guard lock(cacheMutex_);
        cache_[path] = CachedFile{identity, document};
    }
    return document;
}

ProfileStore::Snapshot ProfileStore::snapshot(const std::string& path) {
    return Snapshot(load(path));
}

std::string ProfileStore::read(const std::string& path, std::string_view section,
                               std::string_view key, std::size_t bufferSize,
                               std::string_view fallback) {
    return snapshot(path).read(section, key, bufferSize, fallback);
}

bool ProfileStore::exists(const std::string& path) {
    return ::access(path.c_str(), R_OK) == 0;
}

Status ProfileStore::write(const std::string& path, std::string_view section, std::string_view key,
                           std::string_view value) {
    Batch batch = this->batch(path);
    batch.write(section, key, value);
    return batch.commit();
}

void ProfileStore::Batch::write(std::string_view section, std::string_view key,
                                std::string_view value) {
    writes_.push_back(Write{std::string(section), std::string(key), std::string(value)});
}

Status ProfileStore::Batch::commit() {
    if (writes_.empty())
        return Ok{};
    Status status = store_->apply(path_, writes_);
    writes_.clear();
    return status;
}

Status ProfileStore::apply(const std::string& requestedPath,
                           const std::vector<Batch::Write>& writes) {
    for (const auto& w : writes) {
        if (!IniDocument::isValidSectionName(w.section) || !IniDocument::isValidKeyName(w.key) ||
            !IniDocument::isValidValue(w.value)) {
            return Error{EINVAL, "refusing to write [" + w.section + "] " + w.key +
                                     ": a name or value that would break the file's lines"};
        }
    }
    const std::string path = resolveTarget(requestedPath);
    const std::string folder = folderOf(path);

    // Threads of this process queue here; other processes on the folder's advisory lock.
    std::lock_guard writer(writeMutex_);
    UniqueFd folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folderFd.valid())
        return systemError("cannot open the folder of", path);
    while (::flock(folderFd.get(), LOCK_EX) != 0) {
        if (errno != EINTR)
            return systemError("cannot lock the folder of", path);
    }

    removeStaleTemporaries(path, folderFd.get());
    // Under the lock the file on disk is the latest: edit that, not what we saw before.
    const auto current = load(path);
    IniDocument document = current ? *current : IniDocument{};
    for (const auto& w : writes)
        document.set(w.section, w.key, w.value);

    Status status = replaceFile(path, document.serialize(), folderFd.get());
    struct stat st {};
    if (status && ::stat(path.c_str(), &st) == 0) {
        std::lock_guard lock(cacheMutex_);
        cache_[path] =
            CachedFile{identityOf(st), std::make_shared<const IniDocument>(std::move(document))};
    }
    return status; // the folder lock goes with folderFd
}

} // namespace zantor::profile
