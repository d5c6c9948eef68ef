#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace vostrel::text {

// The index of the first byte at or after `from` that is not ASCII (s.size()
// when there is none). Menu text is almost entirely ASCII, so walks over a
// whole file skip eight bytes at a time until something needs a closer look.
inline std::size_t asciiRunEnd(std::string_view s, std::size_t from) noexcept {
    std::size_t i = from;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, s.data() + i, 8);
        if (chunk & 0x8080808080808080ULL) break;
    }
    while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80U) ++i;
    return i;
}

// Whether every byte of `s` is ASCII. It asks about a whole line, nearly
// always plain ASCII, so it reads eight bytes at a time to the end without
// stopping early, the last eight overlapping the ones before: no byte-by-byte
// tail for the lengths of menu lines.
inline bool allAscii(std::string_view s) noexcept {
    std::uint64_t bits = 0;
    if (s.size() < 8) {
        for (const char c : s) bits |= static_cast<unsigned char>(c);
        return (bits & 0x80U) == 0;
    }
    std::uint64_t chunk;
    for (std::size_t i = 0; i + 8 <= s.size(); i += 8) {
        std::memcpy(&chunk, s.data() + i, 8);
        bits |= chunk;
    }
    std::memcpy(&chunk, s.data() + s.size() - 8, 8);
    bits |= chunk;
    return (bits & 0x8080808080808080ULL) == 0;
}

}  // namespace vostrel::text
