// Runs a program several times and reports medians, so that scripts/bench
// compares like with like: every run is forked from here, with the clock taken
// just before the fork handed to the child (VOSTREL_BENCH_T0_NS) for programs
// that stop themselves at a point of their own, and the wall time from fork to
// exit measured for those that do not (iconv).
//
//   vostrel_bench_launch RUNS [--stdin FILE] [--stdout FILE] -- PROGRAM ARGS...
//
// Prints "wall_ms M" and, for every "key number" line the child printed, the
// median of that key over the runs.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <algorithm>
#include <ctime>

namespace {

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

double medianOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS [--stdin FILE] [--stdout FILE] -- PROGRAM ARGS...\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const char* input = nullptr;
    const char* output = nullptr;
    int at = 2;
    for (; at < argc && std::strcmp(argv[at], "--") != 0; ++at) {
        if (std::strcmp(argv[at], "--stdin") == 0 && at + 1 < argc)
            input = argv[++at];
        else if (std::strcmp(argv[at], "--stdout") == 0 && at + 1 < argc)
            output = argv[++at];
    }
    if (at + 1 >= argc) return 2;
    char** program = argv + at + 1;

    std::map<std::string, std::vector<double>> values;
    for (int run = 0; run < runs; ++run) {
        int pipeFds[2];
        if (pipe(pipeFds) != 0) return 1;
        const long long start = monotonicNanoseconds();
        setenv("VOSTREL_BENCH_T0_NS", std::to_string(start).c_str(), 1);
        const pid_t child = fork();
        if (child == 0) {
            close(pipeFds[0]);
            if (input) dup2(open(input, O_RDONLY), 0);
            dup2(output ? open(output, O_WRONLY | O_CREAT | O_TRUNC, 0644) : pipeFds[1], 1);
            close(pipeFds[1]);
            execvp(program[0], program);
            _exit(127);
        }
        close(pipeFds[1]);
        std::string text;
        char buffer[4096];
        for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<std::size_t>(n));
        close(pipeFds[0]);
        int status = 0;
        waitpid(child, &status, 0);
        const double wall = static_cast<double>(monotonicNanoseconds() - start) / 1e6;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "%s failed (status %d)\n", program[0], status);
            return 1;
        }
        values["wall_ms"].push_back(wall);
        std::istringstream lines(text);
        std::string key;
        double value = 0;
        while (lines >> key >> value) values[key].push_back(value);
    }
    for (const auto& [key, list] : values) std::printf("%s %.3f\n", key.c_str(), medianOf(list));
    return 0;
}
