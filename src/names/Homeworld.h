#pragma once

#include <string>

namespace orrimar {

struct Game;

// The homeworld profile text of a finished character.
std::string MakeHomeworld(Game& g, int layout);

}  // namespace orrimar
