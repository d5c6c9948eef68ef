#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Character-position helpers for menu lines.
//
// Menu files are 8-bit text (one byte per character), and every position the menu format
// relies on is a character position. Inside the program the same lines are UTF-8, so "ü" takes
// two bytes but must still count as one character. These helpers translate character
// positions to byte ranges.
//
// A byte that does not start a well-formed UTF-8 sequence counts as one character on its own.
// That keeps every function total (no exceptions, no undefined behaviour) on arbitrary input,
// and the stepping rule is the same in all functions, so lengths and substrings always agree.
namespace vostrel::text {

// Decodes the well-formed UTF-8 sequence at byte `index` (which must be inside `s`). Returns its
// width in bytes and stores the code point, or returns 0 when the bytes there are not
// well-formed: overlong forms, surrogates, values above U+10FFFF and cut-off sequences.
[[nodiscard]] std::size_t decodeUtf8At(std::string_view s, std::size_t index, char32_t& cp) noexcept;

// Number of bytes of the character that starts at byte `index` of `s` (1 to 4). Returns 0 when
// `index` is at or past the end.
[[nodiscard]] std::size_t charWidthAt(std::string_view s, std::size_t index) noexcept;

// Number of characters in `s`.
[[nodiscard]] std::size_t charLength(std::string_view s) noexcept;

// Byte offset at which the character at 1-based position `position` starts. Position 0 is
// treated as 1. Returns s.size() when the position lies past the last character.
[[nodiscard]] std::size_t byteOffsetOfChar(std::string_view s, std::size_t position) noexcept;

// Like BASIC's Mid$: `count` characters from 1-based position `first1Based`. The range is
// clamped to the text, so a start past the end gives "" and a count that runs over the end
// stops at the end. A start of 0 is treated as 1. The view variant copies nothing and points
// into `s`; it is only valid as long as the text `s` refers to.
[[nodiscard]] std::string_view charMidView(std::string_view s, std::size_t first1Based,
                                           std::size_t count = std::string_view::npos) noexcept;
[[nodiscard]] std::string charMid(std::string_view s, std::size_t first1Based,
                                  std::size_t count = std::string_view::npos);

// First `n` characters (all of them when the text is shorter).
[[nodiscard]] std::string_view charLeftView(std::string_view s, std::size_t n) noexcept;
[[nodiscard]] std::string charLeft(std::string_view s, std::size_t n);

// Last `n` characters (all of them when the text is shorter).
[[nodiscard]] std::string_view charRightView(std::string_view s, std::size_t n) noexcept;
[[nodiscard]] std::string charRight(std::string_view s, std::size_t n);

}  // namespace vostrel::text
