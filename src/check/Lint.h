// The data checker's warnings: what a data folder's files say that loads
// without an error but plays otherwise than its author meant. The rules
// work on the folder as the checker loaded it (the loaders' records beside
// each file's lines, so a warning can name its line); one family of rules
// a file (Lint*.cpp).
#pragma once

#include <set>
#include <string>
#include <vector>

#include "data/Race.h"
#include "data/Service.h"

namespace orrimar {

struct LintRace {
    std::string File;
    std::vector<std::string> Lines;
    RaceRecord Race;
    std::vector<std::string> Services;  // the service files of its [FILES]
};

struct LintBranch {
    BranchEntry Entry;
    int Header = 0;         // index of the line after "*KEY" (the branch name)
    ServiceRecord Service;  // the service with this branch read over it
};

struct LintService {
    std::string File;
    std::vector<std::string> Lines;
    ServiceRecord Service;  // the service part alone
    std::vector<LintBranch> Branches;
    std::vector<const LintRace*> Races;  // the races whose [FILES] name it
};

struct LintSchool {
    std::string File;
    std::vector<std::string> Lines;
};

struct LintFolder {
    std::string Dir;
    std::vector<std::string> Cascades;  // cascade.dat's lines before "* END *"
    std::vector<std::string> Coyns;
    std::vector<LintRace> Races;
    std::vector<LintService> Services;
    std::vector<LintSchool> Schools;
};

// Every warning of the rule families below, in the order of the files.
std::vector<DataProblem> LintDataFolder(const LintFolder& folder);

// The families.
void LintSections(const LintFolder& folder, std::vector<DataProblem>& out);
void LintAssignments(const LintFolder& folder, std::vector<DataProblem>& out);
void LintTables(const LintFolder& folder, std::vector<DataProblem>& out);
void LintNumbers(const LintFolder& folder, std::vector<DataProblem>& out);
void LintSkills(const LintFolder& folder, std::vector<DataProblem>& out);
void LintSchools(const LintFolder& folder, std::vector<DataProblem>& out);
void LintTableWalk(const LintFolder& folder, std::vector<DataProblem>& out);
void LintCascades(const LintFolder& folder, std::vector<DataProblem>& out);

// Shared helpers (Lint.cpp).

// Adds a warning at `line` (1-based; 0 for the whole file).
void Warn(std::vector<DataProblem>& out, const std::string& file, int line,
          const std::string& message, const std::string& hint = "");
// Edit distance (insertions, deletions, substitutions), without regard to case.
int EditDistance(const std::string& a, const std::string& b);
// The names of `known` close to `name` (a typo's distance: one edit in
// names of up to four letters, two in longer ones), closest first, at most
// three; `name` itself and its own spelling are left out. Empty when none.
std::vector<std::string> NearNames(const std::string& name, const std::set<std::string>& known);
// "did you mean "A" or "B"?", or "" for no names.
std::string DidYouMean(const std::vector<std::string>& names);
// The 0-based index of the first line from `from` equal to `text`; -1 when none.
int LineOf(const std::vector<std::string>& lines, const std::string& text, int from = 0);

// The tables of a service record, service (branch tables false) or branch.
const SkillTableSet& Tables(const ServiceRecord& service, bool branchTables);

}  // namespace orrimar
