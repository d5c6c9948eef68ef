#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

namespace vostrel::files {

// No menu comes near this; a file above it is refused before any memory is taken, so that a
// huge or sparse file can neither exhaust memory nor keep the program reading for minutes.
inline constexpr std::uint64_t kMaximumFileSize = std::uint64_t{1} << 30;  // 1 GiB

// Why a file could not be read.
struct ReadFailure {
    enum class Kind {
        System,    // the operating system refused; `reason` holds its words
        NotAFile,  // a folder, FIFO, device or socket: never read, so never waited on
        TooLarge,  // above kMaximumFileSize, or more than memory can hold
    };
    Kind kind = Kind::System;
    std::string reason;
};

// The bytes of a file in one buffer that is never zero-filled first, so that a
// large menu costs one read and no extra pass before it is decoded. (Mapping the
// file would save the copy too, but a file cut short while mapped kills the
// program; a read cannot.)
class FileBuffer {
public:
    // Only a regular file is read, and only up to kMaximumFileSize.
    static std::variant<FileBuffer, ReadFailure> read(const std::filesystem::path& path);

    std::string_view view() const { return {data_.get(), size_}; }

private:
    friend class FileBufferWriter;
    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
};

}  // namespace vostrel::files
