// The race record and the race list: which species or population the
// character belongs to, its characteristics, term length, ages and
// psionic chances, and which services it may enter.
#pragma once

#include <array>

#include <string>
#include <string_view>
#include <vector>
#include "data/SharedPart.h"
#include "text/CountedLines.h"

#include "data/RaceTypes.h"
#include "data/Service.h"

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
    std::array<int, MaxCascades + 1> CascadeLine{};  // each one's line (1-based)
    // Where the reader found the characteristics, as 0-based line indexes
    // (-1: none): the "[STATS]" line, the line that ended the list (a "["
    // or "Psionic" line) and each characteristic's own. The data checker
    // reports from them.
    int StatsAt = -1;
    int StatsEnd = -1;
    std::array<int, MaxStats + 1> StatAt{};

    bool operator==(const RaceRecord&) const = default;
};

// Reads a race file into `race`. When the file breaks the format, `problem`
// names the file and line and `race` is not touched. Shared by the program
// and the data checker.
bool ReadRaceFile(const std::string& path, RaceRecord& race, DataProblem& problem);
// The same for a race file's lines; `fileName` names it in the problem.
bool ReadRaceText(const std::string& fileName, const std::vector<std::string>& lines,
                  RaceRecord& race, DataProblem& problem);

}  // namespace orrimar
