#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "check/Finding.h"

// Pages of a menu as the editor's preview shows them, for printing them without a window.
//
// This drives the editor's own preview code, so a hand-edited menu prints exactly the way the
// preview draws it: the same page search, the same wrong-command text, the same places.
namespace vostrel::cli::menu {

inline constexpr int kPlaceCount = 6;

struct ShownPlace {
    bool picture = false;  // a command picture is shown (the command is in the table)
    std::string command;   // the picture's command, as in the command table
    std::string caption;   // label in the chosen language, or the wrong-command text; "" if empty
};

struct ShownPage {
    int number = 0;  // the page the preview found
    std::string title;
    std::array<ShownPlace, kPlaceCount> places;
};

// The page the preview shows when asked for page `requested` (0: the first page), or nothing
// when the menu has no page head at or above that number.
[[nodiscard]] std::optional<ShownPage> showPage(const std::vector<std::string>& lines, int requested,
                                                check::Language language);

// Every page the preview reaches when paging forward from the first, in order.
[[nodiscard]] std::vector<ShownPage> showAllPages(const std::vector<std::string>& lines,
                                                  check::Language language);

}  // namespace vostrel::cli::menu
