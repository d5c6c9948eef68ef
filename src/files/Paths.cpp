#include "files/Paths.h"

#include <system_error>

#include "text/LineText.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace vostrel::files {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto width = text::charWidthAt(bytes, i);
        if (width == 1 && static_cast<unsigned char>(bytes[i]) >= 0x80U) return false;
        i += width;
    }
    return true;
}

#ifdef _WIN32
// Windows names are UTF-16 and may hold a lone surrogate; such a unit becomes U+FFFD.
std::string nameBytes(const std::filesystem::path& path) {
    std::string out;
    const std::wstring& wide = path.native();
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t c = wide[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
            wide[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (wide[++i] - 0xDC00);
        else if (c >= 0xD800 && c <= 0xDFFF)
            c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::filesystem::path pathFromNameBytes(std::string_view bytes) {
    const std::string text = validUtf8(bytes);
    if (text.empty()) return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return std::filesystem::path(std::move(wide));
}
#else
// A Linux name is bytes, handed on untouched.
std::string nameBytes(const std::filesystem::path& path) { return path.native(); }

std::filesystem::path pathFromNameBytes(std::string_view bytes) {
    return std::filesystem::path(std::string(bytes));
}
#endif

}  // namespace

std::filesystem::path pathFromUtf8(std::string_view text) { return pathFromNameBytes(text); }

std::string pathToText(const std::filesystem::path& path) { return validUtf8(nameBytes(path)); }

std::optional<std::string> pathToExactText(const std::filesystem::path& path) {
    auto bytes = nameBytes(path);
    if (!isValidUtf8(bytes) || pathFromNameBytes(bytes) != path) return std::nullopt;
    return bytes;
}

std::filesystem::path joinNames(const std::filesystem::path& path, const std::filesystem::path& tail) {
    return pathFromNameBytes(nameBytes(path) + nameBytes(tail));
}

std::filesystem::path nameTail(const std::filesystem::path& path, std::size_t characters) {
    return pathFromNameBytes(text::charRightView(nameBytes(path), characters));
}

std::size_t nameLength(const std::filesystem::path& path) { return text::charLength(nameBytes(path)); }

std::string validUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto width = text::charWidthAt(bytes, i);
        if (width == 1 && static_cast<unsigned char>(bytes[i]) >= 0x80U)
            out += kReplacement;
        else
            out.append(bytes.substr(i, width));
        i += width;
    }
    return out;
}

std::filesystem::path executableFolder() {
#ifdef _WIN32
    std::wstring name(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0 || length >= name.size()) return {};
    name.resize(length);
    return std::filesystem::path(name).parent_path();
#else
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path{} : self.parent_path();
#endif
}

}  // namespace vostrel::files
