// Skill acquisition: every gain of a career arrives as one skill text and
// goes through AddSkill, which resolves cascades and applies the caps.
#pragma once

#include <string>

namespace orrimar {

struct Game;

// Applies one skill text ("+1 Edu", "Computer-0", "Brawling", "GUN COMBAT").
// A resolved cascade replaces `text` with what it resolved to.
void AddSkill(Game& g, std::string& text);
void AddSkill(Game& g, const char* text);
void AddSkill(Game& g, const std::string& text);
// The level of the skill named `name` (any case); -1 when absent.
int GetSkillLevel(const Game& g, const std::string& name);
// Grants `text` when RollDice(dice, 6) reaches `target`.
void TrySkill(Game& g, int dice, int target, const std::string& text);

}  // namespace orrimar
