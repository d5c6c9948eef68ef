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

}  // namespace vostrel::text
