#include "TestHost.h"

#include <stdexcept>

namespace vostrel::testsupport {

TestHost::AnswerRule TestHost::answering(app::Answer question, app::Answer unsavedWork) {
    return [question, unsavedWork](const app::MessageRequest& request) {
        switch (request.buttons) {
            case app::MessageButtons::YesNo: return question;
            case app::MessageButtons::SaveDiscardCancel: return unsavedWork;
            case app::MessageButtons::Ok: break;
        }
        return app::Answer::Ok;
    };
}

TestHost::AnswerRule TestHost::refusingBoxes() {
    return [](const app::MessageRequest& request) -> app::Answer {
        throw std::runtime_error("unexpected message box: " + request.text);
    };
}

TestHost::FileRule TestHost::refusingDialogs() {
    return [](const app::FileDialogRequest& request) -> std::optional<std::filesystem::path> {
        throw std::runtime_error("unexpected file dialog: " + request.title);
    };
}

app::Answer TestHost::messageBox(const app::MessageRequest& request) {
    messages.push_back(request);
    app::Answer answer;
    if (queuedAnswers.empty()) {
        answer = answerRule(request);
    } else {
        answer = queuedAnswers.front();
        queuedAnswers.pop_front();
    }
    answers.push_back(answer);
    return answer;
}

std::optional<std::filesystem::path> TestHost::fileDialog(const app::FileDialogRequest& request) {
    fileDialogs.push_back(request);
    if (queuedFiles.empty()) return fileRule(request);
    auto answer = queuedFiles.front();
    queuedFiles.pop_front();
    return answer;
}

void TestHost::clearLogs() {
    messages.clear();
    answers.clear();
    fileDialogs.clear();
    urls.clear();
}

std::string TestHost::inputBox(const std::string&, const std::string&) { return inputAnswer; }

void TestHost::openUrl(const std::string& target) { urls.push_back(target); }

}  // namespace vostrel::testsupport
