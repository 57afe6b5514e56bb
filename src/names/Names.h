// Name generation: the generic tables and the race sets.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace orrimar {

struct Game;
struct RulesPart;

// No piece table grows past this many places, whatever its weights say.
inline constexpr int MaxNamePlaces = 230;

// The four piece tables a name is built from (T4 is a copy of T3 in the
// race sets). A piece takes as many places as its weight, so a uniform
// draw over the places favours the frequent pieces.
struct NameSet {
    std::vector<std::string> T1, T2, T3, T4;
};

// The generic set, which serves every race.
NameSet MakeNameGenericTables();
// The race sets: initial consonants, vowels, finals (and finals again).
NameSet MakeNameAslanTables();
NameSet MakeNameDroyneTables();
NameSet MakeNameVargrTables();
NameSet MakeNameVilaniTables();
NameSet MakeNameZhodaniTables();

// The generic set, then the race sets that the race's name selects.
const NameSet& PrepareNames(const RulesPart& rules);
// One name built from `set` with the game's dice.
std::string MakeName(Game& g, const NameSet& set);

}  // namespace orrimar
