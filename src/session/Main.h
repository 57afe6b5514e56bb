#pragma once

#include <string>

namespace orrimar {

struct Game;
struct RulesPart;
struct SessionPart;

// The program's start: title, data folder (asking on first use), default
// template, cascades, races, option sets, tables, coins. Throws ProgramExit
// when the program cannot start. ui/Program.h's Main goes on from here.
void StartUp(Game& g);

// Everything start-up reads from DataLoc: cascades, races (the first one
// loaded), option sets, the built-in tables and the coins. Returns a
// message naming the file that stopped it, or "".
std::string LoadDataFolder(Game& g);

// What keeps `folder` from being a data folder, or "": its name holds a
// NUL, it does not exist, is not a folder, or holds no IMPERIAL.ERI.
std::string DataFolderProblem(const std::string& folder);

// Steps of Main that tests and the batch use on their own.
void SetAppTitle(SessionPart& session);
void FillTables(RulesPart& rules);
// Writes templates/Sample.htm when it is missing; returns a message on failure.
std::string EnsureDefaultTemplate(const std::string& dataLoc);

}  // namespace orrimar
