#include "names/Names.h"

#include <algorithm>

#include "model/Game.h"
#include "model/Throws.h"
#include "names/NamePieces.h"
#include "text/Text.h"

namespace orrimar {

std::vector<std::string> ExpandPieces(std::span<const NamePiece> pieces) {
    std::vector<std::string> places;
    for (const NamePiece& piece : pieces) {
        for (int k = 0; k < piece.Weight; ++k) {
            if (static_cast<int>(places.size()) >= MaxNamePlaces) return places;
            places.emplace_back(piece.Text);
        }
    }
    return places;
}

NameSet RaceNameSet(std::span<const NamePiece> initials, std::span<const NamePiece> vowels,
                    std::span<const NamePiece> finals) {
    NameSet set;
    set.T1 = ExpandPieces(initials);
    set.T2 = ExpandPieces(vowels);
    set.T3 = ExpandPieces(finals);
    set.T4 = set.T3;
    return set;
}

const NameSet& PrepareNames(const RulesPart& rules) {
    // The sets never change: each is made once, on first use.
    static const NameSet generic = MakeNameGenericTables();
    static const NameSet aslan = MakeNameAslanTables();
    static const NameSet droyne = MakeNameDroyneTables();
    static const NameSet vargr = MakeNameVargrTables();
    static const NameSet zhodani = MakeNameZhodaniTables();
    static const NameSet vilani = MakeNameVilaniTables();
    const NameSet* set = &generic;
    // Every word found loads its set over the last, so the word tested last wins.
    const std::string& race = rules.Race.Name;
    if (Contains(race, "Aslan")) set = &aslan;
    if (Contains(race, "Droyne")) set = &droyne;
    if (Contains(race, "Vargr")) set = &vargr;
    if (Contains(race, "Zhodani")) set = &zhodani;
    if (Contains(race, "Imperial")) set = &vilani;
    return *set;
}

namespace {

// Every place of the table equally likely.
const std::string& DrawPiece(Game& g, const std::vector<std::string>& table) {
    int n = static_cast<int>(table.size());
    int k = std::clamp(RollDice(g, 1, n), 1, n);
    return table[static_cast<size_t>(k - 1)];
}

}  // namespace

std::string MakeName(Game& g, const NameSet& set) {
    const ExplainTopic topic(g, "a name");
    // A set never loaded (or with an empty table) cannot be drawn from: the
    // generic set stands in for it.
    bool usable = !set.T1.empty() && !set.T2.empty() && !set.T3.empty() && !set.T4.empty();
    const NameSet generic = usable ? NameSet{} : MakeNameGenericTables();
    const NameSet& s = usable ? set : generic;

    int t = RollDice(g, 1, 6);
    std::string raw;
    auto groupA = [&] {
        raw += DrawPiece(g, s.T1);
        raw += DrawPiece(g, s.T3);
        raw += DrawPiece(g, s.T2);
    };
    auto groupB = [&] {
        raw += DrawPiece(g, s.T3);
        raw += DrawPiece(g, s.T2);
    };
    auto groupC = [&] {
        raw += DrawPiece(g, s.T2);
        raw += DrawPiece(g, s.T3);
        raw += DrawPiece(g, s.T4);
    };

    groupA();
    if (t >= 3) groupB();
    if (t >= 6) groupB();
    groupC();

    std::string name = LCase(raw);
    if (!name.empty()) name[0] = UCase(name.substr(0, 1))[0];
    return name;
}

}  // namespace orrimar
