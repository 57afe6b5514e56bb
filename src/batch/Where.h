// The conditions a batch asked with --where keeps its characters by:
// "Pilot>=2,rank>=O3,service=Navy,skill:Gun Combat", every one met.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orrimar {

struct Game;

struct WhereCondition {
    enum class Op { Less, LessOrEqual, Equal, NotEqual, GreaterOrEqual, Greater, Has };
    std::string Key;  // "rank", "age", "terms", "cash", "service", "race", "branch",
                      // a characteristic's or a skill's name
    Op Compare = Op::Has;
    std::string Value;  // as typed; a number, a rank code or a name
    int Number = 0;     // the value as a number (a rank code as its order)
};

struct WhereExpr {
    std::vector<WhereCondition> All;
};

// The expression, or nothing with `problem` naming the fault and its
// position (1 = the first character).
std::optional<WhereExpr> ParseWhere(std::string_view text, std::string& problem);

// Whether the finished character of `g` meets every condition.
bool Matches(const WhereExpr& where, const Game& g);

// Where a rank code stands among the ranks: enlisted "E1".."E99" as 1..99,
// officers "O1".."O99" as 101..199, no rank (an empty code) as 0; nothing
// for codes of another form.
std::optional<int> RankOrder(std::string_view code);

// The level of a skill, counting for a cascade's name ("Gun Combat") the
// best of the skills it stands for in the service's, the race's or the
// standard list; -1 when the character has none.
int SkillOrCascadeLevel(const Game& g, const std::string& name);

}  // namespace orrimar
