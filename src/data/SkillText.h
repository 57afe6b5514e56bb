// What a skill text may say: a level or characteristic change within bounds.
#pragma once

#include <string>
#include <string_view>

namespace orrimar {

// The largest skill level or characteristic change a skill text may give.
constexpr int MaxSkillStep = 99;
// Why a skill text's level or change lies outside -MaxSkillStep..
// MaxSkillStep, or "" when it does not (or has none).
std::string SkillTextProblem(std::string_view text);

}  // namespace orrimar
