#pragma once

#include <string>
#include <string_view>

// Case rules of menu keywords and command names. Only the letters a to z have a
// case here: the device compares its keywords byte by byte, so "ü" and "Ü" stay
// different, and a UTF-8 sequence is never touched.
namespace vostrel::text {

[[nodiscard]] constexpr char asciiUpper(char c) noexcept {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

[[nodiscard]] inline std::string upperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = asciiUpper(c);
    return upper;
}

[[nodiscard]] constexpr bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiUpper(a[i]) != asciiUpper(b[i])) return false;
    return true;
}

}  // namespace vostrel::text
