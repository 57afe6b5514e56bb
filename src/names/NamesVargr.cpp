// The Vargr name set: growled g, k and r clusters, rolled finals.
#include "names/NamePieces.h"

namespace orrimar {

namespace {

constexpr NamePiece kInitials[] = {
    {"g", 26}, {"gh", 16}, {"gn", 6}, {"gv", 4}, {"gz", 4}, {"k", 24}, {"kf", 5}, {"kh", 12},
    {"kn", 6}, {"ks", 5},  {"l", 8},  {"ll", 5}, {"n", 9},  {"ng", 6}, {"r", 15}, {"rr", 9},
    {"s", 10}, {"t", 10},  {"th", 6}, {"ts", 5}, {"v", 10}, {"z", 6},  {"p", 4},  {"b", 5}};
constexpr NamePiece kVowels[] = {{"a", 46},  {"ae", 22}, {"e", 30}, {"i", 20}, {"o", 34},
                                 {"oe", 14}, {"ou", 16}, {"u", 24}, {"ue", 10}};
constexpr NamePiece kFinals[] = {
    {"dh", 6},  {"dz", 5},   {"g", 19}, {"gh", 14}, {"ghz", 5}, {"gz", 6}, {"k", 14}, {"kh", 10},
    {"khs", 4}, {"ks", 6},   {"l", 10}, {"ll", 6},  {"n", 12},  {"ng", 8}, {"r", 22}, {"rr", 17},
    {"rrg", 7}, {"rrgh", 6}, {"rs", 6}, {"rz", 5},  {"s", 10},  {"th", 6}, {"ts", 6}, {"z", 6}};

}  // namespace

NameSet MakeNameVargrTables() {
    return RaceNameSet(kInitials, kVowels, kFinals);
}

}  // namespace orrimar
