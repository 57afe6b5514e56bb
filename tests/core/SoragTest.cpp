#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "career/Specials.h"
#include "career/Term.h"
#include "model/Skills.h"
#include "model/Text.h"
#include "startup/Service.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

// A seven-characteristic race (the seventh is psionic strength) and a
// SORAG service built here. Cascades are kept whole, so "XTRAIN" or
// "GUN COMBAT" are plain gains.
struct SoragBench {
    TestGame t;
    Game& g = t.g;
    CharacterRecord& c = t.g.Character;

    SoragBench() {
        g.Race.Name = "Tester";
        g.Race.Code = 1;
        g.Race.NumStats = 7;
        g.Race.StatName = {"", "STR", "DEX", "END", "INT", "EDU", "SOC", "PSI"};
        g.Race.YearsPerTerm = 4;
        for (int i = 1; i <= 6; ++i) c.Stats[i] = 7;
        g.Service.Type = "SORAG";
        g.Service.BranchName = "Operations";
        c.CurTerm = 1;
        c.CurLine = 1;
        c.Options[OptKeepCascades] = OptOn;
    }

    std::string Year() const { return c.TermLog[1].Lines[1]; }
    int Level(const std::string& name) const { return GetSkillLevel(g, name); }
    // Plays `text` and checks every scripted throw was used.
    void Run(const std::string& text) {
        SoragSpecial(g, text);
        EXPECT_EQ(t.dice.Left(), 0u) << "throws left over";
    }
};

struct SoragRow {
    std::string text;
    std::string history;  // "" when nothing is logged
    std::string tried;    // "/"-separated, each at 5
    std::string granted;  // "/"-separated
};

std::vector<std::string> Names(const std::string& list) {
    return list.empty() ? std::vector<std::string>{} : Split(list, '/');
}

}  // namespace

// Every entry of the table. The tried skills are thrown for alternately at
// exactly 5 (gained) and 4 (not gained), so the target and the order of
// the skills are checked, not just their names.
TEST(SoragSpecials, EveryEntry) {
    const std::vector<SoragRow> rows = {
        {"S:Cmdo Schl/C", "S - Commando School",
         "Demolition/Survival/Recon/Instruction/Unarmed Combat", ""},
        {"S:Cross Train/A", "S - Cross Training", "", "XTRAIN"},
        {"S:Cryptography/B", "S - Cryptography", "", "Cryptography"},
        {"S:Infil Trng/C", "S - Infiltration",
         "Ship's Boat/VEHICLE/Escape & Evasion/Disguise/Ship Tactics", ""},
        {"S:Recruiting/A", "S - Recruiting", "", "Recruiting"},
        {"S:Spec Op Trg/D", "S - SpecOps Trg", "Forgery/Bribery/Interrogation/Torture", ""},
        {"S:Splst/B", "S - Specialist", "Linguistics/Counterfeiting/Security/Commo/Pych Warfare",
         ""},
        {"S:Wpns Trng/C", "S - Weapons Training",
         "GUN COMBAT/BLADE COMBAT/Bow Combat/SPECIAL WEAPONS", ""},
        // Not the same entry as the one above: it trains nothing.
        {"S:Wpns Trg/D", "", "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        SoragBench b;
        std::map<std::string, int> gains;
        for (const auto& name : Names(row.granted)) ++gains[name];
        const auto tried = Names(row.tried);
        for (size_t k = 0; k < tried.size(); ++k) {
            b.t.dice.Push(k % 2 == 0 ? 5 : 4);
            gains[tried[k]] += k % 2 == 0 ? 1 : 0;
        }
        b.Run(row.text);
        EXPECT_EQ(b.Year(), row.history.empty() ? "" : row.history + " ");
        for (const auto& [name, count] : gains)
            EXPECT_EQ(b.Level(name), count > 0 ? count : -1) << name;
        EXPECT_TRUE(b.t.ui.messages.empty());
    }
}

// The truth-drug immunity is only ever deepened from level 0, on 2D6 of
// 10 or more, and the throw is made only then.
TEST(SoragSpecials, MedicalDivisionAndTheTruthDrug) {
    {
        SCOPED_TRACE("not held: no throw, never gained");
        SoragBench b;
        b.t.dice.Push({5, 4});
        b.Run("S:Medical Div/C");
        EXPECT_EQ(b.Year(), "S - Medical Div ");
        EXPECT_EQ(b.Level("Medical"), 1);
        EXPECT_EQ(b.Level("Poisons/Antidotes"), -1);
        EXPECT_EQ(b.Level("Immune Truth Drug"), -1);
    }
    struct Case {
        int held, first, second, after;
    };
    for (const Case& k : {Case{0, 5, 5, 1}, Case{0, 4, 5, 0}, Case{0, 6, 6, 1}}) {
        SCOPED_TRACE("held at 0, throw " + std::to_string(k.first + k.second));
        SoragBench b;
        AddSkill(b.g, "Immune Truth Drug-0");
        b.t.dice.Push({4, 5, k.first, k.second});
        b.Run("S:Medical Div/C");
        EXPECT_EQ(b.Level("Poisons/Antidotes"), 1);
        EXPECT_EQ(b.Level("Immune Truth Drug"), k.after);
    }
    {
        SCOPED_TRACE("held at 1: no further throw");
        SoragBench b;
        AddSkill(b.g, "Immune Truth Drug-1");
        b.t.dice.Push({6, 6});
        b.Run("S:Medical Div/C");
        EXPECT_EQ(b.Level("Immune Truth Drug"), 1);
    }
}

// Psionic strength 0 leaves the year without any trace; at 1 the talent
// is thrown for four times.
TEST(SoragSpecials, PsionicTrainingNeedsPsionicStrength) {
    SoragBench none;
    none.Run("S:Psi Trg/C");
    EXPECT_EQ(none.Year(), "");
    EXPECT_TRUE(none.t.ui.messages.empty());

    SoragBench psi;
    psi.c.Stats[7] = 1;
    psi.t.dice.Push({5, 4, 6, 5});
    psi.Run("S:Psi Trg/C");
    EXPECT_EQ(psi.Year(), "S - Psionic Training ");
    EXPECT_EQ(psi.Level("TALENT"), 3);
}

// The text must match exactly; anything else is reported and the year
// passes with nothing else.
TEST(SoragSpecials, UnknownTextIsReported) {
    for (const char* text : {"S:Bogus/A", "S:Wpns trng/C", "S:Cmdo Schl/C "}) {
        SCOPED_TRACE(text);
        SoragBench b;
        b.Run(text);
        EXPECT_EQ(b.Year(), "");
        ASSERT_EQ(b.t.ui.messages.size(), 1u);
        EXPECT_EQ(b.t.ui.messages[0], std::string("Special match fail for SORAG special ") + text);
    }
}

// Through the year's resolution with the sample SORAG file: the "S:" text
// hands the year over unlogged, and none of the year's later throws follow.
TEST(SoragSpecials, SampleDataYearHandsOverToTheSchool) {
    TestGame t;
    t.LoadData(SampleDataDir());
    t.Pick("Imperial", "SORAG", "Operations");
    auto& c = t.g.Character;
    c.Options[OptKeepCascades] = OptOn;
    c.CurTerm = 1;
    c.CurLine = 1;
    c.Clearance = "3";  // C
    ASSERT_EQ(t.g.Service.AssignByRoll[3], "S:Cmdo Schl/C");
    t.dice.Push({5, 5, 5, 5, 5});
    int roll = 3;
    ResolveAssignment(t.g, roll);
    EXPECT_EQ(t.dice.Left(), 0u);
    EXPECT_EQ(c.TermLog[1].Lines[1], "S - Commando School ");
    EXPECT_EQ(GetSkillLevel(t.g, "Unarmed Combat"), 1);
}

// Every "S:" entry of every branch of the sample file is one the table
// knows, and between them the branches reach every entry.
TEST(SoragSpecials, SampleDataEntriesAreAllKnown) {
    TestGame t;
    t.LoadData(SampleDataDir());
    t.Pick("Imperial", "SORAG");
    const int branches = static_cast<int>(t.g.BranchList.Entries.size());
    ASSERT_EQ(branches, 5);
    std::set<std::string> entries;
    for (int b = 0; b < branches; ++b) {
        t.dice.SetFallback(true);
        SelectBranch(t.g, b);
        auto& c = t.g.Character;
        c.Stats[7] = 1;
        c.Options[OptAutoGen] = OptOn;
        c.Options[OptKeepCascades] = OptOn;
        c.CurTerm = 1;
        c.CurLine = 1;
        for (int r = 2; r <= 12; ++r) {
            const std::string text = t.g.Service.AssignByRoll[r];
            if (!StartsWith(text, "S:")) continue;
            entries.insert(text);
            SoragSpecial(t.g, text);
        }
    }
    EXPECT_EQ(entries.size(), 11u);
    EXPECT_TRUE(t.ui.messages.empty()) << t.ui.messages.front();
}
