// What a click sequence starts from: a program folder of its own, the settings file of one
// start, and the numbers that size the runs; and a scenario's quoting of text.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include "files/Windows1252.h"

namespace click_sequences {

namespace fs = std::filesystem;

inline constexpr std::uint32_t kFirstSeed = 20240611;
inline constexpr int kRuns = 1000;
// Each click adds at most one page, so a sequence stays well below the 99 pages the format
// allows, even with the clicks that end it.
inline constexpr int kClickBudget = 90;

inline constexpr std::string_view kMenuEndItem = "MENUITEM|TASK_PAGE1|";
inline constexpr std::string_view kSettingsHead = "MENUBLOCK|BLOCK_PREF|BTM_GPS_POSITION|";

// A settings file for one start of the program.
inline std::string settingsFile(std::string_view language, bool autoRun, bool lock, bool portrait) {
    const auto flag = [](bool on) { return on ? "1" : "0"; };
    return "[Initiierung]\r\nSpracheDEF=" + std::string(language) + "\r\nAutoAblauf=" + flag(autoRun) +
           "\r\nT.mnu-path=x\r\nHochformat=" + flag(portrait) + "\r\nButtonSper=" + flag(lock) +
           "\r\nStandardRe=0\r\nXXXXXXXXXX=0\r\nXXXXXXXXXX=0\r\nXXXXXXXXXX=0\r\nXXXXXXXXXX=0\r\n";
}

inline void writeSettings(const fs::path& folder, const std::string& text) {
    std::ofstream(folder / "Zumzum.ini", std::ios::binary) << *vostrel::files::encodeWindows1252(text);
}

// Text as a quoted word of a scenario.
inline std::string scenarioWord(std::string_view text) {
    std::string word = "\"";
    for (const char c : text) {
        if (c == '\r')
            word += "\\r";
        else if (c == '\n')
            word += "\\n";
        else
            word += c;
    }
    return word + '"';
}

inline std::uint32_t environmentNumber(const char* name, std::uint32_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10)) : fallback;
}

class ProgramFolder {
public:
    ProgramFolder() {
        std::random_device seed;
        path_ = fs::temp_directory_path() / ("vostrel-check-property-" + std::to_string(seed()));
        fs::create_directories(path_);
    }
    ~ProgramFolder() {
        std::error_code ignored;
        fs::current_path(fs::temp_directory_path(), ignored);  // saving moves into the folder
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

}  // namespace click_sequences
