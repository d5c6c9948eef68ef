#include "files/MappedFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/TextFile.h"

namespace vostrel::files {

std::optional<MappedFile> MappedFile::open(const std::filesystem::path& path) {
    MappedFile file;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat status {};
    const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    if (regular && status.st_size > 0) {
        void* address = ::mmap(nullptr, static_cast<std::size_t>(status.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
        if (address != MAP_FAILED) {
            file.mapped_ = static_cast<const char*>(address);
            file.size_ = static_cast<std::size_t>(status.st_size);
        }
    }
    ::close(fd);
    if (!regular) return std::nullopt;
    if (!file.mapped_ && status.st_size > 0) {
        auto bytes = readFileBytes(path);
        if (!bytes) return std::nullopt;
        file.read_ = std::move(*bytes);
    }
    return file;
}

MappedFile::MappedFile(MappedFile&& other) noexcept
    : mapped_(other.mapped_), size_(other.size_), read_(std::move(other.read_)) {
    other.mapped_ = nullptr;
    other.size_ = 0;
}

MappedFile::~MappedFile() {
    if (mapped_) ::munmap(const_cast<char*>(mapped_), size_);
}

}  // namespace vostrel::files
