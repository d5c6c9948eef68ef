#include "files/FileBuffer.h"

#include <cstring>
#include <new>

#include "files/FileSystem.h"

namespace vostrel::files {

// Fills the buffer from an opened file; the platform part opens it and reads.
class FileBufferWriter {
public:
    static std::variant<FileBuffer, ReadFailure> fill(ReadableFile& file) {
        FileBuffer buffer;
        // The size is a hint: a file that grows meanwhile is read to its end, up to the limit.
        std::size_t capacity = static_cast<std::size_t>(file.sizeHint()) + 1;
        buffer.data_.reset(new (std::nothrow) char[capacity]);
        if (!buffer.data_) return ReadFailure{ReadFailure::Kind::TooLarge, {}};
        for (;;) {
            const auto got = file.read(buffer.data_.get() + buffer.size_, capacity - buffer.size_);
            if (got < 0) return ReadFailure{ReadFailure::Kind::System, file.lastError()};
            if (got == 0) break;
            buffer.size_ += static_cast<std::size_t>(got);
            if (buffer.size_ < capacity) continue;
            if (buffer.size_ > kMaximumFileSize) return ReadFailure{ReadFailure::Kind::TooLarge, {}};
            std::unique_ptr<char[]> larger(new (std::nothrow) char[capacity * 2]);
            if (!larger) return ReadFailure{ReadFailure::Kind::TooLarge, {}};
            std::memcpy(larger.get(), buffer.data_.get(), buffer.size_);
            buffer.data_ = std::move(larger);
            capacity *= 2;
        }
        return buffer;
    }
};

std::variant<FileBuffer, ReadFailure> FileBuffer::read(const std::filesystem::path& path) {
    ReadableFile file;
    if (auto failure = file.open(path)) return *failure;
    if (file.sizeHint() > kMaximumFileSize) return ReadFailure{ReadFailure::Kind::TooLarge, {}};
    return FileBufferWriter::fill(file);
}

}  // namespace vostrel::files
