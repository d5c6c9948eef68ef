// Finding the command button of a line's command: capitals or not, the same
// button; anything that is not a whole command, none.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "app/frmWendax.h"
#include "cli/replay/ScriptedHost.h"

namespace {

namespace fs = std::filesystem;

struct Lookup {
    const char* what;
    std::string command;
    int button;
};

TEST(CommandLookupTest, CommandsAreFoundWhateverTheirCase) {
    const fs::path folder =
        fs::temp_directory_path() / ("vostrel-lookup-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    // With a language chosen, the command table names every button's command.
    std::ofstream(folder / "Zumzum.ini", std::ios::binary)
        << "[Initiierung]\r\nSpracheDEF=English\r\nAutoAblauf=0\r\nT.mnu-path=/nowhere\r\n"
           "Hochformat=1\r\nButtonSper=1\r\nStandardRe=1\r\nXXXXXXXXXX=0\r\nXXXXXXXXXX=0\r\n"
           "XXXXXXXXXX=0\r\nXXXXXXXXXX=0\r\n";
    {
        vostrel::cli::ScriptedHost host(folder);
        vostrel::app::frmWendax form(host, folder);
        form.Form_Load();
        const Lookup lookups[] = {
            {"in capitals", "NAVIGATE_TO", 35},
            {"in small letters", "navigate_to", 35},
            {"mixed", "Navigate_To", 35},
            {"another command", "SHOW_MAP", 64},
            {"a command cut short", "NAVIGATE", 0},
            {"a command run on", "NAVIGATE_TOO", 0},
            {"nothing", "", 0},
            {"longer than any command", std::string(70, 'T'), 0},
        };
        for (const Lookup& lookup : lookups)
            EXPECT_EQ(form.field.buttonOfCommand(lookup.command), lookup.button) << lookup.what;
    }
    fs::remove_all(folder);
}

}  // namespace
