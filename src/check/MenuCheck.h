#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/Finding.h"

// The check of a menu before the navigation software sees it.
//
// The navigation software answers a faulty menu with nothing but "SDK-Error". Hand edits, moved
// lines and files from elsewhere easily leave a blank, an empty line or a broken link behind, so
// the check reads the menu the strict way the device does and names every fault with its line.
// A menu the editor builds itself gives no error.
namespace vostrel::check {

// Checks the menu document. `lines` are the lines as the editor holds them (UTF-8, nothing
// trimmed). When they were read from a file, pass the file's raw bytes as well: only the bytes
// show line ends other than CR LF. The findings are ordered by line, whole-file findings first.
[[nodiscard]] std::vector<Finding> checkMenu(const std::vector<std::string>& lines,
                                             const std::optional<std::string>& fileBytes = {});

// Reads the lines from the raw bytes of a menu file the way the editor opens it (Windows-1252,
// split at CR LF or a lone LF) and checks them together with the bytes.
[[nodiscard]] std::vector<Finding> checkMenuFileBytes(const std::string& bytes);

[[nodiscard]] bool hasErrors(const std::vector<Finding>& findings) noexcept;

}  // namespace vostrel::check
