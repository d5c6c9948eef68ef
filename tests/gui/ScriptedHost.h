#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/Host.h"

namespace vostrel::guitest {

// Answers every question without a dialog and remembers what was asked.
class ScriptedHost : public app::Host {
public:
    app::Answer messageBox(const app::MessageRequest& request) override {
        messages.push_back(request);
        if (request.buttons == app::MessageButtons::SaveDiscardCancel) return unsavedWorkAnswer;
        return request.buttons == app::MessageButtons::YesNo ? app::Answer::Yes : app::Answer::Ok;
    }
    std::optional<std::filesystem::path> fileDialog(const app::FileDialogRequest&) override {
        ++fileDialogs;
        return std::exchange(nextFileName, std::nullopt);
    }
    std::string inputBox(const std::string&, const std::string&) override { return {}; }
    void openUrl(const std::string&) override {}

    std::vector<app::MessageRequest> messages;
    int fileDialogs = 0;
    // What the next open or save dialog returns; it is cancelled when empty.
    std::optional<std::filesystem::path> nextFileName;
    // The answer to the question asked before unsaved work is dropped.
    app::Answer unsavedWorkAnswer = app::Answer::Save;
};

}  // namespace vostrel::guitest
