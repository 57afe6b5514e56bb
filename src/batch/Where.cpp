#include "batch/Where.h"

#include <algorithm>
#include <cctype>

#include "career/Skills.h"
#include "model/Game.h"
#include "output/ResumeText.h"
#include "text/Text.h"

namespace orrimar {

namespace {

using Op = WhereCondition::Op;

// The keys that name something other than a characteristic or a skill.
bool IsTextKey(std::string_view key) {
    return EqualsNoCase(key, "service") || EqualsNoCase(key, "race") || EqualsNoCase(key, "branch");
}
bool IsNumberKey(std::string_view key) {
    return EqualsNoCase(key, "age") || EqualsNoCase(key, "terms") || EqualsNoCase(key, "cash");
}

std::string At(size_t position) {
    return "at character " + std::to_string(position + 1) + ": ";
}

// Skips blanks from `at`.
size_t SkipBlanks(std::string_view text, size_t at) {
    while (at < text.size() && text[at] == ' ') ++at;
    return at;
}

std::optional<int> WholeNumber(std::string_view text) {
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoi(std::string(text));
}

// One condition from `from` up to `end` (a comma or the end); "" or the fault.
std::string ParseCondition(std::string_view text, size_t from, size_t end, WhereCondition& out) {
    const size_t start = SkipBlanks(text, from);
    if (start >= end) return At(start) + "a condition expected (such as Pilot>=2)";
    const std::string_view part = text.substr(start, end - start);
    if (StartsWithNoCase(part, "skill:")) {
        out.Key = Trim(part.substr(6));
        out.Compare = Op::Has;
        if (out.Key.empty()) return At(start + 6) + "a skill name expected after \"skill:\"";
        return "";
    }
    const size_t op = part.find_first_of("<>=!");
    out.Key = Trim(part.substr(0, std::min(op, part.size())));
    if (out.Key.empty()) return At(start) + "a name expected (such as Pilot, rank, age or STR)";
    if (op == std::string_view::npos)
        return At(end) + "a comparison (>=, <=, =, !=, < or >) expected after \"" + out.Key + "\"";
    struct Spelling {
        const char* Text;
        Op Compare;
    };
    static constexpr Spelling Ops[] = {{">=", Op::GreaterOrEqual},
                                       {"<=", Op::LessOrEqual},
                                       {"!=", Op::NotEqual},
                                       {"==", Op::Equal},
                                       {"=", Op::Equal},
                                       {">", Op::Greater},
                                       {"<", Op::Less}};
    size_t valueAt = 0;
    bool known = false;
    for (const auto& spelling : Ops)
        if (StartsWith(part.substr(op), spelling.Text)) {
            out.Compare = spelling.Compare;
            valueAt = op + std::string_view(spelling.Text).size();
            known = true;
            break;
        }
    if (!known) return At(start + op) + "a comparison (>=, <=, =, !=, < or >) expected";
    const size_t valueStart = SkipBlanks(text, start + valueAt);
    out.Value = Trim(part.substr(valueAt));
    if (out.Value.empty()) return At(valueStart) + "a value expected after the comparison";
    if (out.Value.find_first_of("<>=!") != std::string::npos)
        return At(valueStart + out.Value.find_first_of("<>=!")) +
               "only one comparison in a condition";
    if (IsTextKey(out.Key)) {
        if (out.Compare != Op::Equal && out.Compare != Op::NotEqual)
            return At(start + op) + out.Key + " takes = or != (a name holding the text)";
        return "";
    }
    if (EqualsNoCase(out.Key, "rank")) {
        const auto order = RankOrder(out.Value);
        if (!order || *order == 0)
            return At(valueStart) + "a rank code expected (E1 to E99 or O1 to O99)";
        out.Number = *order;
        return "";
    }
    const auto number = WholeNumber(out.Value);
    if (!number) return At(valueStart) + "a whole number expected";
    out.Number = *number;
    return "";
}

bool Compare(int value, const WhereCondition& c) {
    switch (c.Compare) {
        case Op::Less:
            return value < c.Number;
        case Op::LessOrEqual:
            return value <= c.Number;
        case Op::Equal:
            return value == c.Number;
        case Op::NotEqual:
            return value != c.Number;
        case Op::GreaterOrEqual:
            return value >= c.Number;
        case Op::Greater:
            return value > c.Number;
        case Op::Has:
            return true;
    }
    return false;
}

// The members of cascade `name` (in capitals) from the service's, the
// race's or the standard lines: the line must name it whole, so "GUN" is
// no cascade because "GUN COMBAT" is.
template <size_t N>
std::optional<std::string> CascadeLine(const CountedLines<N>& table, const std::string& name) {
    for (int i = 1; i <= table.Size(); ++i) {
        const std::string& line = table[i];
        if (line.size() > name.size() && StartsWith(line, name) &&
            !std::isalnum(static_cast<unsigned char>(line[name.size()])) &&
            line[name.size()] != ' ')
            return line.substr(name.size() + 1);
    }
    return std::nullopt;
}

int Level(const Game& g, const std::string& name, int depth) {
    int best = GetSkillLevel(g.career, name);
    // Below the name asked, only a name in capitals is a family (as the
    // rules tell them); cascades may name each other, and a loop in the data ends.
    if (depth > 4 || (depth > 0 && UCase(name) != name)) return best;
    // Every list of the family counts, not only the one the rules would
    // resolve it by now: a skill gained in an earlier service, or the
    // standard family's, belongs to it too.
    const std::string upper = UCase(name);
    for (const auto& members :
         {CascadeLine(*g.rules.Service.Cascade, upper), CascadeLine(*g.rules.Race.Cascade, upper),
          CascadeLine(g.rules.StdCascade, upper)}) {
        if (!members) continue;
        for (const std::string& member : Split(*members, '/')) {
            const std::string skill = Trim(member.substr(0, member.find('-')));
            if (!skill.empty() && skill[0] != '+')
                best = std::max(best, Level(g, skill, depth + 1));
        }
    }
    return best;
}

bool Meets(const WhereCondition& c, const Game& g) {
    const CharacterRecord& record = g.career.Character;
    if (c.Compare == Op::Has) return SkillOrCascadeLevel(g, c.Key) >= 0;
    if (IsTextKey(c.Key)) {
        const std::string& name = EqualsNoCase(c.Key, "service") ? g.rules.Service.Name
                                  : EqualsNoCase(c.Key, "race")  ? g.rules.Race.Name
                                                                 : g.rules.Service.BranchName;
        return ContainsNoCase(name, c.Value) == (c.Compare == Op::Equal);
    }
    if (EqualsNoCase(c.Key, "rank")) {
        const auto order = RankOrder(Trim(RankCodeText(g)));
        return order && Compare(*order, c);
    }
    if (IsNumberKey(c.Key)) {
        const int value = EqualsNoCase(c.Key, "age")     ? record.Age
                          : EqualsNoCase(c.Key, "terms") ? record.CurTerm
                                                         : record.Money;
        return Compare(value, c);
    }
    for (int i = 1; i <= std::clamp(StatCount(g), 0, CharacterRecord::MaxStats); ++i)
        if (EqualsNoCase(Trim(StatName(g, i)), c.Key))
            return Compare(record.Stats[static_cast<size_t>(i)], c);
    // A skill the character lacks meets no comparison.
    const int level = SkillOrCascadeLevel(g, c.Key);
    return level >= 0 && Compare(level, c);
}

}  // namespace

std::optional<WhereExpr> ParseWhere(std::string_view text, std::string& problem) {
    WhereExpr expr;
    size_t from = 0;
    for (;;) {
        const size_t comma = std::min(text.find(',', from), text.size());
        WhereCondition condition;
        problem = ParseCondition(text, from, comma, condition);
        if (!problem.empty()) return std::nullopt;
        expr.All.push_back(std::move(condition));
        if (comma == text.size()) return expr;
        from = comma + 1;
    }
}

bool Matches(const WhereExpr& where, const Game& g) {
    return std::all_of(where.All.begin(), where.All.end(),
                       [&](const WhereCondition& c) { return Meets(c, g); });
}

std::optional<int> RankOrder(std::string_view code) {
    code = TrimView(code);
    if (code.empty()) return 0;
    const char kind = Upper(code[0]);
    const auto number = WholeNumber(code.substr(1));
    if ((kind != 'E' && kind != 'O') || !number || *number < 1 || *number > 99) return std::nullopt;
    return (kind == 'O' ? 100 : 0) + *number;
}

int SkillOrCascadeLevel(const Game& g, const std::string& name) {
    return Level(g, name, 0);
}

}  // namespace orrimar
