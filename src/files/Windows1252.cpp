#include "files/Windows1252.h"

#include "text/AsciiRun.h"
#include "text/LineText.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace vostrel::files {

namespace {

// Characters of bytes 0x80 to 0x9F. All other bytes stand for the code point of the same
// value (ASCII below, Latin-1 from 0xA0 on). The five bytes Windows-1252 leaves undefined keep
// their own value, which is what makes decoding and encoding exact inverses for all 256 bytes.
constexpr std::array<char32_t, 32> kRange80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

constexpr char32_t codePointOf(unsigned b) noexcept {
    return (b >= 0x80U && b <= 0x9FU) ? kRange80To9F[b - 0x80U] : static_cast<char32_t>(b);
}

// UTF-8 form of every byte's character, built at compile time so decoding is a table lookup
// per byte. No character of the code page needs more than three UTF-8 bytes.
struct Utf8Form {
    std::array<char, 3> bytes{};
    std::uint8_t size = 0;
};

constexpr Utf8Form utf8FormOf(char32_t cp) noexcept {
    Utf8Form form;
    if (cp < 0x80U) {
        form.bytes[0] = static_cast<char>(cp);
        form.size = 1;
    } else if (cp < 0x800U) {
        form.bytes[0] = static_cast<char>(0xC0U | (cp >> 6));
        form.bytes[1] = static_cast<char>(0x80U | (cp & 0x3FU));
        form.size = 2;
    } else {
        form.bytes[0] = static_cast<char>(0xE0U | (cp >> 12));
        form.bytes[1] = static_cast<char>(0x80U | ((cp >> 6) & 0x3FU));
        form.bytes[2] = static_cast<char>(0x80U | (cp & 0x3FU));
        form.size = 3;
    }
    return form;
}

constexpr std::array<Utf8Form, 256> makeDecodeTable() noexcept {
    std::array<Utf8Form, 256> table{};
    for (unsigned b = 0; b < 256U; ++b) {
        table[b] = utf8FormOf(codePointOf(b));
    }
    return table;
}

constexpr std::array<Utf8Form, 256> kDecodeTable = makeDecodeTable();

// Shared loop of all encoding entry points. Writes bytes to `dst` unless it is null (then it
// only checks). Returns the number of bytes written, or sets `failedAt` to the byte offset of
// the first character that cannot be stored.
std::size_t encodeInto(std::string_view utf8, char* dst, std::size_t& failedAt) noexcept {
    failedAt = kAllEncodable;
    std::size_t written = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        // Copy a run of ASCII in one go; menu text is almost entirely ASCII.
        const std::size_t run = text::asciiRunEnd(utf8, i);
        if (run > i) {
            if (dst != nullptr) {
                std::memcpy(dst + written, utf8.data() + i, run - i);
            }
            written += run - i;
            i = run;
            if (i == utf8.size()) {
                break;
            }
        }
        char32_t cp = 0;
        const std::size_t width = text::decodeUtf8At(utf8, i, cp);
        const std::optional<unsigned char> byte = width == 0 ? std::nullopt : codePointToWindows1252(cp);
        if (!byte) {
            failedAt = i;
            return written;
        }
        if (dst != nullptr) {
            dst[written] = static_cast<char>(*byte);
        }
        ++written;
        i += width;
    }
    return written;
}

}  // namespace

char32_t windows1252ToCodePoint(unsigned char b) noexcept { return codePointOf(b); }

std::optional<unsigned char> codePointToWindows1252(char32_t codePoint) noexcept {
    if (codePoint < 0x80U || (codePoint >= 0xA0U && codePoint <= 0xFFU)) {
        return static_cast<unsigned char>(codePoint);
    }
    // Everything else that can be stored lives in 0x80..0x9F: the typographic characters and
    // the five undefined bytes. Of the other C1 controls (e.g. U+0080) the byte is taken by a
    // typographic character, so they cannot be stored.
    for (std::size_t k = 0; k < kRange80To9F.size(); ++k) {
        if (kRange80To9F[k] == codePoint) {
            return static_cast<unsigned char>(0x80U + k);
        }
    }
    return std::nullopt;
}

void appendDecodedWindows1252(std::string_view bytes, std::string& out) {
    // Size the output exactly first, so that a large file costs one allocation. Menu files are
    // nearly all ASCII, so both passes skip over runs of it.
    std::size_t size = bytes.size();
    for (std::size_t i = text::asciiRunEnd(bytes, 0); i < bytes.size(); i = text::asciiRunEnd(bytes, i + 1))
        size += kDecodeTable[static_cast<unsigned char>(bytes[i])].size - 1U;
    const std::size_t start = out.size();
    out.resize(start + size);
    char* dst = out.data() + start;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::size_t run = text::asciiRunEnd(bytes, i);
        std::memcpy(dst, bytes.data() + i, run - i);
        dst += run - i;
        i = run;
        if (i == bytes.size()) break;
        const Utf8Form& form = kDecodeTable[static_cast<unsigned char>(bytes[i])];
        dst[0] = form.bytes[0];
        dst[1] = form.bytes[1];
        if (form.size > 2) {
            dst[2] = form.bytes[2];
        }
        dst += form.size;
    }
}

std::string decodeWindows1252(std::string_view bytes) {
    std::string out;
    appendDecodedWindows1252(bytes, out);
    return out;
}

bool appendEncodedWindows1252(std::string_view utf8, std::string& out) {
    // Every UTF-8 character yields one byte, so the input size bounds the output.
    const std::size_t start = out.size();
    out.resize(start + utf8.size());
    std::size_t failedAt = kAllEncodable;
    const std::size_t written = encodeInto(utf8, out.data() + start, failedAt);
    if (failedAt != kAllEncodable) {
        out.resize(start);
        return false;
    }
    out.resize(start + written);
    return true;
}

std::optional<std::string> encodeWindows1252(std::string_view utf8) {
    std::string out;
    if (!appendEncodedWindows1252(utf8, out)) {
        return std::nullopt;
    }
    return out;
}

std::size_t firstUnencodable(std::string_view utf8) noexcept {
    std::size_t failedAt = kAllEncodable;
    encodeInto(utf8, nullptr, failedAt);
    return failedAt;
}

}  // namespace vostrel::files
