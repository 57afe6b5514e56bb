// Which of the race's characteristic names each Eli line of the service's
// and the branch's skill tables holds. A skill roll tests a line only
// against those; the lines and the names never change in play, so this is
// worked out when the service or branch is chosen, never at a roll.
#pragma once

#include <array>
#include <cstdint>

#include "data/Race.h"
#include "data/Service.h"

namespace orrimar {

struct TableStats {
    // Bit i set: the line holds the race's name i (1..MaxStats, whatever
    // the race's count, with the PSI psionic training adds just past it; a
    // roll masks the names past the character's).
    using Lines = std::array<uint32_t, SkillTableRecord::MaxEli + 1>;
    std::array<Lines, SkillTableSet::Size> Service{}, Branch{};

    bool operator==(const TableStats&) const = default;
};

TableStats NamedInTables(const RaceRecord& race, const ServiceRecord& service);

}  // namespace orrimar
