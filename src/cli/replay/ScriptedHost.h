#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "app/Host.h"

namespace vostrel::cli {

// A queued answer that does not fit the question asked (Yes for a
// Save/Discard/Cancel question, or the other way round): the scenario is wrong.
class MismatchedAnswer : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// The Host of a scenario: the user's answers are queued before the program asks for them,
// and everything the program showed is logged for the state dump.
class ScriptedHost : public app::Host {
public:
    explicit ScriptedHost(std::filesystem::path programFolder) : programFolder_(std::move(programFolder)) {}

    void queueAnswer(bool yes) { answers_.push_back(yes ? app::Answer::Yes : app::Answer::No); }
    // Save, Discard or Cancel for the question asked before unsaved work is dropped.
    void queueChoice(app::Answer choice) { answers_.push_back(choice); }
    // `path` as the scenario wrote it; nothing for a cancelled dialog.
    void queueDialog(std::optional<std::string> path) { dialogResults_.push_back(std::move(path)); }
    void queueInput(std::string text) { inputs_.push_back(std::move(text)); }

    // A new run of the program starts with empty logs; queued answers stay, since a scenario
    // may queue them for the start-up that follows.
    void clearLogs();

    // Queued answers nobody asked for, described for the user; empty when all were used.
    std::string leftovers() const;

    const nlohmann::json& messages() const { return messages_; }
    const nlohmann::json& dialogs() const { return dialogs_; }
    const nlohmann::json& shell() const { return shell_; }

    app::Answer messageBox(const app::MessageRequest& request) override;
    std::optional<std::filesystem::path> fileDialog(const app::FileDialogRequest& request) override;
    std::string inputBox(const std::string& prompt, const std::string& title) override;
    void openUrl(const std::string& target) override;

private:
    app::Answer takeAnswer(app::MessageButtons buttons);

    std::filesystem::path programFolder_;
    std::deque<app::Answer> answers_;  // one queue for every kind of question, in order
    std::deque<std::optional<std::string>> dialogResults_;
    std::deque<std::string> inputs_;
    nlohmann::json messages_ = nlohmann::json::array();
    nlohmann::json dialogs_ = nlohmann::json::array();
    nlohmann::json shell_ = nlohmann::json::array();
};

}  // namespace vostrel::cli
