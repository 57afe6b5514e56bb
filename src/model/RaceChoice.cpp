#include "model/RaceChoice.h"

#include "data/FilesSection.h"
#include "model/Game.h"
#include "model/Generate.h"
#include "text/Files.h"
#include "text/Settings.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// Display texts and file names are bounded by the lists that hold them.
constexpr size_t MaxDisplay = 399;
constexpr size_t MaxFileName = 101;

}  // namespace

void ListRaces(Game& g) {
    g.windows.RaceList.Ready = g.windows.ServiceList.Ready = g.windows.BranchList.Ready = false;
    g.windows.RaceList.Clear();
    g.windows.ServiceList.Clear();
    g.windows.BranchList.Clear();
    for (const auto& file : ListFilesWithExtension(g.session.DataLoc, ".ERI")) {
        if (file.size() > MaxFileName) continue;
        auto lines = ReadLines(g.session.DataLoc + file);
        std::string display = lines && !lines->empty() ? lines->front() : "";
        g.windows.RaceList.Entries.push_back({Left(display, MaxDisplay), file});
    }
    g.windows.ServiceList.Enabled = false;
    g.windows.BranchList.Enabled = false;
    g.windows.RaceList.Ready = true;
    g.windows.RaceList.Enabled = true;
    if (!g.windows.RaceList.Entries.empty()) SelectRace(g, 0);
}

bool SelectRace(Game& g, int index) {
    const int previous = g.windows.RaceList.Selected;
    g.windows.RaceList.Selected = index;
    if (!g.windows.RaceList.Ready || !g.windows.RaceList.Current()) return false;
    if (!LoadRace(g)) {
        // The race loaded before stays, so the selection stays on it.
        g.windows.RaceList.Selected = previous;
        return false;
    }
    g.windows.ServiceList.Enabled = true;
    // The branches listed belong to a service of the old race's list.
    g.windows.BranchList.Clear();
    g.windows.BranchList.Enabled = false;
    g.windows.Form1.AcceptEnabled = false;
    return true;
}

bool LoadRace(Game& g) {
    RulesPart& rules = LoadedRules(g);
    const ListEntry* entry = g.windows.RaceList.Current();
    if (!entry) return false;
    const std::string path = g.session.DataLoc + entry->Key;
    if (const RaceRecord* kept = rules.Cache.Races.Find(path, "", rules.Cache.Settled)) {
        rules.Race = *kept;
    } else {
        RaceRecord race;
        DataProblem problem;
        if (!ReadRaceFile(path, race, problem)) {
            // The race stays as it was: a broken file never leaves half a race.
            g.ui.Message("This race file cannot be used.\n" + problem.Text(), g.session.AppTitle,
                         MsgIcon::Warning);
            return false;
        }
        rules.Cache.Races.Put(path, "", race);
        rules.Race = race;
    }
    // What the skill rolls test of the race's names is worked out when the
    // branch is chosen: no career starts before it is.
    for (int i = 1; i <= 6; ++i) rules.PsiTalent[i].RaceThrow = 0;

    std::string names;
    for (int i = 1; i <= rules.Race.NumStats; ++i) names += rules.Race.StatName[i] + CrLf;
    g.windows.Form1.StatNames = names;

    if (!IsBlank(rules.Race.PsiRolls)) {
        for (int i = 1; i <= 6; ++i)
            rules.PsiTalent[i].RaceThrow = ExtHexValue(rules.Race.PsiRolls[i - 1]);
    }
    ListServices(g);
    g.career.VilaniOffered = rules.Race.Code == RaceImperial;
    if (g.career.VilaniOffered) g.career.VilaniLevel = 0;
    Generate(g);
    return true;
}

void ListServices(Game& g) {
    ListServices(g, g.windows.RaceList.Current());
}

void ListServices(Game& g, const ListEntry* race) {
    g.windows.ServiceList.Ready = false;
    const std::string path = race ? g.session.DataLoc + race->Key : "";
    if (const auto* kept =
            race ? g.rules.Cache.ServiceLists.Find(path, "", g.rules.Cache.Settled) : nullptr) {
        // Assigned over the last race's entries, whose texts keep their room.
        g.windows.ServiceList.Selected = -1;
        g.windows.ServiceList.Entries = *kept;
    } else {
        g.windows.ServiceList.Clear();
        if (race) {
            auto lines = ReadLines(path);
            for (auto& file : ReadFilesSection(lines ? *lines : std::vector<std::string>{}))
                g.windows.ServiceList.Entries.push_back(
                    {Left(file.Text, MaxDisplay), std::move(file.Key)});
            if (lines)
                LoadedRules(g).Cache.ServiceLists.Put(path, "", g.windows.ServiceList.Entries);
        }
    }
    g.windows.ServiceList.Enabled = true;
    g.windows.ServiceList.Ready = true;
}

}  // namespace orrimar
