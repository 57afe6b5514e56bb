// Hand-offs from term resolution to the service-specific rules.
#pragma once

#include <string>
#include <vector>

#include "career/specials/TableWalk.h"
#include "data/ServiceType.h"

namespace orrimar {

struct Game;

// A "Special" assignment: the academic offer, then the service's table.
void SpecialAssignment(Game& g);
// What a "Special" assignment of a service type plays: a table of its
// family, nothing (explorers, SORAG), or the message "Specials not defined".
enum class SpecialsKind { Table, None, Undefined };
SpecialsKind SpecialsFor(ServiceKind kind);
// The schools the special assignments of a service type may send a
// character of race type `race` to, for the service's [SCHOOL] line.
std::vector<specials::SchoolVisit> SpecialSchools(ServiceKind kind, int race,
                                                  const SchoolDigits& school);
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
