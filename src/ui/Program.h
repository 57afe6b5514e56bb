// The interactive program: start-up, then the main window, the career and
// the final menu, round and round.
#pragma once

#include "career/Driver.h"

namespace orrimar {

struct Game;

// Each face's main() calls this. Ends by throwing ProgramExit.
void Main(Game& g);

// Runs for ever; the program ends through ProgramExit.
void MainProcess(Game& g);

// The final menu: save as often as wanted, then restart or scrap.
CareerEnd FinalMenu(Game& g);

}  // namespace orrimar
