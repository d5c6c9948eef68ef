// Every menu the editor builds by clicks alone checks without an error.
//
// A user who starts the main menu (or lets auto-run start it), adds commands, turns pages and
// ends every block started, possibly followed by the settings block, must never be told by the
// check that the menu is faulty. Random click sequences that keep to that order drive the
// headless window; each resulting menu is checked as the document holds it and as the editor
// saves it. A failing sequence is printed as a replay scenario, so it can be run again and
// stepped through with vostrel-replay.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ClickSequence.h"

namespace {

using namespace click_sequences;
namespace fs = std::filesystem;
using vostrel::app::frmWendax;

TEST(CheckProperty, EveryMenuBuiltByClicksChecksWithoutAnError) {
    const std::uint32_t firstSeed = environmentNumber("VOSTREL_CHECK_PROPERTY_SEED", kFirstSeed);
    const std::uint32_t runs = environmentNumber("VOSTREL_CHECK_PROPERTY_RUNS", kRuns);
    ProgramFolder folder;

    int failures = 0;
    std::string shortest;
    int shortestClicks = 0;
    int autoRuns = 0, settingsBlocks = 0, autoSettingsBlocks = 0, longMenus = 0, restarts = 0;
    int answers = 0, warnings = 0;
    for (std::uint32_t run = 0; run < runs; ++run) {
        ClickSequence sequence(firstSeed + run, folder.path());
        sequence.build();
        const std::string problems = sequence.verdict();
        if (!problems.empty()) {
            ++failures;
            if (shortest.empty() || sequence.clicks() < shortestClicks) {
                shortest = problems + sequence.report();
                shortestClicks = sequence.clicks();
            }
        }
        const auto& reached = sequence.reached();
        autoRuns += reached.autoRun;
        settingsBlocks += reached.settingsBlock;
        autoSettingsBlocks += reached.settingsInAutoRun;
        longMenus += reached.pages > 10;
        restarts += reached.restarted;
        answers += sequence.questions();
        warnings += sequence.warnings();
    }
    EXPECT_EQ(failures, 0) << "shortest failing sequence:\n" << shortest;

    // The property says nothing unless the sequences get where faults could hide: both modes,
    // settings blocks, long menus, full pages, answered questions and menus deleted halfway.
    if (runs >= static_cast<std::uint32_t>(kRuns)) {
        EXPECT_GT(autoRuns, static_cast<int>(runs) / 5);
        EXPECT_GT(runs - autoRuns, runs / 5);
        EXPECT_GT(settingsBlocks, static_cast<int>(runs) / 5);
        EXPECT_GT(autoSettingsBlocks, 10);
        EXPECT_GT(longMenus, 10);
        EXPECT_GT(restarts, 10);
        EXPECT_GT(answers, static_cast<int>(runs) / 2);
        EXPECT_GT(warnings, static_cast<int>(runs) / 2);  // full pages refused
    }
}

// Clicks on command buttons after a block has ended are taken, and what they add stands
// after the menu-end item. That is no menu the device accepts, and the check says so.
TEST(CheckProperty, CommandsAfterTheBlockEndedGiveAMenuTheCheckRefuses) {
    ProgramFolder folder;
    writeSettings(folder.path(), settingsFile("English", false, false, true));
    vostrel::testsupport::TestHost host;  // no question comes up: manual mode, nothing deleted
    frmWendax form(host, folder.path());
    form.Form_Load();
    form.cmdWXButton_Click(3);
    form.imgWXMenu_Click(1);
    form.cmdWXButton_Click(4);
    form.imgWXMenu_Click(2);  // after the end
    form.cmdWXButton_Click(0);
    form.imgWXMenu_Click(3);

    std::vector<std::string> found;
    for (const auto& f : vostrel::check::checkMenu(form.cboMenu.entries()))
        found.push_back(f.rule + "@" + std::to_string(f.line));
    EXPECT_EQ(found, (std::vector<std::string>{"block-page-count@2", "item-after-closing@5",
                                               "unresolved-placeholder@7", "block-not-ended@8"}))
        << ::testing::PrintToString(form.cboMenu.entries());
}

}  // namespace
