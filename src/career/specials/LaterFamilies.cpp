#include "career/specials/Families.h"

namespace orrimar {

// The tables of these families are not played yet: their special years
// pass with only "Special" logged.
void PoliceSpecial(Game&) {}
void DmilSpecial(Game&) {}
void DnavySpecial(Game&) {}
void IrisSpecial(Game&) {}
void PartySpecial(Game&) {}
void SolsecSpecial(Game&) {}
void ImojSpecial(Game&) {}
void MilitarySpecial(Game&, const std::string&) {}
void SpaceSpecial(Game&, const std::string&) {}
void CoafcSpecial(Game&, const std::string&) {}
void AslanMerchantSpecial(Game&, const std::string&) {}

}  // namespace orrimar
