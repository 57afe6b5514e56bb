// The options, preferred-skills and save-option-set windows on a terminal:
// numbered texts and short commands, read line by line from `in`.
#pragma once

#include <iosfwd>

namespace orrimar {

struct Game;

// Each ends the program (ProgramExit 0) at the end of input; a wrong
// answer is asked again with a hint.
void ConsoleOptions(Game& g, std::istream& in, std::ostream& out);
void ConsolePreferredSkills(Game& g, std::istream& in, std::ostream& out);
void ConsoleSaveOptionSet(Game& g, std::istream& in, std::ostream& out);

}  // namespace orrimar
