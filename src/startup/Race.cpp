#include "startup/Race.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "model/Game.h"
#include "model/Generate.h"
#include "model/Text.h"
#include "startup/Files.h"
#include "startup/FilesSection.h"
#include "startup/Settings.h"

namespace orrimar {

namespace {

// Display texts and file names are bounded by the lists that hold them.
constexpr size_t MaxDisplay = 399;
constexpr size_t MaxFileName = 101;

// What a race file's numbers may be. A characteristic is a few dice: twenty
// is generous, and keeps a roll from running for ever. Modifiers and ages
// stay far inside the record's fields, so no sum of them can overflow.
constexpr int MaxStatDice = 20;
constexpr int MaxStatMod = 99;
constexpr int MaxAge = 999;

// The number `text` holds when it lies in lo..hi; otherwise nothing.
std::optional<int> NumberIn(std::string_view text, int lo, int hi) {
    const double value = std::nearbyint(Val(text));
    if (value < lo || value > hi) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

bool ReadRaceFile(const std::string& path, RaceRecord& out, DataProblem& problem) {
    auto read = ReadDataFile(path, "race file", problem);
    if (!read) return false;
    return ReadRaceText(FileNameOf(path), *read, out, problem);
}

bool ReadRaceText(const std::string& fileName, const std::vector<std::string>& lines,
                  RaceRecord& out, DataProblem& problem) {
    auto fail = [&](size_t index, const std::string& message) {
        problem = {fileName, static_cast<int>(index + 1), message};
        return false;
    };
    RaceRecord race;
    if (!lines.empty()) race.Name = lines[0];
    if (lines.size() > 1) race.Code = ValInt(Mid(DelimitedItems(lines[1]).front(), 6));

    size_t i = 2;
    bool inStats = false;
    while (i < lines.size()) {
        const std::string& line = lines[i++];
        if (inStats) {
            if (StartsWith(line, "[")) break;
            if (StartsWith(line, "Psionic")) {
                size_t eq = line.find('=');
                race.Psionic = Left(Trim(eq == std::string::npos ? line : line.substr(eq + 1)), 1);
                break;
            }
            size_t eq = line.find('=');
            size_t d = eq == std::string::npos ? eq : line.find('D', eq + 1);
            if (d == std::string::npos)
                return fail(i - 1, "a characteristic line needs a name, \"=\", dice and \"D\".");
            if (race.NumStats == RaceRecord::MaxStats)
                return fail(i - 1, "more than 10 characteristics.");
            const auto dice = NumberIn(line.substr(eq + 1, d - eq - 1), 0, MaxStatDice);
            if (!dice)
                return fail(
                    i - 1, "a characteristic takes 0 to " + std::to_string(MaxStatDice) + " dice.");
            const auto mod = NumberIn(line.substr(d + 1), -MaxStatMod, MaxStatMod);
            if (!mod)
                return fail(i - 1, "a characteristic's modifier must be -" +
                                       std::to_string(MaxStatMod) + " to " +
                                       std::to_string(MaxStatMod) + ".");
            int n = ++race.NumStats;
            race.StatName[n] = Fit(line.substr(0, eq), 3);
            race.StatDice[n] = *dice;
            race.StatMod[n] = *mod;
        } else if (line == "[STATS]") {
            inStats = true;
        }
    }

    int n = 0;
    bool inCascades = false;
    while (i < lines.size()) {
        const std::string& line = lines[i++];
        if (inCascades) {
            if (StartsWith(line, "[")) break;
            if (n == RaceRecord::MaxCascades)
                return fail(i - 1, "more than 20 race cascade lines.");
            race.Cascade.Edit()[++n] = line;
        } else if (line == "[CASCADES]") {
            inCascades = true;
        }
    }
    race.Cascade.Edit().Count = n;

    // A key that is missing reads as 0, as it always has; a value given
    // must lie in its range.
    struct Keyed {
        const char* key;
        int lo, hi;
        int& field;
    };
    for (const Keyed& k :
         {Keyed{"yearsperterm", 1, CharacterRecord::MaxYear, race.YearsPerTerm},
          Keyed{"ageat", 0, MaxAge, race.AgeAt}, Keyed{"baseage", 0, MaxAge, race.BaseAge}}) {
        const int at = KeyLine(lines, k.key);
        if (at < 0) continue;
        const auto value = NumberIn(
            Mid(lines[static_cast<size_t>(at)], std::string(k.key).size() + 2), k.lo, k.hi);
        if (!value)
            return fail(static_cast<size_t>(at), std::string(k.key) + " must be " +
                                                     std::to_string(k.lo) + " to " +
                                                     std::to_string(k.hi) + ".");
        k.field = *value;
    }
    race.PsiRolls = Fit(ReadIniValue(lines, "PSIrolls"), 6);
    out = race;
    return true;
}

void ListRaces(Game& g) {
    g.RaceList.Ready = g.ServiceList.Ready = g.BranchList.Ready = false;
    g.RaceList.Clear();
    g.ServiceList.Clear();
    g.BranchList.Clear();
    for (const auto& file : ListFilesWithExtension(g.DataLoc, ".ERI")) {
        if (file.size() > MaxFileName) continue;
        auto lines = ReadLines(g.DataLoc + file);
        std::string display = lines && !lines->empty() ? lines->front() : "";
        g.RaceList.Entries.push_back({Left(display, MaxDisplay), file});
    }
    g.ServiceList.Enabled = false;
    g.BranchList.Enabled = false;
    g.RaceList.Ready = true;
    g.RaceList.Enabled = true;
    if (!g.RaceList.Entries.empty()) SelectRace(g, 0);
}

bool SelectRace(Game& g, int index) {
    const int previous = g.RaceList.Selected;
    g.RaceList.Selected = index;
    if (!g.RaceList.Ready || !g.RaceList.Current()) return false;
    if (!LoadRace(g)) {
        // The race loaded before stays, so the selection stays on it.
        g.RaceList.Selected = previous;
        return false;
    }
    g.ServiceList.Enabled = true;
    // The branches listed belong to a service of the old race's list.
    g.BranchList.Clear();
    g.BranchList.Enabled = false;
    g.Form1.AcceptEnabled = false;
    return true;
}

bool LoadRace(Game& g) {
    const ListEntry* entry = g.RaceList.Current();
    if (!entry) return false;
    const std::string path = g.DataLoc + entry->Key;
    if (const RaceRecord* kept = g.Cache.Races.Find(path, "", g.Cache.Settled)) {
        g.Race = *kept;
    } else {
        RaceRecord race;
        DataProblem problem;
        if (!ReadRaceFile(path, race, problem)) {
            // The race stays as it was: a broken file never leaves half a race.
            g.ui.Message("This race file cannot be used.\n" + problem.Text(), g.AppTitle,
                         MsgIcon::Warning);
            return false;
        }
        g.Cache.Races.Put(path, "", race);
        g.Race = race;
    }
    // What the skill rolls test of the race's names is worked out when the
    // branch is chosen: no career starts before it is.
    for (int i = 1; i <= 6; ++i) g.PsiTalent[i].RaceThrow = 0;

    std::string names;
    for (int i = 1; i <= g.Race.NumStats; ++i) names += g.Race.StatName[i] + CrLf;
    g.Form1.StatNames = names;

    if (!IsBlank(g.Race.PsiRolls)) {
        for (int i = 1; i <= 6; ++i) g.PsiTalent[i].RaceThrow = ExtHexValue(g.Race.PsiRolls[i - 1]);
    }
    ListServices(g);
    g.VilaniOffered = g.Race.Code == RaceImperial;
    if (g.VilaniOffered) g.VilaniLevel = 0;
    Generate(g);
    return true;
}

void ListServices(Game& g) {
    ListServices(g, g.RaceList.Current());
}

void ListServices(Game& g, const ListEntry* race) {
    g.ServiceList.Ready = false;
    const std::string path = race ? g.DataLoc + race->Key : "";
    if (const auto* kept = race ? g.Cache.ServiceLists.Find(path, "", g.Cache.Settled) : nullptr) {
        // Assigned over the last race's entries, whose texts keep their room.
        g.ServiceList.Selected = -1;
        g.ServiceList.Entries = *kept;
    } else {
        g.ServiceList.Clear();
        if (race) {
            auto lines = ReadLines(path);
            for (auto& file : ReadFilesSection(lines ? *lines : std::vector<std::string>{}))
                g.ServiceList.Entries.push_back({Left(file.Text, MaxDisplay), std::move(file.Key)});
            if (lines) g.Cache.ServiceLists.Put(path, "", g.ServiceList.Entries);
        }
    }
    g.ServiceList.Enabled = true;
    g.ServiceList.Ready = true;
}

}  // namespace orrimar
