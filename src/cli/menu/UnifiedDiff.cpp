#include "cli/menu/UnifiedDiff.h"

#include <algorithm>

namespace vostrel::cli::menu {

namespace {

constexpr int kContext = 3;

// "start,count" of one side; an empty side names the line before it, as diff does.
std::string range(int first, int count) {
    return std::to_string(count == 0 ? first : first + 1) + "," + std::to_string(count);
}

}  // namespace

void writeUnifiedDiff(const std::vector<std::string>& before, const check::Repaired& repaired,
                      const std::string& oldName, const std::string& newName, std::ostream& out) {
    const auto& changes = repaired.changes;
    if (changes.empty()) return;
    out << "--- " << oldName << "\n+++ " << newName << '\n';
    const int oldSize = static_cast<int>(before.size());
    const auto oldLine = [&](int i) -> const std::string& { return before[static_cast<std::size_t>(i)]; };
    std::size_t c = 0;
    while (c < changes.size()) {
        // Changes whose context would touch or overlap share one hunk.
        std::size_t last = c;
        while (last + 1 < changes.size() &&
               changes[last + 1].oldFirst - (changes[last].oldFirst + changes[last].oldCount) <= 2 * kContext)
            ++last;
        const auto& first = changes[c];
        const auto& end = changes[last];
        const int lead = std::min(kContext, first.oldFirst);
        const int oldEnd = end.oldFirst + end.oldCount;
        const int trail = std::min(kContext, oldSize - oldEnd);
        const int oldFirst = first.oldFirst - lead;
        const int newFirst = first.newFirst - lead;
        const int oldCount = oldEnd + trail - oldFirst;
        const int newCount = end.newFirst + end.newCount + trail - newFirst;
        out << "@@ -" << range(oldFirst, oldCount) << " +" << range(newFirst, newCount) << " @@\n";
        int at = oldFirst;
        for (std::size_t k = c; k <= last; ++k) {
            const auto& change = changes[k];
            for (; at < change.oldFirst; ++at) out << ' ' << oldLine(at) << '\n';
            for (int i = 0; i < change.oldCount; ++i) out << '-' << oldLine(change.oldFirst + i) << '\n';
            for (int i = 0; i < change.newCount; ++i)
                out << '+' << repaired.lines[static_cast<std::size_t>(change.newFirst + i)] << '\n';
            at = change.oldFirst + change.oldCount;
        }
        for (; at < oldEnd + trail; ++at) out << ' ' << oldLine(at) << '\n';
        c = last + 1;
    }
}

}  // namespace vostrel::cli::menu
