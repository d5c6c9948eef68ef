#include "text/LineText.h"

#include "text/AsciiRun.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace vostrel::text {

namespace {

constexpr bool isContinuation(unsigned char b) noexcept { return (b & 0xC0U) == 0x80U; }

// Whether the first n bytes are plain ASCII, where a byte is a character. The
// fixed positions of a menu line lie in its ASCII prefix, so this is the
// common case on every walk through a document.
bool asciiPrefix(std::string_view s, std::size_t n) noexcept {
    if (n > s.size()) return false;
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, s.data() + i, 8);
        if (chunk & 0x8080808080808080ULL) return false;
    }
    for (; i < n; ++i)
        if (static_cast<unsigned char>(s[i]) >= 0x80U) return false;
    return true;
}

}  // namespace

std::size_t decodeUtf8At(std::string_view s, std::size_t i, char32_t& cp) noexcept {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t width = 0;
    unsigned char low = 0x80U;
    unsigned char high = 0xBFU;
    if (lead < 0x80U) {
        cp = lead;
        return 1;
    }
    if (lead >= 0xC2U && lead <= 0xDFU) {
        width = 2;
        cp = lead & 0x1FU;
    } else if (lead >= 0xE0U && lead <= 0xEFU) {
        width = 3;
        cp = lead & 0x0FU;
        low = lead == 0xE0U ? 0xA0U : 0x80U;
        high = lead == 0xEDU ? 0x9FU : 0xBFU;
    } else if (lead >= 0xF0U && lead <= 0xF4U) {
        width = 4;
        cp = lead & 0x07U;
        low = lead == 0xF0U ? 0x90U : 0x80U;
        high = lead == 0xF4U ? 0x8FU : 0xBFU;
    } else {
        return 0;
    }
    if (s.size() - i < width) {
        return 0;
    }
    const auto second = static_cast<unsigned char>(s[i + 1]);
    if (second < low || second > high) {
        return 0;
    }
    for (std::size_t k = 1; k < width; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if (!isContinuation(b)) {
            return 0;
        }
        cp = (cp << 6) | (b & 0x3FU);
    }
    return width;
}

std::size_t charWidthAt(std::string_view s, std::size_t index) noexcept {
    if (index >= s.size()) return 0;
    // A byte that starts no well-formed sequence counts alone, so that a stray
    // byte cannot swallow the characters after it.
    char32_t cp = 0;
    const std::size_t width = decodeUtf8At(s, index, cp);
    return width == 0 ? 1 : width;
}

std::size_t charLength(std::string_view s) noexcept {
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < s.size()) {
        // Plain ASCII is by far the most common content of a menu line: a
        // run of it counts one character a byte.
        const std::size_t run = asciiRunEnd(s, i);
        count += run - i;
        i = run;
        if (i == s.size()) break;
        i += charWidthAt(s, i);
        ++count;
    }
    return count;
}

std::size_t byteOffsetOfChar(std::string_view s, std::size_t position) noexcept {
    std::size_t i = 0;
    for (std::size_t p = 1; p < position && i < s.size(); ++p) {
        i += charWidthAt(s, i);
    }
    return i;
}

std::string_view charMidView(std::string_view s, std::size_t first1Based, std::size_t count) noexcept {
    const std::size_t first = first1Based == 0 ? 1 : first1Based;
    if (count <= s.size() && asciiPrefix(s, std::min(s.size(), first - 1 + count)))
        return first - 1 >= s.size() ? std::string_view{} : s.substr(first - 1, count);
    const std::size_t begin = byteOffsetOfChar(s, first1Based);
    std::size_t end = begin;
    for (std::size_t n = 0; n < count && end < s.size(); ++n) {
        end += charWidthAt(s, end);
    }
    return s.substr(begin, end - begin);
}

std::string charMid(std::string_view s, std::size_t first1Based, std::size_t count) {
    return std::string(charMidView(s, first1Based, count));
}

std::string_view charLeftView(std::string_view s, std::size_t n) noexcept { return charMidView(s, 1, n); }

std::string charLeft(std::string_view s, std::size_t n) { return std::string(charLeftView(s, n)); }

std::string_view charRightView(std::string_view s, std::size_t n) noexcept {
    const std::size_t length = charLength(s);
    if (n >= length) {
        return s;
    }
    return s.substr(byteOffsetOfChar(s, length - n + 1));
}

std::string charRight(std::string_view s, std::size_t n) { return std::string(charRightView(s, n)); }

}  // namespace vostrel::text
