#pragma once

#include <string>
#include <string_view>
#include <vector>

// Syntax of menu lines: how each kind of line is written, and the fixed character positions by
// which lines are read back.
//
// Lines are UTF-8 inside the program, but the menu file stores one byte per character, so all
// positions below are character positions counted from 1 (see LineText.h). Readers look only at
// those positions and never parse a line as a whole: a line the user typed by hand is stored
// as typed, and a reader that finds nothing sensible at its positions yields "" or 0, which
// callers treat as an ordinary item.
namespace vostrel::menu {

// Stands for the page count of a block while the block is still being built; it is replaced by
// the real count when the block is ended. In the file it is byte 167 of Windows-1252.
inline constexpr std::string_view kPlaceholder = "\xC2\xA7";  // U+00A7 SECTION SIGN

// Prefix of every item line; the task name starts right after it, at character 15.
inline constexpr std::string_view kItemPrefix = "MENUITEM|TASK_";
// Prefix of every page head; the page number starts right after it, at character 19.
inline constexpr std::string_view kPageHeadPrefix = "MENUPAGE|TASK_PAGE";

// ---- Writing lines ---------------------------------------------------------------------------

// Upper-cases ASCII letters only; every other byte (digits, "_", UTF-8 sequences) is copied
// unchanged, so the result never depends on the locale. The rule itself is text::upperAscii.
[[nodiscard]] std::string upperCase(std::string_view text);

// "MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"
[[nodiscard]] std::string mainBlockHead();
// "MENUBLOCK|BLOCK_PREF|BTM_GPS_POSITION|"
[[nodiscard]] std::string settingsBlockHead();

// Head of page `pageNumber` (counted through the whole file), which is page `pageInBlock` of its
// block. The block's page count is not known yet, so the placeholder is written in its place:
// "MENUPAGE|TASK_PAGE" n "|" title " " k "/§|".
[[nodiscard]] std::string pageHead(int pageNumber, std::string_view title, int pageInBlock);

// "MENUITEM|TASK_" COMMAND "|" with the command name upper-cased.
[[nodiscard]] std::string commandItem(std::string_view command);

// Item that leads on to page `pageNumber`: "MENUITEM|TASK_PAGE" n "|".
[[nodiscard]] std::string nextPageItem(int pageNumber);

// Closing item of a block, which leads back to page 1: "MENUITEM|TASK_PAGE1|".
[[nodiscard]] std::string menuEndItem();

// ---- Reading lines ---------------------------------------------------------------------------
//
// The functions returning std::string_view return a view into `line`; keep the line alive (and
// unchanged) while the view is in use.

// Value of the decimal number at the start of `text`; 0 when the text does not begin with a
// digit (a blank before the digits counts as not beginning with one: " 3" is not page 3). A
// number too large for int saturates at INT_MAX.
[[nodiscard]] int leadingNumber(std::string_view text) noexcept;

// The numeric value an open reads: like leadingNumber(), but blanks before the digits are
// skipped, so " 3" reads 3.
[[nodiscard]] int numericValue(std::string_view text) noexcept;

// Task of an item line: characters 15 to length - 1, i.e. what follows "MENUITEM|TASK_" without
// the closing "|". "" for lines that are too short to have one.
[[nodiscard]] std::string_view itemCommand(std::string_view line) noexcept;

// Characters 15 to 18 are "PAGE": true for page heads and for next-page and menu-end items.
[[nodiscard]] bool isPageLine(std::string_view line) noexcept;
// Same test ignoring ASCII case, for lines read from a file that may have been edited by hand.
[[nodiscard]] bool isPageLineIgnoreCase(std::string_view line) noexcept;

// Page number of a page head or page item: characters 19 and 20 read with leadingNumber(). Only
// two characters are read, so page 123 reads 12; a line that does not reach character 19, or
// that has no digit there, reads 0.
[[nodiscard]] int pageNumber(std::string_view line) noexcept;
// The same two characters read with numericValue(), as an open reads them to mark the next-page
// button and to find the highest page.
[[nodiscard]] int pageNumberIgnoringBlanks(std::string_view line) noexcept;

// Characters 17 to 20 are "PREF", i.e. the line is the head of the settings block.
[[nodiscard]] bool isSettingsBlockHead(std::string_view line) noexcept;

// Title of a page head without the closing "|": characters 21 to length - 1 when the page
// number has one digit (pages 1 to 9, and also lines that read 0), characters 22 to length - 1
// when it reads 10 or more. "" when the line ends before the title would start.
[[nodiscard]] std::string_view pageTitle(std::string_view line) noexcept;

// ---- Ending a block --------------------------------------------------------------------------

// Replaces placeholders in one line by the decimal text of `pageCount`. The line is scanned by
// character position i from 1 up to its length as it was before the scan; whenever the
// character now at position i is the placeholder it is replaced. When the count has two or more
// digits the line grows during the scan while the bound stays, so a placeholder that is pushed
// beyond the old length is left in place. Returns true when the line changed. A line without a
// placeholder is neither copied nor modified.
bool resolvePlaceholderInLine(std::string& line, int pageCount);

// Runs resolvePlaceholderInLine over every line of the document, first to last. All lines are
// scanned, not only those of the block just ended: blocks ended earlier hold no placeholder any
// more.
void resolvePlaceholder(std::vector<std::string>& lines, int pageCount);

}  // namespace vostrel::menu
