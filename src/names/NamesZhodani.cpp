// The Zhodani name set: clustered initials and finals; the vowel piece R
// stands for a syllabic r.
#include "names/NamePieces.h"

namespace orrimar {

namespace {

constexpr NamePiece kInitials[] = {
    {"b", 6},   {"bl", 4}, {"br", 5}, {"ch", 9}, {"cht", 3}, {"d", 7},  {"dl", 3},
    {"dr", 5},  {"f", 5},  {"fl", 3}, {"fr", 4}, {"j", 6},   {"jd", 3}, {"k", 8},
    {"kl", 4},  {"kr", 5}, {"l", 8},  {"m", 6},  {"n", 6},   {"p", 6},  {"pl", 4},
    {"pr", 5},  {"q", 6},  {"ql", 3}, {"qr", 4}, {"r", 6},   {"s", 8},  {"sh", 9},
    {"sht", 3}, {"t", 8},  {"st", 5}, {"tl", 4}, {"ts", 4},  {"v", 6},  {"vl", 4},
    {"vr", 5},  {"y", 4},  {"z", 6},  {"zd", 3}, {"zh", 10}, {"zhd", 3}};
constexpr NamePiece kVowels[] = {{"a", 50},  {"e", 40}, {"i", 44}, {"ia", 20},
                                 {"ie", 16}, {"o", 34}, {"R", 12}};
constexpr NamePiece kFinals[] = {
    {"b", 5},  {"bl", 3},  {"br", 4}, {"ch", 7},  {"d", 6},  {"dl", 3}, {"dr", 4},
    {"f", 5},  {"fl", 3},  {"fr", 3}, {"j", 5},   {"k", 6},  {"kl", 4}, {"kr", 4},
    {"l", 10}, {"m", 6},   {"n", 11}, {"nch", 5}, {"nj", 4}, {"ns", 5}, {"nsh", 5},
    {"nt", 6}, {"nts", 4}, {"nz", 4}, {"nzh", 5}, {"p", 5},  {"pl", 3}, {"pr", 4},
    {"q", 5},  {"ql", 3},  {"qr", 3}, {"r", 11},  {"sh", 8}, {"t", 7},  {"ts", 5},
    {"tl", 4}, {"v", 5},   {"vl", 3}, {"vr", 3},  {"z", 5},  {"zh", 8}, {"'", 6}};

}  // namespace

NameSet MakeNameZhodaniTables() {
    return RaceNameSet(kInitials, kVowels, kFinals);
}

}  // namespace orrimar
