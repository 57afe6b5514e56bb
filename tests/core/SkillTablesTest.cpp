// Skill tables: eligibility lines, the withdrawals, DM lines, the Max cap
// and the chooser.

#include "career/SkillTables.h"
#include "career/Skills.h"
#include "model/Throws.h"
#include "support/TestGame.h"
#include "text/Text.h"

using namespace orrimar;

namespace {

struct TableGame : TestGame {
    TableGame() {
        LoadedRules(g).Race.NumStats = 6;
        LoadedRules(g).Race.StatName = {"", "STR", "DEX", "END", "INT", "EDU", "SOC"};
        g.career.Character.Stats = {0, 7, 7, 7, 7, 7, 7};
        g.career.Character.CurTerm = g.career.Character.CurLine = g.career.Character.Rank = 1;
    }
    void Year(const std::string& text) { g.career.Character.TermLog[1].SetLine(1, text); }
    // Whether the chooser offers a table of these Eli lines (and no entry).
    bool Eligible(std::vector<std::string> eli) {
        SkillTableRecord& t = LoadedRules(g).Service.SkillTable.Edit(1);
        for (size_t k = 0; k < eli.size(); ++k) t.Eli[k + 1] = eli[k];
        ui.Answer("1");                      // taken only when the table is offered
        LoadedRules(g).NameStatsInTables();  // as choosing the service does
        RollSkill(g);
        return ui.AnswersLeft() == 0;
    }
};

// A table of one Eli line and one entry.
SkillTableRecord OneLineTable(const std::string& title, const std::string& eli,
                              const std::string& entry) {
    return {title, {"", eli}, {}, 1, {"", entry}};
}

}  // namespace

// Rank 1, every characteristic 7. Command and Staff withdraw the offers of the
// lines above them (a later passing test offers the table again); "Position"
// looks for "No position" or "Posn", and "Posn" passes "No Position" too.
TEST(SkillTableEligibility, EachTest) {
    // Rank, warranted, the year's line, the Eli lines ("/" between), eligible.
    const std::tuple<int, int, const char*, const char*, bool> cases[] = {
        // clang-format off
        {1, 0, "", "All", true},             {1, 0, "", "", false},         {1, 0, "", "Warrant", false},
        {1, 1, "", "Warrant", true},         {1, 0, "", "Rank>1", false},   {1, 0, "", "Rank=1", true},
        {1, 0, "", "Rank<2", true},          {1, 0, "", "Int>6", true},     {1, 0, "", "Int>7", false},
        {1, 0, "", "Edu=7", true},           {1, 0, "", "NCO", false},      {2, 0, "", "NCO", true},
        {9, 0, "", "NCO", true},             {10, 0, "", "NCO", false},
        {1, 0, "Raid ", "Assignment=Raid", false},  // the whole line must appear
        {1, 0, "Eli      Assignment=Raid ", "Assignment=Raid", true},
        {1, 0, "Patrol Staff ", "All/Command", false}, {1, 0, "Patrol Staff ", "All/Staff", true},
        {1, 0, "Patrol Cmd ", "All/Command", true},    {1, 0, "Patrol Cmd ", "Command/Staff", false},
        {1, 0, "Patrol Cmd ", "Staff/All", true},      {1, 0, "No Position ", "No Position", true},
        {1, 0, "No Position ", "Position", false},     {1, 0, "Bridge Posn ", "Position", true},
        {1, 0, "Bridge Posn ", "No Position", true}};
    // clang-format on
    for (const auto& [rank, warrant, year, lines, eligible] : cases) {
        TableGame t;
        t.g.career.Character.Rank = static_cast<int16_t>(rank);
        t.g.career.Character.Warranted = static_cast<int16_t>(warrant);
        t.Year(year);
        std::vector<std::string> eli;
        for (const auto& e : Split(lines, '/'))
            if (!e.empty()) eli.push_back("Eli      " + e);
        EXPECT_EQ(t.Eligible(eli), eligible) << rank << " " << year << " " << lines;
    }
}

TEST(SkillTableRoll, ModifiersCapAndFloor) {
    TableGame t;
    auto& table = LoadedRules(t.g).Service.SkillTable.Edit(1);
    table = {"Four",
             {"", "Eli      All"},
             {"", "DM +1TL> 11", "DM -3 Rnk<5"},
             4,
             {"", "Skill1", "Skill2", "Skill3", "Skill4"}};
    t.g.career.Character.TechLevel = 12;
    EXPECT_EQ(TableModifier(t.g.career, table), -2);
    t.g.career.Character.Rank = 5;
    EXPECT_EQ(TableModifier(t.g.career, table), 1);

    t.ui.Answer({"1", "1"});
    t.dice.Push({6});
    ThrowLog throws;
    t.g.career.Explain = &throws;
    RollSkill(t.g);
    EXPECT_EQ(GetSkillLevel(t.g.career, "Skill4"), 1);  // 7 capped at Max
    ASSERT_EQ(throws.Throws().size(), 1u);
    EXPECT_EQ(ThrowText(throws.Throws()[0]),
              "The table Four: 1D = 6, +1 (TL 12: DM +1TL> 11), total 7: Skill4");
    t.g.career.Explain = nullptr;
    t.g.career.Character.Rank = 1;
    t.dice.Push({1});
    RollSkill(t.g);
    EXPECT_EQ(GetSkillLevel(t.g.career, "Skill1"), 1);  // 1 - 2 takes the first entry
}

TEST(RollSkill, OffersServiceThenBranchTablesAndRollsTheChoice) {
    TableGame t;
    LoadedRules(t.g).Service.SkillTable.Edit(1) =
        OneLineTable("Personal", "Eli      All", "Brawling");
    LoadedRules(t.g).Service.SkillTable.Edit(2) =
        OneLineTable("Closed", "Eli      Rank>20", "Never");
    LoadedRules(t.g).Service.BranchSkillTable.Edit(3) =
        OneLineTable("Branch", "Eli      All", "Tactics");
    t.ui.Answer({"2"});
    t.dice.Push({3});
    RollSkill(t.g);
    EXPECT_EQ(std::tie(t.ui.shown.back().Text, t.g.windows.Form2.Button[2].Tag),
              std::make_tuple("Personal/Branch/", "B3"));
    EXPECT_EQ(GetSkillLevel(t.g.career, "Tactics"), 1);
}

// What a roll tests of the race's names must follow the tables and the
// race as they are chosen in turn, as a batch does.
TEST(RollSkill, FollowsTablesWrittenAndRacesChangedBetweenRolls) {
    TableGame t;
    t.g.career.Character.Options[OptAutoGen] = OptOn;
    auto offered = [&] {
        LoadedRules(t.g).NameStatsInTables();
        RollSkill(t.g);
        return t.g.career.Character.Skills[1].Name;
    };
    LoadedRules(t.g).Service.SkillTable.Edit(1) =
        OneLineTable("Closed", "Eli      Rank>20", "Never");
    t.dice.Push({1, 1});
    EXPECT_EQ(offered(), "");  // no table open: nothing thrown, nothing gained

    LoadedRules(t.g).Service.SkillTable.Edit(2) =
        OneLineTable("Social", "Eli      CHA>8", "Carousing");
    t.g.career.Character.Stats[6] = 9;
    t.dice.Push({1, 1});
    EXPECT_EQ(offered(), "");  // the sixth is SOC: no CHA to test

    LoadedRules(t.g).Race.StatName[6] = "CHA";
    t.dice.Push({1, 1});
    EXPECT_EQ(offered(), "Carousing");

    LoadedRules(t.g).Race.StatName[6] = "SOC";
    t.g.career.Character.Skills[1] = {};
    t.dice.Push({1, 1});
    EXPECT_EQ(offered(), "");
}
