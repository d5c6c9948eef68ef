// The repair's passes over single lines: the file's encoding and byte-order mark, stray
// carriage returns, blanks, empty lines, capitals and the closing bar. The structure comes last,
// once every line reads as what it is.
#include "check/Repair.h"

#include <algorithm>
#include <array>
#include <utility>

#include "check/LineKinds.h"
#include "check/MenuCheck.h"
#include "check/Rules.h"
#include "check/Utf8Reading.h"
#include "menu/LineSyntax.h"

namespace vostrel::check {

namespace {

using rules::TrackedLine;
using Lines = std::vector<TrackedLine>;

constexpr std::array<std::string_view, 2> kByteOrderMarks = {"\xC3\xAF\xC2\xBB\xC2\xBF", "\xEF\xBB\xBF"};

// The file's start up to its first text: marks, blanks and empty lines. Hand edits and tools
// that add a mark to every piece they join leave marks on lines of their own, and dropping the
// empty lines brings them to the front one after another; so every mark goes with the blanks
// and empty lines around it, as long as one mark is among them.
void removeByteOrderMark(Lines& lines) {
    constexpr std::string_view kBlanks = " \t";
    std::size_t line = 0, at = 0;
    bool marked = false;
    while (line < lines.size()) {
        const std::string_view text = lines[line].text;
        at = std::min(text.find_first_not_of(kBlanks, at), text.size());
        const auto mark = std::find_if(kByteOrderMarks.begin(), kByteOrderMarks.end(),
                                       [&](std::string_view m) { return text.substr(at).starts_with(m); });
        if (mark != kByteOrderMarks.end()) {
            at += mark->size();
            marked = true;
        } else if (at == text.size()) {
            ++line;
            at = 0;
        } else {
            break;
        }
    }
    if (!marked) return;
    lines.erase(lines.begin(), lines.begin() + static_cast<long>(line));
    if (!lines.empty()) lines.front().text.erase(0, at);
}

// All or nothing, as the check judges it: one line of genuine Windows-1252 text means the file
// is not UTF-8, and a line whose UTF-8 reading a menu file cannot store keeps the file as it is.
// Returns whether the lines were read anew.
bool rereadUtf8Once(Lines& lines) {
    bool utf8 = false;
    for (const auto& line : lines) {
        const auto look = utf8Look(line.text);
        if (look == Utf8Look::Foreign) return false;
        utf8 = utf8 || look == Utf8Look::Utf8;
    }
    if (!utf8) return false;
    Lines reread = lines;
    for (auto& line : reread) {
        if (utf8Look(line.text) != Utf8Look::Utf8) continue;
        auto text = rereadAsUtf8(line.text);
        if (!text) return false;
        line.text = std::move(*text);
    }
    lines = std::move(reread);
    return true;
}

// A file converted to UTF-8 twice reads as UTF-8 again after the first reading; each reading
// shortens the text, so this ends.
void rereadUtf8(Lines& lines) {
    while (rereadUtf8Once(lines)) {
    }
}

// A carriage return that ends no line in CR LF was meant as a line end.
// The first part keeps the line's place; the parts after it are new lines.
void splitAtCarriageReturns(Lines& lines) {
    if (std::none_of(lines.begin(), lines.end(),
                     [](const TrackedLine& l) { return l.text.find('\r') != std::string::npos; }))
        return;
    Lines split;
    split.reserve(lines.size());
    for (const auto& line : lines) {
        const std::string& text = line.text;
        int origin = line.origin;
        std::size_t start = 0;
        for (auto cr = text.find('\r'); cr != std::string::npos; cr = text.find('\r', start)) {
            split.push_back({text.substr(start, cr - start), std::exchange(origin, -1)});
            start = cr + 1;
        }
        split.push_back({text.substr(start), origin});
    }
    lines = std::move(split);
}

void trimBlanksAndDropEmptyLines(Lines& lines) {
    constexpr std::string_view kBlanks = " \t";
    std::erase_if(lines, [&](TrackedLine& tracked) {
        std::string& line = tracked.text;
        const auto first = line.find_first_not_of(kBlanks);
        if (first == std::string::npos) return true;
        line.erase(line.find_last_not_of(kBlanks) + 1);
        line.erase(0, first);
        return false;
    });
}

// The title field of a page head as written: everything between the task and the closing bar.
std::string_view titleField(std::string_view line) {
    const auto second = line.find('|', line.find('|') + 1);
    std::string_view title = line.substr(second + 1);
    if (title.ends_with('|')) title.remove_suffix(1);
    return title;
}

// The line as the editor writes a line of its kind; the page title keeps its own spelling.
std::string canonicalLine(const std::string& line, const ParsedLine& parsed) {
    switch (parsed.kind) {
        case LineKind::MainBlockHead: return menu::mainBlockHead();
        case LineKind::SettingsBlockHead: return menu::settingsBlockHead();
        case LineKind::CommandItem: return menu::commandItem(parsed.command);
        case LineKind::NextPageItem: return menu::nextPageItem(parsed.pageNumber);
        case LineKind::MenuEndItem: return menu::menuEndItem();
        case LineKind::PageHead:
            return std::string(menu::kPageHeadPrefix) + std::to_string(parsed.pageNumber) + "|" +
                   std::string(titleField(line)) + "|";
        case LineKind::Empty:
        case LineKind::Unknown: break;
    }
    return line;
}

void writeInCapitalsWithClosingBar(Lines& lines) {
    for (auto& line : lines) {
        const auto parsed = parseLine(line.text);
        if (parsed.keywordUpper && parsed.namesUpper && parsed.closingBar) continue;
        line.text = canonicalLine(line.text, parsed);
    }
}

// Every line that kept its origin anchors the comparison: unchanged, or one line replaced by its
// repaired form. What lies between two anchors, in the document and in the repaired menu, is
// removed and added as one change.
std::vector<LineChange> changesBetween(const std::vector<std::string>& before, const Lines& after) {
    std::vector<LineChange> changes;
    int oldNext = 0, newNext = 0;
    const auto anchor = [&](int oldAt, int newAt, bool replaced) {
        if (oldAt > oldNext || newAt > newNext)
            changes.push_back({oldNext, oldAt - oldNext, newNext, newAt - newNext});
        if (replaced) changes.push_back({oldAt, 1, newAt, 1});
        oldNext = oldAt + 1;
        newNext = newAt + 1;
    };
    for (int k = 0; k < static_cast<int>(after.size()); ++k) {
        const auto& line = after[static_cast<std::size_t>(k)];
        if (line.origin >= 0)
            anchor(line.origin, k, line.text != before[static_cast<std::size_t>(line.origin)]);
    }
    anchor(static_cast<int>(before.size()), static_cast<int>(after.size()), false);
    return changes;
}

bool hasOtherLineEnds(const std::string& bytes) {
    if (!bytes.empty() && !bytes.ends_with('\n') && !bytes.ends_with('\r')) return true;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return true;
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) return true;
    }
    return false;
}

// Each rule with one mechanical answer and the pass that gives it, in the order the passes run.
// A pass serves several rules where one answer mends them together (the structure: numbers,
// links, titles and closing items all follow from where the pages stand). Line ends have no
// pass: writing the lines, each ending in CR LF, is their repair.
using Pass = void (*)(Lines&);
struct RuleRepair {
    std::string_view rule;
    Pass pass;
};
constexpr std::array<RuleRepair, 19> kRuleRepairs = {{
    {rules::kByteOrderMark, removeByteOrderMark},
    {rules::kUtf8AsWindows1252, rereadUtf8},
    {rules::kLoneCr, splitAtCarriageReturns},
    {rules::kLoneLf, nullptr},
    {rules::kMissingLineEnd, nullptr},
    {rules::kLeadingBlank, trimBlanksAndDropEmptyLines},
    {rules::kTrailingBlank, trimBlanksAndDropEmptyLines},
    {rules::kEmptyLine, trimBlanksAndDropEmptyLines},
    {rules::kKeywordCase, writeInCapitalsWithClosingBar},
    {rules::kNameCase, writeInCapitalsWithClosingBar},
    {rules::kMissingClosingBar, writeInCapitalsWithClosingBar},
    {rules::kPageNotClosed, rules::repairStructure},
    {rules::kBlockNotEnded, rules::repairStructure},
    {rules::kPageNumberSequence, rules::repairStructure},
    {rules::kPageNumberAbove99, rules::repairStructure},
    {rules::kNextPageTarget, rules::repairStructure},
    {rules::kPageInBlock, rules::repairStructure},
    {rules::kBlockPageCount, rules::repairStructure},
    {rules::kUnresolvedPlaceholder, rules::repairStructure},
}};

bool sameText(const Lines& a, const Lines& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const TrackedLine& x, const TrackedLine& y) { return x.text == y.text; });
}

}  // namespace

Repaired repairMenu(const std::vector<std::string>& lines, const std::optional<std::string>& fileBytes) {
    Lines out;
    out.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) out.push_back({lines[i], static_cast<int>(i)});
    // Every pass runs in table order; a pass leaves a menu without its rules' findings as it is,
    // and an earlier pass can uncover what a later one mends (a split line, a page without its
    // closing item). A later pass can also uncover what an earlier one mends: dropped empty lines
    // bring a byte-order mark from a later line to the front, and only without it do the lines
    // read as UTF-8. So the passes run again until the lines settle. A later round only finishes
    // what the one before uncovered, so two or three suffice; the bound guards against passes
    // that would undo each other.
    constexpr int kMostRounds = 8;
    for (int round = 0; round < kMostRounds; ++round) {
        const Lines before = out;
        Pass last = nullptr;
        for (const auto& [rule, pass] : kRuleRepairs) {
            if (!pass || pass == last) continue;
            pass(out);
            last = pass;
        }
        if (sameText(out, before)) break;
    }

    Repaired repaired;
    repaired.lineEndsRewritten = fileBytes && hasOtherLineEnds(*fileBytes);
    repaired.changes = changesBetween(lines, out);
    repaired.lines.reserve(out.size());
    for (auto& line : out) repaired.lines.push_back(std::move(line.text));
    return repaired;
}

bool ruleHasRepair(std::string_view rule) noexcept {
    return std::any_of(kRuleRepairs.begin(), kRuleRepairs.end(),
                       [rule](const RuleRepair& r) { return r.rule == rule; });
}

}  // namespace vostrel::check
