// Menus built by clicks, then damaged as hand edits damage them (lines deleted, moved, changed),
// then repaired: no finding that has a repair may be left, a second repair must change nothing,
// and a menu without such a finding must come back untouched.
#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>
#include <vector>

#include "ClickSequence.h"
#include "check/Repair.h"

namespace {

using namespace click_sequences;

// What a hand edit does to a line: the faults users make when they edit a menu as text.
std::string damagedLine(std::string line, std::mt19937& random) {
    const auto pick = [&](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    switch (pick(6)) {
        case 0:
            for (auto& c : line) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            return line;
        case 1: return (pick(2) ? " " : "\t") + line;
        case 2: return line + (pick(2) ? " " : "\t");
        case 3:
            if (line.ends_with('|')) line.pop_back();
            return line;
        case 4: {
            // Another page number where the line has one.
            const auto digits = line.find_first_of("0123456789");
            if (digits == std::string::npos || !line.starts_with("MENU")) return line;
            const auto end = std::min(line.find('|', digits), line.size());
            return line.substr(0, digits) + std::to_string(1 + pick(99)) + line.substr(end);
        }
        default: return pick(2) ? "" : "  ";
    }
}

std::vector<std::string> damaged(std::vector<std::string> lines, std::mt19937& random) {
    const auto pick = [&](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    const int edits = 1 + pick(4);
    for (int e = 0; e < edits && !lines.empty(); ++e) {
        const auto at = static_cast<std::size_t>(pick(static_cast<int>(lines.size())));
        switch (pick(3)) {
            case 0: lines.erase(lines.begin() + static_cast<long>(at)); break;
            case 1: {
                std::string moved = std::move(lines[at]);
                lines.erase(lines.begin() + static_cast<long>(at));
                lines.insert(lines.begin() + pick(static_cast<int>(lines.size()) + 1), std::move(moved));
                break;
            }
            default: lines[at] = damagedLine(lines[at], random); break;
        }
    }
    return lines;
}

// The findings a repair should have mended, "rule@line" each.
std::vector<std::string> repairableLeft(const std::vector<std::string>& lines) {
    std::vector<std::string> left;
    for (const auto& f : vostrel::check::checkMenu(lines))
        if (vostrel::check::ruleHasRepair(f.rule)) left.push_back(f.rule + "@" + std::to_string(f.line));
    return left;
}

TEST(RepairProperty, MendsDamagedMenusOnceAndLeavesCleanOnesAlone) {
    const std::uint32_t firstSeed = environmentNumber("VOSTREL_CHECK_PROPERTY_SEED", kFirstSeed);
    const std::uint32_t runs = environmentNumber("VOSTREL_CHECK_PROPERTY_RUNS", kRuns);
    ProgramFolder folder;
    int failures = 0, repairedMenus = 0;
    std::string first;
    for (std::uint32_t run = 0; run < runs; ++run) {
        ClickSequence sequence(firstSeed + run, folder.path());
        sequence.build();
        const auto& built = sequence.document();
        std::string problems;
        if (vostrel::check::repairMenu(built).changesAnything() && repairableLeft(built).empty())
            problems += "a menu without a repairable finding was changed\n";
        std::mt19937 random(firstSeed + run);
        const auto broken = damaged(built, random);
        const auto repaired = vostrel::check::repairMenu(broken);
        repairedMenus += repaired.changesAnything();
        for (const auto& left : repairableLeft(repaired.lines)) problems += "left: " + left + "\n";
        if (vostrel::check::repairMenu(repaired.lines).changesAnything())
            problems += "a second repair changed the menu\n";
        if (problems.empty()) continue;
        if (++failures == 1) {
            first = problems + "seed " + std::to_string(firstSeed + run) + "\n---- damaged\n";
            for (const auto& line : broken) first += line + "\n";
            first += "---- repaired\n";
            for (const auto& line : repaired.lines) first += line + "\n";
        }
    }
    EXPECT_EQ(failures, 0) << first;
    if (runs >= static_cast<std::uint32_t>(kRuns)) {
        EXPECT_GT(repairedMenus, static_cast<int>(runs) / 2);
    }
}

}  // namespace
