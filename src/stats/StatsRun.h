// Statistics of a data folder: careers of each race and service played as
// a batch plays them, counted, and summed up per service.
#pragma once

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
    std::vector<GroupSummary> Groups;
    std::vector<std::string> Skipped;  // pairs left, with why
};

// Plays options.Count careers of every race and service `options` asks
// for (options.Jobs threads, seeds from options.Seed); "" or what kept
// every career from being played.
std::string PlayStats(const BatchOptions& options, StatsRun& run);

// The seed the second folder of a comparison plays with: its own, so the
// comparison is of chance against chance.
uint64_t ComparedSeed(uint64_t seed);

}  // namespace orrimar
