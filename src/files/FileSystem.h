#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "files/FileBuffer.h"

// The few operations that differ between operating systems, behind one small interface:
// FileSystemPosix.cpp implements them for Linux, and a Windows build adds its own file
// beside it. Everything else in this room is portable.
namespace vostrel::files {

// A file opened for reading. Only a regular file opens: a folder, FIFO or device is refused
// without being waited on.
class ReadableFile {
public:
    ReadableFile() = default;
    ReadableFile(const ReadableFile&) = delete;
    ReadableFile& operator=(const ReadableFile&) = delete;
    ~ReadableFile();

    std::optional<ReadFailure> open(const std::filesystem::path& path);
    // The size the system reports; the file may still grow or shrink meanwhile.
    std::uint64_t sizeHint() const { return size_; }
    // Bytes read into `buffer` (0 at the end), or -1 with lastError() set.
    long long read(char* buffer, std::size_t size);
    const std::string& lastError() const { return error_; }

private:
    std::intptr_t handle_ = -1;
    std::uint64_t size_ = 0;
    std::string error_;
};

// A fresh name for a temporary file in `folder`, short, so that a target of the file system's
// longest name still has room beside it. Whether it is free is for the caller's exclusive
// create to find out.
std::filesystem::path temporaryName(const std::filesystem::path& folder);

// The operating system's own words for its last error.
std::string lastSystemError();
// The operating system's own words for one of its error codes (errno on POSIX systems, a
// system error code on Windows).
std::string systemErrorText(int code);

}  // namespace vostrel::files
