#include "career/Specials.h"

namespace orrimar {

// The service-specific special events are not played yet: such a year
// passes with only its assignment logged.
void SoragSpecial(Game&, const std::string&) {}
void BountyHunt(Game&, int) {}
void MerchantPosition(Game&) {}

}  // namespace orrimar
