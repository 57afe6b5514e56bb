// Skill tables: which tables the character may roll on this year, and the
// roll itself.
#pragma once

#include <string>

namespace orrimar {

struct Game;
struct CareerPart;
struct SkillTableRecord;

// The summed dice modifier of the table's DM lines for the character now.
int TableModifier(const CareerPart& career, const SkillTableRecord& table);
// Offers the eligible tables (or throws for one under automatic
// generation), then rolls on the chosen one and grants the entry.
void RollSkill(Game& g);

}  // namespace orrimar
