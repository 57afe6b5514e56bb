// Skill acquisition: every gain of a career arrives as one skill text and
// goes through AddSkill, which resolves cascades and applies the caps.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include "data/SkillText.h"

namespace orrimar {

struct Game;
struct CareerPart;

// The most cascades AddSkill splits one after another for a gain: a choice
// that is a cascade again is split in turn, so a cascade whose choices lead
// back to it could otherwise be split for ever. Past this the gain is a data
// problem and nothing is recorded (the data checker warns of such cascades).
constexpr int MaxCascadeDepth = 25;

// Applies one skill text ("+1 Edu", "Computer-0", "Brawling", "GUN COMBAT").
// A resolved cascade replaces `text` with what it resolved to.
void AddSkill(Game& g, std::string& text);
void AddSkill(Game& g, const char* text);
void AddSkill(Game& g, const std::string& text);
// Raises characteristic `stat` to `value`, at most to the species maximum
// (15 + the race's modifier) unless "Allow stats over 15" is on, saying so
// when it stops there; never lowers it. `shown` runs after the change and
// before that message. Returns the new value.
int16_t RaisedCharacteristic(Game& g, int stat, int value, const std::function<void()>& shown = {});
// The level of the skill named `name` (any case); -1 when absent.
int GetSkillLevel(const CareerPart& career, const std::string& name);
// Grants `text` when RollDice(dice, 6) reaches `target`.
void TrySkill(Game& g, int dice, int target, const std::string& text);

}  // namespace orrimar
