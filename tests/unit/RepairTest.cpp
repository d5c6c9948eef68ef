#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "check/MenuCheck.h"
#include "check/Repair.h"
#include "WorkedExampleMenu.h"

namespace {

using Lines = std::vector<std::string>;

// The worked example with its preferences item, so that the check finds nothing in it.
Lines exampleMenu() {
    Lines lines = workedExample();
    lines[3] = "MENUITEM|TASK_MENU_PREFERENCES|";
    return lines;
}

Lines edited(Lines lines, int index, std::vector<std::string> with, int remove = 1) {
    lines.erase(lines.begin() + index, lines.begin() + index + remove);
    lines.insert(lines.begin() + index, with.begin(), with.end());
    return lines;
}

// The document with the repair's changes applied run by run, as the window applies them.
Lines applied(Lines lines, const vostrel::check::Repaired& repaired) {
    for (auto c = repaired.changes.rbegin(); c != repaired.changes.rend(); ++c) {
        const auto from = repaired.lines.begin() + c->newFirst;
        lines.erase(lines.begin() + c->oldFirst, lines.begin() + c->oldFirst + c->oldCount);
        lines.insert(lines.begin() + c->oldFirst, from, from + c->newCount);
    }
    return lines;
}

struct RepairCase {
    const char* name;
    Lines damaged;
    Lines expected;
};

std::vector<RepairCase> repairCases() {
    const Lines ex = exampleMenu();
    Lines twiceUtf8 = ex;  // "ü" converted to UTF-8 twice, read as Windows-1252
    Lines onceUtf8 = ex;   // "ü" saved as UTF-8, read as Windows-1252
    for (auto& line : twiceUtf8)
        if (const auto at = line.find("ü"); at != std::string::npos) line.replace(at, 2, "ÃƒÂ¼");
    Lines markedStart = {"", "  "};  // a mark on each of many pieces joined by hand
    for (int i = 0; i < 12; ++i) markedStart.insert(markedStart.end(), {"\xC3\xAF\xC2\xBB\xC2\xBF ", ""});
    markedStart.push_back(" " + ex[0]);
    for (auto& line : onceUtf8)
        if (const auto at = line.find("ü"); at != std::string::npos) line.replace(at, 2, "Ã¼");
    return {
        {"clean menu untouched", ex, ex},
        {"several faults in one line", edited(ex, 6, {" menuitem|task_show_map\t"}), ex},
        {"menu-end where a page follows becomes the next-page item", edited(ex, 4, {ex[7]}), ex},
        {"next-page item left at the end of the last block becomes menu-end",
         edited(ex, 11, {"MENUITEM|TASK_PAGE4|"}), ex},
        {"next-page item deleted, later pages renumbered by hand",
         edited(edited(ex, 9, {"MENUPAGE|TASK_PAGE7|Einstellungen 1/1|"}), 4, {}), ex},
        {"page moved out of its block: titles counted anew",
         edited(edited(ex, 5, {}, 3), 9, {ex[5], ex[6], ex[7]}, 0),
         {ex[0], "MENUPAGE|TASK_PAGE1|Hauptmenü 1/1|", ex[2], ex[3], "MENUITEM|TASK_PAGE1|", ex[8],
          "MENUPAGE|TASK_PAGE2|Einstellungen 1/2|", ex[10], "MENUITEM|TASK_PAGE3|",
          "MENUPAGE|TASK_PAGE3|Hauptmenü 2/2|", ex[6], ex[7]}},
        {"stray carriage return ends the line", edited(ex, 2, {ex[2] + "\r" + ex[3]}, 2), ex},
        {"block still being built", edited(edited(ex, 11, {}), 9, {"MENUPAGE|TASK_PAGE3|Einstellungen 1/§|"}),
         ex},
        {"saved as UTF-8 twice", twiceUtf8, ex},
        {"UTF-8 byte-order marks brought to the front by dropped empty lines",
         edited(onceUtf8, 0, markedStart), ex},
        {"needs a person: left alone", edited(ex, 6, {"MENUITEM|TASK_SHOW,MAP|"}),
         edited(ex, 6, {"MENUITEM|TASK_SHOW,MAP|"})},
    };
}

void PrintTo(const RepairCase& c, std::ostream* os) { *os << c.name; }

class Repair : public ::testing::TestWithParam<RepairCase> {};

TEST_P(Repair, MendsTheDamageOnceAndForAll) {
    const auto& c = GetParam();
    const auto repaired = vostrel::check::repairMenu(c.damaged);
    EXPECT_EQ(repaired.lines, c.expected);
    EXPECT_EQ(repaired.changes.empty(), c.damaged == c.expected);
    EXPECT_EQ(applied(c.damaged, repaired), repaired.lines);
    EXPECT_TRUE(vostrel::check::repairMenu(repaired.lines).changes.empty()) << "not idempotent";
}

INSTANTIATE_TEST_SUITE_P(Menus, Repair, ::testing::ValuesIn(repairCases()), [](const auto& test) {
    std::string name = test.param.name;
    for (auto& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
});

TEST(RepairLineEnds, OnlyTheBytesShowThemAndOnlyWritingMendsThem) {
    const Lines ex = exampleMenu();
    std::string bytes;
    for (const auto& line : ex) bytes += line + "\n";
    const auto repaired = vostrel::check::repairMenu(ex, bytes);
    EXPECT_TRUE(repaired.lineEndsRewritten);
    EXPECT_TRUE(repaired.changes.empty());
    EXPECT_FALSE(vostrel::check::repairMenu(ex).lineEndsRewritten);
}

// tests/check/repairs holds, for every rule with a repair, the repaired form of that rule's
// faulty menu; the menu tool's tests compare `fix` against it. The page-number limit is the one
// rule whose faulty menu cannot be repaired (it has 100 pages), so its repair has a menu of its
// own there.
TEST(RepairFiles, OneRepairedMenuPerRuleWithARepair) {
    const auto folder = std::filesystem::path(VOSTREL_TESTS_DIR) / "check";
    std::set<std::string> repaired;
    for (const auto& entry : std::filesystem::directory_iterator(folder / "repairs")) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(".repaired.mnu")) repaired.insert(name.substr(0, name.find('.')));
    }
    std::set<std::string> expected = {"page-number-above-99-renumbered"};
    for (const auto rule : vostrel::check::ruleNames())
        if (vostrel::check::ruleHasRepair(rule) && rule != "page-number-above-99")
            expected.insert(std::string(rule));
    EXPECT_EQ(repaired, expected);
}

}  // namespace
