#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "career/Specials.h"
#include "career/Term.h"
#include "model/Display.h"
#include "model/Skills.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

// A merchant service with officer ranks O1..O7 and the examination lines
// of a free trader, built here so every case states each throw it makes.
struct MerchantBench {
    TestGame t;
    Game& g = t.g;
    CharacterRecord& c = t.g.Character;

    explicit MerchantBench(const std::string& branch = "Free Trader",
                           const std::string& year = "Trade Route ") {
        g.Race.Name = "Tester";
        g.Race.Code = 1;
        g.Race.NumStats = 6;
        g.Race.StatName = {"", "STR", "DEX", "END", "INT", "EDU", "SOC"};
        g.Race.YearsPerTerm = 4;
        for (int i = 1; i <= 6; ++i) c.Stats[i] = 7;
        auto& s = g.Service;
        s.Type = "MERCHANT";
        s.BranchName = branch;
        s.Command = 5;
        s.MaxRank = 7;
        for (int k = 1; k <= 7; ++k) s.RankCode[k] = "O" + std::to_string(k);
        s.RankCode[2] = " O2 ";  // compared trimmed
        s.Qualif = {"", "O1=6=Automatic-0", "O2=7=Pilot-1", "O3=7=Navigation-1", "O4=8=Trader-1"};
        c.CurTerm = 1;
        c.CurLine = 1;
        c.TermLog[1].Lines[1] = year;
    }

    // Two dice showing each total.
    void Throws(const std::vector<int>& totals) {
        for (int total : totals)
            t.dice.Push({std::min(6, total - 1), total - std::min(6, total - 1)});
    }
    void Commissioned(int rank) {
        c.Commissioned = 1;
        c.Rank = static_cast<int16_t>(rank);
    }
    std::string Year() const { return c.TermLog[1].Lines[1]; }
    // The year's position and exam; checks every throw was used.
    void Run() {
        MerchantPosition(g);
        EXPECT_EQ(t.dice.Left(), 0u) << "throws left over";
    }
};

}  // namespace

// Below the command value there is no position, and so neither a
// commission nor an exam.
TEST(MerchantExams, NoPositionStopsTheYear) {
    MerchantBench b;
    b.Throws({4});
    b.Run();
    EXPECT_EQ(b.Year(), "Trade Route No Position ");
    EXPECT_EQ(b.c.Commissioned, 0);

    MerchantBench officer;
    officer.Commissioned(1);
    officer.Throws({4});
    officer.Run();
    EXPECT_EQ(officer.Year(), "Trade Route No Position ");
    EXPECT_EQ(officer.c.Rank, 1);
}

// A free trader on a route is commissioned in the year of the position
// and sits the first exam at once.
TEST(MerchantExams, FreeTraderOnARouteIsCommissionedAndSitsAtOnce) {
    MerchantBench passed;
    passed.Throws({5, 6});
    passed.Run();
    EXPECT_EQ(passed.Year(), "Trade Route Position Commission O1 ");
    EXPECT_EQ(passed.c.Commissioned, 1);
    EXPECT_EQ(passed.c.Rank, 1);
    EXPECT_EQ(passed.c.PromotedThisTerm, 1);

    MerchantBench failed;
    failed.Throws({5, 5});
    failed.Run();
    EXPECT_EQ(failed.Year(), "Trade Route Position Commission Failed exam for O1 ");
    EXPECT_EQ(failed.c.Rank, 0);
    EXPECT_EQ(failed.c.PromotedThisTerm, 0);
}

// The commission needs both the free-trader branch and a route this year.
TEST(MerchantExams, CommissionNeedsFreeTraderAndRoute) {
    MerchantBench layover("Free Trader", "Port Layover ");
    layover.Throws({12});
    layover.Run();
    EXPECT_EQ(layover.Year(), "Port Layover Position ");
    EXPECT_EQ(layover.c.Commissioned, 0);

    MerchantBench deck("Deck Department", "Mail Route ");
    deck.Throws({12});
    deck.Run();
    EXPECT_EQ(deck.Year(), "Mail Route Position ");
    EXPECT_EQ(deck.c.Commissioned, 0);
}

// A commissioned officer sits the exam in a route year, or any year in the
// free-trader branch.
TEST(MerchantExams, ExamNeedsARouteOrTheFreeTraderBranch) {
    MerchantBench deckLayover("Deck Department", "Port Layover ");
    deckLayover.Commissioned(1);
    AddSkill(deckLayover.g, "Pilot-1");
    deckLayover.Throws({5});
    deckLayover.Run();
    EXPECT_EQ(deckLayover.Year(), "Port Layover Position ");

    MerchantBench deckRoute("Deck Department", "Mail Route ");
    deckRoute.Commissioned(1);
    AddSkill(deckRoute.g, "Pilot-1");
    deckRoute.Throws({5, 7});
    deckRoute.Run();
    EXPECT_EQ(deckRoute.Year(), "Mail Route Position O2 ");
    EXPECT_EQ(deckRoute.c.Rank, 2);

    MerchantBench trader("Free Trader", "Port Layover ");
    trader.Commissioned(1);
    AddSkill(trader.g, "Pilot-1");
    trader.Throws({5, 6});
    trader.Run();
    EXPECT_EQ(trader.Year(), "Port Layover Position Failed exam for O2 ");
    EXPECT_EQ(trader.c.Rank, 1);
}

// The required skill, compared in upper case and trimmed, at the level or
// above, among the first 25 skills only.
TEST(MerchantExams, SkillQualification) {
    struct Case {
        std::string name;
        int level, slot;
        bool qualifies;
    };
    const std::vector<Case> cases = {
        {"Pilot", 1, 1, true},          {"Pilot", 2, 1, true},  {"Pilot", 0, 1, false},
        {" pilot ", 1, 1, true},        {"PILOT", 1, 25, true}, {"Pilot", 3, 26, false},
        {"Pilot Officer", 3, 1, false},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE("'" + k.name + "' level " + std::to_string(k.level) + " slot " +
                     std::to_string(k.slot));
        MerchantBench b;
        b.Commissioned(1);
        for (int i = 1; i < k.slot; ++i) b.c.Skills[i] = {"Filler" + std::to_string(i), 3};
        b.c.Skills[k.slot] = {k.name, static_cast<int16_t>(k.level)};
        b.Throws({5});
        if (k.qualifies) b.Throws({7});
        b.Run();
        EXPECT_EQ(b.Year(), k.qualifies ? "Trade Route Position O2 "
                                        : "Trade Route Position Not qualified for O2 ");
    }
}

// A passed department test stands in for the skill once; an automatic
// line does not use it up.
TEST(MerchantExams, DepartmentTestQualifiesOnce) {
    MerchantBench b;
    b.Commissioned(1);
    b.c.DeptTestPassed = 1;
    b.Throws({5, 7});
    b.Run();
    EXPECT_EQ(b.c.Rank, 2);
    EXPECT_EQ(b.c.DeptTestPassed, 0);
    b.Throws({5});
    b.Run();
    EXPECT_EQ(b.Year(), "Trade Route Position O2 Position Not qualified for O3 ");

    MerchantBench automatic;
    automatic.Commissioned(0);
    automatic.c.DeptTestPassed = 1;
    automatic.Throws({5, 5});
    automatic.Run();
    EXPECT_EQ(automatic.c.DeptTestPassed, 1);
}

// At the top rank a position is all there is.
TEST(MerchantExams, NoExamAtTheTopRank) {
    MerchantBench b;
    b.Commissioned(7);
    b.g.Service.Qualif[5] = "O8=2=Automatic-0";
    b.Throws({5});
    b.Run();
    EXPECT_EQ(b.Year(), "Trade Route Position ");
    EXPECT_EQ(b.c.Rank, 7);
}

// Unreadable lines are passed over, an empty line ends the list, and a
// rank may have several lines: the first one qualified for is sat.
TEST(MerchantExams, ExaminationLines) {
    MerchantBench b;
    b.Commissioned(1);
    AddSkill(b.g, "Admin-1");
    b.g.Service.Qualif = {"",
                          "O1=6=Automatic-0",
                          "O2 7 Pilot-1",
                          "O2=7=Pilot",
                          " O2 =8=Pilot-1",
                          "O2=9=Admin-1",
                          "O2=2=Automatic-0"};
    b.Throws({5, 9});
    b.Run();
    EXPECT_EQ(b.Year(), "Trade Route Position Not qualified for O2 O2 ");

    MerchantBench ended;
    ended.Commissioned(1);
    ended.g.Service.Qualif = {"", "O1=6=Automatic-0", "", "O2=2=Automatic-0"};
    ended.Throws({5});
    ended.Run();
    EXPECT_EQ(ended.Year(), "Trade Route Position ");

    MerchantBench none;
    none.Commissioned(1);
    none.g.Service.Qualif = {};
    none.Throws({5});
    none.Run();
    EXPECT_EQ(none.Year(), "Trade Route Position ");
}

// A whole year with the sample file: the position replaces the promotion
// throw, and the rank line then shows the next exam's requirement.
TEST(MerchantExams, SampleDataFreeTraderYear) {
    TestGame t;
    t.LoadData(SampleDataDir());
    t.Pick("Imperial", "Merchant", "Free Trader");
    auto& g = t.g;
    auto& c = g.Character;
    ASSERT_EQ(g.Service.Qualif[1], "O1=6=Automatic-0");
    ASSERT_EQ(g.Service.AssignByRoll[4], "Trade Route");
    c.Rank = 0;  // a new merchant
    c.CurTerm = 1;
    c.CurLine = 1;
    // survival 4, decoration 2, position 6, exam 6, skill 2
    t.dice.Push({2, 2, 1, 1, 3, 3, 3, 3, 1, 1});
    int roll = 4;
    ResolveAssignment(g, roll);
    EXPECT_EQ(t.dice.Left(), 0u);
    EXPECT_EQ(c.TermLog[1].Lines[1], "Trade Route Position Commission O1 ");
    EXPECT_EQ(c.Rank, 1);
    ShowCharacter(g, "");
    const std::string& rankLine = g.TermWindow.Label[5];
    EXPECT_NE(rankLine.find(" Next req: Pilot-1"), std::string::npos) << rankLine;
}
