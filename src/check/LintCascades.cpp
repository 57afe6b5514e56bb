// Cascades that do not end: one whose choices lead back to it, and chains
// of cascades longer than AddSkill splits for one gain (MaxCascadeDepth),
// after which the gain is lost. A cascade is looked up as play looks it
// up, through the service's, the race's and the standard lines, for each
// race with each service it joins.
#include <algorithm>
#include <array>
#include <map>
#include <set>

#include "career/Cascades.h"
#include "career/Skills.h"
#include "check/Lint.h"
#include "data/SkillText.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// One cascade line and where it stands.
struct CascadeAt {
    const std::string* File = nullptr;
    int Line = 0;  // 1-based
    std::string Text;
};
using CascadeTable = std::vector<CascadeAt>;

// The lines a race or service record holds, each where its reader found
// it; a line written twice stands at its first, so it is reported once.
template <size_t N>
CascadeTable TableOf(const std::string& file, const CountedLines<N>& cascades,
                     const std::array<int, N + 1>& lines) {
    CascadeTable table;
    for (int i = 1; i <= cascades.Size(); ++i) {
        int at = lines[static_cast<size_t>(i)];
        for (int j = 1; j < i; ++j)
            if (cascades[j] == cascades[i]) {
                at = lines[static_cast<size_t>(j)];
                break;
            }
        table.push_back({&file, at, cascades[i]});
    }
    return table;
}

// The cascades one race and service meet, and how deep each one runs.
class Lookup {
  public:
    Lookup(const CascadeTable* service, const CascadeTable* race, const CascadeTable& standard)
        : tables_{service, race, &standard} {}

    // The line `name` finds, as FindCascade finds it.
    const CascadeAt* Find(const std::string& name) const {
        for (const CascadeTable* table : tables_) {
            if (!table) continue;
            for (const CascadeAt& line : *table)
                if (CascadeLineNames(line.Text, name)) return &line;
        }
        return nullptr;
    }

    // The cascades among the choices of the cascade `name`, as AddSkill
    // reads a choice: the name before its "-", in capitals.
    std::vector<std::string> Choices(const std::string& name) const {
        std::vector<std::string> names;
        const CascadeAt* line = Find(name);
        if (!line) return names;
        const std::string choices = Mid(line->Text, name.size() + 2);
        for (size_t start = 0; start <= choices.size();) {
            const size_t end = std::min(choices.find('/', start), choices.size());
            const std::string choice = choices.substr(start, end - start);
            const std::string cascade = Trim(choice.substr(0, choice.find('-')));
            const bool change = IsStatChange(choice);
            if (!change && !cascade.empty() && cascade == UCase(cascade) && Find(cascade))
                names.push_back(cascade);
            start = end + 1;
        }
        return names;
    }

    // How many cascades play splits one after another from `name` at most
    // (1: its choices are all skills); a way back into a cascade being
    // split is put in `loop` (from the cascade it returns to) and not
    // counted.
    int Depth(const std::string& name, std::vector<std::string>& loop) {
        if (const auto it = depth_.find(name); it != depth_.end()) return it->second;
        for (size_t k = 0; k < path_.size(); ++k)
            if (path_[k] == name && loop.empty())
                loop.assign(path_.begin() + static_cast<long>(k), path_.end());
        if (std::find(path_.begin(), path_.end(), name) != path_.end()) return 0;
        path_.push_back(name);
        int deepest = 0;
        for (const auto& choice : Choices(name)) deepest = std::max(deepest, Depth(choice, loop));
        path_.pop_back();
        return depth_[name] = deepest + 1;
    }

  private:
    std::array<const CascadeTable*, 3> tables_;
    std::map<std::string, int> depth_;
    std::vector<std::string> path_;
};

std::string Quoted(const std::string& name) {
    return "\"" + name + "\"";
}

// Every cascade the lookup finds, checked once a line.
void CheckCascades(Lookup& lookup, const std::vector<const CascadeTable*>& tables,
                   std::set<std::pair<const std::string*, int>>& said,
                   std::vector<DataProblem>& out) {
    for (const CascadeTable* table : tables) {
        for (const CascadeAt& line : *table) {
            const std::string name = Trim(line.Text.substr(0, line.Text.find('/')));
            if (name.empty() || lookup.Find(name) != &line) continue;
            std::vector<std::string> loop;
            const int depth = lookup.Depth(name, loop);
            // Said at the cascade the way leads back to, which may be
            // found from another one first.
            if (const CascadeAt* back = loop.empty() ? nullptr : lookup.Find(loop.front());
                back && said.insert({back->File, back->Line}).second) {
                std::string through;
                for (size_t k = 1; k < loop.size(); ++k)
                    through += (k > 1 ? ", " : " through ") + Quoted(loop[k]);
                Warn(out, *back->File, back->Line,
                     "the cascade " + Quoted(loop.front()) +
                         (loop.size() == 1 ? " names itself" : " leads back to itself" + through) +
                         ": splitting it may never end, and after " +
                         std::to_string(MaxCascadeDepth) + " splits the gain is lost.",
                     "give it choices that end in skills.");
            }
            // A chain too deep is said where it starts: at a cascade no
            // other cascade too deep leads to.
            if (depth <= MaxCascadeDepth) continue;
            bool inner = false;
            for (const CascadeTable* other : tables)
                for (const CascadeAt& o : *other) {
                    const std::string outer = Trim(o.Text.substr(0, o.Text.find('/')));
                    std::vector<std::string> ignored;
                    if (!outer.empty() && lookup.Find(outer) == &o &&
                        lookup.Depth(outer, ignored) > depth) {
                        const auto choices = lookup.Choices(outer);
                        inner = inner ||
                                std::find(choices.begin(), choices.end(), name) != choices.end();
                    }
                }
            if (!inner && said.insert({line.File, line.Line}).second)
                Warn(out, *line.File, line.Line,
                     "the cascade " + Quoted(name) + " leads through " + std::to_string(depth) +
                         " cascades one inside another; play splits at most " +
                         std::to_string(MaxCascadeDepth) + " for a gain, then loses it.",
                     "let a cascade nearer the start offer skills in place of cascades.");
        }
    }
}

}  // namespace

void LintCascades(const LintFolder& folder, std::vector<DataProblem>& out) {
    static const std::string standardFile = "cascade.dat";
    CascadeTable standard;
    for (size_t k = 0; k < folder.Cascades.size(); ++k)
        standard.push_back({&standardFile, static_cast<int>(k) + 1, folder.Cascades[k]});
    std::map<const LintRace*, CascadeTable> races;
    for (const auto& race : folder.Races)
        races[&race] = TableOf(race.File, *race.Race.Cascade, race.Race.CascadeLine);
    std::set<std::pair<const std::string*, int>> said;
    {
        Lookup alone(nullptr, nullptr, standard);
        CheckCascades(alone, {&standard}, said, out);
    }
    for (const auto& [race, table] : races) {
        Lookup lookup(nullptr, &table, standard);
        CheckCascades(lookup, {&table, &standard}, said, out);
    }
    for (const auto& service : folder.Services) {
        const CascadeTable own =
            TableOf(service.File, *service.Service.Cascade, service.Service.CascadeLine);
        std::vector<const CascadeTable*> joining;
        for (const LintRace* race : service.Races) joining.push_back(&races.at(race));
        if (joining.empty()) joining.push_back(nullptr);
        for (const CascadeTable* race : joining) {
            Lookup lookup(&own, race, standard);
            std::vector<const CascadeTable*> tables{&own};
            if (race) tables.push_back(race);
            tables.push_back(&standard);
            CheckCascades(lookup, tables, said, out);
        }
    }
}

}  // namespace orrimar
