// Which special-assignment tables each career code plays: one list that
// the career, the data checker and the tests all read, so each sees the
// tables the others do.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "career/specials/FamilyTable.h"
#include "data/ServiceType.h"

namespace orrimar::specials {

// A family's first table, for one race type or for every other race.
struct FamilyRoot {
    std::optional<int> Race;
    const SpecialTable* Table = nullptr;
};

struct SpecialFamily {
    std::string Name;
    std::vector<ServiceKind> Codes;  // the career codes it plays
    std::vector<FamilyRoot> Roots;   // the first whose race fits is played
};

const std::vector<SpecialFamily>& SpecialFamilies();

// The family of a career code; null when it has none.
const SpecialFamily* FamilyOf(ServiceKind kind);
// The first table a character of race type `race` plays; null when none.
const SpecialTable* RootFor(const SpecialFamily& family, int race);

}  // namespace orrimar::specials
