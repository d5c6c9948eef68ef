#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "files/FileBuffer.h"

namespace vostrel::files {

// The menu lines of a .mnu file, decoded from Windows-1252 and split line by
// line, nothing trimmed; nothing when the file cannot be read (then `failure`,
// when given, says why).
std::optional<std::vector<std::string>> readMenuFile(const std::filesystem::path& file,
                                                     ReadFailure* failure = nullptr);

// Index of the first line holding a character Windows-1252 cannot store, or -1.
int firstUnencodableLine(const std::vector<std::string>& lines);

// The bytes of a menu file: every line in Windows-1252 followed by CR LF;
// nothing when a line holds a character the file cannot store.
std::optional<std::string> encodeMenuFile(const std::vector<std::string>& lines);
// Writes every line followed by CR LF, replacing the file as a whole.
bool writeMenuFile(const std::filesystem::path& file, const std::vector<std::string>& lines,
                   std::string& error);

}  // namespace vostrel::files
