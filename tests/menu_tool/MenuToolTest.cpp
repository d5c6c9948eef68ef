// Built by the menu tool's own test target (cmake/MenuTool.cmake), which defines the folder of
// the test menus.

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <ostream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/menu/MenuTool.h"
#include "cli/menu/PagePreview.h"
#include "files/TextFile.h"

namespace {

namespace menu = vostrel::cli::menu;
using vostrel::check::Language;

const std::string kData = VOSTREL_CHECK_DATA_DIR;
const std::string kExample = kData + "/example_de.mnu";
const std::string kWorked = kData + "/worked_example.mnu";
const std::string kHandEdited = kData + "/hand_edited.mnu";
const std::string kMissing = kData + "/no_such_file.mnu";

struct Run {
    int status;
    std::string out;
    std::string err;
};

Run check(const std::vector<std::string>& files, Language language = Language::English, bool json = false) {
    std::ostringstream out, err;
    const int status = menu::runCheck(files, language, json, out, err);
    return {status, out.str(), err.str()};
}

Run show(const std::string& file, std::optional<int> page, Language language) {
    std::ostringstream out, err;
    const int status = menu::runShow(file, page, language, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

struct StatusCase {
    const char* name;
    std::vector<std::string> files;
    int status;
    std::size_t outputLines;
    bool errOutput;
};

// Names the case instead of dumping its bytes when it fails.
void PrintTo(const StatusCase& c, std::ostream* os) { *os << c.name; }

class MenuToolCheckStatus : public ::testing::TestWithParam<StatusCase> {};

TEST_P(MenuToolCheckStatus, ExitStatusAndOutput) {
    const auto& c = GetParam();
    const auto run = check(c.files);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(linesOf(run.out).size(), c.outputLines) << run.out;
    EXPECT_EQ(!run.err.empty(), c.errOutput) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Files, MenuToolCheckStatus,
    ::testing::Values(StatusCase{"CleanMenu", {kExample}, menu::kClean, 0, false},
                      StatusCase{"OnlyAWarning", {kWorked}, menu::kClean, 1, false},
                      StatusCase{"Errors", {kHandEdited}, menu::kFaulty, 6, false},
                      StatusCase{"ErrorsInOneOfTwo", {kExample, kHandEdited}, menu::kFaulty, 6, false},
                      StatusCase{"Unreadable", {kMissing}, menu::kUnreadable, 0, true},
                      // An unreadable file wins over errors, and the readable files are still checked.
                      StatusCase{"UnreadableAndFaulty", {kMissing, kHandEdited}, menu::kUnreadable, 6, true}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(MenuToolCheck, PrintsFileLineSeverityMessageAndRule) {
    const auto lines = linesOf(check({kHandEdited}).out);
    ASSERT_EQ(lines.size(), 6u);
    const std::regex format(R"(^(.+):(\d+): (error|warning): (.+) \[([a-z0-9-]+)\]$)");
    for (const auto& line : lines) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(line, m, format)) << line;
        EXPECT_EQ(m[1].str(), kHandEdited);
    }
    EXPECT_EQ(lines[0],
              kHandEdited + ":4: error: The line ends in a blank after its last \"|\". [trailing-blank]");
    EXPECT_EQ(lines[2], kHandEdited +
                            ":6: warning: The task SET_VOICES is in no row of the command table; the "
                            "preview shows \"Wrong comand\". [unknown-command]");
}

TEST(MenuToolCheck, LanguageChangesSeverityWordAndMessage) {
    struct Case {
        Language language;
        const char* line4;
    };
    for (const auto& c : {Case{Language::German, ":4: Fehler: Die Zeile endet mit einem Leerzeichen"},
                          Case{Language::French, ":4: erreur: La ligne se termine par un espace"},
                          Case{Language::English, ":4: error: The line ends in a blank"}}) {
        const auto lines = linesOf(check({kHandEdited}, c.language).out);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[0].rfind(kHandEdited + c.line4, 0), 0u) << lines[0];
        EXPECT_TRUE(lines[0].ends_with("[trailing-blank]")) << "rule names are not translated";
    }
}

TEST(MenuToolCheck, JsonIsOneArrayOverAllFiles) {
    const auto run = check({kWorked, kHandEdited}, Language::French, true);
    EXPECT_EQ(run.status, menu::kFaulty);
    const auto json = nlohmann::json::parse(run.out);
    ASSERT_TRUE(json.is_array());
    ASSERT_EQ(json.size(), 7u);
    EXPECT_EQ(json[0]["file"], kWorked);
    EXPECT_EQ(json[0]["line"], 9);
    EXPECT_EQ(json[0]["severity"], "warning");
    EXPECT_EQ(json[0]["rule"], "settings-unreachable");
    EXPECT_EQ(json[1]["file"], kHandEdited);
    EXPECT_EQ(json[1]["severity"], "error") << "severity is a value for programs, never translated";
    EXPECT_EQ(json[1]["message"], "La ligne se termine par un espace après le dernier « | ».");
}

TEST(MenuToolCheck, JsonOfACleanMenuIsAnEmptyArray) {
    const auto run = check({kExample}, Language::English, true);
    EXPECT_EQ(run.status, menu::kClean);
    EXPECT_EQ(nlohmann::json::parse(run.out), nlohmann::json::array());
}

TEST(MenuToolLanguage, OnlyTheThreeCodes) {
    EXPECT_EQ(menu::parseLanguage("de"), Language::German);
    EXPECT_EQ(menu::parseLanguage("en"), Language::English);
    EXPECT_EQ(menu::parseLanguage("fr"), Language::French);
    for (const char* code : {"", "DE", "it", "deu", "english"})
        EXPECT_FALSE(menu::parseLanguage(code).has_value()) << code;
}

TEST(MenuToolShow, AllPagesOfTheExampleInGerman) {
    const auto run = show(kExample, std::nullopt, Language::German);
    EXPECT_EQ(run.status, menu::kClean);
    EXPECT_EQ(run.out,
              "Seite 1: Hauptmenü 1/2\n"
              "[1] navigate_to  Navigieren zu\n"
              "[2] plan_via  Über Zwischenziel planen\n"
              "[3] show_map  Karte anzeigen\n"
              "[4] set_voice  Stimme wählen\n"
              "[5] menu_preferences  Einstellungen ändern\n"
              "[6] page  Nächste Seite\n"
              "\n"
              "Seite 2: Hauptmenü 2/2\n"
              "[1] traffic_update  Verkehr aktualisieren\n"
              "[2] switch_nightview  Nachtansicht ein/aus\n"
              "[3] page1  Menü-Ende\n"
              "[4] ?  Falscher Befehl\n"
              "[5] -\n"
              "[6] -\n"
              "\n"
              "Seite 3: Einstellungen 1/1\n"
              "[1] set_volume  Lautstärken Einstellungen\n"
              "[2] set_brightness  ZAVI Helligkeit einstell.\n"
              "[3] page1  Menü-Ende\n"
              "[4] -\n"
              "[5] -\n"
              "[6] -\n");
}

TEST(MenuToolShow, OnePageAndMissingPages) {
    struct Case {
        std::optional<int> page;
        int status;
        const char* firstLine;  // "" when nothing is printed
    };
    for (const auto& c :
         {Case{0, menu::kClean, "Page 1: Hauptmenü 1/2"}, Case{2, menu::kClean, "Page 2: Hauptmenü 2/2"},
          Case{3, menu::kClean, "Page 3: Einstellungen 1/1"}, Case{4, menu::kFaulty, ""}}) {
        const auto run = show(kExample, c.page, Language::English);
        EXPECT_EQ(run.status, c.status) << *c.page;
        const auto lines = linesOf(run.out);
        if (*c.firstLine) {
            ASSERT_EQ(lines.size(), 7u) << run.out;
            EXPECT_EQ(lines[0], c.firstLine);
        } else {
            EXPECT_TRUE(lines.empty());
            EXPECT_NE(run.err.find("no page 4"), std::string::npos) << run.err;
        }
    }
    EXPECT_EQ(show(kMissing, std::nullopt, Language::English).status, menu::kUnreadable);
}

TEST(MenuToolShow, HandEditedLinesShowAsThePreviewDrawsThem) {
    const auto run = show(kHandEdited, 1, Language::French);
    EXPECT_EQ(run.status, menu::kClean);
    // The preview reads the task up to the last character but one, so the trailing blank makes
    // "PLAN_VIA|" a wrong command; the lower-case keyword does not matter to it; the unknown task
    // and the empty line each take a place with the wrong-command text.
    EXPECT_EQ(run.out,
              "Page 1: Hauptmenü 1/2\n"
              "[1] navigate_to  Naviguer vers...\n"
              "[2] ?  Incorrect commande\n"
              "[3] show_map  Afficher la carte\n"
              "[4] ?  Incorrect commande\n"
              "[5] ?  Incorrect commande\n"
              "[6] page  Page suivante\n");
}

TEST(MenuToolShow, PagingFollowsThePreviewsPageSearch) {
    // A gap in the numbering: asking for page 2 finds page 3, and paging goes on after it.
    const std::vector<std::string> lines = {"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|",
                                            "MENUPAGE|TASK_PAGE1|Main-Menu 1/2|",
                                            "MENUITEM|TASK_ABOUT|",
                                            "MENUITEM|TASK_PAGE3|",
                                            "MENUPAGE|TASK_PAGE3|Main-Menu 2/2|",
                                            "MENUITEM|TASK_PAGE1|"};
    const auto page = menu::showPage(lines, 2, Language::English);
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->number, 3);
    EXPECT_EQ(page->places[0].caption, "menu-end");
    const auto all = menu::showAllPages(lines, Language::English);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].number, 1);
    EXPECT_EQ(all[1].number, 3);
    EXPECT_FALSE(menu::showPage(lines, 4, Language::English).has_value());
    EXPECT_TRUE(menu::showAllPages({"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"}, Language::English).empty());
}

}  // namespace

namespace {

struct FixCase {
    const char* name;
    std::string file;
    bool dryRun;
    int status;
    bool diff;         // a unified diff on `out`
    bool fileChanged;  // the menu file itself was rewritten
};

void PrintTo(const FixCase& c, std::ostream* os) { *os << c.name; }

class MenuToolFix : public ::testing::TestWithParam<FixCase> {};

// The menu is copied first: `fix` without --output writes in place.
TEST_P(MenuToolFix, StatusDiffAndWrite) {
    const auto& c = GetParam();
    const auto copy = std::filesystem::temp_directory_path() / ("vostrel-fix-" + std::string(c.name));
    std::error_code ignored;
    std::filesystem::copy_file(c.file, copy, std::filesystem::copy_options::overwrite_existing, ignored);
    const auto before = vostrel::files::readFileBytes(copy);
    std::ostringstream out, err;
    const int status = menu::runFix(copy.string(), {c.dryRun, std::nullopt}, Language::English, out, err);
    EXPECT_EQ(status, c.status) << out.str() << err.str();
    EXPECT_EQ(out.str().starts_with("--- "), c.diff) << out.str();
    EXPECT_EQ(vostrel::files::readFileBytes(copy) != before, c.fileChanged);
    std::filesystem::remove(copy, ignored);
}

INSTANTIATE_TEST_SUITE_P(
    Menus, MenuToolFix,
    ::testing::Values(
        FixCase{"CleanMenuUntouched", kExample, false, menu::kClean, false, false},
        FixCase{"RepairedInPlace", kData + "/rules/keyword-case.mnu", false, menu::kClean, false, true},
        FixCase{"DryRunWritesNothing", kData + "/rules/keyword-case.mnu", true, menu::kClean, true, false},
        FixCase{"ErrorNeedingAPersonLeft", kData + "/rules/comma.mnu", false, menu::kFaulty, false, false},
        FixCase{"Unreadable", kMissing, false, menu::kUnreadable, false, false}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
