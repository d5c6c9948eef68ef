// Queued answers in, logs out: the scenario's stand-in for the user at the dialogs.
#include "cli/replay/ScriptedHost.h"

#include "files/Paths.h"

namespace vostrel::cli {

namespace {

const char* iconName(app::MessageIcon icon) {
    switch (icon) {
        case app::MessageIcon::Warning: return "warning";
        case app::MessageIcon::Question: return "question";
        case app::MessageIcon::None: return "none";
    }
    return "none";
}

const char* answerName(app::Answer answer) {
    switch (answer) {
        case app::Answer::Ok: return "ok";
        case app::Answer::Yes: return "yes";
        case app::Answer::No: return "no";
        case app::Answer::Save: return "save";
        case app::Answer::Discard: return "discard";
        case app::Answer::Cancel: return "cancel";
    }
    return "ok";
}

const char* buttonsName(app::MessageButtons buttons) {
    switch (buttons) {
        case app::MessageButtons::Ok: return "ok";
        case app::MessageButtons::YesNo: return "yesno";
        case app::MessageButtons::SaveDiscardCancel: return "savediscardcancel";
    }
    return "ok";
}

bool isYesNo(app::Answer answer) { return answer == app::Answer::Yes || answer == app::Answer::No; }

}  // namespace

void ScriptedHost::clearLogs() {
    messages_ = nlohmann::json::array();
    dialogs_ = nlohmann::json::array();
    shell_ = nlohmann::json::array();
}

std::string ScriptedHost::leftovers() const {
    std::string text;
    auto add = [&](std::size_t count, const char* what) {
        if (count == 0) return;
        if (!text.empty()) text += ", ";
        text += std::to_string(count) + " " + what;
    };
    add(answers_.size(), "unused answer(s)");
    add(dialogResults_.size(), "unused dialog result(s)");
    add(inputs_.size(), "unused input(s)");
    return text;
}

app::Answer ScriptedHost::takeAnswer(app::MessageButtons buttons) {
    // A question nobody prepared an answer for is answered No: the cautious choice, and
    // the one that makes a forgotten `answer` visible in the log. Before unsaved work is
    // dropped the cautious choice is Save.
    const bool yesNo = buttons == app::MessageButtons::YesNo;
    if (answers_.empty()) return yesNo ? app::Answer::No : app::Answer::Save;
    const app::Answer answer = answers_.front();
    if (isYesNo(answer) != yesNo)
        throw MismatchedAnswer(std::string("the queued answer \"") + answerName(answer) +
                               "\" does not fit a " + (yesNo ? "Yes/No" : "Save/Discard/Cancel") +
                               " question");
    answers_.pop_front();
    return answer;
}

app::Answer ScriptedHost::messageBox(const app::MessageRequest& request) {
    const app::Answer answer =
        request.buttons == app::MessageButtons::Ok ? app::Answer::Ok : takeAnswer(request.buttons);
    messages_.push_back({
        {"icon", iconName(request.icon)},
        {"buttons", buttonsName(request.buttons)},
        {"title", request.title.empty() ? std::string(app::kApplicationTitle) : request.title},
        {"text", request.text},
        {"answer", answerName(answer)},
    });
    // Only a message with an informative text has the key, so that older expectations hold.
    if (!request.detail.empty()) messages_.back()["detail"] = request.detail;
    return answer;
}

std::optional<std::filesystem::path> ScriptedHost::fileDialog(const app::FileDialogRequest& request) {
    std::optional<std::string> chosen;
    if (!dialogResults_.empty()) {
        chosen = std::move(dialogResults_.front());
        dialogResults_.pop_front();
    }
    // The log keeps the path as the scenario wrote it, so that a scenario can check it
    // whatever temporary folder it runs in; the program gets the full path.
    dialogs_.push_back({
        {"kind", request.kind == app::FileDialogKind::Save ? "save" : "open"},
        {"title", request.title},
        {"filter", request.filter},
        {"fileName", files::pathToText(request.fileName)},
        {"result", chosen ? nlohmann::json(*chosen) : nlohmann::json(nullptr)},
    });
    if (!chosen) return std::nullopt;
    const auto path = files::pathFromUtf8(*chosen);
    return path.is_absolute() ? path : programFolder_ / path;
}

std::string ScriptedHost::inputBox(const std::string&, const std::string&) {
    if (inputs_.empty()) return {};
    auto text = std::move(inputs_.front());
    inputs_.pop_front();
    return text;
}

void ScriptedHost::openUrl(const std::string& target) { shell_.push_back(target); }

}  // namespace vostrel::cli
