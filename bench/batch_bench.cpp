// Times batch generation over the sample data, without and with writing
// resumes, beside a floor: a loop that makes the same number of dice draws
// with the same generator and nothing else.
//   batch_bench [COUNT] [REPEATS] [DATA_DIR]
// Each mode runs in a process of its own, so its peak memory is its own;
// each repeat is timed, and the minimum, median and maximum are printed
// with user and system time, microseconds and draws per character; last,
// the behaviour signature the golden test pins.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "model/Dice.h"
#include "output/Batch.h"
#include "output/Signature.h"

using namespace orrimar;

namespace {

struct Times {
    double Wall = 0, User = 0, System = 0;
};

double Seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

// Times one call of `work`: wall clock, and the process's user and system time.
template <class Work>
Times Time(Work work) {
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    const auto start = std::chrono::steady_clock::now();
    work();
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    getrusage(RUSAGE_SELF, &after);
    return {wall, Seconds(after.ru_utime) - Seconds(before.ru_utime),
            Seconds(after.ru_stime) - Seconds(before.ru_stime)};
}

void Report(const char* label, int count, std::vector<Times> runs, uint64_t draws) {
    std::sort(runs.begin(), runs.end(),
              [](const Times& a, const Times& b) { return a.Wall < b.Wall; });
    const Times& best = runs.front();
    const Times& median = runs[runs.size() / 2];
    const Times& worst = runs.back();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "%-24s %7d chars: %9.0f /s best, %9.0f median, %9.0f worst; %7.2f us/char; "
        "user %.3f s, sys %.3f s (median run); %5.0f draws/char; peak %ld KiB\n",
        label, count, count / best.Wall, count / median.Wall, count / worst.Wall,
        1e6 * median.Wall / count, median.User, median.System,
        count ? static_cast<double>(draws) / count : 0.0, usage.ru_maxrss);
    std::fflush(stdout);
}

// One mode: `pages` writes resumes into a fresh folder each repeat, on
// `jobs` threads.
void RunMode(bool pages, int jobs, int count, int repeats, const std::string& data,
             uint64_t* drawsOut) {
    const std::string out = (std::filesystem::temp_directory_path() / "orrimar-bench").string();
    std::vector<Times> runs;
    uint64_t draws = 0;
    for (int r = 0; r < repeats; ++r) {
        std::filesystem::remove_all(out);
        BatchOptions options;
        options.Count = count;
        options.Seed = 2026;
        options.DataDir = data;
        options.OutDir = out;
        options.WritePages = pages;
        options.Jobs = jobs;
        std::ostringstream log;
        std::vector<BatchCharacter> made;
        int status = 0;
        runs.push_back(Time([&] { status = RunBatch(options, log, &made); }));
        if (status != 0) std::printf("the batch reported a problem:\n%s", log.str().c_str());
        draws = 0;
        for (const auto& c : made) draws += c.Draws;
    }
    std::filesystem::remove_all(out);
    const std::string label = std::string(pages ? "with resumes" : "without resumes") +
                              (jobs > 1 ? ", " + std::to_string(jobs) + " jobs" : "");
    Report(label.c_str(), count, runs, draws);
    if (drawsOut) *drawsOut = draws;
}

// The floor: the same number of draws from the same generator.
void RunFloor(int count, int repeats, uint64_t draws) {
    std::vector<Times> runs;
    volatile int sink = 0;
    for (int r = 0; r < repeats; ++r) {
        runs.push_back(Time([&] {
            SeededDice dice(2026);
            int sum = 0;
            for (uint64_t k = 0; k < draws; ++k) sum += dice.Roll(6);
            sink = sum;
        }));
    }
    (void)sink;
    Report("floor (draws)", count, runs, draws);
}

// Runs `step` in a child process, so its memory is measured alone.
template <class Step>
void InChild(Step step) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        step();
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const std::string data = argc > 3 ? argv[3] : std::string(ORRIMAR_SOURCE_DIR) + "/data";

    // The draws of the mode without pages set the floor's work; a pipe
    // brings the figure back from the child.
    int fds[2];
    if (pipe(fds) != 0) return 1;
    InChild([&] {
        uint64_t draws = 0;
        RunMode(false, 1, count, repeats, data, &draws);
        (void)!write(fds[1], &draws, sizeof draws);
    });
    uint64_t draws = 0;
    if (read(fds[0], &draws, sizeof draws) != static_cast<ssize_t>(sizeof draws)) draws = 0;
    InChild([&] { RunFloor(count, repeats, draws); });
    InChild([&] { RunMode(false, 2, count, repeats, data, nullptr); });
    InChild([&] { RunMode(true, 1, count, repeats, data, nullptr); });
    // What the program makes, in one line: a change that alters it says so.
    std::string problem;
    const std::string signature = BehaviourSignature(data, problem);
    std::printf("behaviour signature (%d characters, seed %d): %s\n", SignatureCount, SignatureSeed,
                signature.empty() ? problem.c_str() : signature.c_str());
    return 0;
}
