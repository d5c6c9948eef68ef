#include "files/TextFile.h"

#include <random>

#include "files/FileSystem.h"

namespace vostrel::files {

std::filesystem::path temporaryName(const std::filesystem::path& folder) {
    static thread_local std::mt19937 random{std::random_device{}()};
    constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string name = ".~vostrel-";
    for (int i = 0; i < 8; ++i) name += kDigits[random() % 36];
    return folder / name;
}

std::optional<std::string> readFileBytes(const std::filesystem::path& path, ReadFailure* failure) {
    auto read = FileBuffer::read(path);
    if (auto* buffer = std::get_if<FileBuffer>(&read)) return std::string(buffer->view());
    if (failure) *failure = std::get<ReadFailure>(std::move(read));
    return std::nullopt;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto lf = text.find('\n', start);
        if (lf == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        auto end = lf;
        if (end > start && text[end - 1] == '\r') --end;
        lines.emplace_back(text.substr(start, end - start));
        start = lf + 1;
    }
    return lines;
}

}  // namespace vostrel::files
