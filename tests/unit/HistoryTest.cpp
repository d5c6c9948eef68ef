#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>

#include "cli/replay/Replayer.h"
#include "cli/replay/Scenario.h"
#include "cli/replay/StateDump.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

constexpr const char* kManualMode =
    "file Zumzum.ini \"[Initiierung]\\r\\nSpracheDEF=Deutsch\\r\\nAutoAblauf=0\\r\\nT.mnu-path=x\\r\\n"
    "Hochformat=1\\r\\nButtonSper=0\\r\\nStandardRe=0\\r\\nX=0\\r\\nX=0\\r\\nX=0\\r\\nX=0\\r\\n\"\n";

// A run of the headless window in a program folder of its own, driven by scenario text.
class EditorRun {
public:
    EditorRun() {
        std::random_device seed;
        folder_ = fs::temp_directory_path() / ("vostrel-history-test-" + std::to_string(seed()));
        fs::create_directories(folder_);
        replayer_ = std::make_unique<vostrel::cli::Replayer>(folder_, output_);
    }
    ~EditorRun() {
        replayer_.reset();
        fs::remove_all(folder_);
    }
    EditorRun(const EditorRun&) = delete;
    EditorRun& operator=(const EditorRun&) = delete;

    void steps(const std::string& text) { replayer_->run(vostrel::cli::parseScenario(text)); }
    const vostrel::app::frmWendax& form() const { return *replayer_->form(); }

    // The dump without what undo leaves alone by design: the logs and MessageText.
    json state() const {
        json s = vostrel::cli::dumpState(form(), replayer_->host(), replayer_->running());
        for (const char* log : {"messages", "dialogs", "shell"}) s.erase(log);
        s["vars"].erase("MessageText");
        for (const char* item : {"mnuBRueckgaengig", "mnuBWiederherstellen"}) s["menu"].erase(item);
        return s;
    }

private:
    fs::path folder_;
    std::ostringstream output_;
    std::unique_ptr<vostrel::cli::Replayer> replayer_;
};

// The keys a step restores when the language changed with it: the language
// itself and what is worded in it stay as the switch left them.
json restoredKeys(const json& s) {
    json vars = s["vars"];
    for (const char* flag : {"LanguageGerman", "LanguageEnglish", "LanguageFrench"}) vars.erase(flag);
    json colours = json::array();
    for (const auto& label : s["lblWXMenu"]) colours.push_back(label["color"]);
    return {{"document", s["document"]},    {"listIndex", s["cboMenu"]["listIndex"]},
            {"text", s["cboMenu"]["text"]}, {"vars", vars},
            {"colours", colours},           {"caption", s["caption"]},
            {"preview", s["preview"]},      {"VScroll2", s["VScroll2"]},
            {"HScroll1", s["HScroll1"]}};
}

struct StepCase {
    const char* name;
    std::string setup;
    std::string action;
    bool languageChanges = false;
};

TEST(History, UndoRestoresTheStateBeforeEachKindOfStepAndRedoTheStateAfter) {
    const std::string manual = std::string(kManualMode) +
                               "start\nclick cmdWXButton 3\nclick imgWXMenu 35\n"
                               "click imgWXMenu 63\nclick imgWXMenu 20\n";
    const StepCase cases[] = {
        {"command click", manual, "click imgWXMenu 72\n"},
        {"control button", manual, "click cmdWXButton 0\n"},
        {"change line", manual + "select 3\ntype \"MENUITEM|TASK_TYPED|\"\n", "menu mnuBZeileAendern\n"},
        {"delete line", manual + "select 3\n", "menu mnuBZeileLoesch\n"},
        {"move line", manual + "select 3\nfocus VScroll2\n", "scroll VScroll2 2\n"},
        {"delete menu", manual, "answer yes\nmenu mnuDMenuLoesch\n"},
        {"language switch", manual, "answer yes\nclick cmdWXButton 5\n", true},
        {"after a language switch", manual + "answer yes\nclick cmdWXButton 7\nclick cmdWXButton 3\n",
         "click imgWXMenu 40\n"},
        {"inside auto-run", "start\nclick imgWXMenu 35\n", "click imgWXMenu 63\n"},
        {"auto-run delete begins a block", "start\nclick imgWXMenu 35\n",
         "answer yes\nmenu mnuDMenuLoesch\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EditorRun run;
        run.steps(c.setup);
        const json before = run.state();
        run.steps(c.action);
        const json after = run.state();
        ASSERT_NE(before["document"], after["document"]);
        ASSERT_TRUE(run.form().mnuBRueckgaengig.enabled());
        run.steps("menu mnuBRueckgaengig\n");
        if (c.languageChanges) {
            EXPECT_EQ(restoredKeys(run.state()), restoredKeys(before));
            EXPECT_EQ(run.state()["vars"]["LanguageEnglish"], true);  // the language stays
        } else {
            EXPECT_EQ(run.state(), before);
        }
        EXPECT_TRUE(run.form().mnuBWiederherstellen.enabled());
        run.steps("menu mnuBWiederherstellen\n");
        EXPECT_EQ(run.state(), after);
        EXPECT_FALSE(run.form().mnuBWiederherstellen.enabled());
    }
}

TEST(History, OptionsOpeningAndANewRunEmptyTheHistory) {
    const char* resets[] = {
        "menu mnuEPageAuto\n",  // switching auto-run off empties the document
        "file other.mnu \"MENUITEM|TASK_ABOUT|\\r\\n\"\nanswer discard\ndialog other.mnu\nmenu mnuDLaden\n",
        "answer discard\nclose\nstart\n",
    };
    for (const char* reset : resets) {
        SCOPED_TRACE(reset);
        EditorRun run;
        run.steps(reset == resets[0]
                      ? "start\nanswer yes\nmenu mnuDMenuLoesch\n"
                      : std::string(kManualMode) + "start\nclick cmdWXButton 3\nclick imgWXMenu 35\n");
        ASSERT_TRUE(run.form().history().canUndo());
        run.steps(reset);
        EXPECT_FALSE(run.form().history().canUndo());
        EXPECT_FALSE(run.form().mnuBRueckgaengig.enabled());
    }
}

// Random editing: every step undone to the start and redone to the end passes
// through exactly the states seen before and after it.
TEST(History, RandomStepsUndoneAndRedoneRetraceEveryState) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
        EditorRun run;
        run.steps(std::string(seed % 2 ? kManualMode : "") + "start\n");
        std::vector<std::pair<json, json>> steps;
        for (int i = 0; i < 40; ++i) {
            const int lines = run.form().cboMenu.count();
            const int line = lines > 0 ? pick(lines) : 0;
            // What the user does first (select, type) is no step; the step comes after it.
            std::string prelude = lines > 0 ? "select " + std::to_string(line) + "\n" : "";
            std::string action;
            switch (pick(7)) {
                case 0: action = "click imgWXMenu " + std::to_string(1 + pick(114)) + "\n"; break;
                case 1:
                    action = "click cmdWXButton " +
                             std::to_string(std::array{0, 3, 4, 10}[static_cast<std::size_t>(pick(4))]) +
                             "\n";
                    break;
                case 2:
                    prelude += "type \"MENUITEM|TASK_T" + std::to_string(i) + "|\"\n";
                    action = "menu mnuBZeileAendern\n";
                    break;
                case 3: action = "menu mnuBZeileLoesch\n"; break;
                case 4: action = "scroll VScroll2 " + std::to_string(line + (pick(2) ? 1 : -1)) + "\n"; break;
                case 5: action = lines > 0 ? "answer yes\nmenu mnuDMenuLoesch\n" : ""; break;
                default: action = "scroll HScroll1 " + std::to_string(pick(3)) + "\n"; break;
            }
            run.steps(prelude);
            const json before = run.state();
            const std::size_t count = run.form().history().stepCount();
            run.steps(action);
            if (run.form().history().stepCount() > count) steps.emplace_back(before, run.state());
        }
        ASSERT_GT(steps.size(), 5u);
        for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
            run.steps("menu mnuBRueckgaengig\n");
            ASSERT_EQ(run.state(), it->first) << json::diff(it->first, run.state());
        }
        for (const auto& [before, after] : steps) {
            run.steps("menu mnuBWiederherstellen\n");
            ASSERT_EQ(run.state(), after);
        }
    }
}

}  // namespace
