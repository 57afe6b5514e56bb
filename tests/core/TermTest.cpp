

#include "career/CourtMartial.h"
#include "career/Term.h"
#include "support/TestGame.h"
#include "text/Text.h"

using namespace orrimar;

namespace {

class TermTest : public ::testing::Test {
  protected:
    TestGame t;
    Game& g = t.g;
    CharacterRecord& c = t.g.career.Character;
    ServiceRecord& s = LoadedRules(t.g).Service;

    TermTest() {
        LoadedRules(g).Race.YearsPerTerm = 4;
        LoadedRules(g).Race.AgeAt = 10000;  // no aging throws in jail years
        s.Type = "ARMY";
        s.Medal = {"", "Bronze Star", "Silver Star", "Gold Star"};
        s.MaxRank = 14;
        s.Command = 8;
        for (int k = 1; k <= 14; ++k)
            s.RankCode[k] = k < 10 ? "E" + std::to_string(k) : "O" + std::to_string(k - 9);
        s.AssignByRoll = {"", "", "Raid", "Training", "Garrison", "Ghost", "BLANK", "Battle"};
        s.Assignment.Edit()[1] = {"Raid", 5, 8, 7, 6};
        s.Assignment.Edit()[2] = {"Training", 3, 99, 8, 4};
        s.Assignment.Edit()[3] = {"Garrison", 3, 12, 9, 7};
        s.Assignment.Edit()[4] = {"BLANK", 3, 99, 9, 7};
        s.Assignment.Edit()[5] = {"Battle", 6, 5, 8, 5};
        s.SkillTable.Edit(1).Eli[1] = "Eli      All";
        s.SkillTable.Edit(1).Max = 6;
        s.SkillTable.Edit(1).Entry = {"", "Rifle", "Tactics", "Leader", "Medic", "Recon", "Admin"};
        c.Rank = c.CurTerm = c.CurLine = 1;
    }

    // A fresh year: 2D6 totals, single dice negated; all must be used.
    std::string Play(int roll, const std::vector<int>& throws,
                     std::initializer_list<std::string> answers = {}) {
        c.TermLog[1].SetLine(1, "");
        for (int n : throws)
            n < 0 ? t.dice.Push(-n) : t.dice.Push({std::min(6, n - 1), n - std::min(6, n - 1)});
        t.ui.Answer(answers);
        ResolveAssignment(g, roll);
        EXPECT_EQ(t.dice.Left() + t.ui.AnswersLeft(), 0u) << "throws or answers left over";
        return c.TermLog[1].Line(1);
    }
    std::string LineAndRank() const { return c.TermLog[1].Line(1) + "|" + std::to_string(c.Rank); }
};

// One year each -> the year's line and the rank after.
TEST_F(TermTest, YearSteps) {
    using Case = std::tuple<std::string, int16_t, int16_t, int, std::vector<int>, std::string>;
    for (const auto& [type, rank, promoted, roll, throws, expected] : std::vector<Case>{
             {"ARMY", 1, 0, 6, {3, 3, 2, 2}, "|1"},                    // BLANK is not logged
             {"ARMY", 1, 0, 7, {9, 11, 2, 2}, "Battle Gold Star |1"},  // only the highest
             {"ARMY", 3, 1, 2, {9, 3, 7, 2}, "Raid E4 |4"},            // enlisted every year
             {"ARMY", 9, 0, 2, {9, 3, 12, 2}, "Raid |9"},              // E to O is a commission
             {"ARMY", 14, 0, 2, {9, 7, 3, 12, 2}, "Raid Staff |14"},   // MaxRank
             {"ARMY", 10, 0, 2, {9, 8, 3, 12, 2}, "Raid Cmd O2 |11"},
             {"ARMY", 10, 1, 2, {9, 2, 3, 12, 2}, "Raid Staff |10"},  // once a term
             {"POLICE", 10, 1, 2, {9, 3, 12, 2}, "Raid O2 |11"},      // no command; every year
             {"IMOJ", 8, 0, 3, {9, 2, 2}, "Training |8"},             // no promotion throw
             {"POLICE", 1, 0, 4, {9, 2, 2, 2}, "Garrison |1"}}) {  // court martial: military only
        s.Type = type;
        c.Rank = rank;
        c.PromotedThisTerm = promoted;
        Play(roll, throws);
        EXPECT_EQ(LineAndRank(), expected);
    }
    // Rank 9 is not yet an officer: where 9 to 10 is no commission, a
    // military rank 9 promoted this term is promoted again.
    std::tie(s.Type, s.RankCode[9], c.Rank, c.PromotedThisTerm) = std::tuple("ARMY", "O0", 9, 1);
    Play(2, {9, 3, 12, 2});
    EXPECT_EQ(LineAndRank(), "Raid O1 |10");
    std::tie(s.Type, s.RankCode[9], c.Rank) = std::tuple("POLICE", "E9", 1);
    EXPECT_EQ(Play(2, {5, 7, 6, 6, -1}, {"1"}), "Raid ");  // survival and skill throws just met
    EXPECT_EQ(Play(5, {2, 2, 2, 2, -2}, {"1"}), "Ghost Bronze Star E2 ");  // record 0: targets 0
    EXPECT_TRUE(t.ui.SawMessage("Can't match assignment Ghost"));

    s.Medal = {"", "Bonus x1", "NONE"};
    EXPECT_EQ(Play(7, {9, 5, -7, 2, 2}) + Play(7, {9, 8, 2, 2}), "Battle Bonus x1 Battle ");
    EXPECT_EQ(c.Money, 700);
    LoadedRules(g).Race.Code = 11;
    c.Options[OptCapRank] = OptOn;
    c.Options[RankCap] = 2;
    EXPECT_EQ(Play(2, {9, 3, 6, 2}) + Play(2, {9, 3, 7, 2}), "Raid Raid (Satisfied) E3 ");
    EXPECT_EQ(c.Skills[3].Name + std::to_string(c.Rank), "Satisfaction2");  // promoted, then capped
}

TEST_F(TermTest, WoundsAndCourtMartial) {
    EXPECT_EQ(Play(2, {2, 4, 3, 7, 2}, {""}), "Raid Bad Wnd (head) E2 ");  // closed: carry on
    EXPECT_EQ(Play(3, {9, 2, 2, 2}), "Training ");  // Deco 99 never holds one
    EXPECT_EQ(Play(4, {9, 2, -1}, {""}), "Garrison Court martial - reprimand ");  // 2 <= 12 - 10
    g.session.SetCommandLine("COURTMARTIAL");  // a court martial later that year reuses the window
    EXPECT_EQ(Play(2, {2, 4, 3, -1}, {"2", "1"}),
              "Raid Bad Wnd (head) - invalided out Court martial ");  // 1 + 2: rank 2 is kept
    EXPECT_TRUE(g.career.Year.Invalided);                             // the reply stays
    // Rank, year's line, dice (the sentence throw first) -> log, rank, years
    // aged. Jail years age the character but are not served: the career
    // stays in the year of the sentence.
    const std::tuple<int16_t, std::string, std::vector<int>, std::string> rows[] = {
        {6, "Training", {3}, "- busted 1 rank to E5 |5|0"},
        {1, "", {2}, "|1|0"},
        {7, "", {3, 3, 4}, "- busted 2 ranks to E5 , jail for 7 months |5|0"},
        {5, "Siege", {3, 3}, ", jail for 3 years, DD |5|3"},
        {9, "Battle", {4, 6, 6}, ", jail for 12 years, DD |9|12"},
        {10, "CtrIns Police Action", {5}, ", Death sentence, escape, KCr10 reward |10|0"},
        {8, "Cmd Raid", {6, 4}, ", Death sentence, escape killing 4 guards, KCr10 reward |8|0"}};
    for (const auto& [rank, line, dice, expected] : rows) {
        c = CharacterRecord{};
        c.CurTerm = c.CurLine = c.Age = 1;
        c.Rank = rank;
        c.TermLog[1].SetLine(1, line);
        for (int face : dice) t.dice.Push(face);
        ApplySentence(g, SentenceThrow(g));
        EXPECT_EQ(LineAndRank().substr(line.size()) + "|" + std::to_string(c.Age - 1), expected);
        EXPECT_EQ(c.CurTerm * 10 + c.CurLine, 11) << expected;
        EXPECT_EQ(c.CareerEnded == 1, Contains(expected, "DD") || Contains(expected, "Death"));
    }
    // The words are noted as texts are logged: one split over two texts
    // counts, as it does in the line.
    c.TermLog[1].SetLine(1, "");
    for (const char* text : {"Police", "Action"}) c.TermLog[1].Log(1, text);
    EXPECT_TRUE(c.TermLog[1].Facts(1).Has(YearWord::PoliceAction));
}

// Race type 3: Prom, rank, the throw against Prom -> the line, rank and Cha.
TEST_F(TermTest, CharismaEvent) {
    std::tie(LoadedRules(g).Race.Code, LoadedRules(g).Race.NumStats,
             LoadedRules(g).Race.StatName[6], s.Type) = std::tuple(3, 6, "CHA", "POLICE");
    const std::tuple<int, int16_t, int, std::string> rows[] = {
        {0, 5, 2, "Success Gold Star |5|9"},
        {0, 13, 10, "Success O5 |14|8"},
        {0, 13, 12, "Success |13|9"},
        {13, 3, 12, "No success Demoted 2 ranks |1|5"}};
    for (const auto& [prom, rank, roll, expected] : rows) {
        s.Assignment.Edit()[1].Prom = prom;
        c.Rank = rank;
        c.Stats[6] = 7;
        Play(2, {9, roll, 2});
        EXPECT_EQ(LineAndRank().substr(5) + "|" + std::to_string(c.Stats[6]), expected);  // "Raid "
    }
}

TEST_F(TermTest, ScoutSchoolAndSoragClearance) {
    TempDir data;
    data.Write("isct6.sch", {"Title", "Pilot", "Navigation", "Comms", "Survey", "Gunnery", "Vacc"});
    g.session.DataLoc = data.Path();
    s.Type = "SCOUT";
    s.School = SchoolDigits("65");      // by the die: 1 -> 6 (any case; two skills), 2 -> 5 (none)
    Play(3, {9, 2, 2, -1, -4, -1});     // schools 1, 2 and 6 teach two, the others one
    Play(3, {9, 2, 2, -2, -5}, {"1"});  // a skill-table roll instead
    EXPECT_EQ(c.Skills[1].Name + c.Skills[2].Name + c.Skills[3].Name, "SurveyPilotRecon");
    s.Type = "SORAG";  // rows: clearance, roll, throws (the fourth for clearance) -> line|clearance
    NameBranch(s, "Operations");
    s.AssignByRoll = {"", "", "Assassination/D", "S:Wpns Trg/D", "Watch/A", "Orientation/O"};
    NoteClearances(s);
    for (int k = 1; k <= 4; ++k) s.Assignment.Edit()[k] = {s.AssignByRoll[k + 1], 3, 99, 12, 12};
    const std::tuple<std::string, int, std::vector<int>, std::string> rows[] = {
        {"1", 2, {4, 9, 2, 2, 2, 2}, "Watch/A |1"},     // D re-thrown at A; 1 is not lowered
        {" ", 5, {9, 2, 2, 3, 2}, "Orientation/O | "},  // never set: 0, and "O" sorts after A..E
        {"4", 3, {}, "|4"},  // S: hands off unlogged (this one does nothing)
        {"1", 4, {9, 2, 2, 9, 2}, "Watch/A Clearance: B |2"},
        {"5", 4, {9, 2, 2, 12, 2}, "Watch/A |5"},
        {"3", 4, {9, 2, 2, 2, 2}, "Watch/A Busted to B |2"}};
    for (const auto& [before, roll, throws, expected] : rows) {
        c.Clearance = before;
        EXPECT_EQ(Play(roll, throws) + "|" + c.Clearance, expected);
    }
    for (int k = 4; k <= 12; ++k) s.AssignByRoll.Edit()[k] = "Black Op/E";
    s.AssignByRoll.Edit()[11] = "Watch/A";  // open, but never thrown: the re-throws are bounded
    NoteClearances(s);
    EXPECT_EQ(Play(2, std::vector<int>(1000, 2)), "No assignment open at this clearance ");
}

}  // namespace
