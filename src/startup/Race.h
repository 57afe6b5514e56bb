// The race record and the race list: which species or population the
// character belongs to, its characteristics, term length, ages and
// psionic chances, and which services it may enter.
#pragma once

#include <array>

#include <string>
#include <string_view>
#include <vector>
#include "startup/CountedLines.h"
#include "startup/SharedPart.h"

#include "startup/RaceTypes.h"
#include "startup/Service.h"

namespace orrimar {

struct ListEntry;

struct Game;

// The characteristic psionic training adds after a race's own; a
// character holds it, the race never does.
inline constexpr std::string_view AddedPsiStat = "PSI";

struct RaceRecord {
    static constexpr int MaxStats = 10;
    static constexpr int MaxCascades = 20;

    std::string Name;
    int Code = 0;  // the race type (RaceType) the built-in rules know it by
    int NumStats = 0;
    std::array<std::string, MaxStats + 1> StatName{};
    std::array<int, MaxStats + 1> StatDice{};
    std::array<int, MaxStats + 1> StatMod{};
    std::string Psionic;
    std::string PsiRolls;
    int YearsPerTerm = 0;
    int AgeAt = 0;
    int BaseAge = 0;
    SharedPart<CountedLines<MaxCascades>> Cascade;

    bool operator==(const RaceRecord&) const = default;
};

// Reads a race file into `race`. When the file breaks the format, `problem`
// names the file and line and `race` is not touched. Shared by the program
// and the data checker.
bool ReadRaceFile(const std::string& path, RaceRecord& race, DataProblem& problem);
// The same for a race file's lines; `fileName` names it in the problem.
bool ReadRaceText(const std::string& fileName, const std::vector<std::string>& lines,
                  RaceRecord& race, DataProblem& problem);

// Builds the race list from the data folder and loads its first entry.
void ListRaces(Game& g);
// Loads the race of the selected race-list entry and starts a fresh
// character; false (and the loaded race untouched) when the file is refused.
bool LoadRace(Game& g);
// Builds the service list from the selected race file's [FILES] section,
// or from that of the race-list entry `race`.
void ListServices(Game& g);
void ListServices(Game& g, const ListEntry* race);
// The race list's selection handler; a refused race file leaves the
// selection on the race still loaded and gives false.
bool SelectRace(Game& g, int index);

}  // namespace orrimar
