#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>

#include "cli/replay/Replayer.h"
#include "cli/replay/Scenario.h"

using vostrel::cli::ExpectationFailure;
using vostrel::cli::parseScenario;
using vostrel::cli::Replayer;
using vostrel::cli::ScenarioError;

namespace {

namespace fs = std::filesystem;

// Each test gets an empty program folder of its own.
class ReplayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device seed;
        folder_ = fs::temp_directory_path() / ("vostrel-replay-test-" + std::to_string(seed()));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // Runs a scenario; returns the exception message, or "" when every step passed.
    std::string run(const std::string& source, int* exitStatus = nullptr) {
        replayer_ = std::make_unique<Replayer>(folder_, output_);
        int status = 0;
        std::string message;
        try {
            replayer_->run(parseScenario(source));
        } catch (const ScenarioError& e) {
            status = 2;
            message = e.what();
        } catch (const ExpectationFailure& e) {
            status = 1;
            message = e.what();
        }
        if (exitStatus) *exitStatus = status;
        return message;
    }

    std::string fileBytes(const std::string& name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path folder_;
    std::ostringstream output_;
    std::unique_ptr<Replayer> replayer_;
};

TEST_F(ReplayerTest, ExpectFailuresNameLinePointerAndBothValues) {
    struct Case {
        std::string scenario;
        std::string message;
    };
    // expect-path reads `/` in every text of its value as the system's separator, which JSON
    // writes escaped where it is a backslash.
    const std::string sep = std::filesystem::path::preferred_separator == '/' ? "/" : "\\\\";
    const Case cases[] = {
        {"start\nexpect /height 1", "line 2: expect /height: expected 1, actual 8085"},
        {"start\n\nexpect /nothing/here \"x\"",
         "line 3: expect /nothing/here: expected \"x\", actual missing"},
        {"start\nexpect /imgWXMenu/115 \"\"", "line 2: expect /imgWXMenu/115: expected \"\", actual missing"},
        {"start\nexpect /caption/deeper 1", "line 2: expect /caption/deeper: expected 1, actual missing"},
        {"file a.txt \"x\"\nexpect-file a.txt \"y\"",
         "line 2: expect-file a.txt: expected \"y\", actual \"x\""},
        {"expect-file none.txt \"\"", "line 1: expect-file none.txt: expected \"\", actual missing"},
        {"start\nexpect-path /messages [\"a/b\", {\"c\": \"/d\"}, 1]",
         "line 2: expect-path /messages: expected [\"a" + sep + "b\",{\"c\":\"" + sep + "d\"},1], actual []"},
    };
    for (const auto& c : cases) {
        int status = 0;
        EXPECT_EQ(run(c.scenario, &status), c.message) << c.scenario;
        EXPECT_EQ(status, 1) << c.scenario;
    }
}

TEST_F(ReplayerTest, StepsThatNeedAWindowAreRefusedWithoutOne) {
    const char* cases[] = {
        "dump",
        "expect /caption \"\"",
        "click cmdWXButton 3",
        "start\nclose\nclick cmdWXButton 3",  // closed: the state stays readable, not usable
        "start\nmenu mnuDEnde\nselect 0",     // Ende closes like the close box
        "start\nclose\nclose",
        "start\nclick cmdWXButton 2",  // indexes 2, 6 and 8 do not exist
        "start\nclick imgMenH 6",
        "start\nmenu mnuLeer1",  // separators are not menu items
        "start\nstart",          // a second run while the first one is running
        "start\ncrash\nclick cmdWXButton 3",
        // an answer of the wrong kind for the question asked
        "start\nclick imgWXMenu 35\nanswer yes\nclose",
        "start\nclick imgWXMenu 35\nanswer save\nmenu mnuDMenuLoesch",
    };
    for (const char* scenario : cases) {
        int status = 0;
        run(scenario, &status);
        EXPECT_EQ(status, 2) << scenario;
    }
}

TEST_F(ReplayerTest, UnknownMenuItemIsRefusedBeforeAnythingRuns) {
    int status = 0;
    const auto message = run("file marker.txt \"x\"\nstart\nmenu mnuNowhere", &status);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(message.rfind("line 3: ", 0), 0u) << message;
    EXPECT_FALSE(fs::exists(folder_ / "marker.txt"));
}

TEST_F(ReplayerTest, UnusedAnswersFailTheScenario) {
    const char* cases[] = {"answer yes", "start\ndialog cancel", "input \"x\"\nstart\nclose"};
    for (const char* scenario : cases) {
        int status = 0;
        const auto message = run(scenario, &status);
        EXPECT_EQ(status, 1) << scenario;
        EXPECT_NE(message.find("unused"), std::string::npos) << message;
    }
}

TEST_F(ReplayerTest, FileStepWritesWindows1252WithRawHexBytes) {
    EXPECT_EQ(run("file sub/x.txt \"ä\\xE4\\x81\\r\\n\""), "");
    EXPECT_EQ(fileBytes("sub/x.txt"), "\xE4\xE4\x81\r\n");
    EXPECT_EQ(run("remove sub/x.txt\nremove never-there.txt"), "");
    EXPECT_FALSE(fs::exists(folder_ / "sub/x.txt"));
}

TEST_F(ReplayerTest, DisabledControlsTakeNoUserClicks) {
    // Auto-run leaves the next-page button disabled: a user's click must not add a page.
    ASSERT_EQ(run("start\nclick cmdWXButton 0\nexpect /document/2 \"x\""),
              "line 3: expect /document/2: expected \"x\", actual missing");
}

TEST_F(ReplayerTest, DumpPrintsOneLineWithEveryKey) {
    ASSERT_EQ(run("start\ndump"), "");
    const auto text = output_.str();
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.find('\n'), text.size() - 1);
    const auto state = nlohmann::json::parse(text);
    for (const char* key : {"caption",
                            "width",
                            "height",
                            "document",
                            "cboMenu",
                            "vars",
                            "settings",
                            "cboSprachen",
                            "cmdWXButton",
                            "menu",
                            "imgWXMenu",
                            "lblWXMenu",
                            "VScroll1",
                            "VScroll2",
                            "HScroll1",
                            "Label3",
                            "Picture1",
                            "frames",
                            "cmdWXButton9Position",
                            "preview",
                            "messages",
                            "dialogs",
                            "frmWXText",
                            "frmWXInfo",
                            "shell",
                            "check",
                            "running"})
        EXPECT_TRUE(state.contains(key)) << key;
    EXPECT_EQ(state["imgWXMenu"].size(), 115u);
    EXPECT_EQ(state["lblWXMenu"].size(), 115u);
    EXPECT_EQ(state["cboSprachen"]["rows"].size(), 114u);
    for (const char* item : {"mnuDatei",          "mnuDLaden",
                             "mnuDSpeichern",     "mnuDMenuLoesch",
                             "mnuDEnde",          "mnuBearbeiten",
                             "mnuBZeileLoesch",   "mnuBZeileAendern",
                             "mnuButtons",        "mnuBHochformat",
                             "mnuEButtonSperren", "mnuEPageAuto",
                             "mnuEStandard",      "mnuECheck",
                             "mnuEReparieren",    "mnuAnleitung",
                             "mnuFrage",          "mnuInfo",
                             "mnuHistorie",       "mnuDSichern",
                             "mnuBRueckgaengig",  "mnuBWiederherstellen"})
        EXPECT_TRUE(state["menu"].contains(item)) << item;
    EXPECT_EQ(state["menu"].size(), 22u);  // separators are not items
    EXPECT_EQ(state["cmdWXButton"].size(), 8u);
    EXPECT_EQ(state["vars"].size(), 22u);
    EXPECT_EQ(state["preview"]["imgMenQ"].size(), 6u);
    EXPECT_EQ(state["vars"]["ProgramFolder"], folder_.string());
}

}  // namespace
