#include "stats/StatsRun.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "batch/Where.h"
#include "model/CareerWatch.h"
#include "model/Game.h"

namespace orrimar {

uint64_t ComparedSeed(uint64_t seed) {
    return seed ^ 0x9E3779B97F4A7C15ULL;
}

std::string PlayStats(const BatchOptions& options, StatsRun& run, StatsControl* control) {
    run.DataDir = options.DataDir;
    run.Seed = options.Seed;
    run.Count = options.Count;
    run.Where = options.Where;
    std::optional<WhereExpr> where;
    if (!options.Where.empty()) {
        std::string problem;
        where = ParseWhere(options.Where, problem);
        if (!where) return "--where \"" + options.Where + "\": " + problem;
    }
    std::vector<BatchGroup> groups;
    // Each thread counts into tallies of its own, merged at the end: the
    // figures are the same whatever the number of threads.
    std::vector<std::vector<GroupTally>> tallies;
    std::vector<std::unique_ptr<CareerWatch>> watches;
    const std::string failed = PlayBatchGroups(
        options,
        [&](const std::vector<BatchGroup>& chosen) {
            groups = chosen;
            if (control)
                control->Total = static_cast<int64_t>(groups.size()) * std::max(options.Count, 0);
        },
        [&](int job, Game& g) {
            if (static_cast<size_t>(job) >= watches.size()) {
                watches.resize(static_cast<size_t>(job) + 1);
                tallies.resize(static_cast<size_t>(job) + 1);
            }
            watches[static_cast<size_t>(job)] = std::make_unique<CareerWatch>();
            g.career.Watch = watches[static_cast<size_t>(job)].get();
        },
        [&](int job, size_t group, int, bool finished, const Game& g) {
            auto& mine = tallies[static_cast<size_t>(job)];
            if (mine.size() < groups.size()) mine.resize(groups.size());
            mine[group].Add(g, finished, !finished || !where || Matches(*where, g));
            g.career.Watch->Clear();
            if (control) ++control->Played;
        },
        [&](size_t group, const std::string& why) {
            run.Skipped.push_back(groups[group].Race + " " + groups[group].Service + ": " + why);
        },
        control ? &control->Stop : nullptr);
    if (!failed.empty()) return failed;
    for (size_t k = 0; k < groups.size(); ++k) {
        GroupTally total;
        total.Race = groups[k].Race;
        total.Service = groups[k].Service;
        for (const auto& mine : tallies)
            if (k < mine.size()) total.Merge(mine[k]);
        if (total.Careers > 0) run.Groups.push_back(Summarise(total));
    }
    return "";
}

}  // namespace orrimar
