#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vostrel::controls {

// The interface languages; every text the program shows exists in each.
enum class Language { German, English, French };

// The three wordings of one text.
struct Wording {
    std::string_view german;
    std::string_view english;
    std::string_view french;

    [[nodiscard]] constexpr std::string_view in(Language language) const noexcept {
        switch (language) {
            case Language::German: return german;
            case Language::French: return french;
            case Language::English: break;
        }
        return english;
    }
};

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

    // The language of the first set flag (German, then English, then French);
    // nothing when no flag is set.
    [[nodiscard]] std::optional<Language> chosen() const {
        if (german) return Language::German;
        if (english) return Language::English;
        if (french) return Language::French;
        return std::nullopt;
    }

    // Assigns the wording of the chosen language to target; leaves target
    // alone when no flag is set. Returns whether a wording was taken.
    bool pick(std::string& target, const Wording& wording) const {
        const auto language = chosen();
        if (language) target = wording.in(*language);
        return language.has_value();
    }
    bool pick(std::string& target, std::string_view de, std::string_view en, std::string_view fr) const {
        return pick(target, Wording{de, en, fr});
    }

    // The wording of the chosen language; `none` when no flag is set.
    [[nodiscard]] std::string wording(const Wording& wording, std::string none = {}) const {
        pick(none, wording);
        return none;
    }
    [[nodiscard]] std::string wording(const Wording& wording, Language fallback) const {
        return std::string(wording.in(chosen().value_or(fallback)));
    }
};

}  // namespace vostrel::controls
