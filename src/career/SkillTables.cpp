#include "career/SkillTables.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "model/Display.h"
#include "model/Game.h"
#include "model/Skills.h"
#include "model/Text.h"

namespace orrimar {

namespace {

bool Compare(int value, char op, int number) {
    switch (op) {
        case '>':
            return value > number;
        case '=':
            return value == number;
        case '<':
            return value < number;
        default:
            return false;
    }
}

char CharAt(const std::string& line, size_t position) {
    return position >= 1 && position <= line.size() ? line[position - 1] : '\0';
}

}  // namespace

namespace {

// What an eligibility line asks, read once: the tests below run for every
// table at every skill roll, and the line never changes.
struct EliLine {
    bool all, warrant, noPosition, position, rank, assignment, command, staff, nco;
    char rankOp, statOp;
    int rankNumber, statNumber;
    std::string upper;  // searched for the race's characteristic names
};

const EliLine& ReadEli(const std::string& line) {
    // One table a thread: batches may run on several.
    thread_local std::unordered_map<std::string, EliLine> read;
    if (const auto at = read.find(line); at != read.end()) return at->second;
    EliLine e{};
    e.all = Contains(line, "All");
    e.warrant = Contains(line, "Warrant");
    e.noPosition = Contains(line, "No Position");
    e.position = Contains(line, "Position");
    e.rank = Contains(line, "Rank");
    e.assignment = Contains(line, "Assignment=");
    e.command = Contains(line, "Command");
    e.staff = Contains(line, "Staff");
    e.nco = Contains(line, "NCO");
    e.rankOp = CharAt(line, 14);
    e.rankNumber = ValInt(Mid(line, 15));
    e.statOp = CharAt(line, 13);
    e.statNumber = ValInt(Mid(line, 14));
    e.upper = UCase(line);
    return read.emplace(line, std::move(e)).first->second;
}

}  // namespace

bool TableEligible(const Game& g, const SkillTableRecord& table) {
    const auto& c = g.Character;
    const std::string& year = CurrentYearLine(g);
    bool offered = false;
    for (int k = 1; k <= SkillTableRecord::MaxEli; ++k) {
        const std::string& line = table.Eli[k];
        if (line.empty()) continue;
        const EliLine& e = ReadEli(line);
        if (e.all) offered = true;
        if (e.warrant && c.Warranted == 1) offered = true;
        if (e.noPosition && Contains(year, "No Position")) offered = true;
        if (e.position && !e.noPosition && Contains(year, "No position")) offered = true;
        if (e.rank && Compare(c.Rank, e.rankOp, e.rankNumber)) offered = true;
        for (int i = 1; i <= g.Race.NumStats; ++i) {
            if (Contains(e.upper, g.Race.StatName[i]) &&
                Compare(c.Stats[i], e.statOp, e.statNumber))
                offered = true;
        }
        if (e.assignment && Contains(year, line)) offered = true;
        if (e.command) offered = Contains(year, "Cmd");
        if (e.staff) offered = Contains(year, "Staff");
        if (e.nco && c.Rank >= 2 && c.Rank < 10) offered = true;
        if (e.position && Contains(year, "Posn")) offered = true;
    }
    return offered;
}

int TableModifier(const Game& g, const SkillTableRecord& table) {
    // DM lines: "DM +1TL> 11" (modifier in columns 4-5, "TL" in 6-7, the
    // operator in 8, the tech level from 10) and "DM +1 Rnk>9" (modifier in
    // 4-5, "Rnk" in 7-9, the operator in 10, the rank from 11).
    int dm = 0;
    for (int k = 1; k <= SkillTableRecord::MaxDM; ++k) {
        const std::string& line = table.DM[k];
        if (line.empty()) continue;
        const int modifier = ValInt(Mid(line, 4));
        if (Mid(line, 6, 2) == "TL") {
            if (Compare(g.Character.TechLevel, CharAt(line, 8), ValInt(Mid(line, 10))))
                dm += modifier;
        } else if (Mid(line, 7, 3) == "Rnk") {
            if (Compare(g.Character.Rank, CharAt(line, 10), ValInt(Mid(line, 11)))) dm += modifier;
        }
    }
    return dm;
}

void RollSkill(Game& g) {
    auto& chooser = g.Form2;
    for (auto& b : chooser.Button) b = SkillTableButton{};
    chooser.HoverVisible = false;
    int n = 0;
    for (int pass = 0; pass < 2; ++pass) {
        const auto& tables = pass == 0 ? g.Service.SkillTable : g.Service.BranchSkillTable;
        for (int t = 1; t <= ServiceRecord::MaxTables && n < 10; ++t) {
            if (!TableEligible(g, tables[t])) continue;
            ++n;
            chooser.Button[n] = {tables[t].Title, (pass == 0 ? "S" : "B") + std::to_string(t),
                                 true};
        }
    }
    // No table is open to the character (a data set without an "All"
    // table, say): there is nothing to roll on.
    if (n == 0) return;
    int button;
    if (g.Character.Opt(OptAutoGen)) {
        button = RollDice(g, 1, n);
    } else {
        button = g.ui.ChooseSkillTable(g, chooser);
        // Closing the chooser lets the dice choose, so the roll is not lost.
        if (button < 1 || button > 10 || !chooser.Button[button].Visible)
            button = RollDice(g, 1, n);
    }
    RollOnTable(g, button);
}

void RollOnTable(Game& g, int button) {
    if (button < 1 || button > 10) return;
    const std::string tag = g.Form2.Button[button].Tag;
    const int t = ValInt(Mid(tag, 2));
    if (tag.empty() || t < 1 || t > ServiceRecord::MaxTables) return;
    const SkillTableRecord& table =
        tag[0] == 'S' ? g.Service.SkillTable[t] : g.Service.BranchSkillTable[t];
    if (table.Max < 1) return;
    ThrowFor(g, "the table " + Trim(table.Title));
    int roll = RollDice(g, 1, 6) + TableModifier(g, table);
    if (roll > table.Max) roll = table.Max;
    // A modifier can push the roll below the table: it takes the first entry.
    if (roll < 1) roll = 1;
    AddSkill(g, table.Entry[roll]);
}

}  // namespace orrimar
