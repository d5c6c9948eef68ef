#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "controls/Language.h"

// What the menu check reports: one finding per fault, with the line it sits on and a text in
// each interface language, so that the window and the command-line tool can show it in the
// user's language without running the check again.
namespace vostrel::check {

enum class Severity {
    Error,    // the navigation software refuses the menu or shows it wrongly
    Warning,  // the menu loads, but something in it is very likely not what the user meant
};

using Language = controls::Language;

// One text in the three interface languages.
struct Message {
    std::string german;
    std::string english;
    std::string french;

    [[nodiscard]] const std::string& in(Language language) const noexcept {
        switch (language) {
            case Language::German: return german;
            case Language::French: return french;
            case Language::English: break;
        }
        return english;
    }
};

struct Finding {
    int line = 0;  // 1-based; 0 when the fault concerns the whole file
    Severity severity = Severity::Error;
    std::string rule;  // stable kebab-case name, e.g. "byte-order-mark"
    Message message;
};

// Every rule name the check can report, in the order the rules run.
[[nodiscard]] const std::vector<std::string_view>& ruleNames();

// "error"/"warning" in the given language, for printing a finding.
[[nodiscard]] std::string_view severityWord(Severity severity, Language language) noexcept;

}  // namespace vostrel::check
