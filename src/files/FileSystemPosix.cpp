// Reading and atomic replacing on POSIX systems.
#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "files/FileSystem.h"
#include "files/TextFile.h"

namespace vostrel::files {

std::string systemErrorText(int code) { return std::generic_category().message(code); }

std::string lastSystemError() { return systemErrorText(errno); }

ReadableFile::~ReadableFile() {
    if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

std::optional<ReadFailure> ReadableFile::open(const std::filesystem::path& path) {
    // Looked at before opening, and again after: opening a FIFO alone could wait for a
    // writer, and the name could be swapped for one in between.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return ReadFailure{ReadFailure::Kind::System, lastSystemError()};
    if (!S_ISREG(info.st_mode)) return ReadFailure{ReadFailure::Kind::NotAFile, {}};
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return ReadFailure{ReadFailure::Kind::System, lastSystemError()};
    handle_ = fd;
    if (::fstat(fd, &info) != 0) return ReadFailure{ReadFailure::Kind::System, lastSystemError()};
    if (!S_ISREG(info.st_mode)) return ReadFailure{ReadFailure::Kind::NotAFile, {}};
    size_ = static_cast<std::uint64_t>(info.st_size);
    return std::nullopt;
}

long long ReadableFile::read(char* buffer, std::size_t size) {
    for (;;) {
        const auto got = ::read(static_cast<int>(handle_), buffer, size);
        if (got >= 0) return got;
        if (errno == EINTR) continue;
        error_ = lastSystemError();
        return -1;
    }
}

namespace {

// Follows a chain of symbolic links to the file they end at, so that saving through a link
// writes the file and leaves the link a link. A dangling link names the file to create.
std::filesystem::path resolveLinks(std::filesystem::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(path, ec)) break;
        auto target = std::filesystem::read_symlink(path, ec);
        if (ec) break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The temporary file, unnamed where the system offers it; `named` says whether it has a name.
int openTemporary(const std::filesystem::path& folder, mode_t mode, std::filesystem::path& named) {
#ifdef O_TMPFILE
    const int unnamed = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (unnamed >= 0) return unnamed;
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL && errno != ENOENT) return -1;
#endif
    for (int attempt = 0; attempt < 100; ++attempt) {
        named = temporaryName(folder);
        // Exclusive: an existing file of that name, or a link planted there, is never opened.
        const int fd = ::open(named.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    named.clear();
    return -1;
}

// Gives an unnamed temporary file a short name beside the target, just before the rename.
bool nameTemporary(int fd, const std::filesystem::path& folder, std::filesystem::path& named) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        named = temporaryName(folder);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, named.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
        if (errno != EEXIST) break;
    }
    named.clear();
    return false;
}

void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // not every file system can; the rename has happened either way
    ::close(fd);
}

// Keeps the old file's owner where this process may set it, and its permission bits.
void keepOwnerAndMode(int fd, const struct stat& old) {
    // Only root may give a file away; a group the user belongs to can still be kept. A
    // refusal leaves the new file this user's, as any new file would be. The mode comes
    // after, since a change of owner may clear bits.
    const bool sameOwner = old.st_uid == ::geteuid() && old.st_gid == ::getegid();
    [[maybe_unused]] const bool kept = sameOwner || ::fchown(fd, old.st_uid, old.st_gid) == 0 ||
                                       ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
    ::fchmod(fd, old.st_mode & 07777);
}

}  // namespace

bool replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes, std::string& error) {
    const auto target = resolveLinks(path);
    const auto folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    // A file without any write permission bit is read-only even for a user who could
    // override that (root), as careful editors treat it.
    if (exists && ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)) {
        error = std::generic_category().message(EACCES);
        return false;
    }
    std::filesystem::path named;
    const int fd = openTemporary(folder, exists ? 0600 : 0666, named);
    if (fd < 0) {
        error = lastSystemError();
        return false;
    }
    if (exists) keepOwnerAndMode(fd, old);
    // Naming and renaming follow each other directly, so that a kill finds a named
    // temporary file only in that instant; the data is on the disk before either.
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (ok && named.empty()) ok = nameTemporary(fd, folder, named);
    if (ok) ok = ::rename(named.c_str(), target.c_str()) == 0;
    if (!ok) error = lastSystemError();
    // The data was synced before the rename, so closing has nothing left to report.
    ::close(fd);
    if (!ok) {
        if (!named.empty()) ::unlink(named.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

}  // namespace vostrel::files

#endif  // !_WIN32
