// A character as a compact stat block, for pasting into a game master's
// notes: name, race, service and branch, rank, UPP, age, terms, skills,
// cash and benefits, decorations and the homeworld, a few lines of text.
#pragma once

#include <string>

namespace orrimar {

struct Game;
struct CareerPart;
struct BatchCharacter;

// The block for the finished character of `g`, whose roster columns `c`
// holds (DescribeForRoster), ended by a blank line.
std::string StatBlockText(const CareerPart& career, const BatchCharacter& c);

}  // namespace orrimar
