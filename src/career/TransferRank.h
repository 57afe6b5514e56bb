// The rank a character holds after moving to another service.
#pragma once

#include "model/PlayedRanks.h"

namespace orrimar {

struct Game;

// The rank index in `to` for a character of rank `rank` in `from`. A rank
// the new service has, on the same side (enlisted or officer), is kept.
// Otherwise the character takes the new service's rank of the same grade on
// that side (the first officer rank for a first officer rank, ...), or its
// highest rank on that side when it has fewer. A service without ranks on
// that side gives its lowest officer rank to the enlisted and its highest
// enlisted rank to officers.
int TransferredRank(const PlayedRanks& from, int rank, const PlayedRanks& to);

// After a service transfer: moves the character's rank into the new service
// (`g.rules.Service`, as the career plays it) and logs the new rank code when
// it changed. `from` is the old service's table as the career played it.
void TransferRank(Game& g, const PlayedRanks& from);

}  // namespace orrimar
