#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Repairing what the check finds, where a fault has exactly one mechanical answer.
//
// Each repair belongs to the rule whose finding it mends: blanks trimmed, keywords and task
// names written in capitals, pages renumbered through the file, titles given their page and
// page count from their block, pages closed with the item their position calls for, a menu
// saved as UTF-8 read as UTF-8. Everything that needs a person (an unknown command, a second
// main block, six commands on a page) is left as it is. A menu without a finding comes back
// unchanged, and repairing a repaired menu changes nothing.
namespace vostrel::check {

// One place where the repaired menu differs: `oldCount` document lines from `oldFirst` were
// replaced by `newCount` lines from `newFirst` of the repaired menu (either count may be 0).
struct LineChange {
    int oldFirst = 0;
    int oldCount = 0;
    int newFirst = 0;
    int newCount = 0;
};

struct Repaired {
    std::vector<std::string> lines;
    // Where the lines differ from the document, in document order.
    std::vector<LineChange> changes;
    // The file's bytes end lines otherwise than in CR LF, or the last line not at all: writing
    // the lines anew mends that, and the lines themselves do not show it.
    bool lineEndsRewritten = false;

    [[nodiscard]] bool changesAnything() const { return lineEndsRewritten || !changes.empty(); }
};

// Repairs the menu document. Pass the file's raw bytes while the document still is that
// file, as for checkMenu(): only they show the line ends.
[[nodiscard]] Repaired repairMenu(const std::vector<std::string>& lines,
                                  const std::optional<std::string>& fileBytes = {});

// True for the rules whose findings the repair mends. Two of them only where their repair
// applies: a UTF-8 reading whose every character a menu file can store, and a page number above
// 99 that renumbering brings under 100.
[[nodiscard]] bool ruleHasRepair(std::string_view rule) noexcept;

}  // namespace vostrel::check
