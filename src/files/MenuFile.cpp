#include "files/MenuFile.h"

#include <algorithm>
#include <new>

#include "files/FileBuffer.h"
#include "files/TextFile.h"
#include "files/Windows1252.h"
#include "text/AsciiRun.h"

namespace vostrel::files {

namespace {

// A line of plain ASCII, nearly every line of a menu, is the same in the file
// and in the document: it needs neither decoding nor encoding.
bool plainAscii(std::string_view line) noexcept { return text::allAscii(line); }

// Each line is decoded straight into its own string: a million-line menu then
// needs no second copy of the whole text.
std::vector<std::string> splitDecoded(std::string_view text) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    std::size_t start = 0;
    while (start < text.size()) {
        const auto lf = text.find('\n', start);
        const auto stop = lf == std::string_view::npos ? text.size() : lf;
        auto end = stop;
        if (lf != std::string_view::npos && end > start && text[end - 1] == '\r') --end;
        const std::string_view line = text.substr(start, end - start);
        if (plainAscii(line))
            lines.emplace_back(line);
        else
            appendDecodedWindows1252(line, lines.emplace_back());
        if (lf == std::string_view::npos) break;
        start = lf + 1;
    }
    return lines;
}

}  // namespace

std::optional<std::vector<std::string>> readMenuFile(const std::filesystem::path& file,
                                                     ReadFailure* failure) {
    auto read = FileBuffer::read(file);
    const auto* bytes = std::get_if<FileBuffer>(&read);
    if (!bytes) {
        if (failure) *failure = std::get<ReadFailure>(std::move(read));
        return std::nullopt;
    }
    try {
        return splitDecoded(bytes->view());
    } catch (const std::bad_alloc&) {
        // A file below the size limit can still hold more lines than memory does.
        if (failure) *failure = ReadFailure{ReadFailure::Kind::TooLarge, {}};
        return std::nullopt;
    }
}

int firstUnencodableLine(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!plainAscii(lines[i]) && firstUnencodable(lines[i]) != kAllEncodable) return static_cast<int>(i);
    return -1;
}

std::optional<std::string> encodeMenuFile(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    std::string bytes;
    bytes.reserve(size);  // one allocation; encoding never grows a line
    for (const auto& line : lines) {
        if (plainAscii(line))
            bytes.append(line);
        else if (!appendEncodedWindows1252(line, bytes))
            return std::nullopt;
        bytes.append("\r\n", 2);
    }
    return bytes;
}

bool writeMenuFile(const std::filesystem::path& file, const std::vector<std::string>& lines,
                   std::string& error) {
    const auto bytes = encodeMenuFile(lines);
    if (!bytes) {
        error = "unencodable character";
        return false;
    }
    return replaceFileAtomically(file, *bytes, error);
}

}  // namespace vostrel::files
