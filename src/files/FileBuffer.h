#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

namespace vostrel::files {

// The bytes of a file in one buffer that is never zero-filled first, so that a
// large menu costs one read and no extra pass before it is decoded. (Mapping the
// file would save the copy too, but a file cut short while mapped kills the
// program; a read cannot.)
class FileBuffer {
public:
    static std::optional<FileBuffer> read(const std::filesystem::path& path);

    std::string_view view() const { return {data_.get(), size_}; }

private:
    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
};

}  // namespace vostrel::files
