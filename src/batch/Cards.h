// cards.htm of a batch: every character's stat block as a card, several to
// a printed page (two columns), none split across pages.
#pragma once

#include <cstdint>
#include <string>

namespace orrimar {

struct BatchCharacter;

std::string CardsHead(int made, uint64_t seed);
// The card of a character whose stat block `c.Block` holds.
std::string CardHtml(const BatchCharacter& c);
std::string CardsTail();

}  // namespace orrimar
