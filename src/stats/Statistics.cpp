#include "stats/Statistics.h"

#include <ostream>

#include "stats/StatsOutput.h"

namespace orrimar {

int RunStatistics(const StatsRequest& request, std::ostream& out, std::ostream& log) {
    StatsRun a, b;
    if (std::string failed = PlayStats(request.Batch, a); !failed.empty()) {
        log << "orrimar-cli: " << failed << "\n";
        return 1;
    }
    std::vector<GroupComparison> groups;
    if (!request.Compare.empty()) {
        BatchOptions other = request.Batch;
        other.DataDir = request.Compare;
        other.Seed = ComparedSeed(request.Batch.Seed);
        if (std::string failed = PlayStats(other, b); !failed.empty()) {
            log << "orrimar-cli: " << request.Compare << ": " << failed << "\n";
            return 1;
        }
        groups = CompareGroups(a.Groups, b.Groups);
    }
    const bool compared = !request.Compare.empty();
    const auto doc = StatsJson(a, compared ? &b : nullptr, compared ? &groups : nullptr);
    if (request.Json)
        out << doc.dump(2) << "\n";
    else if (compared)
        PrintComparison(out, a, b, groups);
    else
        PrintStats(out, a);
    if (!request.Report.empty()) {
        std::string note;
        const std::string failed = WriteStatsReport(request.Report, doc, note);
        // Without the library the report still holds every number.
        if (!note.empty()) log << "orrimar-cli: " << note << "\n";
        if (!failed.empty()) {
            log << "orrimar-cli: " << failed << "\n";
            return 1;
        }
        log << "orrimar-cli: report written to " << request.Report << "\n";
    }
    return 0;
}

}  // namespace orrimar
