#pragma once

#include <filesystem>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/frmWendax.h"
#include "cli/replay/Scenario.h"
#include "cli/replay/ScriptedHost.h"

namespace vostrel::cli {

// The program version the tool reports with --version.
const char* replayVersion();

// A check of the scenario that did not hold. Reported with exit status 1.
class ExpectationFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs scenario steps against the headless main window, one run of the program from each
// `start` to its `close`.
//
// Between `close` and the next `start` the window's last state can still be dumped and
// checked (to see what shut-down did); only steps a user takes on the window are refused
// then. Before the first `start` there is no window at all, and a step that needs one is a
// mistake in the scenario (ScenarioError).
class Replayer {
public:
    Replayer(std::filesystem::path programFolder, std::ostream& dumpOutput);
    ~Replayer();

    // Runs every step; stops at the first failed check. Throws ScenarioError for a step that
    // cannot run as written and ExpectationFailure for a check that did not hold, including
    // answers left unused at the end.
    void run(const std::vector<Step>& steps);

    // Checks, before anything runs, that every menu item the scenario names exists.
    static void checkMenuNames(const std::vector<Step>& steps);

    const app::frmWendax* form() const { return form_.get(); }
    const ScriptedHost& host() const { return host_; }
    bool running() const { return running_; }

private:
    void runStep(const Step& step);
    app::frmWendax& openWindow(const Step& step);
    const app::frmWendax& anyWindow(const Step& step) const;
    std::filesystem::path resolve(const std::string& path) const;

    void performStep(const Step& step);
    void start(const Step& step);
    void close(const Step& step);
    void crash(const Step& step);
    void queueAnswer(const std::string& word);
    void click(const Step& step);
    void menu(const Step& step);
    void scroll(const Step& step);
    void writeFile(const Step& step);
    void expect(const Step& step);
    void expectFile(const Step& step);

    std::filesystem::path programFolder_;
    std::ostream& dumpOutput_;
    ScriptedHost host_;
    std::unique_ptr<app::frmWendax> form_;
    bool running_ = false;  // started and not yet closed
};

}  // namespace vostrel::cli
