#include "output/CharacterJson.h"
#include "stats/StatsOutput.h"
#include "text/Encoding.h"

namespace orrimar {

namespace {

using json = nlohmann::ordered_json;

json BarsJson(const Bars& bars) {
    json labels = json::array();
    for (const auto& label : bars.Labels) labels.push_back(Latin1ToUtf8(label));
    return {{"labels", labels}, {"counts", bars.Counts}};
}

json FigureJson(const Figure& f) {
    json j = {
        {"kind", f.What == Figure::Kind::Share ? "share" : "mean"}, {"value", f.Value}, {"n", f.N}};
    if (f.What == Figure::Kind::Mean) j["sd"] = f.Sd;
    return j;
}

// Figures by section, then name.
json FiguresJson(const std::vector<Figure>& figures) {
    json j = json::object();
    for (const auto& f : figures) j[Latin1ToUtf8(f.Section)][Latin1ToUtf8(f.Name)] = FigureJson(f);
    return j;
}

json GroupJson(const GroupSummary& s, bool filtered) {
    json quartiles = json::object();
    for (const auto& [name, q] : s.Quartiles) quartiles[name] = q;
    json problems = json::array();
    for (const auto& [text, n] : s.Problems)
        problems.push_back({{"problem", Latin1ToUtf8(text)}, {"careers", n}});
    json j = {{"race", Latin1ToUtf8(s.Race)},
              {"service", Latin1ToUtf8(s.Service)},
              {"careers", s.Careers},
              {"finished", s.Finished},
              {"figures", FiguresJson(s.Figures)},
              {"quartiles", quartiles},
              {"charts",
               {{"terms", BarsJson(s.Terms)},
                {"age", BarsJson(s.Age)},
                {"rank", BarsJson(s.Ranks)},
                {"outcome", BarsJson(s.Outcomes)},
                {"skills", BarsJson(s.Skills)}}},
              {"problems", problems}};
    // Only a run with conditions has finished careers it did not count.
    if (filtered) j["unmatched"] = s.Unmatched;
    return j;
}

json RunJson(const StatsRun& run) {
    json groups = json::array();
    for (const auto& g : run.Groups) groups.push_back(GroupJson(g, !run.Where.empty()));
    json skipped = json::array();
    for (const auto& why : run.Skipped) skipped.push_back(Latin1ToUtf8(why));
    json j = {{"data", Latin1ToUtf8(run.DataDir)},
              {"seed", run.Seed},
              {"careersEach", run.Count},
              {"groups", groups},
              {"skipped", skipped}};
    if (!run.Where.empty()) j["where"] = Latin1ToUtf8(run.Where);
    return j;
}

}  // namespace

json StatsJson(const StatsRun& a, const StatsRun* b, const std::vector<GroupComparison>* groups) {
    json j = {{"version", ProgramVersionText()}};
    j["stats"] = RunJson(a);
    if (!b || !groups) return j;
    j["compared"] = RunJson(*b);
    json differences = json::array();
    for (const auto& group : *groups)
        for (const auto& p : group.Pairs) {
            if (!p.Tested) continue;
            differences.push_back({{"race", Latin1ToUtf8(group.Race)},
                                   {"service", Latin1ToUtf8(group.Service)},
                                   {"section", Latin1ToUtf8(p.Section)},
                                   {"name", Latin1ToUtf8(p.Name)},
                                   {"a", p.A->Value},
                                   {"b", p.B->Value},
                                   {"difference", p.B->Value - p.A->Value},
                                   {"p", p.P},
                                   {"significant", p.Significant}});
        }
    j["test"] = {{"shares", "two-proportion z-test"},
                 {"means", "Welch's t-test"},
                 {"level", ComparisonLevel},
                 {"correction", "Bonferroni over the figures tested"}};
    j["differences"] = differences;
    return j;
}

}  // namespace orrimar
