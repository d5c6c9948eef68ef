#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vostrel::app {

// The list of what the menu check found, as the window shows it: one row per
// finding in the interface language, and the document line each row names.
struct MenuCheckWindow {
    enum class Kind { Error, Warning, Plain };  // Plain: the all-clear row

    std::string caption;
    std::vector<std::string> rows;
    std::vector<int> lines;   // 0-based document index per row; -1 for the whole file
    std::vector<Kind> kinds;  // per row
    int shownCount = 0;
    // What the rows were made from: the check's recomputation and the interface language.
    std::uint64_t version = 0;
    int language = -1;
};

}  // namespace vostrel::app
