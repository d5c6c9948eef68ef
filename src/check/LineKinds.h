#pragma once

#include <string>
#include <string_view>

// Recognising the six kinds of menu lines.
//
// The editor's own readers look only at fixed character positions and never reject a line;
// the navigation software is stricter and refuses a menu with a single malformed line. The check
// therefore parses each line completely. Case is ignored while recognising a line, so that a
// lower-case keyword is reported as exactly that and not as an unknown line.
namespace vostrel::check {

enum class LineKind {
    Empty,              // nothing but blanks
    MainBlockHead,      // MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|
    SettingsBlockHead,  // MENUBLOCK|BLOCK_PREF|BTM_GPS_POSITION|
    PageHead,           // MENUPAGE|TASK_PAGEn|title k/m|
    CommandItem,        // MENUITEM|TASK_COMMAND|
    NextPageItem,       // MENUITEM|TASK_PAGEn| with n >= 2
    MenuEndItem,        // MENUITEM|TASK_PAGE1|
    Unknown,
};

// Which keyword an unknown line started with, so that the message can show the expected form.
enum class KeywordFamily { None, Block, Page, Item };

struct ParsedLine {
    LineKind kind = LineKind::Unknown;
    KeywordFamily family = KeywordFamily::None;
    bool closingBar = true;    // the line ends with "|"
    bool keywordUpper = true;  // field 1 is written in upper case
    bool namesUpper = true;    // block name, fixed third field and task are upper case
    int pageNumber = 0;        // n of a page head or next-page item (saturates at 1000000)
    int pageInBlock = 0;       // k of a page head
    std::string pageCount;     // m of a page head as written: digits or the placeholder
    std::string command;       // task of a command item, upper-cased
};

// Parses one line with its leading and trailing blanks already removed.
[[nodiscard]] ParsedLine parseLine(std::string_view trimmed);

// True for a decimal number as the format writes it: digits, no sign, no leading zero.
[[nodiscard]] bool isPlainNumber(std::string_view text) noexcept;

}  // namespace vostrel::check
