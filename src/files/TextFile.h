#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vostrel::files {

// The whole file as bytes, or nothing when it cannot be opened or read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// Splits text into lines: a line ends at CR LF or at a lone LF, and a last line
// without a line end still counts. Nothing is trimmed or split further, so a
// line keeps its commas, quotes and blanks.
std::vector<std::string> splitLines(std::string_view text);

// Writes the bytes to a temporary file beside the target and renames it over
// the target, so that a failure never leaves half a file. On failure the old
// file is untouched and `error` says why.
bool replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                           std::string& error);

}  // namespace vostrel::files
