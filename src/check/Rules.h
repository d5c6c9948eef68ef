#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "check/Finding.h"
#include "check/LineKinds.h"

// Shared by the rule groups of the menu check; not part of its public interface.
namespace vostrel::check::rules {

// Rule names. They appear in the tool's output and in scripts of users, so they never change.
inline constexpr std::string_view kByteOrderMark = "byte-order-mark";
inline constexpr std::string_view kLoneLf = "lone-lf";
inline constexpr std::string_view kLoneCr = "lone-cr";
inline constexpr std::string_view kMissingLineEnd = "missing-line-end";
inline constexpr std::string_view kUtf8AsWindows1252 = "utf8-as-windows-1252";
inline constexpr std::string_view kEmptyLine = "empty-line";
inline constexpr std::string_view kLeadingBlank = "leading-blank";
inline constexpr std::string_view kTrailingBlank = "trailing-blank";
inline constexpr std::string_view kComma = "comma";
inline constexpr std::string_view kDoubleQuote = "double-quote";
inline constexpr std::string_view kUnresolvedPlaceholder = "unresolved-placeholder";
inline constexpr std::string_view kUnknownLineKind = "unknown-line-kind";
inline constexpr std::string_view kKeywordCase = "keyword-case";
inline constexpr std::string_view kNameCase = "name-case";
inline constexpr std::string_view kMissingClosingBar = "missing-closing-bar";
inline constexpr std::string_view kUnknownCommand = "unknown-command";
inline constexpr std::string_view kEmptyMenu = "empty-menu";
inline constexpr std::string_view kFirstLineNotMainBlock = "first-line-not-main-block";
inline constexpr std::string_view kBlockHeadWithoutPage = "block-head-without-page";
inline constexpr std::string_view kDuplicateBlock = "duplicate-block";
inline constexpr std::string_view kSettingsBeforeMain = "settings-before-main";
inline constexpr std::string_view kPageNumberSequence = "page-number-sequence";
inline constexpr std::string_view kPageNumberAbove99 = "page-number-above-99";
inline constexpr std::string_view kPageInBlock = "page-in-block";
inline constexpr std::string_view kBlockPageCount = "block-page-count";
inline constexpr std::string_view kTooManyCommands = "too-many-commands";
inline constexpr std::string_view kEmptyPage = "empty-page";
inline constexpr std::string_view kItemAfterClosing = "item-after-closing";
inline constexpr std::string_view kPageNotClosed = "page-not-closed";
inline constexpr std::string_view kNextPageTarget = "next-page-target";
inline constexpr std::string_view kBlockNotEnded = "block-not-ended";
inline constexpr std::string_view kPreferencesWithoutSettings = "menu-preferences-without-settings";
inline constexpr std::string_view kSettingsUnreachable = "settings-unreachable";

// One document line as the rules see it.
struct LineView {
    int number = 0;            // 1-based
    std::string_view text;     // as stored, without a byte-order mark
    std::string_view trimmed;  // without leading and trailing blanks
    ParsedLine parsed;
};

class Collector {
public:
    void add(int line, Severity severity, std::string_view rule, Message message) {
        findings_.push_back(Finding{line, severity, std::string(rule), std::move(message)});
    }
    std::vector<Finding>& findings() { return findings_; }

private:
    std::vector<Finding> findings_;
};

// A message from three templates in which "{1}", "{2}" … stand for the arguments.
[[nodiscard]] Message say(std::string_view german, std::string_view english, std::string_view french,
                          std::initializer_list<std::string> args = {});

// Line ends, read from the raw bytes of a file (the byte-order mark is judged from line 1).
void checkBytes(std::string_view bytes, Collector& out);
// Characters a line must not hold, blanks and empty lines. `haveBytes`: the line ends were
// already judged from the bytes, so a carriage return inside a line is not reported again.
void checkCharacters(const std::vector<LineView>& lines, bool haveBytes, Collector& out);
// A document that reads as UTF-8 once taken back to its bytes: saved by a text editor as UTF-8.
void checkEncoding(const std::vector<LineView>& lines, Collector& out);
// Each line on its own: is it one of the six kinds, written as the format wants it.
void checkLineSyntax(const std::vector<LineView>& lines, Collector& out);
// Order of blocks, pages and items, numbering and links.
void checkStructure(const std::vector<LineView>& lines, Collector& out);

// The structural part of the repair: closes every page with the item its position calls for,
// renumbers the pages through the file, points each closing next-page item at the page that
// follows and gives each page title its place in the block and the block's page count.
// Each line carries the index of the document line it came from (-1 for a line the repair
// added), so that the change can be told line by line afterwards.
struct TrackedLine {
    std::string text;
    int origin = -1;
};
void repairStructure(std::vector<TrackedLine>& lines);

}  // namespace vostrel::check::rules
