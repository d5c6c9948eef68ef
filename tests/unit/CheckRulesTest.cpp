#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "check/MenuCheck.h"
#include "files/Windows1252.h"
#include "WorkedExampleMenu.h"

namespace {

using vostrel::check::Finding;
using vostrel::check::Language;
using vostrel::check::Severity;
using Lines = std::vector<std::string>;

// The complete small German menu of the format description; most faulty menus below are this
// menu with one hand edit.
Lines exampleMenu() {
    return {"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|",  // 1
            "MENUPAGE|TASK_PAGE1|Hauptmenü 1/2|",      // 2
            "MENUITEM|TASK_NAVIGATE_TO|",              // 3
            "MENUITEM|TASK_PLAN_VIA|",                 // 4
            "MENUITEM|TASK_SHOW_MAP|",                 // 5
            "MENUITEM|TASK_SET_VOICE|",                // 6
            "MENUITEM|TASK_MENU_PREFERENCES|",         // 7
            "MENUITEM|TASK_PAGE2|",                    // 8
            "MENUPAGE|TASK_PAGE2|Hauptmenü 2/2|",      // 9
            "MENUITEM|TASK_TRAFFIC_UPDATE|",           // 10
            "MENUITEM|TASK_SWITCH_NIGHTVIEW|",         // 11
            "MENUITEM|TASK_PAGE1|",                    // 12
            "MENUBLOCK|BLOCK_PREF|BTM_GPS_POSITION|",  // 13
            "MENUPAGE|TASK_PAGE3|Einstellungen 1/1|",  // 14
            "MENUITEM|TASK_SET_VOLUME|",               // 15
            "MENUITEM|TASK_SET_BRIGHTNESS|",           // 16
            "MENUITEM|TASK_PAGE1|"};                   // 17
}

Lines replaced(Lines lines, int lineNumber, std::string text) {
    lines.at(static_cast<std::size_t>(lineNumber - 1)) = std::move(text);
    return lines;
}
Lines removed(Lines lines, int lineNumber) {
    lines.erase(lines.begin() + (lineNumber - 1));
    return lines;
}
// `text` becomes line `lineNumber`.
Lines inserted(Lines lines, int lineNumber, std::string text) {
    lines.insert(lines.begin() + (lineNumber - 1), std::move(text));
    return lines;
}
Lines firstLines(Lines lines, int count) {
    lines.resize(static_cast<std::size_t>(count));
    return lines;
}
Lines appended(Lines lines, const Lines& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

std::string crlfFile(const Lines& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += *vostrel::files::encodeWindows1252(line) + "\r\n";
    return bytes;
}

// A main block of `pages` pages, one command on each.
Lines longMainBlock(int pages) {
    Lines lines = {"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"};
    for (int n = 1; n <= pages; ++n) {
        if (n > 1) lines.push_back("MENUITEM|TASK_PAGE" + std::to_string(n) + "|");
        lines.push_back("MENUPAGE|TASK_PAGE" + std::to_string(n) + "|Main-Menu " + std::to_string(n) + "/" +
                        std::to_string(pages) + "|");
        lines.push_back("MENUITEM|TASK_ABOUT|");
    }
    lines.push_back("MENUITEM|TASK_PAGE1|");
    return lines;
}

// "rule@line" for every finding, in order: compact to compare and readable when a case fails.
std::vector<std::string> summary(const std::vector<Finding>& findings) {
    std::vector<std::string> out;
    for (const auto& f : findings) out.push_back(f.rule + "@" + std::to_string(f.line));
    return out;
}

struct FaultCase {
    const char* name;
    Lines lines;
    std::optional<std::string> bytes;  // when set, checked as a file: lines come from the bytes
    std::vector<std::string> expected;
};

std::vector<Finding> run(const FaultCase& c) {
    return c.bytes ? vostrel::check::checkMenuFileBytes(*c.bytes) : vostrel::check::checkMenu(c.lines);
}

std::vector<FaultCase> faultCases() {
    const Lines ex = exampleMenu();
    const std::string file = crlfFile(ex);
    std::string loneLf = file;
    loneLf.erase(loneLf.find("PLAN_VIA|\r\n") + 9, 1);  // line 4 ends in LF only
    std::string loneCr = file;
    loneCr.insert(loneCr.find("SHOW_MAP|") + 9, "\r");  // a stray CR at the end of line 5
    const Lines settingsFirst = {"MENUBLOCK|BLOCK_PREF|BTM_GPS_POSITION|",
                                 "MENUPAGE|TASK_PAGE1|Einstellungen 1/1|",
                                 "MENUITEM|TASK_SET_VOLUME|",
                                 "MENUITEM|TASK_PAGE1|",
                                 "MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|",
                                 "MENUPAGE|TASK_PAGE2|Hauptmenü 1/1|",
                                 "MENUITEM|TASK_MENU_PREFERENCES|",
                                 "MENUITEM|TASK_PAGE1|"};
    const Lines secondSettings = {"MENUBLOCK|BLOCK_PREF|BTM_GPS_POSITION|",
                                  "MENUPAGE|TASK_PAGE4|Einstellungen 1/1|", "MENUITEM|TASK_SET_VOLUME|",
                                  "MENUITEM|TASK_PAGE1|"};
    const Lines secondMain = {"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|", "MENUPAGE|TASK_PAGE4|Hauptmenü 1/1|",
                              "MENUITEM|TASK_ABOUT|", "MENUITEM|TASK_PAGE1|"};
    const Lines hundredPages = longMainBlock(100);
    Lines utf8 = ex;  // "ü" as its two UTF-8 bytes read one by one
    for (auto& line : utf8)
        if (const auto at = line.find("ü"); at != std::string::npos) line.replace(at, 2, "Ã¼");

    return {
        // ---- file level
        {"byte-order mark in the file", {}, "\xEF\xBB\xBF" + file, {"byte-order-mark@1"}},
        {"byte-order mark kept in the document", replaced(ex, 1, "ï»¿" + ex[0]), {}, {"byte-order-mark@1"}},
        {"lone LF", {}, loneLf, {"lone-lf@4"}},
        {"lone CR in the file", {}, loneCr, {"lone-cr@5"}},
        {"lone CR in the document",
         replaced(ex, 5, "MENUITEM|TASK_SHOW_\rMAP|"),
         {},
         {"lone-cr@5", "unknown-command@5"}},
        {"no line end after the last line", {}, file.substr(0, file.size() - 2), {"missing-line-end@17"}},
        {"empty line inside a page", inserted(ex, 5, ""), {}, {"empty-line@5"}},
        {"empty line too many at the end", {}, file + "\r\n", {"empty-line@18"}},
        {"line of blanks", inserted(ex, 9, "   "), {}, {"empty-line@9"}},
        {"leading blank", replaced(ex, 4, " MENUITEM|TASK_PLAN_VIA|"), {}, {"leading-blank@4"}},
        {"trailing blank", replaced(ex, 4, "MENUITEM|TASK_PLAN_VIA| "), {}, {"trailing-blank@4"}},
        {"trailing tab", replaced(ex, 10, "MENUITEM|TASK_TRAFFIC_UPDATE|\t"), {}, {"trailing-blank@10"}},
        {"saved as UTF-8 by a text editor", utf8, {}, {"utf8-as-windows-1252@2"}},
        {"UTF-8 look-alike beside genuine Windows-1252 text", replaced(utf8, 2, ex[1]), {}, {}},
        {"comma in a title", replaced(ex, 2, "MENUPAGE|TASK_PAGE1|Hauptmenü, Navi 1/2|"), {}, {"comma@2"}},
        {"double quote in a title",
         replaced(ex, 2, "MENUPAGE|TASK_PAGE1|\"Haupt\" 1/2|"),
         {},
         {"double-quote@2"}},
        // ---- line level
        {"unknown keyword", replaced(ex, 4, "MENUTEM|TASK_PLAN_VIA|"), {}, {"unknown-line-kind@4"}},
        {"item with a third field",
         replaced(ex, 4, "MENUITEM|TASK_PLAN_VIA|X|"),
         {},
         {"unknown-line-kind@4"}},
        {"item without TASK_", replaced(ex, 4, "MENUITEM|PLAN_VIA|"), {}, {"unknown-line-kind@4"}},
        {"block head with a wrong third field",
         replaced(ex, 13, "MENUBLOCK|BLOCK_PREF|BTM_GPS|"),
         {},
         {"unknown-line-kind@13"}},
        {"page head with a leading zero",
         replaced(ex, 9, "MENUPAGE|TASK_PAGE02|Hauptmenü 2/2|"),
         {},
         {"unknown-line-kind@9"}},
        {"page head without k/m, next page numbered on",
         replaced(ex, 2, "MENUPAGE|TASK_PAGE1|Hauptmenü|"),
         {},
         {"unknown-line-kind@2"}},
        {"keyword in lower case", replaced(ex, 4, "Menuitem|TASK_PLAN_VIA|"), {}, {"keyword-case@4"}},
        {"task in lower case", replaced(ex, 4, "MENUITEM|task_plan_via|"), {}, {"name-case@4"}},
        {"missing closing bar", replaced(ex, 4, "MENUITEM|TASK_PLAN_VIA"), {}, {"missing-closing-bar@4"}},
        {"task in no row of the command table",
         replaced(ex, 4, "MENUITEM|TASK_PLAN_VIAA|"),
         {},
         {"unknown-command@4"}},
        // ---- structure
        {"empty document", {}, {}, {"empty-menu@0"}},
        {"empty file", {}, std::string{}, {"empty-menu@0"}},
        {"main block head missing",
         removed(ex, 1),
         {},
         {"first-line-not-main-block@1", "settings-before-main@12"}},
        {"settings block before the main block",
         settingsFirst,
         {},
         {"first-line-not-main-block@1", "settings-before-main@1"}},
        {"block head without a page head", removed(ex, 14), {}, {"block-head-without-page@13"}},
        {"second settings block", appended(ex, secondSettings), {}, {"duplicate-block@18"}},
        {"second main block", appended(ex, secondMain), {}, {"duplicate-block@18"}},
        {"page numbers skip one",
         replaced(ex, 14, "MENUPAGE|TASK_PAGE4|Einstellungen 1/1|"),
         {},
         {"page-number-sequence@14"}},
        {"page numbers restart in the settings block",
         replaced(ex, 14, "MENUPAGE|TASK_PAGE1|Einstellungen 1/1|"),
         {},
         {"page-number-sequence@14"}},
        {"page 2 numbered 3, and the item leading to it too",
         replaced(replaced(ex, 8, "MENUITEM|TASK_PAGE3|"), 9, "MENUPAGE|TASK_PAGE3|Hauptmenü 2/2|"),
         {},
         {"page-number-sequence@9", "page-number-sequence@14"}},
        {"page number with three digits",
         hundredPages,
         {},
         {"page-number-above-99@298", "page-number-above-99@299"}},
        {"k does not match the place in the block",
         replaced(ex, 9, "MENUPAGE|TASK_PAGE2|Hauptmenü 3/2|"),
         {},
         {"page-in-block@9"}},
        {"m does not match the block's page count",
         replaced(ex, 2, "MENUPAGE|TASK_PAGE1|Hauptmenü 1/3|"),
         {},
         {"block-page-count@2"}},
        {"open placeholder",
         replaced(ex, 9, "MENUPAGE|TASK_PAGE2|Hauptmenü 2/§|"),
         {},
         {"unresolved-placeholder@9"}},
        {"page with no command", removed(removed(ex, 11), 10), {}, {"empty-page@9"}},
        {"six commands on a page", inserted(ex, 8, "MENUITEM|TASK_ABOUT|"), {}, {"too-many-commands@8"}},
        {"command moved behind the next-page item",
         replaced(replaced(ex, 7, ex[7]), 8, ex[6]),
         {},
         {"item-after-closing@8"}},
        {"next-page item deleted", removed(ex, 8), {}, {"page-not-closed@7"}},
        {"page closed by menu-end although a page follows",
         replaced(ex, 8, "MENUITEM|TASK_PAGE1|"),
         {},
         {"page-not-closed@8"}},
        {"next-page item leads to the wrong page",
         replaced(ex, 8, "MENUITEM|TASK_PAGE3|"),
         {},
         {"next-page-target@8"}},
        {"main block not ended", removed(ex, 12), {}, {"block-not-ended@11"}},
        {"last block not ended", firstLines(ex, 16), {}, {"block-not-ended@16"}},
        {"menu_preferences without a settings block",
         firstLines(ex, 12),
         {},
         {"menu-preferences-without-settings@7"}},
        {"settings block no item leads to",
         replaced(ex, 7, "MENUITEM|TASK_ABOUT|"),
         {},
         {"settings-unreachable@13"}},
    };
}

// Names the case instead of dumping its bytes when it fails.
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class CheckRules : public ::testing::TestWithParam<FaultCase> {};

TEST_P(CheckRules, ReportsExactlyTheFault) {
    const auto& c = GetParam();
    EXPECT_EQ(summary(run(c)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(FaultyMenus, CheckRules, ::testing::ValuesIn(faultCases()), [](const auto& test) {
    std::string name = test.param.name;
    for (auto& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
});

TEST(CheckRulesCoverage, EveryRuleHasAFaultyMenuAndNoOtherRuleIsReported) {
    const auto& names = vostrel::check::ruleNames();
    const std::set<std::string> known(names.begin(), names.end());
    EXPECT_EQ(known.size(), names.size()) << "rule names must be unique";
    std::set<std::string> seen;
    for (const auto& c : faultCases())
        for (const auto& f : run(c)) {
            EXPECT_TRUE(known.contains(f.rule)) << f.rule;
            seen.insert(f.rule);
        }
    EXPECT_EQ(seen, known);
}

TEST(CheckRulesMessages, ExistInAllThreeLanguagesAndDifferByLanguage) {
    for (const auto& c : faultCases())
        for (const auto& f : run(c)) {
            const auto& m = f.message;
            EXPECT_FALSE(m.german.empty() || m.english.empty() || m.french.empty()) << f.rule;
            EXPECT_NE(m.german, m.english) << f.rule;
            EXPECT_NE(m.german, m.french) << f.rule;
            EXPECT_NE(m.english, m.french) << f.rule;
            EXPECT_EQ(m.in(Language::German), m.german);
            EXPECT_EQ(m.in(Language::French), m.french);
            EXPECT_EQ(m.in(Language::English), m.english);
            EXPECT_EQ(m.english.find('{'), std::string::npos) << "unfilled argument: " << m.english;
        }
}

TEST(CheckRulesMessages, NameTheNumbersOfTheFault) {
    const auto findings = vostrel::check::checkMenu(replaced(exampleMenu(), 8, "MENUITEM|TASK_PAGE3|"));
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].message.english, "The next-page item leads to page 3, but page 2 follows.");
    EXPECT_NE(findings[0].message.german.find("Seite 3"), std::string::npos);
    EXPECT_NE(findings[0].message.french.find("page 2"), std::string::npos);
}

TEST(CheckRulesSeverity, OnlyDoubtfulThingsAreWarnings) {
    const std::set<std::string> warnings = {"missing-line-end",    "name-case",
                                            "unknown-command",     "utf8-as-windows-1252",
                                            "empty-page",          "menu-preferences-without-settings",
                                            "settings-unreachable"};
    for (const auto& c : faultCases())
        for (const auto& f : run(c))
            EXPECT_EQ(f.severity == Severity::Warning, warnings.contains(f.rule)) << f.rule;
}

TEST(CheckRulesOrder, FindingsComeInLineOrderWholeFileFirst) {
    Lines lines = replaced(exampleMenu(), 11, "MENUITEM|TASK_NOPE| ");
    lines = replaced(lines, 3, "Menuitem|TASK_NAVIGATE_TO|");
    const auto findings = vostrel::check::checkMenu(lines);
    EXPECT_EQ(summary(findings),
              (std::vector<std::string>{"keyword-case@3", "trailing-blank@11", "unknown-command@11"}));
    EXPECT_EQ(summary(vostrel::check::checkMenu({"", ""})),
              (std::vector<std::string>{"empty-menu@0", "empty-line@1", "empty-line@2"}));
}

// ---- Correct menus give no findings -------------------------------------------------------

TEST(CheckCleanMenus, ExampleMenuInAllThreeLanguages) {
    const Lines german = exampleMenu();
    Lines english = german;
    Lines french = german;
    for (int line : {2, 9}) {
        const auto k = std::to_string(line == 2 ? 1 : 2);
        english = replaced(english, line, "MENUPAGE|TASK_PAGE" + k + "|Main-Menu " + k + "/2|");
        french = replaced(french, line, "MENUPAGE|TASK_PAGE" + k + "|Menu principal " + k + "/2|");
    }
    english = replaced(english, 14, "MENUPAGE|TASK_PAGE3|Settings 1/1|");
    french = replaced(french, 14, "MENUPAGE|TASK_PAGE3|Menu préférences 1/1|");
    for (const auto& lines : {german, english, french}) {
        EXPECT_TRUE(vostrel::check::checkMenu(lines).empty()) << lines[1];
        EXPECT_TRUE(vostrel::check::checkMenu(lines, crlfFile(lines)).empty()) << lines[1];
        EXPECT_TRUE(vostrel::check::checkMenuFileBytes(crlfFile(lines)).empty()) << lines[1];
    }
}

TEST(CheckCleanMenus, WorkedExampleHasNoErrorOnlyTheUnreachableSettingsWarning) {
    const auto findings = vostrel::check::checkMenuFileBytes(crlfFile(workedExample()));
    EXPECT_FALSE(vostrel::check::hasErrors(findings));
    EXPECT_EQ(summary(findings), std::vector<std::string>{"settings-unreachable@9"});
}

TEST(CheckCleanMenus, LongMenuWithTwoDigitPageNumbers) {
    EXPECT_TRUE(vostrel::check::checkMenu(longMainBlock(99)).empty());
}

// ---- The faulty menus of the command-line tool's tests ------------------------------------

// tests/check/rules holds one faulty menu per rule, named after it; the tool's tests run the
// check on each. A rule without its menu would go untested there.
TEST(CheckRulesFiles, OneFaultyMenuPerRule) {
    const auto folder = std::filesystem::path(VOSTREL_TESTS_DIR) / "check" / "rules";
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".mnu") files.insert(entry.path().stem().string());
    const auto& names = vostrel::check::ruleNames();
    EXPECT_EQ(files, std::set<std::string>(names.begin(), names.end()));
}

}  // namespace
