// vostrel-replay SCENARIO [--program-folder DIR]: runs a scenario against the headless window.
// Exit status 0 when every step ran and every check held, 1 when a check failed, 2 when the
// scenario could not be run as written.
#include <filesystem>
#include <iostream>
#include <random>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/Utf8Main.h"
#include "cli/replay/Replayer.h"
#include "cli/replay/Scenario.h"
#include "files/Paths.h"
#include "files/TextFile.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPassed = 0;
constexpr int kFailed = 1;
constexpr int kMalformed = 2;

// A program folder of its own for one run, so that scenarios never see each other's files.
fs::path makeTemporaryFolder() {
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto candidate = fs::temp_directory_path() / ("vostrel-replay-" + std::to_string(random()));
        if (fs::create_directory(candidate)) return candidate;
    }
    throw std::runtime_error("cannot create a temporary program folder");
}

// Removes the temporary program folder however the run ends.
class TemporaryFolder {
public:
    TemporaryFolder() : path_(makeTemporaryFolder()) {}
    ~TemporaryFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

int replay(const std::string& scenarioFile, const fs::path& programFolder) {
    // Read as the editor reads its files: a FIFO or a huge file is refused, not waited on.
    const auto read = vostrel::files::readFileBytes(vostrel::files::pathFromUtf8(scenarioFile));
    if (!read) {
        std::cerr << scenarioFile << ": cannot read the scenario\n";
        return kMalformed;
    }
    const std::string& source = *read;
    try {
        const auto steps = vostrel::cli::parseScenario(source);
        vostrel::cli::Replayer replayer(programFolder, std::cout);
        replayer.run(steps);
    } catch (const vostrel::cli::ScenarioError& e) {
        std::cout.flush();
        std::cerr << scenarioFile << ": " << e.what() << '\n';
        return kMalformed;
    } catch (const vostrel::cli::ExpectationFailure& e) {
        std::cout.flush();
        std::cerr << scenarioFile << ": " << e.what() << '\n';
        return kFailed;
    }
    return kPassed;
}

int runReplay(int argc, char** argv) {
    CLI::App app{"Runs a scenario of user steps and checks against the RU6 Vostrel editor.",
                 "vostrel-replay"};
    // An absolute scenario path such as "/tmp/a.scn" is a file, never a Windows-style option.
    app.allow_windows_style_options(false);
    std::string scenarioFile;
    std::string programFolder;
    app.add_option("SCENARIO", scenarioFile, "the scenario file")->required();
    app.add_option("--program-folder", programFolder,
                   "where Zumzum.ini lives and relative paths point (default: a fresh "
                   "temporary folder, removed afterwards)");
    app.set_version_flag("--version", std::string("vostrel-replay ") + vostrel::cli::replayVersion());
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e);
        return status == 0 ? kPassed : kMalformed;
    }

    try {
        if (!programFolder.empty()) {
            const auto folder = fs::absolute(vostrel::files::pathFromUtf8(programFolder));
            fs::create_directories(folder);
            return replay(scenarioFile, folder);
        }
        TemporaryFolder folder;
        return replay(scenarioFile, folder.path());
    } catch (const std::exception& e) {
        // Anything else is the program failing under the scenario: a check that did not hold.
        std::cerr << scenarioFile << ": " << e.what() << '\n';
        return kFailed;
    }
}

}  // namespace

VOSTREL_UTF8_MAIN(runReplay)
