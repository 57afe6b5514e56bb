#pragma once

namespace orrimar {

struct Game;

void PsionicTraining(Game& g);
void PsionicGames(Game& g);

}  // namespace orrimar
