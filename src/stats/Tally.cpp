#include "stats/Tally.h"

#include <algorithm>
#include <cmath>

#include "model/CareerWatch.h"
#include "model/Game.h"
#include "text/Text.h"

namespace orrimar {

int64_t Counts::N() const {
    int64_t n = 0;
    for (const auto& [value, times] : Of) n += times;
    return n;
}

double Counts::Mean() const {
    const int64_t n = N();
    if (n == 0) return 0;
    // Sums of whole numbers are exact, so the figure does not depend on the
    // order the threads counted in.
    int64_t sum = 0;
    for (const auto& [value, times] : Of) sum += value * times;
    return static_cast<double>(sum) / static_cast<double>(n);
}

double Counts::Sd() const {
    const int64_t n = N();
    if (n < 2) return 0;
    const double mean = Mean();
    double squares = 0;
    for (const auto& [value, times] : Of)
        squares += static_cast<double>(times) * (static_cast<double>(value) - mean) *
                   (static_cast<double>(value) - mean);
    return std::sqrt(squares / static_cast<double>(n - 1));
}

double Counts::Quantile(double q) const {
    const int64_t n = N();
    if (n == 0) return 0;
    const auto rank =
        std::max<int64_t>(1, static_cast<int64_t>(std::ceil(q * static_cast<double>(n))));
    int64_t seen = 0;
    for (const auto& [value, times] : Of) {
        seen += times;
        if (seen >= rank) return static_cast<double>(value);
    }
    return static_cast<double>(Of.rbegin()->first);
}

void GroupTally::Add(const Game& g, bool finished, bool met) {
    ++Careers;
    for (const auto& said : g.career.ProblemsMet) ++Problems[said];
    if (!finished) return;
    if (!met) {
        ++Unmatched;
        return;
    }
    ++Finished;
    const auto& c = g.career.Character;
    if (StatNames.empty()) {
        // The race's characteristics: PSI added by psionic training to one
        // character must not decide what a group lists.
        StatNames.assign(1, "");
        for (int i = 1; i <= g.rules.Race.NumStats && i <= CharacterRecord::MaxStats; ++i)
            StatNames.push_back(Trim(g.rules.Race.StatName[static_cast<size_t>(i)]));
    }
    bool died = false;
    for (int i = 1; i <= StatCount(g) && i <= CharacterRecord::MaxStats; ++i)
        died = died || c.Stats[static_cast<size_t>(i)] < 0;
    // The history says what the record does not: a wound, an invaliding, a
    // court martial.
    bool court = false, invalided = false, wounded = false;
    for (int t = 1; t <= c.CurTerm && t <= CharacterRecord::MaxTerm; ++t)
        for (size_t y = 0; y <= CharacterRecord::MaxYear; ++y) {
            const std::string& line = c.TermLog[static_cast<size_t>(t)].Line(y);
            if (line.empty()) continue;
            court = court || Contains(line, "Court martial");
            invalided = invalided || Contains(line, "invalided out");
            wounded = wounded || Contains(line, "Wnd");
        }
    // Each career in one class, the gravest end first.
    ++Outcome[died ? 4 : court ? 3 : invalided ? 2 : wounded ? 1 : 0];
    Died += died;
    CourtMartialled += court;
    Invalided += invalided;
    Wounded += wounded;
    Terms.Add(c.CurTerm);
    Age.Add(c.Age);
    Cash.Add(c.Money);
    int benefits = 0;
    for (int k = 1; k <= CharacterRecord::MaxBenefits; ++k)
        if (!IsBlank(c.Benefits[static_cast<size_t>(k)]))
            benefits += std::max<int>(1, c.BenefitCount[static_cast<size_t>(k)]);
    Benefits.Add(benefits);
    const int medals = c.Medals[1] + c.Medals[2] + c.Medals[3];
    Decorated += medals > 0;
    Decorations.Add(medals);
    const std::string code =
        c.Rank >= 0 && c.Rank <= ServiceRecord::MaxRanks ? Trim(RankCodeOf(g, c.Rank)) : "";
    ++Ranks[{c.Rank, code.empty() ? "rank " + std::to_string(c.Rank) : code}];
    for (int i = 1; i <= CharacterRecord::MaxSkills; ++i) {
        const auto& skill = c.Skills[static_cast<size_t>(i)];
        const std::string name = Trim(skill.Name);
        if (name.empty()) continue;
        auto& s = Skills[name];
        ++s.Holders;
        s.Levels.Add(skill.Level);
    }
    if (g.career.Watch) {
        for (int i = 1; i < static_cast<int>(StatNames.size()); ++i)
            AgingLoss[i].Add(g.career.Watch->AgingLoss[static_cast<size_t>(i)]);
        // A career entering a table twice counts once: the share of careers.
        std::vector<std::string> seen = g.career.Watch->Tables;
        std::sort(seen.begin(), seen.end());
        seen.erase(std::unique(seen.begin(), seen.end()), seen.end());
        for (const auto& table : seen) ++Tables[table];
        seen = g.career.Watch->Schools;
        std::sort(seen.begin(), seen.end());
        seen.erase(std::unique(seen.begin(), seen.end()), seen.end());
        for (const auto& school : seen) ++Schools[school];
    }
}

void GroupTally::Merge(const GroupTally& o) {
    if (Race.empty()) Race = o.Race;
    if (Service.empty()) Service = o.Service;
    if (StatNames.empty()) StatNames = o.StatNames;
    Careers += o.Careers;
    Finished += o.Finished;
    Unmatched += o.Unmatched;
    Died += o.Died;
    CourtMartialled += o.CourtMartialled;
    Invalided += o.Invalided;
    Wounded += o.Wounded;
    Decorated += o.Decorated;
    for (auto [mine, theirs] : {std::pair{&Terms, &o.Terms},
                                {&Age, &o.Age},
                                {&Cash, &o.Cash},
                                {&Benefits, &o.Benefits},
                                {&Decorations, &o.Decorations}})
        for (const auto& [value, times] : theirs->Of) mine->Add(value, times);
    for (const auto& [rank, n] : o.Ranks) Ranks[rank] += n;
    for (size_t k = 0; k < Outcome.size(); ++k) Outcome[k] += o.Outcome[k];
    for (const auto& [stat, loss] : o.AgingLoss)
        for (const auto& [value, times] : loss.Of) AgingLoss[stat].Add(value, times);
    for (const auto& [name, skill] : o.Skills) {
        auto& s = Skills[name];
        s.Holders += skill.Holders;
        for (const auto& [value, times] : skill.Levels.Of) s.Levels.Add(value, times);
    }
    for (const auto& [name, n] : o.Tables) Tables[name] += n;
    for (const auto& [name, n] : o.Schools) Schools[name] += n;
    for (const auto& [text, n] : o.Problems) Problems[text] += n;
}

namespace {

Figure Share(std::string section, std::string name, int64_t k, int64_t n) {
    return {std::move(section),
            std::move(name),
            Figure::Kind::Share,
            n > 0 ? static_cast<double>(k) / static_cast<double>(n) : 0.0,
            0.0,
            n};
}

Figure Mean(std::string section, std::string name, const Counts& counts) {
    return {std::move(section), std::move(name), Figure::Kind::Mean,
            counts.Mean(),      counts.Sd(),     counts.N()};
}

Bars BarsOf(const Counts& counts) {
    Bars bars;
    if (counts.Of.empty()) return bars;
    // Every value between the least and the most, so the histogram's gaps show.
    for (int64_t v = counts.Of.begin()->first; v <= counts.Of.rbegin()->first; ++v) {
        bars.Labels.push_back(std::to_string(v));
        const auto it = counts.Of.find(v);
        bars.Counts.push_back(it == counts.Of.end() ? 0 : it->second);
    }
    return bars;
}

}  // namespace

GroupSummary Summarise(const GroupTally& t) {
    GroupSummary s;
    s.Race = t.Race;
    s.Service = t.Service;
    s.Careers = t.Careers;
    s.Finished = t.Finished;
    s.Unmatched = t.Unmatched;
    s.Problems = t.Problems;
    const int64_t n = t.Finished;
    auto& f = s.Figures;
    f.push_back(Share("Survival", "served out", t.Outcome[0] + t.Outcome[1], n));
    f.push_back(Share("Survival", "died of old age", t.Died, n));
    f.push_back(Share("Survival", "invalided out", t.Invalided, n));
    f.push_back(Share("Survival", "court-martialled", t.CourtMartialled, n));
    f.push_back(Share("Survival", "wounded", t.Wounded, n));
    f.push_back(Mean("Terms", "terms served", t.Terms));
    f.push_back(Mean("Age", "age at muster-out", t.Age));
    for (size_t i = 1; i < t.StatNames.size(); ++i) {
        const auto it = t.AgingLoss.find(static_cast<int>(i));
        if (it != t.AgingLoss.end())
            f.push_back(Mean("Aging", t.StatNames[i] + " lost", it->second));
    }
    f.push_back(Mean("Money", "cash", t.Cash));
    f.push_back(Mean("Money", "benefits", t.Benefits));
    f.push_back(Share("Decorations", "decorated", t.Decorated, n));
    f.push_back(Mean("Decorations", "decorations", t.Decorations));
    for (const auto& [rank, count] : t.Ranks)
        f.push_back(Share("Final rank", rank.second, count, n));
    // The fifteen skills most careers end with, the most common first.
    std::vector<std::pair<std::string, const GroupTally::Skill*>> skills;
    for (const auto& [name, skill] : t.Skills) skills.emplace_back(name, &skill);
    std::stable_sort(skills.begin(), skills.end(), [](const auto& a, const auto& b) {
        return a.second->Holders > b.second->Holders;
    });
    if (skills.size() > 15) skills.resize(15);
    for (const auto& [name, skill] : skills) {
        f.push_back(Share("Skills", name + " held", skill->Holders, n));
        f.push_back(Mean("Skills", name + " level", skill->Levels));
        s.Skills.Labels.push_back(name);
        s.Skills.Counts.push_back(skill->Holders);
    }
    for (const auto& [name, count] : t.Tables)
        f.push_back(Share("Special assignments", name, count, n));
    for (const auto& [name, count] : t.Schools) f.push_back(Share("Schools", name, count, n));
    s.Quartiles["age at muster-out"] = {t.Age.Quantile(0.25), t.Age.Quantile(0.5),
                                        t.Age.Quantile(0.75)};
    s.Quartiles["cash"] = {t.Cash.Quantile(0.25), t.Cash.Quantile(0.5), t.Cash.Quantile(0.75)};
    s.Quartiles["benefits"] = {t.Benefits.Quantile(0.25), t.Benefits.Quantile(0.5),
                               t.Benefits.Quantile(0.75)};
    s.Terms = BarsOf(t.Terms);
    s.Age = BarsOf(t.Age);
    for (const auto& [rank, count] : t.Ranks) {
        s.Ranks.Labels.push_back(rank.second);
        s.Ranks.Counts.push_back(count);
    }
    s.Outcomes.Labels.assign(std::begin(OutcomeNames), std::end(OutcomeNames));
    s.Outcomes.Counts.assign(t.Outcome.begin(), t.Outcome.end());
    return s;
}

}  // namespace orrimar
