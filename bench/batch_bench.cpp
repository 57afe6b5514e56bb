// Times batch generation over the sample data, each way of writing beside
// its floor: a loop that throws the same dice as the program (reseeded for
// each character, the same sizes in the same order, through the same dice
// interface) and writes the same bytes, and nothing else.
// Run `batch_bench --help` for its usage.
//
// First the terminal program itself makes 100,000 characters without pages
// and COUNT with pages, each timed as a whole process with its peak memory.
// Then each mode runs in a process of its own, the program and its floor
// one after the other, repeat after repeat, so both meet the same machine;
// each is timed by the CPU time of the process (user and system, every
// thread), and the figures are the minimum, median and maximum over the
// repeats of the microseconds a character and of the program's ratio to
// its floor in the same repeat.
// Last, one job beside two, and the behaviour signature the golden test pins.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "batch/Batch.h"
#include "batch/Signature.h"
#include "model/Dice.h"
#include "stats/StatsRun.h"

using namespace orrimar;
namespace fs = std::filesystem;

namespace {

const char* const Usage =
    "usage: batch_bench [COUNT [REPEATS [DATA_DIR [OUT_DIR]]]]\n"
    "  COUNT     characters a batch makes (10000)\n"
    "  REPEATS   runs of each mode, program and floor in turn (5)\n"
    "  DATA_DIR  the data folder (the sample data)\n"
    "  OUT_DIR   where the runs write (a fresh temporary folder, removed at the end)\n"
    "Prints the terminal program timed as a whole process with its peak memory; for\n"
    "each mode, CPU microseconds a character for the program and for its floor, and\n"
    "their ratio (min/median/max); one job beside two; statistics of 10,000 careers\n"
    "of one service; the behaviour signature.\n";

struct Times {
    double Wall = 0, User = 0, System = 0;
    double Cpu() const { return User + System; }
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

struct Spread {
    double Min = 0, Median = 0, Max = 0;
};

Spread SpreadOf(std::vector<double> values) {
    if (values.empty()) return {};
    std::sort(values.begin(), values.end());
    return {values.front(), values[values.size() / 2], values.back()};
}

std::string root;  // every run writes into a fresh folder inside it

std::string Folder(const std::string& name) {
    const fs::path path = fs::path(root) / name;
    fs::remove_all(path);
    return path.string();
}

// The bench's batch: `count` characters of seed 2026, no pages.
BatchOptions NoPages(int count, const std::string& data) {
    BatchOptions options;
    options.Count = count;
    options.Seed = 2026;
    options.DataDir = data;
    options.WritePages = false;
    return options;
}

// What a batch of the sample data throws: every die's size, by character.
std::vector<std::vector<int>> DieSizes(int count, const std::string& data) {
    BatchOptions options = NoPages(count, data);
    options.KeepDieSizes = true;
    std::ostringstream log;
    std::vector<BatchCharacter> made;
    if (RunBatch(options, log, &made) != 0)
        std::printf("the batch reported a problem:\n%s", log.str().c_str());
    std::vector<std::vector<int>> sizes;
    for (auto& c : made) sizes.push_back(std::move(c.DieSizes));
    return sizes;
}

// A way of writing: what the batch is asked, and where it writes.
struct Mode {
    const char* Label;
    BatchFormat Format;
    bool Writes;
    bool ToStream;  // JSON Lines to a stream (as to standard output)
};

// The bytes a run wrote, as the floor writes them again: each file's
// name and text, or the stream's lines, dealt out over the characters in
// order (piece k goes with character k * count / pieces).
struct Written {
    std::vector<std::pair<std::string, std::string>> Files;  // name inside the folder, text
    std::vector<std::string> Lines;
    size_t Bytes = 0;
};

std::string ReadWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find('\n', at);
        const size_t next = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(at, next - at));
        at = next;
    }
    return lines;
}

Written WrittenBy(const Mode& mode, const std::string& out, const std::string& stream) {
    Written w;
    if (!mode.Writes) return w;
    if (mode.ToStream) {
        w.Lines = SplitLines(stream);
    } else if (mode.Format == BatchFormat::Jsonl) {
        w.Lines = SplitLines(ReadWhole(out));
    } else {
        for (const auto& entry : fs::recursive_directory_iterator(out))
            if (entry.is_regular_file())
                w.Files.emplace_back(fs::relative(entry.path(), out).string(),
                                     ReadWhole(entry.path()));
        std::sort(w.Files.begin(), w.Files.end());
    }
    for (const auto& line : w.Lines) w.Bytes += line.size();
    for (const auto& [name, text] : w.Files) w.Bytes += text.size();
    return w;
}

// The dice go through the interface the career throws them through
// (Dice::Sum); the pointer is read at run time, so the compiler cannot see
// which dice they are.
Dice* volatile floorDice = nullptr;

// The floor of one run: for each character, its seed, its dice, and its
// share of the bytes, written as the program writes them (files into
// `out`, lines into one file or stream).
void RunFloor(const std::vector<std::vector<int>>& sizes, const Mode& mode, const Written& bytes,
              const std::string& out, std::ostream* stream, volatile int* sink) {
    SeededDice seeded(0);
    floorDice = &seeded;
    const size_t count = sizes.size();
    std::ofstream lineFile;
    if (mode.Writes && !mode.ToStream && mode.Format == BatchFormat::Jsonl) lineFile.open(out);
    if (mode.Writes && mode.Format != BatchFormat::Jsonl) fs::create_directories(out);
    std::ostream* lines = mode.ToStream ? stream : &lineFile;
    const auto share = [count](size_t pieces, size_t k) {
        return count == 0 ? pieces : (k + 1) * pieces / count;
    };
    size_t line = 0, file = 0;
    int sum = 0;
    for (size_t k = 0; k < count; ++k) {
        seeded.Reseed(2026 + k);
        Dice& dice = *floorDice;
        for (const int s : sizes[k]) sum += dice.Sum(1, s);
        for (const size_t end = share(bytes.Lines.size(), k); line < end; ++line)
            lines->write(bytes.Lines[line].data(),
                         static_cast<std::streamsize>(bytes.Lines[line].size()));
        for (const size_t end = share(bytes.Files.size(), k); file < end; ++file) {
            const auto& [name, text] = bytes.Files[file];
            const fs::path path = fs::path(out) / name;
            if (path.has_parent_path()) fs::create_directories(path.parent_path());
            std::ofstream(path, std::ios::binary)
                .write(text.data(), static_cast<std::streamsize>(text.size()));
        }
    }
    lines->flush();
    *sink = sum;
}

// One mode: the program and its floor in turn, `repeats` times.
void RunMode(const Mode& mode, const std::vector<std::vector<int>>& sizes, int repeats,
             const std::string& data) {
    const int count = static_cast<int>(sizes.size());
    std::vector<double> program, floor, ratio, programUser, floorUser;
    Written bytes;
    volatile int sink = 0;
    for (int r = 0; r < repeats; ++r) {
        const std::string out = Folder(
            mode.Format == BatchFormat::Jsonl && !mode.ToStream ? "program.jsonl" : "program");
        BatchOptions options;
        options.Count = count;
        options.Seed = 2026;
        options.DataDir = data;
        options.OutDir = mode.ToStream ? "-" : out;
        options.Format = mode.Format;
        options.WritePages = mode.Writes;
        std::ostringstream log, stream;
        int status = 0;
        const Times made = Time([&] { status = RunBatch(options, log, nullptr, &stream); });
        if (status != 0) std::printf("the batch reported a problem:\n%s", log.str().c_str());
        if (r == 0) bytes = WrittenBy(mode, out, stream.str());
        std::ostringstream floorStream;
        const std::string floorOut =
            Folder(mode.Format == BatchFormat::Jsonl && !mode.ToStream ? "floor.jsonl" : "floor");
        const Times least =
            Time([&] { RunFloor(sizes, mode, bytes, floorOut, &floorStream, &sink); });
        program.push_back(1e6 * made.Cpu() / count);
        floor.push_back(1e6 * least.Cpu() / count);
        ratio.push_back(made.Cpu() / std::max(least.Cpu(), 1e-6));
        programUser.push_back(1e6 * made.User / count);
        floorUser.push_back(1e6 * least.User / count);
    }
    const Spread p = SpreadOf(program), f = SpreadOf(floor), q = SpreadOf(ratio);
    // The user time alone, medians: what the file system costs is system time.
    std::printf(
        "%-22s CPU us/char: program %6.2f %6.2f %6.2f | floor %6.2f %6.2f %6.2f | "
        "ratio %5.1f %5.1f %5.1f | user us/char %6.2f, floor %5.2f | %5.0f bytes/char\n",
        mode.Label, p.Min, p.Median, p.Max, f.Min, f.Median, f.Max, q.Min, q.Median, q.Max,
        SpreadOf(programUser).Median, SpreadOf(floorUser).Median,
        count ? static_cast<double>(bytes.Bytes) / count : 0.0);
    std::fflush(stdout);
}

// One job beside two, wall clock, in turn: what a second thread gains.
void RunJobs(int count, int repeats, const std::string& data) {
    std::vector<double> one, two, gain;
    for (int r = 0; r < repeats; ++r) {
        double wall[2] = {};
        for (int jobs = 1; jobs <= 2; ++jobs) {
            BatchOptions options = NoPages(count, data);
            options.Jobs = jobs;
            std::ostringstream log;
            wall[jobs - 1] = Time([&] { RunBatch(options, log); }).Wall;
        }
        one.push_back(1e6 * wall[0] / count);
        two.push_back(1e6 * wall[1] / count);
        gain.push_back(wall[0] / std::max(wall[1], 1e-9));
    }
    const Spread a = SpreadOf(one), b = SpreadOf(two), g = SpreadOf(gain);
    std::printf(
        "%-22s wall us/char: 1 job %6.2f %6.2f %6.2f | 2 jobs %6.2f %6.2f %6.2f | "
        "speed-up %4.2f %4.2f %4.2f\n",
        "--jobs 2, no pages", a.Min, a.Median, a.Max, b.Min, b.Median, b.Max, g.Min, g.Median,
        g.Max);
    std::fflush(stdout);
}

// Statistics as a rule author asks them: 10,000 careers of one race and
// service (as `--stats --race Imperial --service Navy`), CPU time on one
// job, and the wall clock of one job beside two.
void RunStats(int repeats, const std::string& data) {
    std::vector<double> cpu, one, two;
    for (int r = 0; r < repeats; ++r) {
        for (int jobs = 1; jobs <= 2; ++jobs) {
            BatchOptions options;
            options.Count = 10000;
            options.Seed = 1;
            options.DataDir = data;
            options.Race = "Imperial";
            options.Service = "Navy";
            options.Jobs = jobs;
            StatsRun run;
            std::string failed;
            const Times t = Time([&] { failed = PlayStats(options, run); });
            if (!failed.empty()) {
                std::printf("statistics failed: %s\n", failed.c_str());
                return;
            }
            if (jobs == 1) cpu.push_back(t.Cpu());
            (jobs == 1 ? one : two).push_back(t.Wall);
        }
    }
    const Spread c = SpreadOf(cpu), a = SpreadOf(one), b = SpreadOf(two);
    std::printf("%-22s 1 job CPU s %5.3f %5.3f %5.3f | wall s: 1 job %5.3f, 2 jobs %5.3f\n",
                "--stats, 10,000 Navy", c.Min, c.Median, c.Max, a.Median, b.Median);
    std::fflush(stdout);
}

// The terminal program as a user runs it: one process, one thread, with
// or without pages; wall, user and system time and the process's peak memory.
void RunWholeProcess(const std::string& data, int count, bool pages) {
    const std::string out = Folder(pages ? "cli-pages" : "cli");
    const std::string number = std::to_string(count);
    std::vector<const char*> args = {ORRIMAR_CLI, "--auto",   "--count", number.c_str(),
                                     "--seed",    "2026",     "--data",  data.c_str(),
                                     "--out",     out.c_str()};
    if (!pages) args.push_back("--no-pages");
    args.push_back(nullptr);
    std::fflush(stdout);
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
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (argv[i][0] == '-' || (i <= 2 && std::atoi(argv[i]) < 1)) {
            std::fprintf(stderr, "batch_bench: unexpected \"%s\"\n%s", argv[i], Usage);
            return 2;
        }
    }
    if (argc > 5) {
        std::fputs(Usage, stderr);
        return 2;
    }
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int repeats = argc > 2 ? std::atoi(argv[2]) : 5;
    const std::string data = argc > 3 ? argv[3] : std::string(ORRIMAR_SOURCE_DIR) + "/data";
    if (argc > 4) {
        root = (fs::path(argv[4]) / "orrimar-bench").string();
        fs::remove_all(root);  // what an interrupted run left
        fs::create_directories(root);
    } else {
        std::string pattern = (fs::temp_directory_path() / "orrimar-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("batch_bench: a temporary folder");
            return 1;
        }
        root = pattern;
    }
    std::printf("batch_bench: %d characters, %d repeats, data %s, writing in %s\n", count, repeats,
                data.c_str(), root.c_str());

    // The whole processes first: a child's peak memory counts what the
    // bench held when it forked, so the bench holds nothing yet.
    RunWholeProcess(data, 100000, false);
    RunWholeProcess(data, count, true);
    const std::vector<std::vector<int>> sizes = DieSizes(count, data);
    size_t draws = 0;
    for (const auto& s : sizes) draws += s.size();
    std::printf("%zu characters, %.1f dice a character\n", sizes.size(),
                sizes.empty() ? 0.0 : static_cast<double>(draws) / sizes.size());
    const Mode modes[] = {
        {"without pages", BatchFormat::Html, false, false},
        {"JSON Lines, a file", BatchFormat::Jsonl, true, false},
        {"JSON Lines, a stream", BatchFormat::Jsonl, true, true},
        {"HTML pages", BatchFormat::Html, true, false},
    };
    for (const Mode& mode : modes) InChild([&] { RunMode(mode, sizes, repeats, data); });
    InChild([&] { RunJobs(count, repeats, data); });
    InChild([&] { RunStats(repeats, data); });
    // What the program makes, in one line: a change that alters it says so.
    std::string problem;
    const std::string signature = BehaviourSignature(data, problem);
    std::printf("behaviour signature (%d characters, seed %d): %s\n", SignatureCount, SignatureSeed,
                signature.empty() ? problem.c_str() : signature.c_str());
    fs::remove_all(root);
    return 0;
}
