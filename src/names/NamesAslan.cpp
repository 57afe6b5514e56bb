// The Aslan name set: hard k and kh openings, long vowel glides and soft
// finals, with the glottal stop written as an apostrophe.
#include "names/NamePieces.h"

namespace orrimar {

namespace {

constexpr NamePiece kInitials[] = {{"k", 53}, {"ht", 8}, {"hw", 10}, {"kh", 33}, {"kht", 5},
                                   {"kt", 6}, {"l", 9},  {"r", 11},  {"s", 14},  {"st", 7},
                                   {"t", 17}, {"sh", 9}, {"tl", 5},  {"tr", 14}, {"w", 15}};
constexpr NamePiece kVowels[] = {{"a", 30},  {"ai", 16}, {"ao", 10}, {"au", 12}, {"e", 18},
                                 {"ea", 12}, {"ei", 9},  {"i", 20},  {"iy", 5},  {"o", 14},
                                 {"oa", 6},  {"oi", 7},  {"ou", 8},  {"u", 12},  {"ua", 9},
                                 {"ui", 6},  {"ya", 8},  {"ye", 5},  {"yo", 4},  {"yu", 5}};
constexpr NamePiece kFinals[] = {{"h", 40},  {"kh", 34}, {"l", 26}, {"lr", 14}, {"r", 36},
                                 {"rl", 12}, {"s", 22},  {"w", 18}, {"'", 14}};

}  // namespace

NameSet MakeNameAslanTables() {
    return RaceNameSet(kInitials, kVowels, kFinals);
}

}  // namespace orrimar
