// Naming the finished character before it is saved.
#pragma once

#include <string>

namespace orrimar {

struct Game;
struct NameSet;

// Ten fresh suggestions and the three other choices, "/"-separated.
std::string SuggestedNames(Game& g, const NameSet& set);

// Offers suggested names ("10 more" draws new ones), a typed name or a
// blank one, and stores the result in the character's Name.
void NameCharacter(Game& g);

}  // namespace orrimar
