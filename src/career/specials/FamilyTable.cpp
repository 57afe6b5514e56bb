#include "career/specials/FamilyTable.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "ask/Question.h"
#include "career/SkillTables.h"
#include "career/Skills.h"
#include "model/CareerWatch.h"
#include "model/Display.h"
#include "model/Game.h"
#include "model/ProblemsMet.h"
#include "model/SchoolFiles.h"
#include "model/Throws.h"
#include "text/Files.h"
#include "text/Text.h"

namespace orrimar::specials {

namespace {

Cond Make(Cond::Kind what, int a = 0, int b = 0, std::string text = "") {
    Cond c;
    c.What = what;
    c.A = a;
    c.B = b;
    c.Text = std::move(text);
    return c;
}

SpecialThrow Source(SpecialThrow::Source from, int count = 0, int sides = 0, int value = 0) {
    SpecialThrow t;
    t.From = from;
    t.Count = count;
    t.Sides = sides;
    t.Value = value;
    return t;
}

int Stat(const Game& g, int stat) {
    return g.career.Character.Stats[std::clamp(stat, 1, CharacterRecord::MaxStats)];
}

// Returns whether the rank was changed.
bool ChangeRank(CareerPart& career, const RulesPart& rules, const RankChange& r) {
    switch (r.What) {
        case RankChange::Kind::None:
            return false;
        case RankChange::Kind::Set:
            SetRank(career, r.Value);
            return true;
        case RankChange::Kind::Raise: {
            const int limit = r.Limit > 0 ? r.Limit : RanksOf(rules, career).Top();
            if (career.Character.Rank >= limit) return false;
            SetRank(career, career.Character.Rank + 1);
            return true;
        }
    }
    return false;
}

void PickSkillsNow(Game& g, const SkillPick& pick) {
    if (pick.Count <= 0) return;
    ThrowFor(g, "how many skills to pick");
    const int times = RollDice(g, pick.Count, pick.Sides);
    // A window closed without a choice lets the dice choose, so the skill
    // is not lost.
    const PickQuestion question{
        .Choices = pick.Choices, .Title = pick.Title, .Dice = PickDice::WhenNone};
    for (int k = 0; k < times; ++k) {
        std::string chosen(Answer(g, question).Text);
        AddSkill(g, chosen);
    }
}

// A school that cannot be attended (no school digit, no file, or a file
// without its six skills) is a fault in the data folder: the user is told
// which file, and the year gets the ordinary skill-table roll, as for a
// school the folder does not hold, rather than a year with nothing.
bool SchoolFailed(Game& g, const std::string& problem) {
    DataProblemMet(g, problem + "; a skill-table roll is made instead.", MsgIcon::Warning);
    RollSkill(g);
    return false;
}

// Returns false when the school could not be attended.
bool AttendSchool(Game& g, const SchoolFile& school, int result) {
    if (school.Prefix.empty() && school.File.empty()) return true;
    const std::string name = SchoolFileName(school, g.rules.Service.School.At(result));
    if (name.empty())
        return SchoolFailed(g, "The [SCHOOL] line of " + g.rules.Service.Name +
                                   " has no school digit at position " + std::to_string(result));
    const SchoolFileRead read = ReadSchoolFile(g, name);
    const auto& path = read.Path;
    if (!path) return SchoolFailed(g, "The school file " + name + " is not in the data folder");
    const auto& lines = read.Lines;
    bool whole = lines && lines->size() >= 7;
    for (size_t k = 1; whole && k <= 6; ++k) whole = !IsBlank((*lines)[k]);
    if (!whole)
        return SchoolFailed(
            g, "The school file " + FileNameOf(*path) + " needs a title line and six skill lines");
    AddHistory(g, (*lines)[0]);
    if (g.career.Watch) g.career.Watch->Schools.push_back(FileNameOf(*path));
    for (int k = 0; k < school.Picks; ++k) {
        ThrowFor(g, "the school's skill");
        AddSkill(g, (*lines)[RollDice(g, 1, 6)]);
    }
    return true;
}

void Run(Game& g, const SpecialTable& table, const SpecialThrow& how, int depth);

void Apply(Game& g, const SpecialRow& row, int result, int depth) {
    auto& c = g.career.Character;
    if (!row.History.empty()) AddHistory(g, row.History);
    if (!AttendSchool(g, row.School, result)) return;
    for (const auto& skill : row.Skills) {
        if (!AllHold(g, skill.When)) continue;
        if (skill.Target > 0)
            TrySkill(g, 1, skill.Target, skill.Name);
        else
            AddSkill(g, skill.Name);
    }
    PickSkillsNow(g, row.Pick);
    if (row.Flag == SpecialFlag::Commissioned) c.Commissioned = 1;
    if (row.Flag == SpecialFlag::DeptTestPassed) c.DeptTestPassed = 1;
    const bool rankChanged = ChangeRank(g.career, g.rules, row.Rank);
    for (int k = 0; k < row.SkillRolls; ++k) RollSkill(g);
    if (rankChanged && !row.Rank.Announce.empty()) {
        const std::string code =
            row.Rank.AnnounceCode
                ? Trim(RankCodeOf(g, std::clamp<int>(c.Rank, 0, ServiceRecord::MaxRanks)))
                : "";
        ShowCharacter(g, row.Rank.Announce + code);
    }
    if (row.Branch >= 1 && row.Branch <= CharacterRecord::MaxBranchTags) {
        c.BranchOpen[row.Branch] = 1;
        if (!row.Information.empty())
            g.ui.Message(row.Information, g.session.AppTitle, MsgIcon::Information);
    }

    if (const SpecialTable* next = row.Next.Target())
        Run(g, *next, row.Next.ThrowOf(*next), depth + 1);
}

// A condition as a modifier's reason: "EDU 9+", "rank 10+".
std::string CondText(const Game& g, const Cond& c) {
    std::string text;
    switch (c.What) {
        case Cond::Kind::RankIn:
            text = "rank " + std::to_string(c.A) +
                   (c.B == INT_MAX ? "+"
                    : c.A == c.B   ? ""
                                   : " to " + std::to_string(c.B));
            break;
        case Cond::Kind::RankBelowMax:
            text = "rank below the top";
            break;
        case Cond::Kind::StatAbove:
            text = UCase(Trim(StatName(g, std::clamp(c.A, 0, CharacterRecord::MaxStats)))) + " " +
                   std::to_string(c.B + 1) + "+";
            break;
        case Cond::Kind::IntEduAbove:
            text = "INT+EDU " + std::to_string(c.A + 1) + "+";
            break;
        case Cond::Kind::CareerIs:
            text = c.Text;
            break;
        case Cond::Kind::BranchHas:
            text = "branch " + c.Text;
            break;
        case Cond::Kind::RaceIs:
            text = "race type " + std::to_string(c.A);
            break;
        case Cond::Kind::BranchOpened:
            text = "branch " + std::to_string(c.A) + " open";
            break;
        case Cond::Kind::SkillAbove:
            text = c.Text + " " + std::to_string(c.A + 1) + "+";
            break;
        case Cond::Kind::TermAtMost:
            text = "term " + std::to_string(c.A) + " or less";
            break;
    }
    return c.Negate ? "not " + text : text;
}

// The modifiers ThrowResult added, each with its conditions as the reason.
void ExplainModifiers(Game& g, const SpecialThrow& how) {
    for (const auto& m : how.Modifiers) {
        if (!AllHold(g, m.When)) continue;
        std::string reason;
        for (const auto& c : m.When) reason += (reason.empty() ? "" : ", ") + CondText(g, c);
        ExplainModifier(g, m.Amount, reason);
    }
}

void Run(Game& g, const SpecialTable& table, const SpecialThrow& how, int depth) {
    if (depth > MaxDepth) {
        DataProblemMet(g, "Special assignment tables lead too deep at " + table.Name);
        return;
    }
    if (g.career.Watch) g.career.Watch->Tables.push_back(table.Name);
    const bool thrown = how.From == SpecialThrow::Source::Dice;
    if (thrown) ThrowFor(g, "the table ", table.Name);
    const int result = ThrowResult(g, how);
    if (thrown && g.career.Explain) ExplainModifiers(g, how);
    for (const auto& row : table.Rows) {
        if (result < row.From || result > row.To || !AllHold(g, row.When)) continue;
        if (thrown && g.career.Explain)
            ExplainOutcome(
                g, row.History.empty() ? "row " + std::to_string(row.From) : Trim(row.History));
        Apply(g, row, result, depth);
        return;
    }
}

}  // namespace

Cond Not(Cond c) {
    c.Negate = !c.Negate;
    return c;
}
Cond RankIn(int low, int high) {
    return Make(Cond::Kind::RankIn, low, high);
}
Cond RankIs(int rank) {
    return RankIn(rank, rank);
}
Cond RankAtLeast(int rank) {
    return RankIn(rank, INT_MAX);
}
Cond RankBelow(int rank) {
    return Not(RankAtLeast(rank));
}
Cond Officer() {
    return RankAtLeast(10);
}
Cond Enlisted() {
    return RankBelow(10);
}
Cond RankBelowMax() {
    return Make(Cond::Kind::RankBelowMax);
}
Cond StatAbove(int stat, int value) {
    return Make(Cond::Kind::StatAbove, stat, value);
}
Cond StatAtLeast(int stat, int value) {
    return StatAbove(stat, value - 1);
}
Cond StatBelow(int stat, int value) {
    return Not(StatAbove(stat, value - 1));
}
Cond IntEduAtMost(int value) {
    return Not(Make(Cond::Kind::IntEduAbove, value));
}
Cond CareerIs(ServiceKind kind) {
    return Make(Cond::Kind::CareerIs, static_cast<int>(kind), 0,
                std::string(ServiceKindCode(kind)));
}
Cond BranchHas(BranchMark mark) {
    return Make(Cond::Kind::BranchHas, static_cast<int>(mark), 0, BranchMarkWord(mark));
}
Cond RaceIs(int code) {
    return Make(Cond::Kind::RaceIs, code);
}
Cond BranchOpened(int entry) {
    return Make(Cond::Kind::BranchOpened, entry);
}
Cond SkillAbove(std::string name, int level) {
    return Make(Cond::Kind::SkillAbove, level, 0, std::move(name));
}
Cond TermAtMost(int term) {
    return Make(Cond::Kind::TermAtMost, term);
}

bool Holds(const Game& g, const Cond& c) {
    const auto& ch = g.career.Character;
    bool holds = false;
    switch (c.What) {
        case Cond::Kind::RankIn:
            holds = ch.Rank >= c.A && ch.Rank <= c.B;
            break;
        case Cond::Kind::RankBelowMax:
            holds = ch.Rank < TopRankOf(g);
            break;
        case Cond::Kind::StatAbove:
            holds = Stat(g, c.A) > c.B;
            break;
        case Cond::Kind::IntEduAbove:
            holds = Stat(g, StatInt) + Stat(g, StatEdu) > c.A;
            break;
        case Cond::Kind::CareerIs:
            holds = g.rules.Service.Type.Kind == static_cast<ServiceKind>(c.A);
            break;
        case Cond::Kind::BranchHas:
            holds = g.rules.Service.Has(static_cast<BranchMark>(c.A));
            break;
        case Cond::Kind::RaceIs:
            holds = g.rules.Race.Code == c.A;
            break;
        case Cond::Kind::BranchOpened:
            holds = c.A >= 1 && c.A <= CharacterRecord::MaxBranchTags && ch.BranchOpen[c.A] == 1;
            break;
        case Cond::Kind::SkillAbove:
            holds = GetSkillLevel(g.career, c.Text) > c.A;
            break;
        case Cond::Kind::TermAtMost:
            holds = ch.CurTerm <= c.A;
            break;
    }
    return holds != c.Negate;
}

bool AllHold(const Game& g, const std::vector<Cond>& conds) {
    return std::all_of(conds.begin(), conds.end(), [&](const Cond& c) { return Holds(g, c); });
}

SpecialThrow SpecialThrow::Plus(int amount, std::vector<Cond> when) const {
    SpecialThrow t = *this;
    t.Modifiers.push_back({amount, std::move(when)});
    return t;
}

SpecialThrow SpecialThrow::Capped(int max) const {
    SpecialThrow t = *this;
    t.Cap = max;
    return t;
}

SpecialThrow Die(int count, int sides) {
    return Source(SpecialThrow::Source::Dice, count, sides);
}
SpecialThrow NoThrow() {
    return Source(SpecialThrow::Source::None);
}
SpecialThrow RankValue() {
    return Source(SpecialThrow::Source::Rank);
}
SpecialThrow StatValue(int stat) {
    return Source(SpecialThrow::Source::Stat, 0, 0, stat);
}
SpecialThrow Fixed(int result) {
    return Source(SpecialThrow::Source::Fixed, 0, 0, result);
}

int ThrowResult(Game& g, const SpecialThrow& t) {
    int result = 0;
    switch (t.From) {
        case SpecialThrow::Source::None:
            break;
        case SpecialThrow::Source::Dice:
            result = RollDice(g, t.Count, t.Sides);
            break;
        case SpecialThrow::Source::Rank:
            result = g.career.Character.Rank;
            break;
        case SpecialThrow::Source::Stat:
            result = Stat(g, t.Value);
            break;
        case SpecialThrow::Source::Fixed:
            result = t.Value;
            break;
    }
    for (const auto& m : t.Modifiers)
        if (AllHold(g, m.When)) result += m.Amount;
    return std::min(result, t.Cap);
}

const SpecialTable* TableRef::Target() const {
    return Owned ? Owned.get() : Named ? &Named() : nullptr;
}

const SpecialThrow& TableRef::ThrowOf(const SpecialTable& target) const {
    return Throw ? *Throw : target.Throw;
}

SpecialRow& SpecialRow::If(Cond c) {
    When.push_back(std::move(c));
    return *this;
}
SpecialRow& SpecialRow::Log(std::string text) {
    History = std::move(text);
    return *this;
}
SpecialRow& SpecialRow::SchoolAt(std::string prefix, int picks) {
    School = {std::move(prefix), "", picks};
    return *this;
}
SpecialRow& SpecialRow::SchoolIn(std::string file, int picks) {
    School = {"", std::move(file), picks};
    return *this;
}
SpecialRow& SpecialRow::Grant(std::initializer_list<std::string> names) {
    for (const auto& n : names) Skills.push_back({n, 0, {}});
    return *this;
}
SpecialRow& SpecialRow::Try(int target, std::initializer_list<std::string> names) {
    for (const auto& n : names) Skills.push_back({n, target, {}});
    return *this;
}
SpecialRow& SpecialRow::Only(Cond when, int target, std::string name) {
    Skills.push_back({std::move(name), target, {std::move(when)}});
    return *this;
}
SpecialRow& SpecialRow::PickSkills(int count, int sides, std::string choices, std::string title) {
    Pick = {count, sides, std::move(choices), std::move(title)};
    return *this;
}
SpecialRow& SpecialRow::Set(SpecialFlag flag) {
    Flag = flag;
    return *this;
}
SpecialRow& SpecialRow::SetRank(int rank) {
    Rank.What = RankChange::Kind::Set;
    Rank.Value = rank;
    return *this;
}
SpecialRow& SpecialRow::RaiseRank(int limit) {
    Rank.What = RankChange::Kind::Raise;
    Rank.Limit = limit;
    return *this;
}
SpecialRow& SpecialRow::Announce(std::string text, bool withRankCode) {
    Rank.Announce = std::move(text);
    Rank.AnnounceCode = withRankCode;
    return *this;
}
SpecialRow& SpecialRow::Rolls(int count) {
    SkillRolls = count;
    return *this;
}
SpecialRow& SpecialRow::Open(int branch, std::string information) {
    Branch = branch;
    Information = std::move(information);
    return *this;
}
SpecialRow& SpecialRow::Then(TableFn table) {
    Next = {table, nullptr, std::nullopt};
    return *this;
}
SpecialRow& SpecialRow::Then(TableFn table, SpecialThrow rethrow) {
    Next = {table, nullptr, std::move(rethrow)};
    return *this;
}
SpecialRow& SpecialRow::Then(SpecialTable table) {
    Next = {nullptr, std::make_shared<const SpecialTable>(std::move(table)), std::nullopt};
    return *this;
}

SpecialRow At(int from, int to) {
    SpecialRow row;
    row.From = from;
    row.To = to;
    return row;
}
SpecialRow At(int result) {
    return At(result, result);
}
SpecialRow AtLeast(int result) {
    return At(result, INT_MAX);
}
SpecialRow AtMost(int result) {
    return At(INT_MIN, result);
}
SpecialRow Any() {
    return At(INT_MIN, INT_MAX);
}

SpecialTable SkillList(std::string name, SpecialThrow t, std::vector<std::string> skills) {
    SpecialTable table{std::move(name), std::move(t), {}};
    for (size_t k = 0; k < skills.size(); ++k)
        table.Rows.push_back(At(static_cast<int>(k) + 1).Grant({skills[k]}));
    return table;
}

SpecialTable DigitOf(std::string name, const std::string& digits, TableFn table) {
    SpecialTable t{
        std::move(name), digits.empty() ? NoThrow() : Die(1, static_cast<int>(digits.size())), {}};
    for (size_t k = 0; k < digits.size(); ++k)
        t.Rows.push_back(At(static_cast<int>(k) + 1).Then(table, Fixed(digits[k] - '0')));
    return t;
}

void RunSpecialTable(Game& g, const SpecialTable& table) {
    Run(g, table, table.Throw, 0);
}

std::string SchoolFileName(const SchoolFile& school, char digit) {
    if (!school.File.empty()) return school.File;
    if (digit == '\0') return "";
    return school.Prefix + digit + ".SCH";
}

std::pair<int, int> ThrowRange(const SpecialThrow& t) {
    int lo = 0, hi = 0;
    switch (t.From) {
        case SpecialThrow::Source::None:
            break;
        case SpecialThrow::Source::Dice:
            lo = t.Count;
            hi = t.Count * t.Sides;
            break;
        case SpecialThrow::Source::Rank:
            hi = CharacterRecord::MaxRank;
            break;
        case SpecialThrow::Source::Stat:
            hi = 30;  // further than a characteristic goes in play
            break;
        case SpecialThrow::Source::Fixed:
            lo = hi = t.Value;
            break;
    }
    for (const auto& m : t.Modifiers) (m.Amount < 0 ? lo : hi) += m.Amount;
    return {std::min(lo, t.Cap), std::min(hi, t.Cap)};
}

}  // namespace orrimar::specials
