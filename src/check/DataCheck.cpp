#include "check/DataCheck.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <set>

#include "career/Skills.h"
#include "check/Lint.h"
#include "data/FilesSection.h"
#include "data/Race.h"
#include "data/SkillText.h"
#include "text/Files.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// The group (cascade) names the folder's cascade files define.
using Groups = std::set<std::string>;

void AddGroup(Groups& groups, const std::string& line) {
    const std::string name = Trim(line.substr(0, line.find('/')));
    if (!name.empty()) groups.insert(name);
}

// Cascade lines 1..count of a table whose element 0 holds the count.
template <size_t N>
void AddGroups(Groups& groups, const CountedLines<N>& table) {
    const int count = table.Size();
    for (int i = 1; i <= count; ++i) AddGroup(groups, table[i]);
}

// The group a skill text names, or "" when it names none: a name written
// all in capitals is taken as a cascade, as AddSkill takes it.
std::string GroupOf(const std::string& text) {
    if (text.empty() || IsStatChange(text)) return "";
    const std::string name = Trim(text.substr(0, text.find('-')));
    const bool letters = name.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string::npos;
    return letters && name == UCase(name) ? name : "";
}

// A skill text naming a group no cascade file defines, reported at the
// first line of the file that holds it.
void CheckGroup(const std::string& file, const std::vector<std::string>& lines,
                const std::string& text, const Groups& groups, std::set<std::string>& said,
                std::vector<DataProblem>& out) {
    const std::string group = GroupOf(text);
    if (group.empty() || groups.count(group) || !said.insert(group).second) return;
    int at = 0;
    for (size_t k = 0; k < lines.size() && at == 0; ++k)
        if (lines[k] == text) at = static_cast<int>(k) + 1;
    out.push_back({file, at, "\"" + group + "\" names a cascade that no cascade file defines."});
}

// Checks a service file and its branches; what loads is kept in `folder`
// for the warnings.
void CheckService(const std::string& dir, const std::string& file, const Groups& known,
                  LintFolder& folder, std::vector<DataProblem>& out) {
    // The name as written when no regular file has it: what stands there
    // instead (a folder, a device) is then said.
    const auto path = FindFileNoCase(dir, file);
    std::string why;
    if (!path && !ReadFileBytes(dir + file, TextFileLimit, why) && why == NoSuchFile) {
        out.push_back({file, 0, "the service file is missing."});
        return;
    }
    ServiceRecord service;
    DataProblem problem;
    const std::string found = path.value_or(dir + file);
    auto lines = ReadDataFile(found, "service file", problem);
    if (!lines || !ReadServiceText(FileNameOf(found), *lines, service, problem)) {
        out.push_back(problem);
        return;
    }
    LintService& kept = folder.Services.emplace_back(LintService{file, *lines, service, {}, {}});
    auto branches = ReadBranchEntries(*lines);
    Groups groups = known;
    AddGroups(groups, *service.Cascade);
    std::set<std::string> said;
    const auto checkTables = [&](const auto& tables) {
        for (const auto& table : tables)
            for (int e = 1; e <= table.Max; ++e)
                CheckGroup(file, *lines, table.Entry[e], groups, said, out);
    };
    checkTables(service.SkillTable);
    for (int m = 1; m <= service.MaterialCount; ++m)
        CheckGroup(file, *lines, service.Material[m], groups, said, out);
    if (branches.empty()) out.push_back({file, 0, "the service lists no branches in [FILES]."});
    for (const auto& b : branches) {
        if (b.TransferTag > 10)
            out.push_back({file, 0, "branch \"" + b.Key + "\": a /TN number must be 0 to 10."});
        ServiceRecord branch = service;
        if (!ReadBranchText(FileNameOf(found), *lines, b.Key, branch, problem)) {
            out.push_back(problem);
            continue;
        }
        kept.Branches.push_back({b, branch.BranchAt.Header, branch});
        checkTables(branch.BranchSkillTable);
        for (int k = 1; k <= branch.Grant->Size(); ++k)
            CheckGroup(file, *lines, branch.Grant[k], groups, said, out);
        if (branch.AssignLast < branch.AssignFirst || IsBlank(branch.Assignment[1].Name))
            out.push_back({file, 0, "branch \"" + b.Key + "\" has no assignments."});
        for (int k = branch.AssignFirst; k <= branch.AssignLast; ++k) {
            const std::string text = Trim(branch.AssignByRoll[k]);
            if (text.empty())
                out.push_back({file, 0,
                               "branch \"" + b.Key + "\": roll " + std::to_string(k) +
                                   " has no assignment."});
        }
    }
}

// A school: a title, then six skill texts.
void CheckSchool(const std::string& dir, const std::string& file, const Groups& groups,
                 LintFolder& folder, std::vector<DataProblem>& out) {
    DataProblem problem;
    const auto lines = ReadDataFile(dir + file, "school file", problem);
    if (!lines) {
        out.push_back(problem);
        return;
    }
    folder.Schools.push_back({file, *lines});
    if (lines->size() < 7) {
        out.push_back({file, static_cast<int>(lines->size()),
                       "a school file needs a title line and six skill lines."});
        return;
    }
    std::set<std::string> said;
    for (int k = 1; k <= 6; ++k) {
        const std::string& text = (*lines)[k];
        if (const std::string bad = SkillTextProblem(text); !bad.empty())
            out.push_back({file, k + 1, bad});
        CheckGroup(file, *lines, text, groups, said, out);
    }
}

// An option set: its name, ten options (0 off, -1 on), twenty preferred
// skills as a name and a level, then the rank cap and options 11 to 15.
void CheckOptionSet(const std::string& dir, const std::string& file,
                    std::vector<DataProblem>& out) {
    DataProblem problem;
    const auto lines = ReadDataFile(dir + file, "option set", problem);
    if (!lines) {
        out.push_back(problem);
        return;
    }
    if (lines->size() < 51) {
        out.push_back({file, static_cast<int>(lines->size()),
                       "an option set ends before its twenty preferred skills."});
        return;
    }
    for (int k = 1; k <= 10; ++k) {
        const std::string flag = Trim((*lines)[k]);
        if (flag != "0" && flag != "-1")
            out.push_back({file, k + 1, "an option is 0 (off) or -1 (on)."});
    }
    for (int k = 12; k <= 50; k += 2) {
        const std::string level = Trim((*lines)[k]);
        const bool whole =
            !level.empty() &&
            level.find_first_not_of("0123456789", level[0] == '-' ? 1 : 0) == std::string::npos &&
            level.size() <= 4;
        if (!whole || std::abs(ValInt(level)) > MaxSkillStep)
            out.push_back({file, k + 1,
                           "a preferred skill's level is a whole number from -" +
                               std::to_string(MaxSkillStep) + " to " +
                               std::to_string(MaxSkillStep) + "."});
    }
}

}  // namespace

int CheckStatus(const std::vector<DataProblem>& problems, bool strict) {
    for (const auto& p : problems)
        if (strict || p.Level == Severity::Error) return 1;
    return 0;
}

std::vector<std::string> Utf8DataFiles(const std::string& folder) {
    const std::string dir = WithTrailingSlash(folder);
    std::vector<std::string> names;
    for (const char* ext : {".ERI", ".SRV", ".DAT", ".SCH", ".txt"}) {
        for (const auto& file : ListFilesWithExtension(dir, ext)) {
            const auto text = ReadTextFile(dir + file);
            if (text && text->Utf8) names.push_back(file);
        }
    }
    return names;
}

std::vector<DataProblem> CheckDataFolder(const std::string& folder) {
    std::vector<DataProblem> problems;
    const std::string dir = WithTrailingSlash(folder);
    LintFolder lint;
    lint.Dir = dir;
    if (!FileExistsNoCase(dir, "IMPERIAL.ERI"))
        problems.push_back(
            {"IMPERIAL.ERI", 0, "missing: the folder is not an Orrimar data folder."});
    for (const char* name : {"cascade.dat", "COYNS.DAT"}) {
        auto path = FindFileNoCase(dir, name);
        auto lines = path ? ReadLines(*path) : std::nullopt;
        if (!lines) problems.push_back({name, 0, "missing or unreadable."});
    }
    if (auto path = FindFileNoCase(dir, "COYNS.DAT")) {
        auto lines = ReadLines(*path);
        if (lines && lines->size() < 36)
            problems.push_back({"COYNS.DAT", 0, "holds fewer than 36 lines."});
        if (lines) lint.Coyns = *lines;
    }
    Groups groups;
    if (auto path = FindFileNoCase(dir, "cascade.dat")) {
        DataProblem problem;
        auto lines = ReadDataFile(*path, "cascade file", problem);
        if (!lines && problem.Line > 0) problems.push_back(problem);
        int n = 0;
        for (const auto& line : lines ? *lines : std::vector<std::string>{}) {
            if (line == "* END *") break;
            if (++n == 251)
                problems.push_back({"cascade.dat", 251, "more than 250 cascade lines."});
            if (n <= 250) {
                AddGroup(groups, line);
                lint.Cascades.push_back(line);
            }
        }
        if (lines && n == 0) problems.push_back({"cascade.dat", 1, "the file holds no cascades."});
    }

    std::set<std::string> services;
    for (const auto& file : ListFilesWithExtension(dir, ".ERI")) {
        RaceRecord race;
        DataProblem problem;
        if (!ReadRaceFile(dir + file, race, problem)) {
            problems.push_back(problem);
            continue;
        }
        AddGroups(groups, *race.Cascade);
        if (race.NumStats == 0) problems.push_back({file, 0, "the race has no characteristics."});
        if (race.YearsPerTerm < 1 || race.YearsPerTerm > 20)
            problems.push_back({file, 0, "yearsperterm must be 1 to 20."});
        auto lines = ReadLines(dir + file);
        LintRace& kept = lint.Races.emplace_back(LintRace{file, *lines, race, {}});
        for (auto& entry : ReadFilesSection(*lines)) {
            kept.Services.push_back(std::move(entry.Key));
            services.insert(kept.Services.back());
        }
    }
    for (const auto& file : services) CheckService(dir, file, groups, lint, problems);
    // The races joining each service, as the service list finds its file.
    for (auto& service : lint.Services)
        for (const auto& race : lint.Races)
            for (const auto& file : race.Services)
                if (EqualsNoCase(file, service.File)) {
                    service.Races.push_back(&race);
                    break;
                }
    for (const auto& file : ListFilesWithExtension(dir, ".SCH"))
        CheckSchool(dir, file, groups, lint, problems);
    for (int slot = 1; slot <= 4; ++slot) {
        const std::string name = "osets" + std::to_string(slot) + ".txt";
        if (auto path = FindFileNoCase(dir, name)) CheckOptionSet(dir, FileNameOf(*path), problems);
    }
    for (auto& warning : LintDataFolder(lint)) problems.push_back(std::move(warning));
    return problems;
}

}  // namespace orrimar
