#include "career/Psionics.h"

namespace orrimar {

// Psionic testing is not played yet: the offer passes without effect.
void PsionicTraining(Game&) {}
void PsionicGames(Game&) {}

}  // namespace orrimar
