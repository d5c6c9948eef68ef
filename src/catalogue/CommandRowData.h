#pragma once

#include <array>
#include <string_view>

namespace vostrel::catalogue {

// One command of the navigation software with its button labels. The labels are
// the product's own texts; German and English hold at most 25 characters (the
// fixed column width of a table row), French may be longer.
struct CommandRowData {
    std::string_view command;
    std::string_view german;
    std::string_view english;
    std::string_view french;
};

inline constexpr int kCommandCount = 114;

// Row k belongs to command button k + 1; the order is binding.
extern const std::array<CommandRowData, kCommandCount> kCommandRows;

}  // namespace vostrel::catalogue
