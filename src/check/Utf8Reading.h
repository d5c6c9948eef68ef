#pragma once

#include <optional>
#include <string>
#include <string_view>

// Recognising a menu that a text editor saved as UTF-8.
//
// The editor reads every menu file as Windows-1252, so "ü" saved as UTF-8 arrives as the two
// characters "Ã¼". Taken back to the file's bytes, such a line is valid UTF-8 with multi-byte
// characters, which genuine Windows-1252 text almost never is: "ü" there is the single byte
// 0xFC, never valid UTF-8 on its own.
namespace vostrel::check {

enum class Utf8Look {
    Plain,    // ASCII only: reads the same either way
    Utf8,     // the file's bytes are valid UTF-8 with at least one multi-byte character
    Foreign,  // anything else: genuine Windows-1252 text, or a character no file byte gives
};

// How a document line (UTF-8, as read from Windows-1252) looks once taken back to its bytes.
[[nodiscard]] Utf8Look utf8Look(std::string_view line);

// The line read as UTF-8 instead, when it looks like UTF-8 and every character of that
// reading can still be stored in a menu file; nothing otherwise.
[[nodiscard]] std::optional<std::string> rereadAsUtf8(std::string_view line);

// The first multi-byte character of a line that looks like UTF-8: as the editor shows it
// ("Ã¼") and as it was meant ("ü"). Empty strings when there is none.
struct Utf8Example {
    std::string shown;
    std::string meant;
};
[[nodiscard]] Utf8Example firstUtf8Example(std::string_view line);

}  // namespace vostrel::check
