#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "check/Finding.h"

// The commands of vostrel-menu, with their output going to streams the caller chooses, so that
// they run the same from the command line and from tests.
namespace vostrel::cli::menu {

// Exit statuses of the tool.
inline constexpr int kClean = 0;       // no error (warnings allowed); page shown
inline constexpr int kFaulty = 1;      // at least one error; page not found
inline constexpr int kUnreadable = 2;  // a file could not be read

// "de", "en" or "fr"; nothing for anything else.
[[nodiscard]] std::optional<check::Language> parseLanguage(std::string_view code);

// `check FILE…`: one line per finding, "FILE:LINE: severity: message [rule]", or with `json`
// one JSON array of all findings of all files. Files that cannot be read are named on `err`.
int runCheck(const std::vector<std::string>& files, check::Language language, bool json, std::ostream& out,
             std::ostream& err);

struct FixOptions {
    bool dryRun = false;                // print a unified diff, write nothing
    std::optional<std::string> output;  // write here instead of in place
};

// `fix FILE`: repairs every finding that has one mechanical answer and writes the menu
// atomically (or prints the change as a unified diff), then lists what is left, which needs a
// person, as `check` lists it: on `out`, or on `err` beside a diff. kClean when no error is
// left, kFaulty otherwise, kUnreadable when the file cannot be read or written.
int runFix(const std::string& file, const FixOptions& options, check::Language language, std::ostream& out,
           std::ostream& err);

// `show FILE [--page N]`: the pages as the preview shows them, each with its title and the six
// places; without a page all pages in order. A menu without the page asked for (or without any
// page) is named on `err` and gives kFaulty.
int runShow(const std::string& file, std::optional<int> page, check::Language language, std::ostream& out,
            std::ostream& err);

}  // namespace vostrel::cli::menu
