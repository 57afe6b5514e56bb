#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "career/CourtMartial.h"
#include "career/Term.h"
#include "model/Skills.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

// A four-year race and a small military service built here.
class TermTest : public ::testing::Test {
  protected:
    TestGame t;
    Game& g = t.g;
    CharacterRecord& c = t.g.Character;
    ServiceRecord& s = t.g.Service;
    int matched = 0;

    TermTest() {
        g.Race.YearsPerTerm = 4;
        g.Race.AgeAt = 10000;  // no aging throws in jail years
        s.Type = "ARMY";
        s.Medal = {"", "Bronze Star", "Silver Star", "Gold Star"};
        s.MaxRank = 14;
        s.Command = 8;
        for (int k = 1; k <= 14; ++k)
            s.RankCode[k] = k < 10 ? "E" + std::to_string(k) : "O" + std::to_string(k - 9);
        s.AssignByRoll = {"", "", "Raid", "Training", "Garrison", "Ghost", "BLANK", "Battle"};
        s.Assignment[1] = {"Raid", 5, 8, 7, 6};
        s.Assignment[2] = {"Training", 3, 99, 8, 4};
        s.Assignment[3] = {"Garrison", 3, 12, 9, 7};
        s.Assignment[4] = {"BLANK", 3, 99, 9, 7};
        s.Assignment[5] = {"Battle", 6, 5, 8, 5};
        s.SkillTable[1].Eli[1] = "Eli      All";
        s.SkillTable[1].Max = 6;
        s.SkillTable[1].Entry = {"", "Rifle", "Tactics", "Leader", "Medic", "Recon", "Admin"};
        c.Rank = c.CurTerm = c.CurLine = 1;
    }

    // A fresh year: 2D6 totals, single dice negated; all must be used.
    std::string Play(int roll, const std::vector<int>& throws,
                     std::initializer_list<std::string> answers = {}) {
        c.TermLog[1].Lines[1].clear();
        for (int n : throws)
            n < 0 ? t.dice.Push(-n) : t.dice.Push({std::min(6, n - 1), n - std::min(6, n - 1)});
        t.ui.Answer(answers);
        ResolveAssignment(g, roll);
        matched = roll;
        EXPECT_EQ(t.dice.Left() + t.ui.AnswersLeft(), 0u) << "throws or answers left over";
        return c.TermLog[1].Lines[1];
    }
};

// One year each -> the year's line, the rank after and the matched record.
TEST_F(TermTest, YearSteps) {
    using Case = std::tuple<std::string, int16_t, int16_t, int, std::vector<int>, std::string>;
    for (const auto& [type, rank, promoted, roll, throws, expected] : std::vector<Case>{
             {"ARMY", 1, 0, 6, {3, 3, 2, 2}, "|1|4"},  // BLANK is not logged
             {"ARMY", 1, 0, 2, {4, 5, 3, 2, 2}, "Raid Wnd (chest) |1|1"},
             {"POLICE", 1, 0, 4, {9, 2, 2, 2}, "Garrison |1|3"},  // court martial: military only
             {"ARMY", 1, 0, 7, {9, 5, 2, 2}, "Battle Bronze Star |1|5"},
             {"ARMY", 1, 0, 7, {9, 11, 2, 2}, "Battle Gold Star |1|5"},  // only the highest
             {"ARMY", 3, 1, 2, {9, 3, 7, 2}, "Raid E4 |4|1"},            // enlisted every year
             {"ARMY", 9, 0, 2, {9, 3, 12, 2}, "Raid |9|1"},              // E to O is a commission
             {"ARMY", 14, 0, 2, {9, 7, 3, 12, 2}, "Raid Staff |14|1"},   // MaxRank
             {"ARMY", 10, 0, 2, {9, 8, 3, 12, 2}, "Raid Cmd O2 |11|1"},
             {"ARMY", 10, 1, 2, {9, 2, 3, 12, 2}, "Raid Staff |10|1"},  // once a term
             {"POLICE", 10, 1, 2, {9, 3, 12, 2}, "Raid O2 |11|1"},      // no command; every year
             {"IMOJ", 8, 0, 3, {9, 2, 2}, "Training |8|2"},             // no promotion throw at all
         }) {
        s.Type = type;
        c.Rank = rank;
        c.PromotedThisTerm = promoted;
        const std::string year = Play(roll, throws);
        EXPECT_EQ(year + "|" + std::to_string(c.Rank) + "|" + std::to_string(matched), expected);
    }
    EXPECT_EQ(c.Medals, (std::array<int16_t, 4>{1, 1, 0, 1}));

    // Survival and skill throws just met; then record 0, all targets 0.
    c.Rank = 1;
    EXPECT_EQ(Play(2, {5, 7, 6, 6, -1}, {"1"}), "Raid ");
    EXPECT_EQ(Play(5, {2, 2, 2, 2, -2}, {"1"}), "Ghost Bronze Star E2 ");
    EXPECT_TRUE(t.ui.SawMessage("Can't match assignment Ghost"));
}

TEST_F(TermTest, BadWoundAndCourtMartial) {
    for (const std::string reply : {"1", "", "2"})  // "" closes the window
        EXPECT_EQ(Play(2, {2, 4, 3, 2, 2}, {reply}),
                  reply == "2" ? "Raid Bad Wnd (head) - invalided out " : "Raid Bad Wnd (head) ");
    EXPECT_EQ(g.TermWindow.Label[1],
              "Character has been badly wounded and recommended to be invalided out");
    g.CommandLine = "COURTMARTIAL";  // a court martial later that year reuses the window
    EXPECT_EQ(Play(2, {2, 4, 3, -1}, {"2", "1"}),
              "Raid Bad Wnd (head) - invalided out Court martial ");  // 1 + 2: no ranks to lose
    EXPECT_EQ(g.TermWindow.Answer, "2");                              // the reply stays
    EXPECT_EQ(Play(3, {9, 12, -2}, {"1"}), "Training Court martial - reprimand ");  // 2 - 1

    g.CommandLine = "";
    EXPECT_EQ(Play(3, {9, 2, 2, 2}), "Training ");  // Deco 99 never holds one
    EXPECT_EQ(Play(4, {9, 2, -1}, {""}), "Garrison Court martial - reprimand ");  // 2 <= 12 - 10
    EXPECT_EQ(g.TermWindow.Label[1], "Character has been court-martialled for cowardice");
}

TEST_F(TermTest, SentenceTable) {
    // -> the log, the rank after, the years served, whether the career ended.
    const std::vector<std::tuple<int, int16_t, std::vector<int>, std::string>> rows = {
        {0, 5, {}, "- reprimand |5|0"},
        {2, 5, {}, "- busted 1 rank to E4 |4|0"},
        {2, 1, {}, "|1|0"},
        {3, 2, {}, "|2|0"},
        {4, 5, {3, 4}, "- busted 2 ranks to E3 , jail for 7 months |3|0"},
        {5, 5, {3}, ", jail for 3 years, DD |5|3|ended"},
        {7, 5, {6, 6}, ", jail for 12 years, DD |5|12|ended"},
        {9, 5, {}, ", Death sentence, escape, KCr10 reward |5|0|ended"},
        {12, 5, {4}, ", Death sentence, escape killing 4 guards, KCr10 reward |5|0|ended"},
    };
    for (const auto& [sentence, rank, dice, expected] : rows) {
        c = CharacterRecord{};
        c.CurTerm = c.CurLine = 1;
        c.Rank = rank;
        for (int face : dice) t.dice.Push(face);
        ApplySentence(g, sentence);
        const int served = (c.CurTerm - 1) * 4 + c.CurLine - 1;
        EXPECT_EQ(c.TermLog[1].Lines[1] + "|" + std::to_string(c.Rank) + "|" +
                      std::to_string(served) + (c.CareerEnded ? "|ended" : ""),
                  expected);
    }
    c.CurTerm = CharacterRecord::MaxTerm;  // jail years stop at the end of the history table
    c.CurLine = 3;
    t.dice.Push(6);
    ApplySentence(g, 5);
    EXPECT_EQ(c.CurTerm * 100 + c.CurLine, CharacterRecord::MaxTerm * 100 + 4);
    EXPECT_EQ(t.dice.Left(), 0u);
}

TEST_F(TermTest, DecorationBonusSatisfactionAndRankCap) {
    s.Medal = {"", "Bonus x1", "NONE", "Bonus x3"};
    EXPECT_EQ(Play(7, {9, 5, -7, 2, 2}) + Play(7, {9, 8, 2, 2}), "Battle Bonus x1 Battle ");
    EXPECT_EQ(Play(7, {9, 11, -10, -1, -4, 2, 2}), "Battle Bonus x3 ");
    EXPECT_EQ(c.Money, 700 + 1500);

    g.Race.Code = 11;
    EXPECT_EQ(Play(2, {9, 3, 6, 2}) + Play(2, {9, 3, 7, 2}), "Raid Raid (Satisfied) E2 ");
    EXPECT_EQ(c.Skills[1].Name, "Satisfaction");

    c.Options[OptCapRank] = OptOn;
    c.Options[RankCap] = 2;
    EXPECT_EQ(Play(2, {9, 3, 12, 2}), "Raid (Satisfied) E3 ");  // promoted, then capped
    EXPECT_EQ(c.Rank, 2);
}

TEST_F(TermTest, SoragClearance) {
    s.Type = "SORAG";
    s.BranchName = "Operations";
    s.AssignByRoll = {"", "", "Assassination/D", "S:Wpns Trg/D", "Watch/A", "Orientation/O"};
    for (int k = 1; k <= 4; ++k) s.Assignment[k] = {s.AssignByRoll[k + 1], 3, 99, 12, 12};
    // Clearance, roll and throws (the fourth for clearance) -> line|clearance.
    const std::vector<std::tuple<std::string, int, std::vector<int>, std::string>> rows = {
        {"1", 2, {4, 9, 2, 2, 3, 2}, "Watch/A |1"},     // D re-thrown at A
        {"0", 5, {9, 2, 2, 3, 2}, "Orientation/O |0"},  // "O" sorts after A..E
        {" ", 5, {9, 2, 2, 3, 2}, "Orientation/O | "},  // never set: 0
        {"4", 3, {}, "|4"},  // S: hands off unlogged (this one does nothing)
        {"1", 4, {9, 2, 2, 9, 2}, "Watch/A Clearance: B |2"},
        {"5", 4, {9, 2, 2, 12, 2}, "Watch/A |5"},
        {"3", 4, {9, 2, 2, 2, 2}, "Watch/A Busted to B |2"},
        {"1", 4, {9, 2, 2, 2, 2}, "Watch/A |1"},
    };
    for (const auto& [before, roll, throws, expected] : rows) {
        c.Clearance = before;
        EXPECT_EQ(Play(roll, throws) + "|" + c.Clearance, expected);
    }

    for (int k = 4; k <= 12; ++k) s.AssignByRoll[k] = "Black Op/E";
    EXPECT_EQ(Play(2, {}), "No assignment open at this clearance ");  // no throw at all
    s.AssignByRoll[11] = "Watch/A";  // open, but never thrown: the re-throws are bounded
    EXPECT_EQ(Play(2, std::vector<int>(1000, 2)), "No assignment open at this clearance ");
}

TEST_F(TermTest, ScoutTrainingGoesToSchool) {
    TempDir data;
    data.Write("isct3.sch", {"Title", "Pilot", "Navigation", "Comms", "Survey", "Gunnery", "Vacc"});
    data.Write("ISCT6.SCH", {"Title", "Pilot", "Navigation", "Comms", "Survey", "Gunnery", "Vacc"});
    g.DataLoc = data.Path();
    s.Type = "SCOUT";
    s.School = "3516";                  // by the die: 1 -> 3, 2 -> 5 (no file), 4 -> 6
    Play(3, {9, 2, 2, -1, -4});         // found whatever its case: one skill
    Play(3, {9, 2, 2, -4, -1, -1});     // schools 1, 2 and 6 teach two
    Play(3, {9, 2, 2, -2, -5}, {"1"});  // a skill-table roll instead
    EXPECT_EQ(c.Skills[1].Name + c.Skills[2].Name + c.Skills[3].Name, "SurveyPilotRecon");
}

}  // namespace
