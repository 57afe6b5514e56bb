#include "data/SkillText.h"

#include "text/Text.h"

namespace orrimar {

StatChange ReadStatChange(std::string_view text) {
    return {text[0] == '+', ValInt(Mid(text, 2)), UCase(Mid(text, 4))};
}

std::string SkillTextProblem(std::string_view text) {
    const bool characteristic = IsStatChange(text);
    const size_t dash = text.find('-');
    if (!characteristic && dash == std::string_view::npos) return "";
    const double value = Val(characteristic ? text.substr(1) : text.substr(dash + 1));
    if (value >= -MaxSkillStep && value <= MaxSkillStep) return "";
    return "\"" + std::string(text) + "\": a level or change must be -" +
           std::to_string(MaxSkillStep) + " to " + std::to_string(MaxSkillStep) + ".";
}

}  // namespace orrimar
