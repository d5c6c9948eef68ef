// Pieces every benchmark program shares: a host that answers from a queue, a
// realistic large menu, and the few measurements (clock, peak memory, median)
// the programs report in "key value" lines for scripts/bench to tabulate.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TestHost.h"

namespace vostrel::bench {

// Answers dialogs in the order they were queued, the way a user would click through them; an
// unexpected dialog is a broken measurement, not a cancel.
inline testsupport::TestHost queuedHost() {
    testsupport::TestHost host(testsupport::TestHost::refusingBoxes());
    host.fileRule = testsupport::TestHost::refusingDialogs();
    return host;
}

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
