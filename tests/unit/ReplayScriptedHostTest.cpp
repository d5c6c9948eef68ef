#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "cli/replay/ScriptedHost.h"

using vostrel::app::Answer;
using vostrel::app::FileDialogKind;
using vostrel::app::MessageButtons;
using vostrel::app::MessageIcon;
using vostrel::cli::ScriptedHost;

namespace {

TEST(ReplayScriptedHost, QuestionsTakeQueuedAnswersInOrderThenNo) {
    ScriptedHost host("/prog");
    host.queueAnswer(true);
    host.queueAnswer(false);
    host.queueAnswer(true);
    // A warning box needs no answer and must not eat one meant for a question.
    EXPECT_EQ(host.messageBox({MessageIcon::Warning, MessageButtons::Ok, "", "w"}), Answer::Ok);
    const Answer expected[] = {Answer::Yes, Answer::No, Answer::Yes, Answer::No};
    for (Answer answer : expected)
        EXPECT_EQ(host.messageBox({MessageIcon::Question, MessageButtons::YesNo, "T", "q"}), answer);

    const auto& log = host.messages();
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[0], (nlohmann::json{{"icon", "warning"},
                                      {"buttons", "ok"},
                                      {"title", "RU6 Vostrel"},
                                      {"text", "w"},
                                      {"answer", "ok"}}));
    const char* answers[] = {"yes", "no", "yes", "no"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(log[i + 1]["answer"], answers[i]);
        EXPECT_EQ(log[i + 1]["icon"], "question");
        EXPECT_EQ(log[i + 1]["buttons"], "yesno");
        EXPECT_EQ(log[i + 1]["title"], "T");
    }
    EXPECT_EQ(host.leftovers(), "");
}

TEST(ReplayScriptedHost, DialogsResolveAgainstTheProgramFolderAndLogTheScenarioPath) {
    ScriptedHost host("/prog");
    host.queueDialog("menus/a.mnu");
    host.queueDialog("/abs/b.mnu");
    host.queueDialog(std::nullopt);
    struct Case {
        FileDialogKind kind;
        std::optional<std::filesystem::path> returned;
        nlohmann::json logged;
    };
    const Case cases[] = {
        {FileDialogKind::Open, "/prog/menus/a.mnu", "menus/a.mnu"},
        {FileDialogKind::Save, "/abs/b.mnu", "/abs/b.mnu"},
        {FileDialogKind::Save, std::nullopt, nullptr},  // queued cancel
        {FileDialogKind::Open, std::nullopt, nullptr},  // nothing queued: cancelled
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        EXPECT_EQ(host.fileDialog({c.kind, "Title", "Menu|*.mnu", "Wendax.mnu", "/start"}), c.returned);
        const auto& entry = host.dialogs().at(i);
        EXPECT_EQ(entry["result"], c.logged);
        EXPECT_EQ(entry["kind"], c.kind == FileDialogKind::Save ? "save" : "open");
        EXPECT_EQ(entry["filter"], "Menu|*.mnu");
        EXPECT_EQ(entry["fileName"], "Wendax.mnu");
    }
}

TEST(ReplayScriptedHost, InputsShellAndLeftoversAcrossRuns) {
    ScriptedHost host("/prog");
    host.queueInput("first");
    host.queueAnswer(true);
    EXPECT_EQ(host.inputBox("prompt", "title"), "first");
    EXPECT_EQ(host.inputBox("prompt", "title"), "");
    host.openUrl("mailto:someone@example.org");
    host.messageBox({MessageIcon::None, MessageButtons::Ok, "", "x"});
    EXPECT_EQ(host.shell(), nlohmann::json::array({"mailto:someone@example.org"}));

    // A new run forgets what was shown but keeps answers queued for it.
    host.clearLogs();
    EXPECT_TRUE(host.messages().empty());
    EXPECT_TRUE(host.shell().empty());
    EXPECT_EQ(host.leftovers(), "1 unused answer(s)");
    host.queueDialog("x");
    EXPECT_EQ(host.leftovers(), "1 unused answer(s), 1 unused dialog result(s)");
}

}  // namespace
