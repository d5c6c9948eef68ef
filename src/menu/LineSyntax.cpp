#include "menu/LineSyntax.h"

#include "text/AsciiCase.h"
#include "text/AsciiRun.h"
#include "text/LineText.h"

#include <climits>

namespace vostrel::menu {

using text::byteOffsetOfChar;
using text::charLength;
using text::charMidView;
using text::charWidthAt;

namespace {

// Character positions of the fixed fields, counted from 1.
constexpr std::size_t kTaskStart = 15;        // after "MENUITEM|TASK_" / "MENUPAGE|TASK_"
constexpr std::size_t kPageWordLength = 4;    // "PAGE"
constexpr std::size_t kPageNumberStart = 19;  // after "MENU....|TASK_PAGE"
constexpr std::size_t kPageNumberLength = 2;
constexpr std::size_t kBlockNameStart = 17;  // after "MENUBLOCK|BLOCK_"
constexpr std::size_t kTitleStartOneDigit = 21;
constexpr std::size_t kTitleStartTwoDigits = 22;

// Characters `first` to length - 1 of `line` (the closing separator left off), or "" when the
// line has no character at `first` before its last one.
std::string_view fieldUpToLastChar(std::string_view line, std::size_t first) noexcept {
    // An all-ASCII line, nearly every line of a menu, counts a character a byte.
    if (text::allAscii(line))
        return line.size() <= first ? std::string_view{} : line.substr(first - 1, line.size() - first);
    const std::size_t length = charLength(line);
    if (length <= first) {
        return {};
    }
    return charMidView(line, first, length - first);
}

bool resolveWithText(std::string& line, std::string_view countText) {
    std::size_t pos = line.find(kPlaceholder);
    if (pos == std::string::npos) {
        return false;
    }
    // The bound is the length before any replacement; positions refer to the line as it is
    // now. A multi-digit count therefore shifts later characters right while the bound stays,
    // and a placeholder pushed past the old length survives. Menus have always been resolved
    // this way, so the same building steps must keep giving byte-identical files.
    const std::size_t oldLength = charLength(line);
    std::size_t position = charLength(std::string_view(line).substr(0, pos)) + 1;
    while (position <= oldLength && pos < line.size()) {
        if (line.compare(pos, kPlaceholder.size(), kPlaceholder) == 0) {
            line.replace(pos, kPlaceholder.size(), countText);
            // The character now at `position` is the count's first character, a single byte.
            pos += 1;
        } else {
            pos += charWidthAt(line, pos);
        }
        ++position;
    }
    return true;
}

}  // namespace

std::string upperCase(std::string_view text) { return text::upperAscii(text); }

std::string mainBlockHead() { return "MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"; }

std::string settingsBlockHead() { return "MENUBLOCK|BLOCK_PREF|BTM_GPS_POSITION|"; }

std::string pageHead(int pageNumber, std::string_view title, int pageInBlock) {
    std::string line;
    line.reserve(kPageHeadPrefix.size() + title.size() + 12);
    line += kPageHeadPrefix;
    line += std::to_string(pageNumber);
    line += '|';
    line += title;
    line += ' ';
    line += std::to_string(pageInBlock);
    line += '/';
    line += kPlaceholder;
    line += '|';
    return line;
}

std::string commandItem(std::string_view command) {
    std::string line;
    line.reserve(kItemPrefix.size() + command.size() + 1);
    line += kItemPrefix;
    line += upperCase(command);
    line += '|';
    return line;
}

std::string nextPageItem(int pageNumber) {
    std::string line(kItemPrefix);
    line += "PAGE";
    line += std::to_string(pageNumber);
    line += '|';
    return line;
}

std::string menuEndItem() { return nextPageItem(1); }

int leadingNumber(std::string_view text) noexcept {
    std::size_t i = 0;
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (value > (INT_MAX - digit) / 10) {
            return INT_MAX;
        }
        value = value * 10 + digit;
    }
    return value;
}

int numericValue(std::string_view text) noexcept {
    const auto first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? 0 : leadingNumber(text.substr(first));
}

std::string_view itemCommand(std::string_view line) noexcept { return fieldUpToLastChar(line, kTaskStart); }

bool isPageLine(std::string_view line) noexcept {
    return charMidView(line, kTaskStart, kPageWordLength) == "PAGE";
}

bool isPageLineIgnoreCase(std::string_view line) noexcept {
    return text::equalsIgnoreAsciiCase(charMidView(line, kTaskStart, kPageWordLength), "PAGE");
}

int pageNumber(std::string_view line) noexcept {
    return leadingNumber(charMidView(line, kPageNumberStart, kPageNumberLength));
}

int pageNumberIgnoringBlanks(std::string_view line) noexcept {
    return numericValue(charMidView(line, kPageNumberStart, kPageNumberLength));
}

bool isSettingsBlockHead(std::string_view line) noexcept {
    return charMidView(line, kBlockNameStart, 4) == "PREF";
}

std::string_view pageTitle(std::string_view line) noexcept {
    const std::size_t first = pageNumber(line) >= 10 ? kTitleStartTwoDigits : kTitleStartOneDigit;
    return fieldUpToLastChar(line, first);
}

bool resolvePlaceholderInLine(std::string& line, int pageCount) {
    return resolveWithText(line, std::to_string(pageCount));
}

void resolvePlaceholder(std::vector<std::string>& lines, int pageCount) {
    const std::string countText = std::to_string(pageCount);
    for (std::string& line : lines) {
        resolveWithText(line, countText);
    }
}

}  // namespace vostrel::menu
