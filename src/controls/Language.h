#pragma once

#include <string>
#include <string_view>

namespace vostrel::controls {

// The three interface-language flags. At most one is set; with none set no
// wording is chosen and a text keeps what it held.
struct LanguageFlags {
    bool german = false;
    bool english = false;
    bool french = false;

    bool any() const { return german || english || french; }
    void setOnly(bool de, bool en, bool fr) {
        german = de;
        english = en;
        french = fr;
    }

    // Assigns the wording of the first set flag (German, then English, then
    // French) to target; leaves target alone when no flag is set. Returns
    // whether a wording was taken.
    bool pick(std::string& target, std::string_view de, std::string_view en,
              std::string_view fr) const {
        if (german) target = de;
        else if (english) target = en;
        else if (french) target = fr;
        else return false;
        return true;
    }
};

// The three wordings of one text.
struct Wording {
    std::string_view german;
    std::string_view english;
    std::string_view french;
};

}  // namespace vostrel::controls
