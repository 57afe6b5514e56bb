// Skill tables: eligibility lines, the withdrawals, DM lines, the Max cap
// and the chooser.
#include <gtest/gtest.h>

#include "career/SkillTables.h"
#include "model/Skills.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

struct TableGame : TestGame {
    TableGame() {
        g.Race.NumStats = 6;
        const char* names[] = {"", "STR", "DEX", "END", "INT", "EDU", "SOC"};
        for (int i = 1; i <= 6; ++i) {
            g.Race.StatName[i] = names[i];
            g.Character.Stats[i] = 7;
        }
        g.Character.CurTerm = 1;
        g.Character.CurLine = 1;
        g.Character.Rank = 1;
    }
    void Year(const std::string& text) { g.Character.TermLog[1].Lines[1] = text; }
    bool Eligible(std::vector<std::string> eli) {
        SkillTableRecord t;
        for (size_t k = 0; k < eli.size(); ++k) t.Eli[k + 1] = eli[k];
        return TableEligible(g, t);
    }
};

// A table of one Eli line and one entry.
SkillTableRecord OneLineTable(const std::string& title, const std::string& eli,
                              const std::string& entry) {
    SkillTableRecord r;
    r.Title = title;
    r.Eli[1] = eli;
    r.Max = 1;
    r.Entry[1] = entry;
    return r;
}

}  // namespace

TEST(SkillTableEligibility, EachTest) {
    TableGame t;
    EXPECT_TRUE(t.Eligible({"Eli      All"}));
    EXPECT_FALSE(t.Eligible({}));
    EXPECT_FALSE(t.Eligible({"Eli      Warrant"}));
    t.g.Character.Warranted = 1;
    EXPECT_TRUE(t.Eligible({"Eli      Warrant"}));

    EXPECT_FALSE(t.Eligible({"Eli      Rank>1"}));
    EXPECT_TRUE(t.Eligible({"Eli      Rank=1"}));
    EXPECT_TRUE(t.Eligible({"Eli      Rank<2"}));
    EXPECT_TRUE(t.Eligible({"Eli      Int>6"}));
    EXPECT_FALSE(t.Eligible({"Eli      Int>7"}));
    EXPECT_TRUE(t.Eligible({"Eli      Edu=7"}));

    t.Year("Raid ");
    EXPECT_TRUE(t.Eligible({"Eli      Assignment=Raid"}) == false);  // the whole line must appear
    t.Year("Eli      Assignment=Raid ");
    EXPECT_TRUE(t.Eligible({"Eli      Assignment=Raid"}));
}

TEST(SkillTableEligibility, NcoRanksTwoToNine) {
    TableGame t;
    for (int rank : {1, 2, 9, 10}) {
        t.g.Character.Rank = static_cast<int16_t>(rank);
        EXPECT_EQ(t.Eligible({"Eli      NCO"}), rank >= 2 && rank <= 9) << rank;
    }
}

TEST(SkillTableEligibility, CommandAndStaffWithdrawEarlierOffers) {
    TableGame t;
    t.Year("Patrol Staff ");
    EXPECT_FALSE(t.Eligible({"Eli      All", "Eli      Command"}));
    EXPECT_TRUE(t.Eligible({"Eli      All", "Eli      Staff"}));
    t.Year("Patrol Cmd ");
    EXPECT_TRUE(t.Eligible({"Eli      All", "Eli      Command"}));
    EXPECT_FALSE(t.Eligible({"Eli      Command", "Eli      Staff"}));
    // A later passing test offers the table again.
    EXPECT_TRUE(t.Eligible({"Eli      Staff", "Eli      All"}));
}

TEST(SkillTableEligibility, PositionLines) {
    TableGame t;
    t.Year("No Position ");
    EXPECT_TRUE(t.Eligible({"Eli      No Position"}));
    EXPECT_FALSE(t.Eligible({"Eli      Position"}));  // looks for "No position" or "Posn"
    t.Year("Bridge Posn ");
    EXPECT_TRUE(t.Eligible({"Eli      Position"}));
    EXPECT_TRUE(t.Eligible({"Eli      No Position"}));  // "Posn" passes the shared test too
}

TEST(SkillTableRoll, ModifiersCapAndFloor) {
    TableGame t;
    auto& table = t.g.Service.SkillTable.Edit(1);
    table.Title = "Four";
    table.Eli[1] = "Eli      All";
    table.Max = 4;
    for (int e = 1; e <= 4; ++e) table.Entry[e] = "Skill" + std::to_string(e);
    t.g.Character.TechLevel = 12;
    table.DM[1] = "DM +1TL> 11";
    table.DM[2] = "DM -3 Rnk<5";
    EXPECT_EQ(TableModifier(t.g, table), -2);
    t.g.Character.Rank = 5;
    EXPECT_EQ(TableModifier(t.g, table), 1);

    t.g.Form2.Button[1] = {"Four", "S1", true};
    t.dice.Push({6});
    RollOnTable(t.g, 1);
    EXPECT_EQ(GetSkillLevel(t.g, "Skill4"), 1);  // 7 capped at Max
    t.g.Character.Rank = 1;
    t.dice.Push({1});
    RollOnTable(t.g, 1);
    EXPECT_EQ(GetSkillLevel(t.g, "Skill1"), 1);  // 1 - 2 takes the first entry
}

TEST(RollSkill, OffersServiceThenBranchTablesAndRollsTheChoice) {
    TableGame t;
    t.g.Service.SkillTable.Edit(1) = OneLineTable("Personal", "Eli      All", "Brawling");
    t.g.Service.SkillTable.Edit(2) = OneLineTable("Closed", "Eli      Rank>20", "Never");
    t.g.Service.BranchSkillTable.Edit(3) = OneLineTable("Branch", "Eli      All", "Tactics");
    t.ui.Answer({"2"});
    t.dice.Push({3});
    RollSkill(t.g);
    EXPECT_EQ(t.ui.shown.back().Text, "Personal/Branch/");
    EXPECT_EQ(t.g.Form2.Button[2].Tag, "B3");
    EXPECT_EQ(GetSkillLevel(t.g, "Tactics"), 1);

    // Automatic generation throws for the table without a window.
    t.g.Character.Options[OptAutoGen] = OptOn;
    t.dice.Push({1, 5});
    RollSkill(t.g);
    EXPECT_EQ(GetSkillLevel(t.g, "Brawling"), 1);
    EXPECT_EQ(t.ui.shown.size(), 1u);

    // A closed chooser lets the dice choose.
    t.g.Character.Options[OptAutoGen] = OptOff;
    t.ui.Answer({"0"});
    t.dice.Push({2, 4});
    RollSkill(t.g);
    EXPECT_EQ(GetSkillLevel(t.g, "Tactics"), 2);
}

// What a roll remembers of the tables and of the race's names must follow
// them: a table written between rolls, and races taken in turn, as a batch
// does.
TEST(RollSkill, FollowsTablesWrittenAndRacesChangedBetweenRolls) {
    TableGame t;
    t.g.Character.Options[OptAutoGen] = OptOn;
    auto offered = [&] {
        RollSkill(t.g);
        return t.g.Character.Skills[1].Name;
    };
    t.g.Service.SkillTable.Edit(1) = OneLineTable("Closed", "Eli      Rank>20", "Never");
    t.dice.Push({1, 1});
    EXPECT_EQ(offered(), "");  // no table open: nothing thrown, nothing gained

    t.g.Service.SkillTable.Edit(2) = OneLineTable("Social", "Eli      CHA>8", "Carousing");
    t.g.Character.Stats[6] = 9;
    t.dice.Push({1, 1});
    EXPECT_EQ(offered(), "");  // the sixth is SOC: no CHA to test

    t.g.Race.StatName[6] = "CHA";
    t.dice.Push({1, 1});
    EXPECT_EQ(offered(), "Carousing");

    t.g.Race.StatName[6] = "SOC";
    t.g.Character.Skills[1] = {};
    t.dice.Push({1, 1});
    EXPECT_EQ(offered(), "");
}
