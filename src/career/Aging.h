// Aging: the race's aging table, applied in the last year of a term once
// the character is old enough.
#pragma once

namespace orrimar {

struct Game;

// Applies one term's aging throws (the caller has logged "Aging rolls:").
void ApplyAging(Game& g);

}  // namespace orrimar
