#include "check/Utf8Reading.h"

#include "files/Windows1252.h"

namespace vostrel::check {

namespace {

bool isAscii(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// Length of the well-formed UTF-8 character at `i` (no overlong forms, no surrogates, nothing
// above U+10FFFF), or 0 when the bytes there are not one.
std::size_t utf8CharLength(std::string_view bytes, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(i);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead == 0xE0)
        length = 3, low = 0xA0;
    else if (lead >= 0xE1 && lead <= 0xEC)
        length = 3;
    else if (lead == 0xED)
        length = 3, high = 0x9F;
    else if (lead >= 0xEE && lead <= 0xEF)
        length = 3;
    else if (lead == 0xF0)
        length = 4, low = 0x90;
    else if (lead >= 0xF1 && lead <= 0xF3)
        length = 4;
    else if (lead == 0xF4)
        length = 4, high = 0x8F;
    else
        return 0;
    if (i + length > bytes.size()) return 0;
    if (at(i + 1) < low || at(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (at(i + k) < 0x80 || at(i + k) > 0xBF) return 0;
    return length;
}

bool isUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto length = utf8CharLength(bytes, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

}  // namespace

Utf8Look utf8Look(std::string_view line) {
    if (isAscii(line)) return Utf8Look::Plain;
    const auto bytes = files::encodeWindows1252(line);
    return bytes && isUtf8(*bytes) ? Utf8Look::Utf8 : Utf8Look::Foreign;
}

std::optional<std::string> rereadAsUtf8(std::string_view line) {
    if (utf8Look(line) != Utf8Look::Utf8) return std::nullopt;
    // Valid UTF-8 bytes are already the text as the program holds it.
    auto text = files::encodeWindows1252(line);
    if (files::firstUnencodable(*text) != files::kAllEncodable) return std::nullopt;
    return text;
}

Utf8Example firstUtf8Example(std::string_view line) {
    const auto bytes = files::encodeWindows1252(line);
    if (!bytes) return {};
    for (std::size_t i = 0; i < bytes->size();) {
        const auto length = utf8CharLength(*bytes, i);
        if (length == 0) return {};
        if (length > 1) {
            const auto meant = bytes->substr(i, length);
            return {files::decodeWindows1252(meant), meant};
        }
        i += length;
    }
    return {};
}

}  // namespace vostrel::check
