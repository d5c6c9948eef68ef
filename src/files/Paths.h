#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The one place where text and file-system locations meet. Inside the program text is
// UTF-8; a location is a std::filesystem::path. On Linux a path is bytes, and a name that is
// not valid UTF-8 must still open and save, so these conversions never pass a path through
// a std::string that some other code might take for text.
namespace vostrel::files {

// The location a UTF-8 text names (typed by the user, read from settings, given on the
// command line). On Linux the bytes are kept as they are, valid UTF-8 or not.
[[nodiscard]] std::filesystem::path pathFromUtf8(std::string_view text);

// The location as text to show (caption, state dump, JSON): bytes that are not UTF-8
// appear as U+FFFD. Never throws.
[[nodiscard]] std::string pathToText(const std::filesystem::path& path);

// The location as text that converts back to the very same location, or nothing when its
// name is not valid UTF-8 (only such a name may be written into a text file).
[[nodiscard]] std::optional<std::string> pathToExactText(const std::filesystem::path& path);

// Appends `tail` (in the form pathToText would give) to the location's name as it stands,
// without a separator: "C:\Menus" and "\x.mnu" give "C:\Menus\x.mnu".
[[nodiscard]] std::filesystem::path joinNames(const std::filesystem::path& path,
                                              const std::filesystem::path& tail);

// The last `characters` characters of the location's name, as a location (U+FFFD and a
// byte that is not UTF-8 count as one character each).
[[nodiscard]] std::filesystem::path nameTail(const std::filesystem::path& path, std::size_t characters);
// The number of characters of the location's name, counted as nameTail counts them.
[[nodiscard]] std::size_t nameLength(const std::filesystem::path& path);

// UTF-8 text with every byte that is not part of a valid sequence replaced by U+FFFD.
[[nodiscard]] std::string validUtf8(std::string_view bytes);

// The folder of the running program, read from the system rather than from argv[0] or the
// current folder; empty when the system cannot say.
[[nodiscard]] std::filesystem::path executableFolder();

}  // namespace vostrel::files
