// Term resolution: one year's assignment with survival, command,
// decorations or court martial, promotion, clearance and skills.
#pragma once

#include <string>

#include "data/ServiceType.h"

namespace orrimar {

struct Game;

// The services with command postings, courts martial and the
// one-promotion-a-term rule for officers.
bool IsMilitary(ServiceKind kind);
// Whether a Training year of the service goes to a school (ISCTn.SCH)
// instead of its skill throw: scouts and explorers.
bool TrainsAtSchool(ServiceKind kind);
// The school file of that Training year for the [SCHOOL] line's character
// at the die's position; "" when it is not a digit (a skill-table roll then).
std::string ScoutSchoolFile(char digit);
// Resolves the year's assignment for the 2D6 throw `roll`; on return `roll`
// holds the matched assignment record (0 when none), or SORAG's re-throw.
void ResolveAssignment(Game& g, int& roll);
// " (arm)", " (leg)", " (head)", " (chest)" or " (lower torso)".
std::string WoundLocation(Game& g);
// Race type 3's charisma table in place of decorations and promotion.
void CharismaEvent(Game& g, int assignment);

}  // namespace orrimar
