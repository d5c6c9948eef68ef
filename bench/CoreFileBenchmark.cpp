// Opening and saving a very large menu through the handlers a user reaches
// with F2 and F4: read, decode, mark the used commands and scan the pages;
// and encode and replace the file. Each is timed as a whole, warm cache.
//
//   vostrel_bench_core_files generate FILE LINES
//   vostrel_bench_core_files open-save FILE RUNS
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>

#include "app/frmWendax.h"
#include "bench/BenchSupport.h"

using namespace vostrel;

namespace {

struct Editor {
    testsupport::TestHost host = bench::queuedHost();
    std::unique_ptr<app::frmWendax> form;

    explicit Editor(const std::filesystem::path& folder) {
        form = std::make_unique<app::frmWendax>(host, folder);
        form->Form_Load();
    }
};

int openSave(const std::filesystem::path& file, int runs) {
    const auto folder = std::filesystem::temp_directory_path() / "vostrel-bench-core-files";
    std::filesystem::create_directories(folder);
    const auto saved = file.parent_path() / (file.stem().native() + ".saved.mnu");
    std::vector<double> opens;
    std::vector<double> saves;
    int lines = 0;
    // One extra round first, so both the file and the allocator are warm.
    for (int run = 0; run <= runs; ++run) {
        Editor editor(folder);
        editor.host.queuedFiles.push_back(file);
        const auto openStart = bench::Clock::now();
        editor.form->mnuDLaden_Click();
        const double openMs = bench::millisecondsSince(openStart);
        lines = editor.form->cboMenu.count();
        if (lines == 0 || editor.form->CurrentFilePath != file) {
            std::fprintf(stderr, "open did not load %s\n", file.c_str());
            return 1;
        }

        // The file exists, so the overwrite question comes and is answered yes.
        if (!std::filesystem::exists(saved)) bench::writeMenu(saved, {"x"});
        editor.host.queuedFiles.push_back(saved);
        editor.host.queuedAnswers.push_back(app::Answer::Yes);
        const auto saveStart = bench::Clock::now();
        const auto result = editor.form->FileSaveAs();
        const double saveMs = bench::millisecondsSince(saveStart);
        if (result != app::frmWendax::SaveResult::Saved || !editor.host.queuedAnswers.empty()) {
            std::fprintf(stderr, "save did not write %s\n", saved.c_str());
            return 1;
        }
        if (run > 0) {
            opens.push_back(openMs);
            saves.push_back(saveMs);
        }
    }
    if (std::filesystem::file_size(saved) != std::filesystem::file_size(file)) {
        std::fprintf(stderr, "saved file differs in size from the opened one\n");
        return 1;
    }
    std::printf("core_open_lines %d\ncore_open_ms %.3f\ncore_save_ms %.3f\n", lines, bench::median(opens),
                bench::median(saves));
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) try {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "generate" && argc == 4) {
        bench::writeMenu(argv[2], bench::realisticMenu(std::atoi(argv[3])));
        return 0;
    }
    if (command == "open-save" && argc == 4) return openSave(argv[2], std::max(1, std::atoi(argv[3])));
    std::fprintf(stderr, "usage: %s generate FILE LINES | open-save FILE RUNS\n", argv[0]);
    return 2;
} catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
}
