// Rolling a new character: characteristics, tech level, starting rank and
// the race rules that follow from them.
#pragma once

namespace orrimar {

struct Game;
struct CareerPart;
struct RulesPart;

// One characteristic: best n of n+1 dice, or plain nD6 with "True 2D".
int RollStat(Game& g, int dice);
// Rank 1, or 0 ("Enlisted") in a merchant service: the rank a career
// starts at in the loaded service.
void SetStartingRank(CareerPart& career, const RulesPart& rules);
// Turns the blank record into a freshly rolled character.
void Generate(Game& g);
// HitPoints = 3 x (Str + Dex + End), shown in the main window.
void CalcHitPoints(Game& g);
// The main window's statistics panel and gauges from the character.
void RefreshStatsPanel(Game& g);
// Gauge i from the race's dice and the characteristic's value.
void RefreshGauge(Game& g, int i);

}  // namespace orrimar
