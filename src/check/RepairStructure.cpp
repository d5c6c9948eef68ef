// The structural repair. Lines are grouped into blocks and pages exactly as the structure
// rules group them, so that a page the check calls unclosed is the page closed here; then
// every page number, next-page target and title count is computed from that grouping and
// written where it differs. On a menu that is right already, nothing differs.
#include <optional>
#include <string>
#include <vector>

#include "check/LineKinds.h"
#include "check/Rules.h"
#include "menu/LineSyntax.h"

namespace vostrel::check::rules {

namespace {

struct OutlinePage {
    std::size_t head = 0;
    std::vector<std::size_t> items;
};

using OutlineBlock = std::vector<OutlinePage>;

bool isClosing(LineKind kind) { return kind == LineKind::NextPageItem || kind == LineKind::MenuEndItem; }

bool startsBlock(const ParsedLine& line) {
    return line.kind == LineKind::MainBlockHead || line.kind == LineKind::SettingsBlockHead ||
           (line.kind == LineKind::Unknown && line.family == KeywordFamily::Block);
}

bool startsPage(const ParsedLine& line) {
    return line.kind == LineKind::PageHead ||
           (line.kind == LineKind::Unknown && line.family == KeywordFamily::Page);
}

// Pages before the first block head form a block of their own, items before the first page
// head belong to no page: both as the structure rules see them.
std::vector<OutlineBlock> outline(const std::vector<ParsedLine>& parsed) {
    std::vector<OutlineBlock> blocks;
    for (std::size_t i = 0; i < parsed.size(); ++i) {
        const auto& line = parsed[i];
        if (startsBlock(line)) {
            blocks.emplace_back();
        } else if (startsPage(line)) {
            if (blocks.empty()) blocks.emplace_back();
            blocks.back().push_back(OutlinePage{i, {}});
        } else if (line.kind == LineKind::CommandItem || isClosing(line.kind)) {
            if (!blocks.empty() && !blocks.back().empty()) blocks.back().back().items.push_back(i);
        }
    }
    return blocks;
}

// An item after the page's closing item needs a person: which of them ends the page is not
// for the repair to decide, so such a page keeps its end as it is.
bool closedOnlyAtItsEnd(const OutlinePage& page, const std::vector<ParsedLine>& parsed) {
    for (std::size_t k = 0; k + 1 < page.items.size(); ++k)
        if (isClosing(parsed[page.items[k]].kind)) return false;
    return true;
}

std::vector<ParsedLine> parseAll(const std::vector<TrackedLine>& lines) {
    std::vector<ParsedLine> parsed;
    parsed.reserve(lines.size());
    for (const auto& line : lines) parsed.push_back(parseLine(line.text));
    return parsed;
}

// A page that another page of its block follows ends with a next-page item (its target is set
// afterwards), the last page of a block with the menu-end item. A wrong closing item is
// replaced; a missing one is added after the page's last line.
void closePages(std::vector<TrackedLine>& lines) {
    const auto parsed = parseAll(lines);
    std::vector<std::optional<std::string>> insertAfter(lines.size());
    bool changed = false;
    for (const auto& block : outline(parsed)) {
        for (std::size_t j = 0; j < block.size(); ++j) {
            const auto& page = block[j];
            if (!closedOnlyAtItsEnd(page, parsed)) continue;
            const bool last = j + 1 == block.size();
            const LineKind wanted = last ? LineKind::MenuEndItem : LineKind::NextPageItem;
            const std::string closing = last ? menu::menuEndItem() : menu::nextPageItem(2);
            const std::size_t end = page.items.empty() ? page.head : page.items.back();
            if (!page.items.empty() && parsed[end].kind == wanted) continue;
            changed = true;
            if (!page.items.empty() && isClosing(parsed[end].kind))
                lines[end].text = closing;
            else
                insertAfter[end] = closing;
        }
    }
    if (!changed) return;
    std::vector<TrackedLine> closed;
    closed.reserve(lines.size() + lines.size() / 4);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        closed.push_back(std::move(lines[i]));
        if (insertAfter[i]) closed.push_back(TrackedLine{std::move(*insertAfter[i]), -1});
    }
    lines = std::move(closed);
}

// "MENUPAGE|TASK_PAGEn|title k/m|" with n, k and m as the outline has them.
std::string pageHeadLine(const std::string& line, int number, int inBlock, int count) {
    const auto second = line.find('|', line.find('|') + 1);
    std::string_view field = std::string_view(line).substr(second + 1);
    field.remove_suffix(1);  // the closing bar, which the earlier pass made sure of
    const auto title = field.substr(0, field.rfind(' '));
    return std::string(menu::kPageHeadPrefix) + std::to_string(number) + "|" + std::string(title) + " " +
           std::to_string(inBlock) + "/" + std::to_string(count) + "|";
}

void renumber(std::vector<TrackedLine>& lines) {
    const auto parsed = parseAll(lines);
    const auto rewrite = [&lines](std::size_t i, std::string text) {
        if (lines[i].text != text) lines[i].text = std::move(text);
    };
    int number = 0;
    for (const auto& block : outline(parsed)) {
        const int first = number + 1;
        const int count = static_cast<int>(block.size());
        for (int j = 0; j < count; ++j) {
            const auto& page = block[static_cast<std::size_t>(j)];
            ++number;
            if (parsed[page.head].kind == LineKind::PageHead)
                rewrite(page.head, pageHeadLine(lines[page.head].text, number, j + 1, count));
            if (j + 1 == count || page.items.empty() || !closedOnlyAtItsEnd(page, parsed)) continue;
            if (parsed[page.items.back()].kind == LineKind::NextPageItem)
                rewrite(page.items.back(), menu::nextPageItem(first + j + 1));
        }
    }
}

}  // namespace

void repairStructure(std::vector<TrackedLine>& lines) {
    closePages(lines);
    renumber(lines);
}

}  // namespace vostrel::check::rules
