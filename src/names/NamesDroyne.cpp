// The Droyne name set: short clipped initials, few vowels and a wide
// spread of liquid-plus-stop finals.
#include "names/NamePieces.h"

namespace orrimar {

namespace {

constexpr NamePiece kInitials[] = {
    {"b", 8},  {"br", 6}, {"d", 14},  {"dr", 7}, {"f", 6},  {"h", 9},  {"k", 18}, {"kr", 8},
    {"l", 14}, {"m", 9},  {"n", 10},  {"p", 8},  {"pr", 6}, {"r", 10}, {"s", 16}, {"ss", 7},
    {"st", 9}, {"t", 18}, {"th", 10}, {"tr", 9}, {"ts", 8}, {"tw", 5}, {"v", 7}};
constexpr NamePiece kVowels[] = {{"a", 42},  {"ay", 20}, {"e", 26},  {"i", 28}, {"o", 34},
                                 {"oy", 16}, {"u", 22},  {"ya", 12}, {"yo", 8}, {"yu", 8}};
constexpr NamePiece kFinals[] = {{"b", 6},  {"d", 9},  {"f", 5},  {"h", 6},  {"k", 14}, {"l", 12},
                                 {"lb", 3}, {"ld", 4}, {"lk", 4}, {"lm", 3}, {"ln", 3}, {"lp", 3},
                                 {"ls", 4}, {"lt", 4}, {"m", 8},  {"n", 12}, {"p", 6},  {"r", 14},
                                 {"rd", 4}, {"rf", 3}, {"rk", 4}, {"rm", 3}, {"rn", 4}, {"rp", 3},
                                 {"rs", 4}, {"rt", 4}, {"rv", 3}, {"s", 12}, {"sk", 5}, {"ss", 6},
                                 {"st", 7}, {"t", 14}, {"th", 6}, {"ts", 5}, {"v", 5},  {"x", 4}};

}  // namespace

NameSet MakeNameDroyneTables() {
    return RaceNameSet(kInitials, kVowels, kFinals);
}

}  // namespace orrimar
