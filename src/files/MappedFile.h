#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vostrel::files {

// The bytes of a file, mapped into memory where the system allows it and read
// otherwise, so that a large menu is not copied before it is decoded.
class MappedFile {
public:
    static std::optional<MappedFile> open(const std::filesystem::path& path);
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&&) = delete;
    MappedFile(const MappedFile&) = delete;
    ~MappedFile();

    std::string_view view() const { return mapped_ ? std::string_view(mapped_, size_) : read_; }

private:
    MappedFile() = default;
    const char* mapped_ = nullptr;
    std::size_t size_ = 0;
    std::string read_;  // the bytes when mapping was not possible
};

}  // namespace vostrel::files
