// Hand-offs from term resolution to the service-specific rules.
#pragma once

#include <string>

namespace orrimar {

struct Game;

// A "Special" assignment: the academic offer, then the service's table.
void SpecialAssignment(Game& g);
// A SORAG assignment whose name begins "S:".
void SoragSpecial(Game& g, const std::string& assignment);
// A year of a bounty-hunting branch: the hunt for the contract at `roll`,
// then an employment offer and the warrant application.
void BountyHunt(Game& g, int roll);
// A year of training that ends with an IAPB warrant; the year passes first.
void IAPBWarrantTraining(Game& g);
// Merchant positions and examinations in place of promotion.
void MerchantPosition(Game& g);

}  // namespace orrimar
