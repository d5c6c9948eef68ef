#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/CommandRowData.h"
#include "controls/Language.h"

namespace vostrel::catalogue {

// The command table as the window holds it: one text row per command in four
// fixed columns, characters 1-25 the command, 26-50 German, 51-75 English and
// 76 to the end French. Rows are read back by these positions, so a label of
// exactly 25 characters runs straight into the next column.
inline constexpr std::size_t kColumnWidth = 25;
inline constexpr std::size_t kGermanColumn = 26;
inline constexpr std::size_t kEnglishColumn = 51;
inline constexpr std::size_t kFrenchColumn = 76;

// The 114 rows in table order.
std::vector<std::string> buildCommandRows();

// The row text of one command, padded to the fixed columns.
std::string formatCommandRow(const CommandRowData& row);

// Characters 1-25 of a row with blanks trimmed: the command name.
std::string rowCommand(std::string_view row);

// The label of the language whose flag is set first (German, English, French),
// blanks trimmed; false when no flag is set.
bool rowLabel(std::string_view row, const controls::LanguageFlags& language, std::string& label);

// Removes leading and trailing blanks (the blank character only).
std::string trimBlanks(std::string_view text);

}  // namespace vostrel::catalogue
