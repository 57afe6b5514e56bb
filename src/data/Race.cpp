#include "data/Race.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "data/FilesSection.h"
#include "text/Files.h"
#include "text/Settings.h"
#include "text/Text.h"

namespace orrimar {

namespace {

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
            if (StartsWith(line, "[") || StartsWith(line, "Psionic"))
                race.StatsEnd = static_cast<int>(i) - 1;
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
            race.StatAt[n] = static_cast<int>(i) - 1;
        } else if (line == "[STATS]") {
            race.StatsAt = static_cast<int>(i) - 1;
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
            race.CascadeLine[static_cast<size_t>(n)] = static_cast<int>(i);
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

}  // namespace orrimar
