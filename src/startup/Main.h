#pragma once

#include <string>

namespace orrimar {

struct Game;

// The program's start: title, data folder (asking on first use), default
// template, cascades, races, option sets, tables, coins; then the driver.
// Ends by throwing ProgramExit.
void Main(Game& g);

// Steps of Main that tests and the data checker use on their own.
void SetAppTitle(Game& g);
void FillTables(Game& g);
// Writes templates/Sample.htm when it is missing; returns a message on failure.
std::string EnsureDefaultTemplate(const std::string& dataLoc);

}  // namespace orrimar
