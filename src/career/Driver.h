// The generation driver: the program's main loop from the main window
// through the career, mustering out and the final menu.
#pragma once

namespace orrimar {

struct Game;

// Runs for ever; the program ends through ProgramExit.
void MainProcess(Game& g);
// Advances one year (and the term after its last year), with aging.
void NextYear(Game& g);

}  // namespace orrimar
