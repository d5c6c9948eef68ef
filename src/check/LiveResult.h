#pragma once

#include <optional>
#include <string>
#include <vector>

#include "check/Finding.h"

// The check as the editor shows it while the user works, beside the menu.
//
// A block the editor is building has an open page count ("§") in its page titles and no
// menu-end item yet; both are how building works, not faults, so for that block they are
// counted apart as `open`. An empty document is where every menu starts and has no finding.
// Everything else counts as the check counts it.
namespace vostrel::check {

struct LiveResult {
    int errors = 0;
    int warnings = 0;
    int open = 0;
    std::vector<Finding> findings;  // those that count, in line order, whole-file ones first
    std::vector<int> lines;         // 0-based indexes of the lines they name, ascending, once each

    // The findings on document line `index` (0-based), as a range of `findings`.
    [[nodiscard]] std::pair<std::size_t, std::size_t> findingsOn(int index) const;
    // The gravest finding on that line, if any.
    [[nodiscard]] std::optional<Severity> worstOn(int index) const;
};

// `openBlockHead`: 0-based index of the head of the block being built, or -1 for none.
// `fileBytes` as for checkMenu().
[[nodiscard]] LiveResult liveResult(const std::vector<std::string>& lines,
                                    const std::optional<std::string>& fileBytes, int openBlockHead);

}  // namespace vostrel::check
