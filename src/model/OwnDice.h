// Dice the player throws: every total the engine needs is asked for, or
// read from a list of numbers, instead of thrown by the program.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orrimar {

struct Game;

// Totals read from a file or recorded with a character, used in order.
struct ThrowList {
    std::vector<int> Values;
    size_t Next = 0;
    std::string Source;  // the file, for messages
    // When the list is used up: ask the player (true), or stop (false).
    bool AskWhenDone = true;
};

// Stops a career that needs a throw its list cannot give; the message
// names the list and the throw.
struct ThrowListEnded {
    std::string Message;
};

// The numbers of a list file: whole numbers separated by blanks, commas or
// line ends; '#' starts a comment. Nothing, with `problem` naming the file
// and line, when a word is not a number or the file cannot be read.
std::optional<ThrowList> ReadThrowList(const std::string& path, std::string& problem);

// What the next throw is for, shown when the player is asked ("survival,
// target 6+"): `purpose` followed by `name`, and kept for the throw's
// explanation. The text holds until the throw is made. ThrowFor (Game.h)
// calls this only when the player throws or the throws are explained.
void KeepThrowPurpose(Game& g, std::string_view purpose, std::string_view name, int target);

// The question for a throw: "Roll 2D for survival, target 6+: ".
std::string ThrowQuestion(int count, int sides, const std::string& purpose);

// One total of `count` dice of `sides` from the player: from the list while
// it lasts, else asked; an empty answer lets the program throw it.
int OwnThrow(Game& g, int count, int sides);

}  // namespace orrimar
