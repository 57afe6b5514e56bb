// Times batch generation over the sample data, without and with writing
// resumes, beside a floor: a loop that makes the same number of dice draws
// with the same generator and nothing else.
//   batch_bench [COUNT] [REPEATS] [DATA_DIR] [OUT_DIR]
// The pages of every run stay on disk until the end (REPEATS + 1 times
// COUNT pages of about 9 KB).
// Each mode runs in a process of its own, so its peak memory is its own;
// each repeat is timed, and the minimum, median and maximum are printed
// with user and system time, microseconds and draws per character, and the
// batch's ratio to the floor. Then the terminal program itself makes
// 100,000 characters without pages and COUNT with pages, each timed as a
// whole process with its peak memory. Last, the behaviour signature the
// golden test pins.
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

#include "batch/Batch.h"
#include "model/Dice.h"
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

// Prints the line and gives the median run's microseconds a character.
double Report(const char* label, int count, std::vector<Times> runs, uint64_t draws) {
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
    return 1e6 * median.Wall / count;
}

// Where the bench writes: a folder of its own, beside the bench unless
// given, and not the shared temporary folder. Every run writes into a
// fresh folder inside it, and the whole is removed only at the end. A file
// system may step over the files deleted in the last minute or so at each
// file it creates: a run that followed the removal of thousands, or wrote
// where compilers keep their short-lived files, would time that.
std::string benchRoot = ORRIMAR_BENCH_DIR;

std::string BenchFolder(const std::string& name) {
    return (std::filesystem::path(benchRoot) / "orrimar-bench" / name).string();
}

// One mode: `pages` writes resumes on `jobs` threads, each repeat into a
// fresh folder. Without pages the draws are counted from the characters made;
// with pages no result is kept, as in the terminal program, and `draws` is
// the figure of the same characters made without them.
double RunMode(bool pages, int jobs, int count, int repeats, const std::string& data,
               uint64_t* draws) {
    std::vector<Times> runs;
    for (int r = 0; r < repeats; ++r) {
        const std::string out = BenchFolder("run-" + std::to_string(r));
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
        runs.push_back(Time([&] { status = RunBatch(options, log, pages ? nullptr : &made); }));
        if (status != 0) std::printf("the batch reported a problem:\n%s", log.str().c_str());
        if (!pages) {
            *draws = 0;
            for (const auto& c : made) *draws += c.Draws;
        }
    }
    const std::string label = std::string(pages ? "with resumes" : "without resumes") +
                              (jobs > 1 ? ", " + std::to_string(jobs) + " jobs" : "");
    return Report(label.c_str(), count, runs, *draws);
}

// The floor: the same number of draws from the same generator.
void RunFloor(int count, int repeats, uint64_t draws, double batchPerCharacter) {
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
    const double floor = Report("floor (draws)", count, runs, draws);
    if (floor > 0 && batchPerCharacter > 0)
        std::printf("%-24s %.1f times the floor (median runs)\n", "without resumes",
                    batchPerCharacter / floor);
}

// The terminal program as a user runs it: one process, one thread, with
// or without pages; wall, user and system time and the process's peak memory.
void RunWholeProcess(const std::string& data, int count, bool pages) {
    const std::string out = BenchFolder(pages ? "cli-pages" : "cli");
    const std::string number = std::to_string(count);
    std::vector<const char*> args = {ORRIMAR_CLI, "--auto",   "--count", number.c_str(),
                                     "--seed",    "2026",     "--data",  data.c_str(),
                                     "--out",     out.c_str()};
    if (!pages) args.push_back("--no-pages");
    args.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (std::freopen("/dev/null", "w", stdout) == nullptr ||
            std::freopen("/dev/null", "w", stderr) == nullptr)
            _exit(127);
        execv(ORRIMAR_CLI, const_cast<char* const*>(args.data()));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const char* what = pages ? "with pages" : "--no-pages";
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::printf("orrimar-cli --count %d %s failed\n", count, what);
        return;
    }
    std::printf("orrimar-cli --count %d %s: %.2f s wall, user %.2f s, sys %.2f s; peak %ld KiB\n",
                count, what, wall, Seconds(usage.ru_utime), Seconds(usage.ru_stime),
                usage.ru_maxrss);
    std::fflush(stdout);
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
    if (argc > 4) benchRoot = argv[4];
    const std::string folder = BenchFolder("");
    std::filesystem::remove_all(folder);  // what an interrupted run left

    // The draws of the mode without pages set the floor's work; a pipe
    // brings the figure back from the child.
    int fds[2];
    if (pipe(fds) != 0) return 1;
    struct Measured {
        uint64_t Draws = 0;
        double PerCharacter = 0;
    };
    InChild([&] {
        Measured m;
        m.PerCharacter = RunMode(false, 1, count, repeats, data, &m.Draws);
        (void)!write(fds[1], &m, sizeof m);
    });
    Measured m;
    if (read(fds[0], &m, sizeof m) != static_cast<ssize_t>(sizeof m)) m = {};
    InChild([&] { RunFloor(count, repeats, m.Draws, m.PerCharacter); });
    InChild([&] { RunMode(false, 2, count, repeats, data, &m.Draws); });
    InChild([&] { RunMode(true, 1, count, repeats, data, &m.Draws); });
    RunWholeProcess(data, 100000, false);
    RunWholeProcess(data, count, true);
    // What the program makes, in one line: a change that alters it says so.
    std::string problem;
    const std::string signature = BehaviourSignature(data, problem);
    std::printf("behaviour signature (%d characters, seed %d): %s\n", SignatureCount, SignatureSeed,
                signature.empty() ? problem.c_str() : signature.c_str());
    std::filesystem::remove_all(folder);
    return 0;
}
