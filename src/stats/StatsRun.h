// Statistics of a data folder: careers of each race and service played as
// a batch plays them, counted, and summed up per service.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "batch/Batch.h"
#include "stats/Tally.h"

namespace orrimar {

struct StatsRun {
    std::string DataDir;
    uint64_t Seed = 0;
    int Count = 0;
    std::string Where;  // the conditions a career met to be counted; empty: all
    std::vector<GroupSummary> Groups;
    std::vector<std::string> Skipped;  // pairs left, with why
};

// A run watched and stopped from another thread: how far it is, and a
// flag that ends it after the careers under way.
struct StatsControl {
    std::atomic<bool> Stop{false};
    std::atomic<int64_t> Played{0}, Total{0};  // careers; Total once the pairs are known
};

// Plays options.Count careers of every race and service `options` asks
// for (options.Jobs threads, seeds from options.Seed), counting those that
// meet options.Where; "" or what kept every career from being played (or
// "stopped" when `control` stopped it).
std::string PlayStats(const BatchOptions& options, StatsRun& run, StatsControl* control = nullptr);

// The seed the second folder of a comparison plays with: its own, so the
// comparison is of chance against chance.
uint64_t ComparedSeed(uint64_t seed);

}  // namespace orrimar
