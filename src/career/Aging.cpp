#include "career/Aging.h"

#include <algorithm>
#include <array>
#include <climits>
#include <span>
#include <string>

#include "model/CareerWatch.h"
#include "model/Display.h"
#include "model/Game.h"
#include "model/Throws.h"

namespace orrimar {

namespace {

// One throw of a band: 2D6 (plus the table's modifier) below `Target`
// costs `Stat` the amount `Loss`, logged under the fixed three-letter name.
struct AgingCheck {
    int Stat;
    const char* Name;
    int Target;
    int Loss;
};

constexpr int Open = INT_MAX;  // a band that runs on for every later term
constexpr int MaxChecks = 4;

struct AgingBand {
    int FirstTerm;
    int LastTerm;
    int Count;
    std::array<AgingCheck, MaxChecks> Checks;
};

constexpr AgingCheck Str(int target, int loss) {
    return {1, "Str", target, loss};
}
constexpr AgingCheck Dex(int target, int loss) {
    return {2, "Dex", target, loss};
}
constexpr AgingCheck End(int target, int loss) {
    return {3, "End", target, loss};
}
constexpr AgingCheck Int(int target, int loss) {
    return {4, "Int", target, loss};
}
// The seventh characteristic of the races on table P.
constexpr AgingCheck Poi(int target, int loss) {
    return {7, "Poi", target, loss};
}

constexpr AgingBand Band(int first, int last, AgingCheck a, AgingCheck b, AgingCheck c) {
    return {first, last, 3, {a, b, c, AgingCheck{}}};
}
constexpr AgingBand Band(int first, int last, AgingCheck a, AgingCheck b, AgingCheck c,
                         AgingCheck d) {
    return {first, last, 4, {a, b, c, d}};
}

constexpr std::array TableH = {
    Band(4, 7, Str(8, 1), Dex(7, 1), End(8, 1)),
    Band(8, 11, Str(9, 1), Dex(8, 1), End(9, 1)),
    Band(12, Open, Str(9, 2), Dex(8, 2), End(9, 2), Int(9, 1)),
};
constexpr std::array TableL = {
    Band(4, 7, Str(7, 1), Dex(6, 1), End(7, 1)),
    Band(8, 11, Str(8, 1), Dex(7, 1), End(8, 1)),
    Band(12, Open, Str(9, 2), Dex(8, 2), End(9, 2), Int(9, 1)),
};
constexpr std::array TableS = {
    Band(6, 6, Str(9, 1), Dex(8, 1), End(7, 1)),
    Band(7, 7, Str(8, 2), Dex(9, 2), End(8, 2)),
    Band(8, Open, Str(10, 2), Dex(10, 2), End(10, 2), Int(9, 1)),
};
constexpr std::array TableF = {
    Band(2, 5, Str(9, 1), Dex(8, 1), End(8, 1)),
    Band(6, 9, Str(8, 2), Dex(7, 2), End(8, 2)),
    Band(10, Open, Str(7, 3), Dex(7, 3), End(7, 3), Int(9, 3)),
};
constexpr std::array TableK = {
    Band(6, 9, Str(10, 1), Dex(9, 1), End(10, 1)),
    Band(10, Open, Str(9, 2), Dex(7, 2), End(8, 2), Int(9, 2)),
};
constexpr std::array TableA = {
    Band(5, 5, Str(7, 1), Dex(7, 1), End(7, 1)),
    Band(6, 6, Str(8, 1), Dex(8, 1), End(8, 1)),
    Band(7, 7, Str(9, 2), Dex(9, 2), End(9, 2)),
    Band(8, 8, Str(10, 3), Dex(10, 3), End(10, 3), Int(9, 1)),
    Band(9, Open, Str(11, 3), Dex(11, 3), End(11, 3), Int(10, 2)),
};
// The seventh characteristic's throw has the target 7 in both bands.
constexpr std::array TableP = {
    Band(4, 8, Str(7, 1), Dex(6, 1), End(7, 1), Poi(7, 1)),
    Band(9, Open, Str(9, 2), Dex(8, 2), End(9, 2), Poi(7, 2)),
};

struct AgingTable {
    std::span<const AgingBand> Bands;
    bool VilaniModifier = false;
};

AgingTable TableFor(int raceCode) {
    switch (raceCode) {
        case RaceImperial:
        case RaceConcord:
        case RaceZhodani:
        case 5:
        case 9:
        case RaceDominion:
        case 13:
        case 15:
        case RaceCovenant:
            return {TableH, true};
        case RaceVargr:
        case RaceLysithi:
            return {TableL};
        case RaceAslanMale:
        case RaceAslanFemale:
            return {TableS};
        case RaceDroyne:
            return {TableF};
        case RaceChelith:
            return {TableK};
        case RaceTarrenai:
            return {TableA};
        case RaceSkethra:
            return {TableP};
        default:
            return {};
    }
}

// The ticked Vilani-blood level counts only while the race offers it.
int VilaniModifier(const CareerPart& career) {
    if (!career.VilaniOffered) return 0;
    const int level = career.VilaniLevel;
    return level >= 1 && level < MainWindowModel::VilaniLevels ? level : 0;
}

}  // namespace

void ApplyAging(Game& g) {
    const AgingTable table = TableFor(g.rules.Race.Code);
    if (table.Bands.empty()) return;

    int modifier = 0;
    if (table.VilaniModifier) {
        modifier = VilaniModifier(g.career);
        if (modifier > 0) ShowCharacter(g, "Vilani blood age dm " + std::to_string(modifier));
    }

    auto& c = g.career.Character;
    for (const AgingBand& band : table.Bands) {
        if (c.CurTerm < band.FirstTerm || c.CurTerm > band.LastTerm) continue;
        for (int k = 0; k < band.Count; ++k) {
            const AgingCheck& check = band.Checks[k];
            if (g.career.Explain)
                g.career.Explain->Next(std::string("aging, ") + check.Name, check.Target);
            const bool held = RollDice(g, 2, 6) + modifier >= check.Target;
            ExplainModifier(g, modifier, "Vilani blood");
            if (g.career.Explain)
                ExplainOutcome(g,
                               held ? "held" : "-" + std::to_string(check.Loss) + " " + check.Name);
            if (held) continue;
            // No floor: a characteristic may fall below 0, which the year
            // routine reports as death of old age.
            c.Stats[check.Stat] =
                static_cast<int16_t>(std::max(c.Stats[check.Stat] - check.Loss, -32768));
            if (g.career.Watch)
                g.career.Watch->AgingLoss[static_cast<size_t>(check.Stat)] += check.Loss;
            ShowCharacter(g, "-" + std::to_string(check.Loss) + " " + check.Name);
        }
        return;
    }
}

}  // namespace orrimar
