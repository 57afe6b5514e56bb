#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "career/CourtMartial.h"
#include "career/Term.h"
#include "model/Skills.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

// A four-year race and a small military service built here, so every case
// states each throw it makes (the scripted dice fail on any other).
class TermTest : public ::testing::Test {
  protected:
    TestGame t;
    Game& g = t.g;
    CharacterRecord& c = t.g.Character;

    TermTest() {
        g.Race.Name = "Tester";
        g.Race.Code = 1;
        g.Race.NumStats = 7;
        g.Race.StatName = {"", "STR", "DEX", "END", "INT", "EDU", "SOC", "CHA"};
        g.Race.YearsPerTerm = 4;
        g.Race.AgeAt = 10000;  // no aging throws in jail years
        for (int i = 1; i <= 7; ++i) c.Stats[i] = 7;
        auto& s = g.Service;
        s.Type = "ARMY";
        s.BranchName = "Infantry";
        s.Medal = {"", "Bronze Star", "Silver Star", "Gold Star"};
        s.Purple = "Purple Heart";
        s.MaxRank = 14;
        s.Command = 8;
        for (int k = 1; k <= 14; ++k)
            s.RankCode[k] = k < 10 ? "E" + std::to_string(k) : "O" + std::to_string(k - 9);
        const char* lines[] = {"Raid",  "Training", "Garrison", "Special",
                               "Ghost", "BLANK",    "Battle"};
        for (int k = 0; k < 7; ++k) s.AssignByRoll[k + 2] = lines[k];
        s.Assignment[1] = {"Raid", 5, 8, 7, 6};
        s.Assignment[2] = {"Training", 3, 99, 8, 4};
        s.Assignment[3] = {"Garrison", 3, 12, 9, 7};
        s.Assignment[4] = {"BLANK", 3, 99, 9, 7};
        s.Assignment[5] = {"Battle", 6, 5, 8, 5};
        s.SkillTable[1].Title = "Drill";
        s.SkillTable[1].Eli[1] = "Eli      All";
        s.SkillTable[1].Max = 6;
        s.SkillTable[1].Entry = {"", "Rifle", "Tactics", "Leader", "Medic", "Recon", "Admin"};
        c.Rank = 1;
        c.CurTerm = 1;
        c.CurLine = 1;
    }

    // Two dice showing each total.
    void Throws(const std::vector<int>& totals) {
        for (int total : totals)
            t.dice.Push({std::min(6, total - 1), total - std::min(6, total - 1)});
    }
    // A skill-table roll on "Drill" landing on `entry`.
    void SkillRoll(int entry) {
        t.ui.Answer("1");
        t.dice.Push(entry);
    }
    std::string Year() const { return c.TermLog[1].Lines[1]; }
    void NewYear() { c.TermLog[1].Lines[1].clear(); }
    // Resolves and checks that every scripted throw and answer was used.
    int Resolve(int roll) {
        ResolveAssignment(g, roll);
        EXPECT_EQ(t.dice.Left(), 0u) << "throws left over";
        EXPECT_EQ(t.ui.AnswersLeft(), 0u) << "answers left over";
        return roll;
    }
};

// One year each: which steps run, what they log, where the rank ends.
TEST_F(TermTest, YearSteps) {
    struct Case {
        std::string type;
        int rank, promotedThisTerm, roll;
        std::vector<int> throws;  // 2D6 totals
        std::string year;
        int rankAfter, matched;
    };
    const std::vector<Case> cases = {
        {"ARMY", 1, 0, 2, {9, 7, 6, 2}, "Raid ", 1, 1},
        {"ARMY", 1, 0, 7, {3, 3, 2, 2}, "", 1, 4},  // BLANK is not logged
        {"GUILD", 1, 0, 5, {}, "Special ", 1, 0},   // hands off at once
        {"ARMY", 1, 0, 2, {4, 5, 3, 2, 2}, "Raid Wnd (chest) ", 1, 1},
        {"ARMY", 10, 0, 2, {9, 8, 3, 2, 2}, "Raid Cmd ", 10, 1},
        {"ARMY", 10, 0, 2, {9, 7, 3, 2, 2}, "Raid Staff ", 10, 1},
        {"POLICE", 10, 0, 2, {9, 3, 2, 2}, "Raid ", 10, 1},    // no command outside the military
        {"POLICE", 1, 0, 4, {9, 2, 2, 2}, "Garrison ", 1, 3},  // nor court martial
        {"ARMY", 1, 0, 8, {9, 5, 2, 2}, "Battle Bronze Star ", 1, 5},
        {"ARMY", 1, 0, 8, {9, 8, 2, 2}, "Battle Silver Star ", 1, 5},
        {"ARMY", 1, 0, 8, {9, 11, 2, 2}, "Battle Gold Star ", 1, 5},  // only the highest
        {"ARMY", 3, 1, 2, {9, 3, 12, 2}, "Raid E4 ", 4, 1},           // enlisted every year
        {"ARMY", 9, 0, 2, {9, 3, 12, 2}, "Raid ", 9, 1},              // E to O is a commission
        {"ARMY", 14, 0, 2, {9, 2, 3, 12, 2}, "Raid Staff ", 14, 1},   // MaxRank
        {"ARMY", 10, 0, 2, {9, 2, 3, 12, 2}, "Raid Staff O2 ", 11, 1},
        {"ARMY", 10, 1, 2, {9, 2, 3, 12, 2}, "Raid Staff ", 10, 1},  // once a term
        {"POLICE", 10, 1, 2, {9, 3, 12, 2}, "Raid O2 ", 11, 1},      // other officers every year
        {"IMOJ", 8, 0, 3, {9, 2, 2}, "Training ", 8, 2},             // no promotion throw at all
    };
    for (const Case& k : cases) {
        NewYear();
        g.Service.Type = k.type;
        c.Rank = static_cast<int16_t>(k.rank);
        c.PromotedThisTerm = static_cast<int16_t>(k.promotedThisTerm);
        Throws(k.throws);
        EXPECT_EQ(Resolve(k.roll), k.matched) << k.year;
        EXPECT_EQ(Year(), k.year);
        EXPECT_EQ(c.Rank, k.rankAfter) << k.year;
    }
    EXPECT_EQ(c.Medals, (std::array<int16_t, 4>{1, 1, 1, 1}));
    EXPECT_TRUE(t.ui.SawMessage("Specials not defined for career type GUILD"));
}

TEST_F(TermTest, SkillThrowAndTheUnmatchedAssignment) {
    Throws({9, 7, 6, 6});
    SkillRoll(1);
    Resolve(2);
    c.Options[OptForceSkill] = OptOn;  // a failed skill throw still rolls
    Throws({9, 7, 6, 2});
    SkillRoll(2);
    Resolve(2);
    EXPECT_EQ(GetSkillLevel(g, "Rifle") + GetSkillLevel(g, "Tactics"), 2);

    // Record 0 has all targets 0: a decoration, promotion and skill follow.
    NewYear();
    Throws({2, 2, 2, 2});
    SkillRoll(3);
    EXPECT_EQ(Resolve(6), 0);
    EXPECT_TRUE(t.ui.SawMessage("Can't match assignment Ghost"));
    EXPECT_EQ(Year(), "Ghost Bronze Star E2 ");
}

TEST_F(TermTest, WoundsAndTheirLocations) {
    const char* where[] = {"arm",         "leg",   "head", "chest", "lower torso", "chest",
                           "lower torso", "chest", "leg",  "leg",   "arm"};
    for (int total = 2; total <= 12; ++total) {
        Throws({total});
        EXPECT_EQ(WoundLocation(g), std::string(" (") + where[total - 2] + ")");
    }
    g.Service.Purple = "None";
    Throws({3, 8, 3, 2, 2});
    Resolve(2);
    EXPECT_EQ(Year(), "Raid Wnd (lower torso) ");
    EXPECT_EQ(c.Medals[0], 0);
}

TEST_F(TermTest, BadWoundAsksAndOnlyAcceptInvalidsOut) {
    for (const std::string reply : {"1", "", "2"}) {  // "" closes the window
        NewYear();
        Throws({2, 4, 3, 2, 2});
        t.ui.Answer(reply);
        Resolve(2);
        const auto& w = g.TermWindow;
        EXPECT_EQ(w.Label[1],
                  "Character has been badly wounded and recommended to be invalided out");
        EXPECT_EQ(w.Button[1].Caption, "Carry on");
        EXPECT_EQ(w.Button[2].Caption, "Accept this");
        EXPECT_FALSE(w.Button[3].Visible);
        EXPECT_EQ(w.Answer, reply);
        EXPECT_EQ(Year(),
                  reply == "2" ? "Raid Bad Wnd (head) - invalided out " : "Raid Bad Wnd (head) ");
    }
    EXPECT_EQ(c.Medals[0], 3);
    EXPECT_EQ(t.ui.beeps, 3);

    // A court martial later that year reuses the window; the reply stays.
    g.CommandLine = "COURTMARTIAL";
    Throws({2, 4, 3});
    t.ui.Answer({"2", "1"});
    t.dice.Push(1);  // 1 + 2 for the raid: rank 1 has no two ranks to lose
    Resolve(2);
    EXPECT_EQ(g.TermWindow.Button[2].Caption, "Accept this");
    EXPECT_EQ(g.TermWindow.Answer, "2");
}

TEST_F(TermTest, CourtMartialOnALowDecorationThrowOrTheCommandLine) {
    Throws({9, 2});  // Garrison: Deco 12, so 2 is a court martial
    t.dice.Push(1);
    t.ui.Answer("");  // closing the window acknowledges the verdict
    Resolve(4);
    EXPECT_EQ(Year(), "Garrison Court martial - reprimand ");
    const auto& w = g.TermWindow;
    EXPECT_EQ(w.Label[1], "Character has been court-martialled for cowardice");
    EXPECT_EQ(w.Button[1].Caption, "OK");
    EXPECT_FALSE(w.Button[2].Visible);
    EXPECT_EQ(t.ui.beeps, 1);

    NewYear();
    Throws({9, 2, 2, 2});  // Training: Deco 99 never holds one
    Resolve(3);
    g.CommandLine = "COURTMARTIAL";
    Throws({9, 12});
    t.dice.Push(2);  // 2 - 1 for Training: reprimand
    t.ui.Answer("1");
    Resolve(3);
    EXPECT_EQ(Year(), "Training Training Court martial - reprimand ");
}

TEST_F(TermTest, SentenceThrowAndTable) {
    c.Rank = 8;
    c.TermLog[1].Lines[1] = "Training Raid Cmd Battle CtrIns Police Action Siege ";
    t.dice.Push(3);
    EXPECT_EQ(SentenceThrow(g), 3 + 1 - 1 + 6 * 2);
    c.Rank = 10;  // officers get no rank modifier
    t.dice.Push(3);
    EXPECT_EQ(SentenceThrow(g), 3 - 1 + 6 * 2);

    struct Row {
        int sentence, rank;
        std::vector<int> dice;
        std::string logged;
        int rankAfter, ended, yearsServed;
    };
    const std::vector<Row> rows = {
        {0, 5, {}, "- reprimand ", 5, 0, 0},
        {1, 5, {}, "- reprimand ", 5, 0, 0},
        {2, 5, {}, "- busted 1 rank to E4 ", 4, 0, 0},
        {2, 1, {}, "", 1, 0, 0},
        {3, 5, {}, "- busted 2 ranks to E3 ", 3, 0, 0},
        {3, 2, {}, "", 2, 0, 0},
        {4, 5, {3, 4}, "- busted 2 ranks to E3 , jail for 7 months ", 3, 0, 0},
        {5, 5, {3}, ", jail for 3 years, DD ", 5, 1, 3},
        {7, 5, {6, 6}, ", jail for 12 years, DD ", 5, 1, 12},
        {9, 5, {}, ", Death sentence, escape, KCr10 reward ", 5, 1, 0},
        {12, 5, {4}, ", Death sentence, escape killing 4 guards, KCr10 reward ", 5, 1, 0},
    };
    for (const Row& row : rows) {
        c = CharacterRecord{};
        c.CurTerm = 1;
        c.CurLine = 1;
        c.Rank = static_cast<int16_t>(row.rank);
        for (int face : row.dice) t.dice.Push(face);
        ApplySentence(g, row.sentence);
        EXPECT_EQ(Year(), row.logged);
        EXPECT_EQ(c.Rank, row.rankAfter) << row.logged;
        EXPECT_EQ(c.CareerEnded, row.ended) << row.logged;
        EXPECT_EQ((c.CurTerm - 1) * 4 + c.CurLine - 1, row.yearsServed) << row.logged;
        EXPECT_EQ(t.dice.Left(), 0u);
    }

    // Jail years stop at the end of the history table.
    c.CurTerm = CharacterRecord::MaxTerm;
    c.CurLine = 3;
    t.dice.Push(6);
    ApplySentence(g, 5);
    EXPECT_EQ(c.CurTerm, CharacterRecord::MaxTerm);
    EXPECT_EQ(c.CurLine, 4);
}

TEST_F(TermTest, DecorationNamesNoneAndBonus) {
    g.Service.Medal = {"", "Bonus x1", "NONE", "Bonus x3"};
    Throws({9, 5});
    t.dice.Push(7);
    Throws({2, 2});
    Resolve(8);
    Throws({9, 8, 2, 2});
    Resolve(8);
    Throws({9, 11});
    t.dice.Push({10, 1, 4});
    Throws({2, 2});
    Resolve(8);
    EXPECT_EQ(c.Money, 700 + 1500);
    EXPECT_EQ(Year(), "Battle Bonus x1 Battle Battle Bonus x3 ");
    EXPECT_EQ(c.Medals, (std::array<int16_t, 4>{0, 1, 0, 1}));
}

TEST_F(TermTest, SatisfactionAndRankCap) {
    g.Race.Code = 11;
    c.Rank = 2;
    Throws({9, 3, 7, 2});
    Resolve(2);
    EXPECT_EQ(GetSkillLevel(g, "Satisfaction"), 1);
    EXPECT_EQ(Year(), "Raid (Satisfied) E3 ");

    g.Race.Code = 1;
    c.Options[OptCapRank] = OptOn;
    c.Options[RankCap] = 4;
    c.Rank = 4;
    Throws({9, 3, 12, 2});  // promoted to 5, then capped
    Resolve(2);
    EXPECT_EQ(c.Rank, 4);
    c.Rank = 6;
    Throws({9, 3, 2, 2});
    Resolve(2);
    EXPECT_EQ(c.Rank, 4);
}

TEST_F(TermTest, BountyHuntersSkipSurvivalAndUseTheThrowsRecord) {
    g.Service.BranchName = "Bounty Hunters";
    c.Warranted = 1;     // a training year: no hunt, offer or warrant application
    Throws({2, 12, 2});  // record 3 (Garrison) by the throw, and no court martial
    EXPECT_EQ(Resolve(3), 3);
    EXPECT_EQ(Year(), "Training E2 ");
}

class SoragTest : public TermTest {
  protected:
    SoragTest() {
        auto& s = g.Service;
        s.Type = "SORAG";
        s.BranchName = "Operations";
        const char* lines[] = {"Assassination/D", "S:Wpns Trg/D", "Watch/A", "Orientation/O",
                               "Black Op/E"};
        for (int k = 2; k <= 12; ++k) s.AssignByRoll[k] = k <= 6 ? lines[k - 2] : "Watch/A";
        s.AssignByRoll[12] = "Assassination/D";
        for (int k = 1; k <= 4; ++k) s.Assignment[k] = {lines[k == 1 ? 0 : k], 3, 99, 12, 12};
        c.Clearance = "1";
    }
    // Survival, decoration, promotion, clearance and skill throws.
    void SoragYear(int clearanceThrow) { Throws({9, 2, 2, clearanceThrow, 2}); }
};

TEST_F(SoragTest, AssignmentsAboveTheClearanceAreReThrown) {
    Throws({4});  // Watch/A after Assassination/D
    SoragYear(3);
    EXPECT_EQ(Resolve(2), 2);
    c.Clearance = "0";  // code "O" sorts after A..E: everything is open
    SoragYear(3);
    EXPECT_EQ(Resolve(5), 3);
    c.Clearance = " ";  // never set: read as 0
    SoragYear(3);
    EXPECT_EQ(Resolve(6), 4);
    EXPECT_EQ(Year(), "Watch/A Orientation/O Black Op/E ");
    EXPECT_EQ(Resolve(3), 3);  // S: hands off unlogged (this one does nothing)
    EXPECT_EQ(Year(), "Watch/A Orientation/O Black Op/E ");
}

TEST_F(SoragTest, ReThrowsAreBounded) {
    for (int k = 4; k <= 11; ++k) g.Service.AssignByRoll[k] = "Black Op/E";
    EXPECT_EQ(Resolve(2), 0);                // nothing open at A: no throw at all
    g.Service.AssignByRoll[11] = "Watch/A";  // open, but never thrown
    for (int k = 0; k < 1000; ++k) Throws({2});
    EXPECT_EQ(Resolve(2), 0);
    EXPECT_EQ(Year(), "No assignment open at this clearance No assignment open at this clearance ");
}

TEST_F(SoragTest, ClearanceRisesAndFallsByBranchTarget) {
    struct Case {
        std::string branch, before;
        int clearanceThrow;
        std::string after, logged;
    };
    const std::vector<Case> cases = {
        {"Operations", "1", 9, "2", "Clearance: B "},
        {"Operations", "1", 8, "1", ""},
        {"Research", "3", 10, "4", "Clearance: D "},
        {"Scientific", "3", 9, "3", ""},
        {"Administration", "4", 12, "5", "Clearance: E "},
        {"Covert Action", "2", 3, "3", "Clearance: C "},
        {"Covert Action", "5", 12, "5", ""},
        {"Operations", "3", 2, "2", "Busted to B "},
        {"Operations", "1", 2, "1", ""},
    };
    for (const Case& k : cases) {
        NewYear();
        g.Service.BranchName = k.branch;
        c.Clearance = k.before;
        SoragYear(k.clearanceThrow);
        Resolve(4);
        EXPECT_EQ(c.Clearance, k.after) << k.branch << " " << k.before;
        EXPECT_EQ(Year(), "Watch/A " + k.logged) << k.branch << " " << k.before;
    }
}

TEST_F(TermTest, ScoutTrainingGoesToSchool) {
    TempDir data;
    data.Write("isct3.sch",
               {"Survey", "Navigation", "Recon", "Pilot", "Survival", "Comms", "Medic"});
    data.Write("ISCT6.SCH", {"Short school", "Pilot"});
    g.DataLoc = data.Path();
    g.Service.Type = "SCOUT";
    g.Service.School = "3516";
    auto training = [&](int schoolDie) {
        Throws({9, 2, 2});
        t.dice.Push(schoolDie);
    };
    training(1);  // school 3, found whatever its case, teaches one skill
    t.dice.Push(4);
    Resolve(3);
    EXPECT_EQ(GetSkillLevel(g, "Survival"), 1);

    training(2);  // no ISCT5.SCH: a skill-table roll instead
    SkillRoll(5);
    Resolve(3);
    EXPECT_EQ(GetSkillLevel(g, "Recon"), 1);

    training(4);  // a school file too short to use is reported
    SkillRoll(6);
    Resolve(3);
    EXPECT_TRUE(t.ui.SawMessage("ISCT6.SCH"));
    EXPECT_EQ(GetSkillLevel(g, "Admin"), 1);

    data.Write("ISCT6.SCH",
               {"Pilots", "Pilot", "Navigation", "Vacc Suit", "Comms", "Engineering", "Gunnery"});
    training(4);  // schools 1, 2 and 6 teach two skills
    t.dice.Push({1, 1});
    Resolve(3);
    EXPECT_EQ(GetSkillLevel(g, "Pilot"), 2);
}

TEST_F(TermTest, CharismaTableForRaceThree) {
    g.Race.Code = 3;
    struct Row {
        int prom, total, rankBefore, cha, medal, rank;
        std::string logged;
    };
    const std::vector<Row> rows = {
        {2, 2, 5, 9, 3, 5, "Success Gold Star "},
        {2, 3, 5, 8, 2, 5, "Success Silver Star "},
        {2, 4, 5, 8, 1, 5, "Success Bronze Star "},
        {2, 5, 5, 8, 0, 5, "Success "},
        {2, 7, 5, 7, 0, 5, "Success "},
        {2, 9, 5, 8, 0, 5, "Success "},
        {2, 10, 5, 8, 0, 6, "Success E6 "},
        {2, 11, 5, 9, 0, 6, "Success E6 "},
        {2, 12, 5, 9, 0, 7, "Success E7 "},
        {2, 12, 13, 9, 0, 13, "Success "},  // two ranks would pass MaxRank 14
        {13, 2, 5, 5, 0, 5, "No success "},
        {13, 3, 5, 6, 0, 5, "No success "},
        {13, 8, 5, 7, 0, 5, "No success "},
        {13, 10, 5, 6, 0, 5, "No success "},
        {13, 11, 5, 6, 0, 4, "No success Demoted 1 rank "},
        {13, 12, 5, 5, 0, 3, "No success Demoted 2 ranks "},
        {13, 12, 2, 5, 0, 2, "No success "},  // two ranks down would reach 0
    };
    for (const Row& row : rows) {
        c.Stats[7] = 7;
        c.Rank = static_cast<int16_t>(row.rankBefore);
        c.Medals = {};
        NewYear();
        g.Service.Assignment[1].Prom = row.prom;
        Throws({row.total});
        CharismaEvent(g, 1);
        EXPECT_EQ(c.Stats[7], row.cha) << row.logged;
        EXPECT_EQ(c.Rank, row.rank) << row.logged;
        EXPECT_EQ(c.Medals[row.medal], row.medal ? 1 : 0) << row.logged;
        EXPECT_EQ(Year(), row.logged);
    }
    // In a full year the charisma throw replaces decoration and promotion.
    c.Stats[7] = 7;
    Throws({9, 9, 2});
    Resolve(2);
    EXPECT_EQ(c.Stats[7], 7 - 1);
}

}  // namespace
