#include "files/MenuFile.h"

#include "files/TextFile.h"
#include "files/Windows1252.h"

namespace vostrel::files {

std::optional<std::vector<std::string>> readMenuFile(const std::filesystem::path& file) {
    const auto bytes = readFileBytes(file);
    if (!bytes) return std::nullopt;
    // Windows-1252 keeps CR and LF as they are, so decoding first splits the same.
    return splitLines(decodeWindows1252(*bytes));
}

int firstUnencodableLine(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (firstUnencodable(lines[i]) != kAllEncodable) return static_cast<int>(i);
    return -1;
}

bool writeMenuFile(const std::filesystem::path& file, const std::vector<std::string>& lines,
                   std::string& error) {
    std::string bytes;
    for (const auto& line : lines) {
        if (!appendEncodedWindows1252(line, bytes)) {
            error = "unencodable character";
            return false;
        }
        bytes += "\r\n";
    }
    return replaceFileAtomically(file, bytes, error);
}

}  // namespace vostrel::files
