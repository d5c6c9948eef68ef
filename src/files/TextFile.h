#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileBuffer.h"

namespace vostrel::files {

// The whole file as bytes, or nothing when it cannot be opened or read (then `failure`,
// when given, says why). Only a regular file up to kMaximumFileSize is read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path, ReadFailure* failure = nullptr);

// Splits text into lines: a line ends at CR LF or at a lone LF, and a last line
// without a line end still counts. Nothing is trimmed or split further, so a
// line keeps its commas, quotes and blanks.
std::vector<std::string> splitLines(std::string_view text);

// Writes the bytes to a new temporary file beside the target (unnamed where the
// system allows, else under a short exclusive name), syncs it to the disk and
// renames it over the target, then syncs the folder. A symbolic link is written
// through and stays a link; the old file's permission bits (and owner, where
// allowed) are kept; a file without write permission is refused. On failure
// the old file is untouched, no temporary file is left, and `error` holds the
// operating system's reason.
bool replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes, std::string& error);

}  // namespace vostrel::files
