// Results that several services' special-assignment tables share.
#pragma once

#include <string>
#include <vector>

#include "career/specials/FamilyTable.h"

namespace orrimar::specials {

// "- Specialist School": one die picks a skill of the technical list when
// Int + Edu is 15 or less, of the academic list otherwise.
SpecialTable SpecialistSchool(std::vector<std::string> technical,
                              std::vector<std::string> academic);
// Officer candidate school; race type 12 trains instead.
const SpecialTable& OfficerCandidateSchool();
// Commando School, or a teaching post there once the branch is open.
const SpecialTable& CommandoSchool();
const SpecialTable& TavrchedlTraining();
// One die: attache (Soc and a promotion) on 4 or less, aide (Soc and a
// further posting thrown on 1D5 on `officerTable`) on 5 or 6.
SpecialTable AttacheOrAide(std::string attache, std::string aide, TableFn officerTable);

}  // namespace orrimar::specials
