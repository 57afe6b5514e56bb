// Hand-offs from term resolution to the service-specific rules.
#pragma once

#include <string>

namespace orrimar {

struct Game;

// A "Special" assignment: the academic offer, then the service's table.
void SpecialAssignment(Game& g);
// A SORAG assignment whose name begins "S:".
void SoragSpecial(Game& g, const std::string& assignment);
// A year of the bounty-hunting branch.
void BountyHunt(Game& g, int roll);
// Merchant positions and examinations in place of promotion.
void MerchantPosition(Game& g);

}  // namespace orrimar
