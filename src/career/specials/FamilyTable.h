// Special-assignment tables as data. Every service family writes its
// schools and postings as rows of a table; one interpreter throws for a
// table and applies the first row whose result range and conditions fit.
// A new family adds tables here, never a new way of applying them.
#pragma once

#include <climits>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "data/Character.h"
#include "data/ServiceType.h"

namespace orrimar {

struct Game;

namespace specials {

// One test of the character or the service. A row, a skill or a modifier
// applies only when all its conditions hold.
struct Cond {
    enum class Kind {
        RankIn,        // A <= Rank <= B
        RankBelowMax,  // Rank below Service.MaxRank
        StatAbove,     // characteristic A above B
        IntEduAbove,   // Int + Edu above A
        CareerIs,      // the service's kind is A (its code in Text)
        BranchHas,     // branch name holds the word of mark A (in Text)
        RaceIs,        // race type A
        BranchOpened,  // BranchOpen entry A is 1
        SkillAbove,    // skill Text above level A
        TermAtMost,    // CurTerm at most A
    };
    Kind What = Kind::RankIn;
    int A = 0;
    int B = 0;
    std::string Text;
    bool Negate = false;
};

Cond Not(Cond c);
Cond RankIn(int low, int high);
Cond RankIs(int rank);
Cond RankAtLeast(int rank);
Cond RankBelow(int rank);
Cond Officer();   // Rank 10 or more
Cond Enlisted();  // Rank below 10
Cond RankBelowMax();
Cond StatAbove(int stat, int value);
Cond StatAtLeast(int stat, int value);
Cond StatBelow(int stat, int value);
Cond IntEduAtMost(int value);
Cond CareerIs(ServiceKind kind);
Cond BranchHas(BranchMark mark);
Cond RaceIs(int code);
Cond BranchOpened(int entry);
Cond SkillAbove(std::string name, int level);
Cond TermAtMost(int term);

bool Holds(const Game& g, const Cond& c);
bool AllHold(const Game& g, const std::vector<Cond>& conds);

struct Modifier {
    int Amount = 0;
    std::vector<Cond> When;
};

// How a table gets its result: dice, or a value of the character, plus
// the modifiers whose conditions hold, then brought down to the cap.
struct SpecialThrow {
    enum class Source { None, Dice, Rank, Stat, Fixed };
    Source From = Source::None;
    int Count = 0;
    int Sides = 0;
    int Value = 0;  // the characteristic (Stat) or the result (Fixed)
    std::vector<Modifier> Modifiers;
    int Cap = INT_MAX;

    SpecialThrow Plus(int amount, std::vector<Cond> when) const;
    SpecialThrow Capped(int max) const;
};

SpecialThrow Die(int count, int sides);
SpecialThrow NoThrow();  // result 0: rows are told apart by their conditions
SpecialThrow RankValue();
SpecialThrow StatValue(int stat);
SpecialThrow Fixed(int result);

int ThrowResult(Game& g, const SpecialThrow& t);
// The least and the most a throw can give, its modifiers all taken or all
// left out, so every result it gives in play lies between them.
std::pair<int, int> ThrowRange(const SpecialThrow& t);

// A skill text thrown for at Target on one die, or granted when Target is 0.
struct SpecialSkill {
    std::string Name;
    int Target = 0;
    std::vector<Cond> When;
};

// The user picks a skill Count D Sides times from "/"-separated choices.
struct SkillPick {
    int Count = 0;
    int Sides = 0;
    std::string Choices;
    std::string Title;
};

enum class SpecialFlag { None, Commissioned, DeptTestPassed };

struct RankChange {
    enum class Kind { None, Set, Raise };
    Kind What = Kind::None;
    int Value = 0;  // Set: the new rank
    int Limit = 0;  // Raise: only while Rank is below it; 0 reads Service.MaxRank
    // Shown (with ShowCharacter) when the change was made, after the
    // row's skill-table throws; the new rank code follows when asked.
    std::string Announce;
    bool AnnounceCode = false;
};

// A school whose history text and skills live in a data file: line 1 is
// the history text, lines 2 to 7 its six skills, of which Picks are taken
// by one die each. The file is Prefix, the character of Service.School at
// the position of the table's result, and ".SCH"; or File when set.
struct SchoolFile {
    std::string Prefix;
    std::string File;
    int Picks = 0;
};

// The file `school` names for the [SCHOOL] line's letter or digit at the
// table's result; "" when that line has none there ('\0').
std::string SchoolFileName(const SchoolFile& school, char digit);

struct SpecialTable;
using TableFn = const SpecialTable& (*)();

// A further table applied after a row: named by its accessor (tables that
// refer to each other) or held here; Throw replaces the table's own.
struct TableRef {
    TableFn Named = nullptr;
    std::shared_ptr<const SpecialTable> Owned;
    std::optional<SpecialThrow> Throw;

    // The further table; null when the row leads to none.
    const SpecialTable* Target() const;
    // The throw the further table is applied with.
    const SpecialThrow& ThrowOf(const SpecialTable& target) const;
};

// One result of a table. Its effects come in this order: history text,
// school file (one that cannot be read ends the row with a skill-table
// roll instead), skills, picked skills, flag, rank change, skill-table
// throws, rank announcement, branch opened with its information, further
// table.
struct SpecialRow {
    int From = 0;
    int To = 0;
    std::vector<Cond> When;
    std::string History;  // logged first, unless empty
    SchoolFile School;
    std::vector<SpecialSkill> Skills;
    SkillPick Pick;
    SpecialFlag Flag = SpecialFlag::None;
    RankChange Rank;
    int SkillRolls = 0;
    int Branch = 0;           // BranchOpen entry set to 1
    std::string Information;  // information message once the branch is open
    TableRef Next;

    SpecialRow& If(Cond c);
    SpecialRow& Log(std::string text);
    // The school file named by `prefix` and the school digit at the result.
    SpecialRow& SchoolAt(std::string prefix, int picks);
    // One school file whatever the result.
    SpecialRow& SchoolIn(std::string file, int picks);
    SpecialRow& Grant(std::initializer_list<std::string> names);
    SpecialRow& Try(int target, std::initializer_list<std::string> names);
    // One skill at `target` (0 grants it) only when `when` holds.
    SpecialRow& Only(Cond when, int target, std::string name);
    SpecialRow& PickSkills(int count, int sides, std::string choices, std::string title);
    SpecialRow& Set(SpecialFlag flag);
    SpecialRow& SetRank(int rank);
    SpecialRow& RaiseRank(int limit = 0);
    SpecialRow& Announce(std::string text, bool withRankCode = false);
    SpecialRow& Rolls(int count);
    SpecialRow& Open(int branch, std::string information);
    SpecialRow& Then(TableFn table);
    SpecialRow& Then(TableFn table, SpecialThrow rethrow);
    SpecialRow& Then(SpecialTable table);
};

SpecialRow At(int result);
SpecialRow At(int from, int to);
SpecialRow AtLeast(int result);
SpecialRow AtMost(int result);
SpecialRow Any();

// Tables lead to further tables (an aide's posting throws on an officer
// table that may hold the aide again); past this depth a chain is taken
// for a fault in the tables rather than followed for ever.
inline constexpr int MaxDepth = 20;

struct SpecialTable {
    std::string Name;  // names the table in a problem message
    SpecialThrow Throw;
    std::vector<SpecialRow> Rows;
};

// A table granting the k-th skill of `skills` on result k.
SpecialTable SkillList(std::string name, SpecialThrow t, std::vector<std::string> skills);

// A table throwing 1Dn for one of the n digits of `digits` and applying
// `table` with that digit as its result.
SpecialTable DigitOf(std::string name, const std::string& digits, TableFn table);

// Throws for the table and applies the first row that fits; when none
// fits, nothing happens. A result meant to do nothing says so with a row
// of no effects, so the tables' check (TableWalk) can tell it from a gap.
void RunSpecialTable(Game& g, const SpecialTable& table);

}  // namespace specials
}  // namespace orrimar
