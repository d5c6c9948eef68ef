#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Conversion between the Windows-1252 bytes of menu and settings files and the UTF-8 text the
// program works with.
//
// The conversion is lossless for every byte: the five bytes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the C1 control characters of the same value and
// encode back to those bytes. A file therefore always survives opening and saving unchanged,
// whatever bytes it holds.
namespace vostrel::files {

// Returned by firstUnencodable() when every character can be stored.
inline constexpr std::size_t kAllEncodable = std::string_view::npos;

// The character (Unicode code point) that byte `b` stands for.
[[nodiscard]] char32_t windows1252ToCodePoint(unsigned char b) noexcept;

// The byte that stores `codePoint`, or nullopt when Windows-1252 has none for it.
[[nodiscard]] std::optional<unsigned char> codePointToWindows1252(char32_t codePoint) noexcept;

// Decodes Windows-1252 bytes to UTF-8. Never fails: every byte has a character.
[[nodiscard]] std::string decodeWindows1252(std::string_view bytes);
// Same, appending to `out`, so that a reader can reuse one buffer for many lines.
void appendDecodedWindows1252(std::string_view bytes, std::string& out);

// Encodes UTF-8 text to Windows-1252 bytes, or nullopt when the text holds a character that
// cannot be stored (or is not valid UTF-8).
[[nodiscard]] std::optional<std::string> encodeWindows1252(std::string_view utf8);
// Same, appending to `out`. Returns false on failure and leaves `out` as it was.
[[nodiscard]] bool appendEncodedWindows1252(std::string_view utf8, std::string& out);

// Byte offset in `utf8` of the first character that cannot be stored in Windows-1252 (or of
// the first byte that is not valid UTF-8); kAllEncodable when there is none.
[[nodiscard]] std::size_t firstUnencodable(std::string_view utf8) noexcept;

}  // namespace vostrel::files
