// Times batch generation over the sample data, with and without writing
// resumes, and reports characters per second and peak memory.
//   batch_bench [COUNT] [DATA_DIR]
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>

#include "output/Batch.h"

using namespace orrimar;

namespace {

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void Run(const char* label, int count, const std::string& data, const std::string& out) {
    BatchOptions options;
    options.Count = count;
    options.Seed = 2026;
    options.DataDir = data;
    options.OutDir = out;
    options.WritePages = !out.empty();
    std::ostringstream log;
    const auto start = std::chrono::steady_clock::now();
    const int status = RunBatch(options, log);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-18s %6d characters in %7.3f s: %9.0f characters/s, peak memory %ld KiB%s\n",
                label, count, seconds, count / seconds, PeakKilobytes(),
                status == 0 ? "" : "  (the batch reported a problem)");
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const std::string data = argc > 2 ? argv[2] : std::string(ORRIMAR_SOURCE_DIR) + "/data";
    const std::string out =
        (std::filesystem::temp_directory_path() / "orrimar-bench").string();
    std::filesystem::remove_all(out);
    Run("without resumes", count, data, "");
    Run("with resumes", count, data, out);
    std::filesystem::remove_all(out);
    return 0;
}
