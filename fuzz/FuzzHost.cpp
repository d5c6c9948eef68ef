#include "FuzzHost.h"

#include <filesystem>
#include <unistd.h>

namespace vostrel::fuzz {

std::filesystem::path scratchFolder() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / ("vostrel-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

app::frmWendax* loadedForm(FuzzHost& host) {
    auto* form = new app::frmWendax(host, scratchFolder());
    form->Form_Load();
    return form;
}

}  // namespace vostrel::fuzz
