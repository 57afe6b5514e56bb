// Choosing a race: the race list from the data folder, and the race
// loaded when an entry is chosen.
#pragma once

#include "data/Race.h"

namespace orrimar {

struct Game;
struct ListEntry;

// Builds the race list from the data folder and loads its first entry.
void ListRaces(Game& g);
// Loads the race of the selected race-list entry and starts a fresh
// character; false (and the loaded race untouched) when the file is refused.
bool LoadRace(Game& g);
// Builds the service list from the selected race file's [FILES] section,
// or from that of the race-list entry `race`.
void ListServices(Game& g);
void ListServices(Game& g, const ListEntry* race);
// The race list's selection handler; a refused race file leaves the
// selection on the race still loaded and gives false.
bool SelectRace(Game& g, int index);

}  // namespace orrimar
