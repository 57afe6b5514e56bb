// Weighted pieces as the race name sets are written, and their expansion
// into the place tables a name is drawn from.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "names/Names.h"

namespace orrimar {

struct NamePiece {
    std::string_view Text;
    int Weight = 0;
};

// Each piece repeated `Weight` times, in order, never past MaxNamePlaces.
std::vector<std::string> ExpandPieces(std::span<const NamePiece> pieces);

// A race set: initials in T1, vowels in T2, finals in T3 and a copy in T4.
NameSet RaceNameSet(std::span<const NamePiece> initials, std::span<const NamePiece> vowels,
                    std::span<const NamePiece> finals);

}  // namespace orrimar
