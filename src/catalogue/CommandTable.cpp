#include "catalogue/CommandTable.h"

#include "text/LineText.h"

namespace vostrel::catalogue {

namespace {

void appendPadded(std::string& row, std::string_view label) {
    row += label;
    for (auto n = text::charLength(label); n < kColumnWidth; ++n) row += ' ';
}

}  // namespace

std::string trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string formatCommandRow(const CommandRowData& data) {
    std::string row;
    row.reserve(120);
    appendPadded(row, data.command);
    appendPadded(row, data.german);
    appendPadded(row, data.english);
    row += data.french;
    return row;
}

std::vector<std::string> buildCommandRows() {
    std::vector<std::string> rows;
    rows.reserve(kCommandRows.size());
    for (const auto& data : kCommandRows) rows.push_back(formatCommandRow(data));
    return rows;
}

std::string rowCommand(std::string_view row) { return trimBlanks(text::charMid(row, 1, kColumnWidth)); }

bool rowLabel(std::string_view row, const controls::LanguageFlags& language, std::string& label) {
    if (language.german) {
        label = trimBlanks(text::charMid(row, kGermanColumn, kColumnWidth));
    } else if (language.english) {
        label = trimBlanks(text::charMid(row, kEnglishColumn, kColumnWidth));
    } else if (language.french) {
        label = trimBlanks(text::charMid(row, kFrenchColumn, std::string_view::npos));
    } else {
        return false;
    }
    return true;
}

}  // namespace vostrel::catalogue
