// `orrimar-cli --stats`: statistics of a data folder, or two compared,
// printed, as JSON, and as an HTML report.
#pragma once

#include <iosfwd>
#include <string>

#include "batch/Batch.h"

namespace orrimar {

// The careers statistics play of each race and service by default.
inline constexpr int DefaultStatsCount = 10000;

struct StatsRequest {
    BatchOptions Batch;   // the folder, careers, race, service, branch, seed, threads
    std::string Compare;  // a second data folder; empty: none
    std::string Report;   // the HTML report's file; empty: none
    bool Json = false;    // JSON on `out` rather than the table
};

// The figures go to `out`, problems to `log`. Returns the exit status: 0,
// or 1 when no career could be played or the report could not be written.
int RunStatistics(const StatsRequest& request, std::ostream& out, std::ostream& log);

}  // namespace orrimar
