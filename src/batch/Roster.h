// The batch's index page: a roster of every character made, one row each,
// that sorts and filters in a browser with a small script of its own and
// reads and prints as a plain table without it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orrimar {

struct Game;
struct BatchCharacter;

// "12,345,678": cash is read at a glance.
std::string CashText(int64_t value);

// Fills the roster's columns of `c` from the finished character of `g`.
void DescribeForRoster(const Game& g, BatchCharacter& c);

// The page's head (title, style, headings), a row after its number cell's
// opening (`version` and `data` escaped already), and the tail with the script.
std::string RosterHead(int made, uint64_t seed);
std::string RosterRowAfterNumber(const BatchCharacter& c, std::string_view version,
                                 std::string_view data);
std::string RosterTail();

}  // namespace orrimar
