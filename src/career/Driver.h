// The generation driver: a career year by year, through mustering out.
// The program's main loop and the final menu are ui/Program.h's.
#pragma once

namespace orrimar {

struct Game;

enum class CareerEnd { Finished, Restart, Scrap };
// An accepted character's career, from the first year through mustering out
// (Finished), or until the user restarts or scraps it.
CareerEnd PlayCareer(Game& g);
// Advances one year (and the term after its last year), with aging.
void NextYear(Game& g);

}  // namespace orrimar
