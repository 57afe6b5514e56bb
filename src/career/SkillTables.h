// Skill tables: which tables the character may roll on this year, and the
// roll itself.
#pragma once

#include <string>

namespace orrimar {

struct Game;
struct SkillTableRecord;

// Whether the table's eligibility lines offer it to the character now.
bool TableEligible(const Game& g, const SkillTableRecord& table);
// The summed dice modifier of the table's DM lines for the character now.
int TableModifier(const Game& g, const SkillTableRecord& table);
// Offers the eligible tables (or throws for one under automatic
// generation), then rolls on the chosen one and grants the entry.
void RollSkill(Game& g);
// Rolls on the table behind chooser button 1..10 and grants the entry.
void RollOnTable(Game& g, int button);

}  // namespace orrimar
