#include "files/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>

namespace vostrel::files {

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) return std::nullopt;
    // Read in large blocks; the size is only a hint, the file may change meanwhile.
    std::string bytes;
    const auto size = std::filesystem::file_size(path, ec);
    bytes.resize(ec ? 0 : static_cast<std::size_t>(size));
    std::size_t used = std::fread(bytes.data(), 1, bytes.size(), in);
    char block[65536];
    for (std::size_t n; used == bytes.size() && (n = std::fread(block, 1, sizeof block, in)) > 0;) {
        bytes.append(block, n);
        used = bytes.size();
    }
    const bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed) return std::nullopt;
    bytes.resize(used);
    return bytes;
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

namespace {

std::filesystem::path temporarySibling(const std::filesystem::path& path) {
    static std::mt19937 random{std::random_device{}()};
    auto name = path.filename().string() + ".tmp" + std::to_string(random() % 1000000);
    return path.parent_path() / name;
}

}  // namespace

bool replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                           std::string& error) {
    const auto temporary = temporarySibling(path);
    std::FILE* out = std::fopen(temporary.c_str(), "wb");
    if (!out) {
        error = std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    const int writeErrno = errno;
    const bool flushed = std::fflush(out) == 0;
    const bool closed = std::fclose(out) == 0;
    std::error_code ec;
    if (!written || !flushed || !closed) {
        error = std::strerror(written ? errno : writeErrno);
        std::filesystem::remove(temporary, ec);
        return false;
    }
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        error = ec.message();
        std::filesystem::remove(temporary, ec);
        return false;
    }
    return true;
}

}  // namespace vostrel::files
