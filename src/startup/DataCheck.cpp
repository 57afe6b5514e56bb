#include "startup/DataCheck.h"

#include <set>

#include "model/Text.h"
#include "startup/Files.h"
#include "startup/Race.h"

namespace orrimar {

namespace {

void CheckService(const std::string& dir, const std::string& file, std::vector<DataProblem>& out) {
    auto path = FindFileNoCase(dir, file);
    if (!path) {
        out.push_back({file, 0, "the service file is missing."});
        return;
    }
    ServiceRecord service;
    DataProblem problem;
    if (!ReadServiceFile(*path, service, problem)) {
        out.push_back(problem);
        return;
    }
    auto lines = ReadLines(*path);
    auto branches = ReadBranchEntries(*lines);
    if (branches.empty()) out.push_back({file, 0, "the service lists no branches in [FILES]."});
    for (const auto& b : branches) {
        if (b.TransferTag > 10)
            out.push_back({file, 0, "branch \"" + b.Key + "\": a /TN number must be 0 to 10."});
        ServiceRecord branch = service;
        if (!ReadBranch(*path, b.Key, branch, problem)) {
            out.push_back(problem);
            continue;
        }
        if (branch.AssignLast < branch.AssignFirst || Trim(branch.Assignment[1].Name).empty())
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

}  // namespace

std::vector<DataProblem> CheckDataFolder(const std::string& folder) {
    std::vector<DataProblem> problems;
    const std::string dir = AddBackslash(folder);
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
    }
    if (auto path = FindFileNoCase(dir, "cascade.dat")) {
        auto lines = ReadLines(*path);
        int n = 0;
        for (const auto& line : lines ? *lines : std::vector<std::string>{}) {
            if (line == "* END *") break;
            if (++n == 251)
                problems.push_back({"cascade.dat", 251, "more than 250 cascade lines."});
        }
    }

    std::set<std::string> services;
    for (const auto& file : ListFilesWithExtension(dir, ".ERI")) {
        RaceRecord race;
        DataProblem problem;
        if (!ReadRaceFile(dir + file, race, problem)) {
            problems.push_back(problem);
            continue;
        }
        if (race.NumStats == 0) problems.push_back({file, 0, "the race has no characteristics."});
        if (race.YearsPerTerm < 1 || race.YearsPerTerm > 20)
            problems.push_back({file, 0, "yearsperterm must be 1 to 20."});
        auto lines = ReadLines(dir + file);
        bool in = false;
        for (const auto& line : *lines) {
            if (in) {
                size_t eq = line.find('=');
                if (eq == std::string::npos) break;
                services.insert(Trim(line.substr(0, eq)));
            } else if (line == "[FILES]") {
                in = true;
            }
        }
    }
    for (const auto& file : services) CheckService(dir, file, problems);
    return problems;
}

}  // namespace orrimar
