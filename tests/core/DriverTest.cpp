// The generation driver: years and terms, career start, the end-of-term
// choices, restart, stepping back before mustering out, and a whole career.

#include "career/Driver.h"
#include "output/ResumeText.h"
#include "support/TestGame.h"
#include "text/Text.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"

using namespace orrimar;

namespace {

std::vector<std::string> Race(const std::string& name, int code, int years) {
    return Split(name + "|Type=" + std::to_string(code) +
                     "|[STATS]|STR=2D|DEX=2D|END=2D|INT=2D|EDU=2D|SOC=2D|[FILES]|"
                     "TEST.SRV=Test Service|yearsperterm=" +
                     std::to_string(years) + "|baseage=18|ageat=90",
                 '|');
}

// A quiet service: every year the same assignment, always survived,
// never decorated, promoted or trained, so only the structure is tested.
std::vector<std::string> Service(int reenlist, const std::string& assignment = "Patrol") {
    std::vector<std::string> s =
        Split("Test Service|type=TESTERS|reenlist=" + std::to_string(reenlist) +
                  "|[FILES]|ONE=Branch one|[RANKS]|Max=2|E1=Private|E2=Corporal|[SKILL TABLES]|"
                  "Basic|Eli      All|Max=1|Admin|[MUSTER]|Mat=1|Low Passage|Csh=6|"
                  "1000,1000,1000,1000,1000,1000|*ONE|Branch one|x|First=2|Lst=12",
              '|');
    for (int k = 2; k <= 12; ++k) s.push_back(assignment);
    s.insert(s.end(),
             {"x", "A=" + assignment, "Surv=0", "Deco=99", "Prom=13", "Skil=13", "[END OF FILE]"});
    return s;
}

// Every career starts with the academic question; the test service offers
// no course, so its one choice is "No academic studies before enlistment"
// (the "1" that opens every script below).
struct DriverGame : TestGame {
    TempDir data;
    explicit DriverGame(int years = 2, int reenlist = 2, const std::string& race = "Humans",
                        int code = 1, const std::string& assignment = "Patrol") {
        data.Write("IMPERIAL.ERI", Race(race, code, years));
        data.Write("TEST.SRV", Service(reenlist, assignment));
        data.Write("cascade.dat",
                   {"VEHICLE/Car", "GUN COMBAT/Rifle", "BLADE COMBAT/Dagger", "* END *"});
        data.Write("COYNS.DAT", std::vector<std::string>(36, "COIN"));
        LoadData(data.Path());
        Pick(race, "Test Service", "Branch one");
        g.career.Character.Options[OptAutoGen] = OptOn;
        dice.SetFallback(true);
    }
    // Runs the main process: the first main-window visit calls `first` and
    // accepts, the second calls `second` and ends the program.
    void TwoVisits(const std::function<void(Game&)>& first,
                   const std::function<void(Game&)>& second) {
        int visits = 0;
        ui.onMainWindow = [&](Game& game) {
            if (++visits == 1) {
                first(game);
                ASSERT_TRUE(Form1Accept(game));
                return;
            }
            second(game);
            throw ProgramExit{0};
        };
        EXPECT_THROW(MainProcess(g), ProgramExit);
        EXPECT_EQ(visits, 2);
    }
    std::vector<std::string> TermQuestions() const {
        std::vector<std::string> out;
        for (const auto& s : ui.shown)
            if (s.Kind == "term") out.push_back(s.Text);
        return out;
    }
};

}  // namespace

TEST(NextYear, RollsOverIntoTheNextTermWithTheAge) {
    DriverGame t(4);
    auto& c = t.g.career.Character;
    c.CurTerm = 1;
    c.CurLine = 0;
    c.PromotedThisTerm = 1;
    for (int i = 0; i < 4; ++i) NextYear(t.g);
    EXPECT_EQ(std::tie(c.CurTerm, c.CurLine, c.Age), std::make_tuple(1, 4, 18 + 4));
    EXPECT_TRUE(Contains(t.g.windows.TermWindow.Log, "End of term 1 ---------------------------"));
    NextYear(t.g);
    EXPECT_EQ(std::tie(c.CurTerm, c.CurLine, c.Age, c.PromotedThisTerm, c.TermLog[2].Title),
              std::make_tuple(2, 1, 4 + 18 + 1, 0, "Branch one"));
    c.Stats[3] = -1;
    NextYear(t.g);
    EXPECT_TRUE(t.ui.SawMessage("has technically died of old age"));
}

TEST(NextYear, TheRecordsEndStopsTheCareer) {
    DriverGame t(2);
    auto& c = t.g.career.Character;
    c.CurTerm = 100;
    c.CurLine = 2;
    NextYear(t.g);
    EXPECT_EQ(std::tie(t.g.career.CareerFull, c.CurTerm, c.CurLine), std::make_tuple(true, 100, 2));
}

// A noble of race 4 starts commissioned where the service has ten ranks.
TEST(CareerStart, ANobleIsCommissionedWhereThereAreTenRanks) {
    for (const int ranks : {9, 10}) {
        DriverGame t(2, 2, "Psi folk", 4);
        LoadedRules(t.g).Service.MaxRank = static_cast<int16_t>(ranks);
        t.g.career.Character.Stats[6] = 12;
        t.ui.Answer({"1", "0", "3", "1", "1", "1"});  // no talent tried
        PlayCareer(t.g);
        EXPECT_EQ(t.g.career.Character.Rank, ranks == 10 ? 10 : 1) << ranks;
    }
}

TEST(EndOfTerm, GoingBackFromMusteringOutKeepsTheYear) {
    DriverGame t(2, 2);
    // Muster out, "Whoops! Go back", re-enlist, then muster out after term 2.
    t.ui.Answer({"1", "3", "5", "1", "3", "1", "1"});
    ASSERT_EQ(PlayCareer(t.g), CareerEnd::Finished);
    const auto& c = t.g.career.Character;
    // Term 1 was not played again: two years in each term.
    EXPECT_EQ(std::tie(c.CurTerm, c.CurLine, c.TermLog[1].Line(1), c.TermLog[1].Line(2),
                       c.TermLog[2].Line(1)),
              std::make_tuple(2, 2, "Patrol ", "Patrol ", "Patrol "));
}

// Court-martial mode on raids in battle: every year ends in a death
// sentence, whatever the dice (the sentence throw is at least 1 + 4 x 2).
struct SentencedGame : DriverGame {
    SentencedGame() : DriverGame(2, 2, "Humans", 1, "Raid Battle Siege CtrIns") {
        g.session.SetCommandLine("COURTMARTIAL");
    }
};

// The year that ended the career (a death sentence, or an accepted
// invaliding, on the higher pension) is the last year of the resume: no step
// back hides it, and the first year stays in term 1.
TEST(EndOfTerm, ACareerEndedWithinAYearKeepsThatYear) {
    for (const bool invalided : {false, true}) {
        SentencedGame t;
        if (invalided) {
            t.g.session.SetCommandLine("");
            LoadedRules(t.g).Service.Assignment.Edit()[1].Surv =
                3;  // every throw of ones: a bad wound
            for (int k = 0; k < 40; ++k) t.dice.Push(1);
        }
        // No studies; the verdict's OK or "Accept this"; one financial roll.
        t.ui.Answer({"1", invalided ? "2" : "1", "1"});
        ASSERT_EQ(PlayCareer(t.g), CareerEnd::Finished);
        const auto& c = t.g.career.Character;
        EXPECT_EQ(std::tie(c.CurTerm, c.CurLine, c.Pension, c.BenefitRolls),
                  std::make_tuple(1, 1, invalided ? 1500 : 0, 1));
        EXPECT_TRUE(
            Contains(c.TermLog[1].Line(1), invalided ? "- invalided out" : "Death sentence"));
        const auto terms = HistoryTerms(t.g);
        ASSERT_EQ(terms.size(), 1u);
        EXPECT_EQ(terms[0].Years, std::vector<std::string>{c.TermLog[1].Line(1)});
    }
}

// Going back from mustering out after the career ended offers only what is
// still possible: a hidden "Re-enlist" cannot be answered.
TEST(EndOfTerm, GoingBackAfterTheCareerEndedCannotReenlist) {
    SentencedGame t;
    t.ui.Answer({"1", "1", "5", "1", "3", "1"});
    ASSERT_EQ(PlayCareer(t.g), CareerEnd::Finished);
    const auto questions = t.TermQuestions();
    ASSERT_EQ(questions.size(), 5u);
    const std::string ended =
        "End of term 1\r\n [Muster out/Restart with this character/Scrap and start again/]";
    EXPECT_EQ(questions[2], ended);
    EXPECT_EQ(questions[3], ended);  // "1" was not among the buttons: asked again
    EXPECT_EQ(t.g.career.Character.TermLog[2].Line(1), "");
    EXPECT_EQ(t.g.career.Character.CurTerm, 1);
}

// A failed re-enlistment still offers all five choices; "Whoops! Go back"
// returns to that choice as it stood, the failure with it.
TEST(EndOfTerm, GoingBackKeepsTheFailedReenlistment) {
    DriverGame t(2, 13);
    t.ui.Answer({"1", "3", "5", "3", "1"});
    ASSERT_EQ(PlayCareer(t.g), CareerEnd::Finished);
    const auto questions = t.TermQuestions();
    ASSERT_EQ(questions.size(), 4u);
    EXPECT_EQ(questions[0],
              "End of term 1\r\n  Re-enlistment FAILED [Re-enlist/Transfer and re-enlist/Muster "
              "out/Restart with this character/Scrap and start again/]");
    EXPECT_EQ(questions[2], questions[0]);
}

TEST(MainProcess, RestartGivesBackTheSnapshot) {
    DriverGame t(2, 2);
    CharacterRecord first;
    t.ui.Answer({"1", "4"});  // "Restart with this character" at the end of term 1
    t.TwoVisits([&](Game& g) { first = g.career.Character; },
                [&](Game& g) {
                    EXPECT_EQ(g.career.Character, first);  // the moment the career began
                });
}

// The main window shows the restarted character's own figures, not those
// the finished career left behind.
TEST(MainProcess, RestartShowsTheSnapshotsFigures) {
    DriverGame t(2, 2);
    t.ui.Answer({"1", "1", "4"});   // re-enlist, then restart at the end of term 2
    t.g.windows.Form1.Hits = "81";  // what an earlier roll left on show
    t.TwoVisits([](Game& g) { g.career.Character.Stats = {0, 7, 8, 7, 7, 7, 7}; },
                [](Game& g) {
                    EXPECT_EQ(g.windows.Form1.Hits, "66");
                    EXPECT_TRUE(Contains(g.windows.Form1.StatsText, "DEX: 8"));
                });
}

TEST(MainProcess, FinalMenuSavesUntilRestarted) {
    DriverGame t(2, 2);
    // Muster out, one financial roll, then a closed final menu and "Scrap and restart".
    t.ui.Answer({"1", "3", "1", "", "4"});
    t.TwoVisits([](Game&) {}, [](Game&) {});
    const auto questions = t.TermQuestions();
    ASSERT_EQ(questions.size(), 4u);
    EXPECT_EQ(questions[3],
              "Current money: Cr1,000\r\nMaterial benefits:  [Save as HTML/Save with HTM "
              "template/Restart with this character/Scrap and restart/Preview and print/]");
}
