// The first tables of the service families' special assignments, which
// the registry (Registry.h) hands to the career by career code.
#pragma once

#include "career/specials/FamilyTable.h"

namespace orrimar {

// ARMY, MARINE and GUARD.
const specials::SpecialTable& ArmySpecials();
const specials::SpecialTable& NavySpecials();
// MERCHANT of every race but types 6 and 7.
const specials::SpecialTable& MerchantSpecials();
// MERCHANT of race type 6 ("M") and race type 7 ("F").
const specials::SpecialTable& MaleMerchantSpecials();
const specials::SpecialTable& FemaleMerchantSpecials();
const specials::SpecialTable& JournalSpecials();
// CORSAIR and PIRATE.
const specials::SpecialTable& CorsairSpecials();
// COAFC and COAFCSD (space skills), COAFCPD (planetary skills).
const specials::SpecialTable& CoafcSpaceSpecials();
const specials::SpecialTable& CoafcPlanetarySpecials();
// COPS.
const specials::SpecialTable& PoliceSpecials();
const specials::SpecialTable& DmilSpecials();
const specials::SpecialTable& DnavySpecials();
const specials::SpecialTable& IrisSpecials();
const specials::SpecialTable& PartySpecials();
const specials::SpecialTable& SolsecSpecials();
const specials::SpecialTable& ImojSpecials();
// FMILIT and MMILIT.
const specials::SpecialTable& FemaleMilitarySpecials();
const specials::SpecialTable& MaleMilitarySpecials();
// FSPACE and MSPACE.
const specials::SpecialTable& FemaleSpaceSpecials();
const specials::SpecialTable& MaleSpaceSpecials();

}  // namespace orrimar
