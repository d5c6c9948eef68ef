// vostrel-menu: checks menu files before they go to the navigation device, and prints their
// pages the way the editor's preview shows them.
//
//   vostrel-menu check FILE… [--lang de|en|fr] [--json]
//   vostrel-menu show FILE [--page N] [--lang de|en|fr]
//   vostrel-menu fix FILE [--dry-run] [--output OUT] [--lang de|en|fr]
//
// Exit status: 0 no error (warnings allowed) / page shown, 1 errors found / page not found,
// 2 a file could not be read or written, or the command line was wrong. `fix` judges the
// repaired menu.
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/Utf8Main.h"
#include "cli/menu/MenuTool.h"

namespace {

namespace menu = vostrel::cli::menu;

int runMenuTool(int argc, char** argv) {
    CLI::App app{"Checks RU6 Vostrel menu files and shows their pages.", "vostrel-menu"};
    // A file argument such as "/home/m.mnu" is a file, never a Windows-style option.
    app.allow_windows_style_options(false);
    app.require_subcommand(1);

    std::string languageCode = "en";
    const auto addLanguage = [&languageCode](CLI::App* command) {
        command->add_option("--lang", languageCode, "language of the output: de, en or fr")
            ->check(CLI::IsMember({"de", "en", "fr"}));
    };

    auto* check = app.add_subcommand("check", "check menu files for faults the device refuses");
    std::vector<std::string> checkFiles;
    bool json = false;
    check->add_option("FILE", checkFiles, "menu files to check")->required();
    check->add_flag("--json", json, "print the findings as one JSON array");
    addLanguage(check);

    auto* show = app.add_subcommand("show", "print the pages as the preview shows them");
    std::string showFile;
    show->add_option("FILE", showFile, "the menu file")->required();
    int pageNumber = 0;
    auto* pageOption =
        show->add_option("--page", pageNumber, "only this page (0: the first)")->check(CLI::Range(0, 99));
    addLanguage(show);

    auto* fix = app.add_subcommand("fix", "repair every fault that has one mechanical answer");
    std::string fixFile;
    menu::FixOptions fixOptions;
    std::string output;
    fix->add_option("FILE", fixFile, "the menu file")->required();
    fix->add_flag("--dry-run", fixOptions.dryRun, "print the repair as a unified diff, write nothing");
    auto* outputOption = fix->add_option("--output", output, "write the repaired menu here");
    addLanguage(fix);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e);
        return status == 0 ? menu::kClean : menu::kUnreadable;
    }

    const auto language = *menu::parseLanguage(languageCode);
    try {
        if (check->parsed()) return menu::runCheck(checkFiles, language, json, std::cout, std::cerr);
        if (fix->parsed()) {
            if (outputOption->count() > 0) fixOptions.output = output;
            return menu::runFix(fixFile, fixOptions, language, std::cout, std::cerr);
        }
        const auto page = pageOption->count() > 0 ? std::optional<int>(pageNumber) : std::nullopt;
        return menu::runShow(showFile, page, language, std::cout, std::cerr);
    } catch (const std::exception& error) {
        // No input may abort the tool: whatever went wrong is reported as unreadable input.
        std::cout.flush();
        std::cerr << "vostrel-menu: " << error.what() << '\n';
        return menu::kUnreadable;
    }
}

}  // namespace

VOSTREL_UTF8_MAIN(runMenuTool)
