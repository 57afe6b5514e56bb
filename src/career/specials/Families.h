// The special-assignment routines of the service families, called by
// SpecialAssignment according to the career code.
#pragma once

#include <string>
#include <vector>

#include "career/specials/FamilyTable.h"

namespace orrimar {

struct Game;

// ARMY, MARINE and GUARD.
void ArmySpecial(Game& g);
void NavySpecial(Game& g);
// MERCHANT of every race but types 6 and 7.
void MerchantSpecial(Game& g);
void JournalSpecial(Game& g);
// CORSAIR and PIRATE.
void CorsairSpecial(Game& g);

// COPS.
void PoliceSpecial(Game& g);
// The academies PoliceSpecial may send a character of race type `race` to.
std::vector<specials::SchoolVisit> PoliceSchools(int race, const std::string& schoolLine);
void DmilSpecial(Game& g);
void DnavySpecial(Game& g);
void IrisSpecial(Game& g);
void PartySpecial(Game& g);
void SolsecSpecial(Game& g);
void ImojSpecial(Game& g);
// FMILIT ("F") and MMILIT ("M").
void MilitarySpecial(Game& g, const std::string& selector);
// FSPACE ("F") and MSPACE ("M").
void SpaceSpecial(Game& g, const std::string& selector);
// COAFC and COAFCSD ("SD"), COAFCPD ("PD").
void CoafcSpecial(Game& g, const std::string& selector);
// MERCHANT of race type 6 ("M") and race type 7 ("F").
void AslanMerchantSpecial(Game& g, const std::string& selector);

}  // namespace orrimar
