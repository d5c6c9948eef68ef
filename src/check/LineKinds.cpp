#include "check/LineKinds.h"

#include <vector>

#include "menu/LineSyntax.h"

namespace vostrel::check {

namespace {

constexpr int kNumberCeiling = 1000000;

std::vector<std::string_view> splitFields(std::string_view body) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const auto bar = body.find('|', start);
        if (bar == std::string_view::npos) {
            fields.push_back(body.substr(start));
            return fields;
        }
        fields.push_back(body.substr(start, bar - start));
        start = bar + 1;
    }
}

int numberValue(std::string_view digits) noexcept {
    int value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
        if (value >= kNumberCeiling) return kNumberCeiling;
    }
    return value;
}

bool isUpper(std::string_view text) { return menu::upperCase(text) == text; }

// "title k/m": the title is everything before the last blank, and may itself hold blanks.
bool parsePageField(std::string_view field, ParsedLine& parsed) {
    const auto blank = field.rfind(' ');
    if (blank == std::string_view::npos) return false;
    const auto fraction = field.substr(blank + 1);
    const auto slash = fraction.find('/');
    if (slash == std::string_view::npos) return false;
    const auto k = fraction.substr(0, slash);
    const auto m = fraction.substr(slash + 1);
    if (!isPlainNumber(k)) return false;
    if (!isPlainNumber(m) && m != menu::kPlaceholder) return false;
    parsed.pageInBlock = numberValue(k);
    parsed.pageCount = std::string(m);
    return true;
}

}  // namespace

bool isPlainNumber(std::string_view text) noexcept {
    if (text.empty()) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return text == "0" || text.front() != '0';
}

ParsedLine parseLine(std::string_view trimmed) {
    ParsedLine parsed;
    if (trimmed.empty()) {
        parsed.kind = LineKind::Empty;
        return parsed;
    }
    std::string_view body = trimmed;
    if (body.back() == '|')
        body.remove_suffix(1);
    else
        parsed.closingBar = false;

    const auto fields = splitFields(body);
    const std::string keyword = menu::upperCase(fields[0]);
    parsed.keywordUpper = isUpper(fields[0]);
    parsed.kind = LineKind::Unknown;

    if (keyword == "MENUBLOCK") {
        parsed.family = KeywordFamily::Block;
        if (fields.size() != 3) return parsed;
        const std::string block = menu::upperCase(fields[1]);
        if (menu::upperCase(fields[2]) != "BTM_GPS_POSITION") return parsed;
        if (block == "BLOCK_MAIN")
            parsed.kind = LineKind::MainBlockHead;
        else if (block == "BLOCK_PREF")
            parsed.kind = LineKind::SettingsBlockHead;
        else
            return parsed;
        parsed.namesUpper = isUpper(fields[1]) && isUpper(fields[2]);
        return parsed;
    }

    if (keyword == "MENUPAGE") {
        parsed.family = KeywordFamily::Page;
        if (fields.size() != 3) return parsed;
        const std::string task = menu::upperCase(fields[1]);
        constexpr std::string_view kTaskPage = "TASK_PAGE";
        if (!task.starts_with(kTaskPage)) return parsed;
        const std::string_view number = std::string_view(task).substr(kTaskPage.size());
        if (!isPlainNumber(number) || !parsePageField(fields[2], parsed)) return parsed;
        parsed.pageNumber = numberValue(number);
        parsed.namesUpper = isUpper(fields[1]);
        parsed.kind = LineKind::PageHead;
        return parsed;
    }

    if (keyword == "MENUITEM") {
        parsed.family = KeywordFamily::Item;
        if (fields.size() != 2) return parsed;
        const std::string task = menu::upperCase(fields[1]);
        constexpr std::string_view kTask = "TASK_";
        if (!task.starts_with(kTask) || task.size() == kTask.size()) return parsed;
        const std::string name = task.substr(kTask.size());
        parsed.namesUpper = isUpper(fields[1]);
        // "PAGE" followed by digits is a link; "PAGE" alone is the command of that name.
        if (name.size() > 4 && name.starts_with("PAGE") &&
            name.find_first_not_of("0123456789", 4) == std::string::npos) {
            const std::string_view number = std::string_view(name).substr(4);
            if (!isPlainNumber(number) || number == "0") return parsed;
            parsed.pageNumber = numberValue(number);
            parsed.kind = parsed.pageNumber == 1 ? LineKind::MenuEndItem : LineKind::NextPageItem;
            return parsed;
        }
        parsed.command = name;
        parsed.kind = LineKind::CommandItem;
        return parsed;
    }
    return parsed;
}

}  // namespace vostrel::check
