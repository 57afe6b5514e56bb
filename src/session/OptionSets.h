// Option sets: the option flags, rank cap and preferred skills saved in
// four slot files of the data folder, one of which may load at start-up.
#pragma once

#include <string>
#include <vector>

namespace orrimar {

struct Game;
struct SessionPart;

std::string OptionSetPath(const SessionPart& session, int slot);
// Start-up scan: names the menu entries and loads any set named DEFAULT.
void LoadOptionSetMenu(Game& g);
// Loads slot 1..4; a missing slot file does nothing.
void LoadOptionSet(Game& g, int slot);
// The same for a slot file's lines.
void ReadOptionSetText(Game& g, const std::vector<std::string>& lines);
// The slot file's 61 lines for the current settings under `name`.
std::vector<std::string> OptionSetLines(const Game& g, const std::string& name);
// The Save Option Set window's slot button: asks, names and writes.
void SaveOptionSet(Game& g, int slot);

}  // namespace orrimar
