#include "files/SettingsFile.h"

#include "files/TextFile.h"
#include "files/Windows1252.h"

namespace vostrel::files {

namespace {

struct SettingsRow {
    SettingsKey key;
    std::string_view name;
    std::string_view standardValue;
};

// Every settings line in file order: its key and the value of a fresh file.
constexpr SettingsRow kSettingsRows[] = {
    {SettingsKey::Language, "SpracheDEF", "Deutsch"},
    {SettingsKey::AutoRun, "AutoAblauf", "1"},
    {SettingsKey::MenuFolder, "T.mnu-path", "xxxxxxxxxxxxxxxxxx"},
    {SettingsKey::Portrait, "Hochformat", "1"},
    {SettingsKey::ButtonLock, "ButtonSper", "1"},
    {SettingsKey::StandardLayout, "StandardRe", "1"},
};
constexpr int kUnusedLines = 4;

}  // namespace

std::string_view settingsKeyName(SettingsKey key) { return kSettingsRows[static_cast<int>(key) - 1].name; }

std::string settingsLine(SettingsKey key, std::string_view value) {
    std::string line(settingsKeyName(key));
    line += '=';
    line += value;
    return line;
}

const std::vector<std::string>& standardSettings() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> result{"[Initiierung]"};
        for (const auto& row : kSettingsRows) result.push_back(settingsLine(row.key, row.standardValue));
        result.insert(result.end(), kUnusedLines, "XXXXXXXXXX=0");
        return result;
    }();
    return lines;
}

std::vector<std::string> readSettingsLines(const std::filesystem::path& file) {
    std::vector<std::string> lines;
    const auto bytes = readFileBytes(file);
    if (!bytes) return lines;
    for (auto& line : splitLines(*bytes)) {
        // A blank line ends the settings, as it always has.
        if (line.find_first_not_of(' ') == std::string::npos) break;
        lines.push_back(decodeWindows1252(line));
    }
    return lines;
}

bool writeSettingsLines(const std::filesystem::path& file, const std::vector<std::string>& lines,
                        std::string& error) {
    const auto& standard = standardSettings();
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto encoded = encodeWindows1252(lines[i]);
        if (!encoded) encoded = encodeWindows1252(i < standard.size() ? standard[i] : standard.back());
        bytes += *encoded;
        bytes += "\r\n";
    }
    return replaceFileAtomically(file, bytes, error);
}

}  // namespace vostrel::files
