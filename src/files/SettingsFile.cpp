#include "files/SettingsFile.h"

#include "files/TextFile.h"
#include "files/Windows1252.h"

namespace vostrel::files {

const std::vector<std::string>& standardSettings() {
    static const std::vector<std::string> lines = {
        "[Initiierung]",  "SpracheDEF=Deutsch", "AutoAblauf=1",
        "T.mnu-path=xxxxxxxxxxxxxxxxxx", "Hochformat=1", "ButtonSper=1",
        "StandardRe=1",   "XXXXXXXXXX=0",       "XXXXXXXXXX=0",
        "XXXXXXXXXX=0",   "XXXXXXXXXX=0",
    };
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
