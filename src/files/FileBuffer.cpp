#include "files/FileBuffer.h"

#include <cstdio>
#include <cstring>

namespace vostrel::files {

std::optional<FileBuffer> FileBuffer::read(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) return std::nullopt;
    FileBuffer file;
    // The size is a hint: a file that grows meanwhile is read to its end.
    std::size_t capacity = static_cast<std::size_t>(std::filesystem::file_size(path, ec));
    if (ec) capacity = 0;
    capacity += 1;
    file.data_.reset(new char[capacity]);
    for (;;) {
        file.size_ += std::fread(file.data_.get() + file.size_, 1, capacity - file.size_, in);
        if (file.size_ < capacity) break;
        std::unique_ptr<char[]> larger(new char[capacity * 2]);
        std::memcpy(larger.get(), file.data_.get(), file.size_);
        file.data_ = std::move(larger);
        capacity *= 2;
    }
    const bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed) return std::nullopt;
    return file;
}

}  // namespace vostrel::files
