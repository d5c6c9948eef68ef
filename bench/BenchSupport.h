// Pieces every benchmark program shares: a host that answers from a queue, a
// realistic large menu, and the few measurements (clock, peak memory, median)
// the programs report in "key value" lines for scripts/bench to tabulate.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/Host.h"

namespace vostrel::bench {

// Answers dialogs in the order they were queued, the way a user would click
// through them; an unexpected dialog is a broken measurement, not a cancel.
class QueuedHost : public app::Host {
public:
    std::deque<std::optional<std::filesystem::path>> fileAnswers;
    std::deque<app::Answer> messageAnswers;
    // For runs of many clicks, where the same question comes back now and then.
    std::optional<app::Answer> answerWhenEmpty;

    app::Answer messageBox(const app::MessageRequest& request) override {
        if (messageAnswers.empty() && answerWhenEmpty) return *answerWhenEmpty;
        if (messageAnswers.empty()) throw std::runtime_error("unexpected message box: " + request.text);
        const app::Answer answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    std::optional<std::filesystem::path> fileDialog(const app::FileDialogRequest& request) override {
        if (fileAnswers.empty()) throw std::runtime_error("unexpected file dialog: " + request.title);
        auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
    std::string inputBox(const std::string&, const std::string&) override { return {}; }
    void openUrl(const std::string&) override {}
};

// A menu of `lines` lines as a user who kept adding commands would end up
// with: one main block over 99 pages, real command names, page titles and
// some hand-written notes with umlauts, so decoding has non-ASCII to do.
std::vector<std::string> realisticMenu(int lines);

// Writes `lines` as the program's own writer does (Windows-1252, CR LF).
void writeMenu(const std::filesystem::path& file, const std::vector<std::string>& lines);

// Peak resident set size of this process so far, in KiB (VmHWM).
long peakRssKiB();

using Clock = std::chrono::steady_clock;

inline double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

inline double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

}  // namespace vostrel::bench
