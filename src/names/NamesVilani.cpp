// The Vilani name set: soft single consonants, long doubled vowels and
// finals dominated by r.
#include "names/NamePieces.h"

namespace orrimar {

namespace {

constexpr NamePiece kInitials[] = {{"k", 34},  {"g", 22},  {"m", 20}, {"d", 18}, {"l", 16},
                                   {"sh", 22}, {"kh", 18}, {"n", 14}, {"s", 16}, {"p", 10},
                                   {"b", 10},  {"z", 8},   {"r", 8}};
constexpr NamePiece kVowels[] = {{"a", 64},  {"e", 30},  {"i", 52}, {"u", 34},
                                 {"aa", 14}, {"ii", 12}, {"uu", 10}};
constexpr NamePiece kFinals[] = {{"r", 76}, {"m", 24}, {"sh", 28}, {"n", 30}, {"s", 18},
                                 {"g", 16}, {"d", 12}, {"p", 6},   {"k", 6}};

}  // namespace

NameSet MakeNameVilaniTables() {
    return RaceNameSet(kInitials, kVowels, kFinals);
}

}  // namespace orrimar
