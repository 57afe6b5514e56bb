#include "career/SkillTables.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "ask/Question.h"
#include "career/Skills.h"
#include "data/YearFacts.h"
#include "model/Display.h"
#include "model/Game.h"
#include "model/Throws.h"
#include "text/Text.h"

namespace orrimar {

namespace {

// What the Eli lines ask of the year: its words, and its line for an
// assignment a table names.
struct YearMarks {
    const YearFacts& Facts;
    const std::string& Line;
};

// A table is open when the last of its tests to decide says so: a
// "Command" or "Staff" test decides either way, the others only open it.
// So the tests are made from the last back, and the first that decides
// ends the search.
bool Eligible(const Game& g, const SkillTableRecord& table, const YearMarks& year,
              const TableStats::Lines& named) {
    const auto& c = g.career.Character;
    for (int k = SkillTableRecord::MaxEli; k >= 1; --k) {
        const EliLine& e = table.Eli[k];
        for (unsigned tests = e.Tests; tests != 0;) {
            const unsigned test = std::bit_floor(tests);
            tests &= ~test;
            switch (test) {
                case EliLine::TestsAll:
                    return true;
                case EliLine::TestsWarrant:
                    if (c.Warranted == 1) return true;
                    break;
                case EliLine::TestsNoPosition:
                    if (year.Facts.Has(YearWord::NoPosition)) return true;
                    break;
                case EliLine::TestsPositionLacking:
                    if (year.Facts.Has(YearWord::NoPositionLower)) return true;
                    break;
                case EliLine::TestsRank:
                    if (CompareBy(c.Rank, e.RankOp, e.RankNumber)) return true;
                    break;
                case EliLine::TestsStat: {
                    // Only a line with an operator in the characteristic's
                    // column tests one, against every name it holds.
                    const int count = std::clamp(StatCount(g), 0, RaceRecord::MaxStats);
                    const uint32_t race = (2u << count) - 2u;  // names 1..count
                    for (uint32_t held = named[static_cast<size_t>(k)] & race; held != 0;
                         held &= held - 1) {
                        const int i = std::countr_zero(held);
                        if (CompareBy(c.Stats[i], e.StatOp, e.StatNumber)) return true;
                    }
                    break;
                }
                case EliLine::TestsAssignment:
                    if (Contains(year.Line, e.Text)) return true;
                    break;
                case EliLine::TestsCommand:
                    return year.Facts.Has(YearWord::Cmd);
                case EliLine::TestsStaff:
                    return year.Facts.Has(YearWord::Staff);
                case EliLine::TestsNco:
                    if (c.Rank >= 2 && c.Rank < 10) return true;
                    break;
                case EliLine::TestsPosition:
                    if (year.Facts.Has(YearWord::Posn)) return true;
                    break;
                default:
                    break;
            }
        }
    }
    return false;
}

}  // namespace

int TableModifier(const CareerPart& career, const SkillTableRecord& table) {
    int dm = 0;
    for (int k = 1; k <= SkillTableRecord::MaxDM; ++k) {
        const DmLine& line = table.DM[k];
        if (line.On == DmLine::Test::TechLevel) {
            if (CompareBy(career.Character.TechLevel, line.Op, line.Number)) dm += line.Modifier;
        } else if (line.On == DmLine::Test::Rank) {
            if (CompareBy(career.Character.Rank, line.Op, line.Number)) dm += line.Modifier;
        }
    }
    return dm;
}

namespace {

// Each DM line that applied, as TableModifier adds them, with its reason.
void ExplainTableModifiers(Game& g, const SkillTableRecord& table) {
    for (int k = 1; k <= SkillTableRecord::MaxDM; ++k) {
        const DmLine& line = table.DM[k];
        const bool tl = line.On == DmLine::Test::TechLevel;
        if (line.On == DmLine::Test::None) continue;
        const int value = tl ? g.career.Character.TechLevel : g.career.Character.Rank;
        if (CompareBy(value, line.Op, line.Number))
            ExplainModifier(
                g, line.Modifier,
                (tl ? "TL " : "rank ") + std::to_string(value) + ": " + Trim(line.Text));
    }
}

void RollOn(Game& g, const SkillTableRecord& table) {
    if (table.Max < 1) return;
    ThrowFor(g, "the table ", TrimView(table.Title));
    int roll = RollDice(g, 1, 6) + TableModifier(g.career, table);
    if (g.career.Explain) ExplainTableModifiers(g, table);
    if (roll > table.Max) roll = table.Max;
    // A modifier can push the roll below the table: it takes the first entry.
    if (roll < 1) roll = 1;
    ExplainOutcome(g, table.Entry[roll]);
    AddSkill(g, table.Entry[roll]);
}

}  // namespace

void RollSkill(Game& g) {
    // The chooser's buttons are made only when it is shown: a question that
    // answers itself throws among the open tables, in the same order.
    const bool shown = !AnswersItself(g, AutoWhen::AutoGen);
    auto& chooser = g.windows.Form2;
    if (shown) {
        for (auto& b : chooser.Button) b = SkillTableButton{};
        chooser.HoverVisible = false;
    }
    std::array<const SkillTableRecord*, 11> open{};
    int n = 0;
    const YearMarks year{CurrentYearFacts(g.career), CurrentYearLine(g.career)};
    for (int pass = 0; pass < 2; ++pass) {
        const auto& tables =
            pass == 0 ? g.rules.Service.SkillTable : g.rules.Service.BranchSkillTable;
        const auto& named = pass == 0 ? g.rules.StatsNamed.Service : g.rules.StatsNamed.Branch;
        const uint32_t testing = tables.Testing();
        for (int t = 1; t <= ServiceRecord::MaxTables && n < 10; ++t) {
            if (!(testing >> t & 1u) ||
                !Eligible(g, tables[t], year, named[static_cast<size_t>(t)]))
                continue;
            open[++n] = &tables[t];
            if (shown)
                chooser.Button[n] = {tables[t].Title, (pass == 0 ? "S" : "B") + std::to_string(t),
                                     true};
        }
    }
    // No table is open to the character (a data set without an "All"
    // table, say): there is nothing to roll on.
    if (n == 0) return;
    const int button = Answer(g, SkillTableQuestion{.Chooser = chooser, .Tables = n});
    if (button >= 1 && button <= n) RollOn(g, *open[button]);
}

}  // namespace orrimar
