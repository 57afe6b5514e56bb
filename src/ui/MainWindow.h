// Form1's actions: what its buttons, lists and menus do.
#pragma once

#include <string>

namespace orrimar {

struct Game;
struct CareerPart;

void Form1Generate(Game& g);
// "Accept": true when the window may close and the career start.
bool Form1Accept(Game& g);
// Typing the characteristics in (double-click on the statistics panel).
void Form1TypeStats(Game& g);
// Clicking the TL value.
void Form1TypeTechLevel(Game& g);
void Form1SetVilaniLevel(CareerPart& career, int level);
// "Load a TRG file": nothing is read, nothing changes.
void Form1LoadTrg(Game& g);
// "Load Option Set..." entries 1..4.
void Form1LoadOptionSet(Game& g, int slot);

}  // namespace orrimar
