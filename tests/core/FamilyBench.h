// A small race and service for the special-assignment tests: every case states its throws.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "career/HandOffs.h"
#include "career/specials/FamilyTable.h"
#include "model/Skills.h"
#include "model/Text.h"
#include "support/TestGame.h"

namespace orrimar::familytest {

using namespace specials;

// Career code, rank, race type, the sixth characteristic's name and value, Int.
struct Who {
    std::string type;
    int rank = 3, race = 1;
    std::string sixth = "SOC";
    int16_t sixthValue = 7, intel = 7;
};

// Characteristics at 7 unless the Who says otherwise; ranks E0..E9, O1..O6;
// one skill table whose die 1 is "Rifle"; cascades kept whole ("XTRAIN").
struct Bench {
    TestGame t;
    Game& g = t.g;
    CharacterRecord& c = t.g.Character;

    explicit Bench(const Who& who) {
        g.Race.Code = who.race;
        g.Race.NumStats = 6;
        g.Race.StatName = {"", "STR", "DEX", "END", "INT", "EDU", who.sixth};
        c.Stats = {0, 7, 7, 7, who.intel, 7, who.sixthValue};
        auto& s = g.Service;
        s.Name = "Test Service";
        s.Type = who.type;
        s.MaxRank = 15;
        s.School = "123456";
        for (int k = 0; k <= 15; ++k)
            s.RankCode[k] = k < 10 ? "E" + std::to_string(k) : "O" + std::to_string(k - 9);
        s.SkillTable.Edit(1).Eli[1] = "Eli      All";
        s.SkillTable.Edit(1).Max = 6;
        s.SkillTable.Edit(1).Entry = {"", "Rifle", "Tactics", "Leader", "Medic", "Recon", "Admin"};
        c.Rank = static_cast<int16_t>(who.rank);
        c.CurTerm = c.CurLine = 1;
        c.Options[OptKeepCascades] = OptOn;
    }

    std::string Year() const { return c.TermLog[c.CurTerm].Lines[1]; }
    int Level(const std::string& name) const { return GetSkillLevel(g, name); }
    int SkillsHeld() const {
        return static_cast<int>(std::count_if(c.Skills.begin(), c.Skills.end(),
                                              [](const auto& s) { return !s.Name.empty(); }));
    }
    // `count` skill-table throws, each landing on "Rifle".
    void SkillRolls(int count) {
        for (int k = 0; k < count; ++k) {
            t.ui.Answer("1");
            t.dice.Push(1);
        }
    }
    // Runs the special assignment; every scripted throw and answer is used.
    void Run() {
        SpecialAssignment(g);
        EXPECT_EQ(t.dice.Left() + t.ui.AnswersLeft(), 0u) << "throws or answers left over";
    }
    // The history after `faces`, further throws random, choices by dice.
    std::string Outcome(const std::vector<int>& faces) {
        c.Options[OptAutoGen] = OptOn;
        for (int f : faces) t.dice.Push(f);
        t.dice.SetFallback(true);
        SpecialAssignment(g);
        return Year();
    }
};

// One result: the faces leading to it, its history, the skills thrown for at `target` and
// those granted ("/"-separated; "+1 Soc" raises the sixth characteristic), its message and
// the BranchOpen entry it opens.
struct RowCase {
    std::vector<int> faces;
    std::string history;
    int target = 0;
    std::string tried = "";
    std::string granted = "";
    std::string message = "";
    int opens = 0;
};

inline RowCase Opening(RowCase row, const std::string& branch, int entry) {
    row.message = "Transfer to branch " + branch + " now available";
    row.opens = entry;
    return row;
}

inline std::vector<std::string> Names(const std::string& list) {
    return list.empty() ? std::vector<std::string>{} : Split(list, '/');
}

// Applies the row to a fresh character. The tried skills are thrown for alternately at the
// target (gained) and one below (not gained), checking the target and order, not just names.
inline void ExpectRow(const Who& who, const RowCase& row,
                      const std::function<void(Bench&)>& setup = nullptr) {
    SCOPED_TRACE(who.type + " " + std::to_string(who.rank) + ": " + row.history);
    Bench b(who);
    if (setup) setup(b);
    auto stats = b.c.Stats;
    std::map<std::string, int> levels;
    const auto note = [&](const std::string& text, bool gained) {
        if (text[0] == '+')
            stats[6] = static_cast<int16_t>(stats[6] + (gained ? ValInt(Mid(text, 2, 1)) : 0));
        else
            levels[text] += gained ? 1 : 0;
    };
    for (int f : row.faces) b.t.dice.Push(f);
    for (const auto& name : Names(row.granted)) note(name, true);
    const auto tried = Names(row.tried);
    for (size_t k = 0; k < tried.size(); ++k) {
        b.t.dice.Push(k % 2 == 0 ? row.target : row.target - 1);
        note(tried[k], k % 2 == 0);
    }
    b.Run();
    EXPECT_EQ(b.Year(), row.history.empty() ? "" : row.history + " ");
    int held = 0;
    for (const auto& [name, count] : levels) {
        EXPECT_EQ(b.Level(name), count > 0 ? count : -1) << name;
        held += count > 0 ? 1 : 0;
    }
    EXPECT_EQ(b.SkillsHeld(), held) << "no other skill";
    EXPECT_EQ(b.c.Stats, stats);
    EXPECT_EQ(b.t.ui.messages, Names(row.message));
    EXPECT_TRUE(row.opens == 0 || b.c.BranchOpen[row.opens] == 1) << "entry " << row.opens;
}

}  // namespace orrimar::familytest
