// The generation driver: the program's main loop from the main window
// through the career, mustering out and the final menu.
#pragma once

namespace orrimar {

struct Game;

// Runs for ever; the program ends through ProgramExit.
void MainProcess(Game& g);

enum class CareerEnd { Finished, Restart, Scrap };
// An accepted character's career, from the first year through mustering out
// (Finished), or until the user restarts or scraps it.
CareerEnd PlayCareer(Game& g);
// The final menu: save as often as wanted, then restart or scrap.
CareerEnd FinalMenu(Game& g);
// Advances one year (and the term after its last year), with aging.
void NextYear(Game& g);

}  // namespace orrimar
