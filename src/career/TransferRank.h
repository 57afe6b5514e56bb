// The rank a character holds after moving to another service.
#pragma once

#include <string>

namespace orrimar {

struct Game;
struct ServiceRecord;

// The rank index in `to` for a character of rank `rank` in `from`. A rank
// the new service has, on the same side (enlisted or officer), is kept.
// Otherwise the character takes the new service's rank of the same grade on
// that side (the first officer rank for a first officer rank, ...), or its
// highest rank on that side when it has fewer. A service without ranks on
// that side gives its lowest officer rank to the enlisted and its highest
// enlisted rank to officers.
int TransferredRank(const ServiceRecord& from, int rank, const ServiceRecord& to);

// After a service transfer: moves the character's rank into the new service
// (`g.rules.Service`) and logs the new rank code when it changed. `fromRankZero`
// is the career's rank 0 code in `from` when that is a merchant service.
void TransferRank(Game& g, const ServiceRecord& from, const std::string& fromRankZero);

}  // namespace orrimar
