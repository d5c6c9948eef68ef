#pragma once

// The one stand-in for the user at the program's boxes and dialogs, shared by the tests, the
// tools, the benchmarks and the fuzz targets: it answers without showing anything, from queues
// first and then from a rule, and remembers everything it was asked.
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/Host.h"

namespace vostrel::testsupport {

class TestHost : public app::Host {
public:
    using AnswerRule = std::function<app::Answer(const app::MessageRequest&)>;
    using FileRule = std::function<std::optional<std::filesystem::path>(const app::FileDialogRequest&)>;

    // Ok to a notice, `question` to a Yes/No question, `unsavedWork` to the question asked before
    // unsaved work is dropped.
    static AnswerRule answering(app::Answer question, app::Answer unsavedWork = app::Answer::Cancel);
    // A box or dialog nobody expected spoils the run: it throws, naming what was asked.
    static AnswerRule refusingBoxes();
    static FileRule refusingDialogs();

    TestHost() = default;
    explicit TestHost(AnswerRule rule) : answerRule(std::move(rule)) {}

    // Message boxes take these answers in order; once they are used up, `answerRule` answers.
    std::deque<app::Answer> queuedAnswers;
    AnswerRule answerRule = answering(app::Answer::No);
    // File dialogs take these paths in order (nothing: cancelled); then `fileRule` answers.
    std::deque<std::optional<std::filesystem::path>> queuedFiles;
    FileRule fileRule = [](const app::FileDialogRequest&) { return std::optional<std::filesystem::path>{}; };
    // What every input box returns; "" is Cancel.
    std::string inputAnswer;

    // What the program asked, in order, and what each message box was answered.
    std::vector<app::MessageRequest> messages;
    std::vector<app::Answer> answers;
    std::vector<app::FileDialogRequest> fileDialogs;
    std::vector<std::string> urls;
    // Forgets what was asked, for a host that outlives many runs.
    void clearLogs();

    app::Answer messageBox(const app::MessageRequest& request) override;
    std::optional<std::filesystem::path> fileDialog(const app::FileDialogRequest& request) override;
    std::string inputBox(const std::string& prompt, const std::string& title) override;
    void openUrl(const std::string& target) override;
};

}  // namespace vostrel::testsupport
