#include "check/LiveResult.h"

#include <algorithm>

#include "check/LineKinds.h"
#include "check/MenuCheck.h"
#include "check/Rules.h"
#include "menu/LineSyntax.h"

namespace vostrel::check {

namespace {

// The open page count of a page head of the block being built.
bool holdsOpenPageCount(const std::string& line) {
    const auto first = line.find_first_not_of(" \t");
    const auto last = line.find_last_not_of(" \t");
    if (first == std::string::npos) return false;
    const auto parsed = parseLine(std::string_view(line).substr(first, last - first + 1));
    return parsed.kind == LineKind::PageHead && parsed.pageCount == menu::kPlaceholder;
}

bool isOpenBuilding(const Finding& finding, const std::vector<std::string>& lines, int openBlockHead) {
    if (openBlockHead < 0 || finding.line <= openBlockHead) return false;
    if (finding.rule == rules::kBlockNotEnded) return true;
    return finding.rule == rules::kUnresolvedPlaceholder &&
           holdsOpenPageCount(lines[static_cast<std::size_t>(finding.line - 1)]);
}

}  // namespace

std::pair<std::size_t, std::size_t> LiveResult::findingsOn(int index) const {
    const auto byLine = [](const Finding& f, int line) { return f.line < line; };
    const auto from = std::lower_bound(findings.begin(), findings.end(), index + 1, byLine);
    const auto to = std::lower_bound(from, findings.end(), index + 2, byLine);
    return {static_cast<std::size_t>(from - findings.begin()),
            static_cast<std::size_t>(to - findings.begin())};
}

std::optional<Severity> LiveResult::worstOn(int index) const {
    if (!std::binary_search(lines.begin(), lines.end(), index)) return std::nullopt;
    const auto [from, to] = findingsOn(index);
    for (auto i = from; i < to; ++i)
        if (findings[i].severity == Severity::Error) return Severity::Error;
    return Severity::Warning;
}

LiveResult liveResult(const std::vector<std::string>& lines, const std::optional<std::string>& fileBytes,
                      int openBlockHead) {
    LiveResult result;
    if (lines.empty()) return result;
    for (auto& finding : checkMenu(lines, fileBytes)) {
        if (isOpenBuilding(finding, lines, openBlockHead)) {
            ++result.open;
            continue;
        }
        ++(finding.severity == Severity::Error ? result.errors : result.warnings);
        if (finding.line > 0 && (result.lines.empty() || result.lines.back() != finding.line - 1))
            result.lines.push_back(finding.line - 1);
        result.findings.push_back(std::move(finding));
    }
    return result;
}

}  // namespace vostrel::check
