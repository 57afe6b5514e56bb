// The options, preferred-skills and save-option-set windows on a terminal:
// numbered texts and short commands, read line by line from `in`.
#pragma once

#include <cstddef>
#include <iosfwd>

namespace orrimar {

struct Game;

// Texts are wrapped to `width` columns. Each ends the program with
// EndOfInputStatus at the end of input, naming the window; a wrong answer
// is asked again with a hint.
void ConsoleOptions(Game& g, std::istream& in, std::ostream& out, size_t width);
void ConsolePreferredSkills(Game& g, std::istream& in, std::ostream& out, size_t width);
void ConsoleSaveOptionSet(Game& g, std::istream& in, std::ostream& out, size_t width);

}  // namespace orrimar
