// Numbers the loaders accept but the rules cannot use whole: a re-enlistment
// throw two dice never make, ranks without a line or lines past the highest
// rank, [PLUSEDU] digits other than 0 and 1, benefit tables whose throws
// fall past their entries or never reach them, races with fewer
// characteristics than the rules read, and names longer than the lists keep.
#include "check/Lint.h"
#include "data/FilesSection.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// A benefit is thrown on one die, plus one near the top rank (material)
// or with Gambling (cash).
constexpr int LeastBenefitThrow = 6;
constexpr int MostBenefitThrow = 7;

void Reenlist(const LintService& s, std::vector<DataProblem>& out) {
    const int at = s.Service.ServiceAt.Reenlist;
    if (at < 0)
        Warn(out, s.File, 0, "the service has no reenlist= line, so every re-enlistment succeeds.",
             "write the two-dice throw needed, as \"reenlist=6\".");
    else if (s.Service.Reenlist > 12)
        Warn(out, s.File, at + 1,
             "reenlist=" + std::to_string(s.Service.Reenlist) +
                 " is more than two dice throw: only Droyne (by their coyns) and race type 11 "
                 "ever re-enlist.");
}

void Ranks(const LintService& s, std::vector<DataProblem>& out) {
    const int at = s.Service.ServiceAt.Ranks;
    if (at < 0) return;
    int lines = 0;
    while (lines < ServiceRecord::MaxRanks && !s.Service.RankCode[lines + 1].empty()) ++lines;
    const int max = s.Service.MaxRank;
    if (max > lines)
        Warn(out, s.File, at + 1,
             "Max=" + std::to_string(max) + " but only " + std::to_string(lines) +
                 " rank lines: rank " + std::to_string(lines + 1) +
                 (max > lines + 1 ? " and up have" : " has") + " no code or title.");
    else if (lines > max)
        Warn(out, s.File, at + 1,
             "Max=" + std::to_string(max) + " but " + std::to_string(lines) +
                 " rank lines: promotion stops at rank " + std::to_string(max) +
                 ", so the lines past it are never reached.");
}

void PlusEdu(const LintService& s, std::vector<DataProblem>& out) {
    const int at = s.Service.ServiceAt.PlusEdu;
    if (at < 0) return;
    const std::string& line = s.Lines[at];
    // Seven courses have a digit; 1 offers one, anything else does not.
    for (size_t k = 0; k < 7 && k < line.size(); ++k) {
        if (line[k] == '0' || line[k] == '1') continue;
        Warn(out, s.File, at + 1,
             "[PLUSEDU] position " + std::to_string(k + 1) + " holds \"" + line[k] +
                 "\": only 1 offers the course in place of a special assignment, anything "
                 "else does not.");
        break;
    }
}

void Muster(const std::string& file, const ServiceRecord& r, int at,
            std::vector<DataProblem>& out) {
    const struct {
        const char* What;
        int Count;
    } tables[] = {{"material", r.MaterialCount}, {"cash", r.CashCount}};
    for (const auto& t : tables) {
        if (t.Count > 0 && t.Count < LeastBenefitThrow)
            Warn(out, file, at + 1,
                 std::string("the ") + t.What + " table has " + std::to_string(t.Count) +
                     " entries, so a throw of " + std::to_string(t.Count + 1) +
                     (t.Count + 1 < LeastBenefitThrow ? " to 6" : "") + " gives nothing.");
        else if (t.Count > MostBenefitThrow)
            Warn(out, file, at + 1,
                 std::string("the ") + t.What + " table's entries past the seventh are never " +
                     "thrown: one die, plus one near the top rank or with Gambling, reaches 7.");
    }
    for (int k = 1; k <= r.CashCount; ++k)
        if (r.Cash[k] < 0) {
            Warn(out, file, at + 1,
                 "cash entry " + std::to_string(k) + " is " + std::to_string(r.Cash[k]) +
                     ": mustering out takes money away.");
            break;
        }
}

void Races(const LintFolder& folder, std::vector<DataProblem>& out) {
    for (const auto& r : folder.Races) {
        const int n = r.Race.NumStats;
        if (n > 0 && n < 6)
            Warn(out, r.File, r.Race.StatsAt + 1,
                 "the race has " + std::to_string(n) +
                     " characteristics: the rules read strength, dexterity, endurance, "
                     "intelligence, education and social standing from positions 1 to 6, "
                     "and those missing count as 0.");
    }
}

// The race, service and branch lists keep a name's first 399 characters.
constexpr size_t MostDisplayText = 399;

void LongName(const std::string& file, int line, const std::string& what, const std::string& name,
              std::vector<DataProblem>& out) {
    if (name.size() > MostDisplayText)
        Warn(out, file, line,
             what + " is " + std::to_string(name.size()) +
                 " characters long: the list keeps only the first " +
                 std::to_string(MostDisplayText) + ".");
}

// Line 1 of a race, and the names of a [FILES] list (services of a race,
// branches of a service).
void DisplayTexts(const std::string& file, const std::vector<std::string>& lines,
                  const std::string& what, std::vector<DataProblem>& out) {
    for (const auto& entry : ReadFilesSection(lines))
        LongName(file, entry.Line, "the " + what + " name", entry.Text, out);
}

}  // namespace

void LintNumbers(const LintFolder& folder, std::vector<DataProblem>& out) {
    Races(folder, out);
    for (const auto& r : folder.Races) {
        if (!r.Lines.empty()) LongName(r.File, 1, "the race's name", r.Lines.front(), out);
        DisplayTexts(r.File, r.Lines, "service", out);
    }
    for (const auto& s : folder.Services) {
        DisplayTexts(s.File, s.Lines, "branch", out);
        Reenlist(s, out);
        Ranks(s, out);
        PlusEdu(s, out);
        const int own = s.Service.ServiceAt.Muster;
        if (own >= 0) Muster(s.File, s.Service, own, out);
        // A branch's own [MUSTER] replaces the service's, each section once.
        std::set<int> done{own};
        for (const auto& b : s.Branches) {
            const int at = b.Service.BranchAt.Muster;
            if (at >= 0 && done.insert(at).second) Muster(s.File, b.Service, at, out);
        }
    }
}

}  // namespace orrimar
