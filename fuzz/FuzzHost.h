#pragma once

// A host for the fuzz targets: every question is answered from the input, every
// dialog returns the one prepared file, nothing is shown.
#include <filesystem>
#include <optional>
#include <string>

#include "app/Host.h"
#include "app/frmWendax.h"

namespace vostrel::fuzz {

class FuzzHost : public app::Host {
public:
    std::optional<std::filesystem::path> nextFile;
    bool answerYes = false;

    app::Answer messageBox(const app::MessageRequest& request) override {
        if (request.buttons == app::MessageButtons::Ok) return app::Answer::Ok;
        return answerYes ? app::Answer::Yes : app::Answer::No;
    }
    std::optional<std::filesystem::path> fileDialog(const app::FileDialogRequest&) override {
        auto file = nextFile;
        nextFile.reset();
        return file;
    }
    std::string inputBox(const std::string&, const std::string&) override { return {}; }
    void openUrl(const std::string&) override {}
};

// A program folder of its own per fuzzing process.
std::filesystem::path scratchFolder();

// A main window that has run its start-up in the scratch folder; it lives for
// the whole fuzzing process, as the window lives for a whole run of the editor.
app::frmWendax* loadedForm(FuzzHost& host);

}  // namespace vostrel::fuzz
