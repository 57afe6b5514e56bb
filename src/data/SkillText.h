// What a skill text may say: a level or characteristic change within bounds.
#pragma once

#include <string>
#include <string_view>

namespace orrimar {

// The largest skill level or characteristic change a skill text may give.
constexpr int MaxSkillStep = 99;

// A characteristic change, as "+1 Str" or "-2 End": its sign first, the
// amount from the second character, the characteristic's name from the
// fourth. Every other skill text names a skill or a cascade. The one
// reading of the form, for the rules, the loaders and the checker alike.
inline bool IsStatChange(std::string_view text) {
    return !text.empty() && (text[0] == '+' || text[0] == '-');
}
struct StatChange {
    bool Raises = true;  // "+"
    int Amount = 0;      // as written, not yet brought within MaxSkillStep
    std::string Code;    // the name in capitals, as race files are compared
};
// Only for a text IsStatChange accepts.
StatChange ReadStatChange(std::string_view text);
// Why a skill text's level or change lies outside -MaxSkillStep..
// MaxSkillStep, or "" when it does not (or has none).
std::string SkillTextProblem(std::string_view text);

}  // namespace orrimar
