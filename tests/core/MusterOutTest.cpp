

#include "career/MusterOut.h"
#include "support/TestGame.h"
#include "text/Text.h"

using namespace orrimar;

namespace {

// A service of ten ranks whose tables end at 6, in year 4 of a term.
class MusterOutTest : public ::testing::Test {
  protected:
    TestGame t;
    CharacterRecord& c = t.g.career.Character;

    void SetUp() override {
        auto& s = LoadedRules(t.g).Service;
        s.Name = "Survey Fleet";
        s.MaxRank = 10;
        s.Material = {"", "Low Passage", "", "", "Middle Passage", "", "A benefit longer than 20"};
        s.Cash = {0, 1000, 2000, 5000, 10000, 20000, 1234567};
        s.MaterialCount = s.CashCount = 6;
        c.CurLine = 4;
    }
    static std::string Buttons(const std::string& q) { return q.substr(q.find(" [") + 2); }
};

}  // namespace

// Rolls and pension, read through "Whoops! Go back", which throws nothing.
TEST_F(MusterOutTest, BenefitRollsAndPension) {
    struct Row {
        int16_t term, rank, ended, race, warrant, invalid, rolls, pension;
    };
    for (const Row& r : {Row{4, 9, 0, 1, 0, 0, 4, 4000}, Row{4, 10, 0, 1, 0, 1, 5, 6000},
                         Row{4, 13, 0, 1, 0, 0, 6, 4000}, Row{4, 15, 0, 1, 0, 0, 7, 4000},
                         Row{4, 13, 1, 1, 0, 1, 1, 0}, Row{3, 2, 0, 6, 0, 0, 6, 3000},
                         Row{3, 2, 0, 6, 1, 0, 7, 3000}, Row{3, 2, 1, 7, 1, 0, 3, 0}}) {
        std::tie(c.CurTerm, c.Rank, c.CareerEnded, LoadedRules(t.g).Race.Code, c.Warranted) =
            std::tie(r.term, r.rank, r.ended, r.race, r.warrant);
        t.g.career.Year.Invalided = r.invalid != 0;
        t.ui.Answer("5");
        EXPECT_FALSE(MusterOut(t.g));
        EXPECT_EQ(c.BenefitRolls * 10000 + c.Pension, r.rolls * 10000 + r.pension) << r.rank;
    }
    EXPECT_EQ(t.dice.Thrown(), 0);
}

// Buttons hide after three cash rolls, at x = 0 and after the first roll; a
// closed window, a hidden button and "Show tables" ask again.
TEST_F(MusterOutTest, ButtonsAndTables) {
    c.CurTerm = 5;
    t.ui.Answer({"", "4", "OK", "1", "5", "1", "3", "1", "1", "2", "2"});
    t.dice.Push({1, 2, 3, 1, 1});
    EXPECT_TRUE(MusterOut(t.g));
    std::vector<std::string> q;  // the questions: prompt, " [", the visible buttons
    for (const auto& s : t.ui.shown)
        if (s.Kind == "term") q.push_back(s.Text);
    ASSERT_EQ(q.size(), 10u);
    EXPECT_EQ(q[0],
              "Muster out: 5 benefits to roll\r\nCurrent money: Cr0\r\nMaterial benefits:  "
              "[Financial table/Material table/Take 3 cash, 2 material/Show tables/Whoops! Go "
              "back/]");
    EXPECT_EQ(Buttons(q[3]),
              "Financial table/Material table/Take 3 cash, 1 material/Show tables/]");
    EXPECT_EQ(Buttons(q[5]), "Financial table/Material table/Show tables/]");
    EXPECT_EQ(Buttons(q[7]), "Material table/Show tables/]");
    EXPECT_EQ(c.Money, 8000);
    const auto& tables = t.ui.shown.at(2);
    EXPECT_EQ(tables.Title, "Mustering out tables for Survey Fleet");
    const auto lines = Split(tables.Text, '\n');
    // The material column fits its longest entry; each heading stands over
    // its values; no rows past the tables.
    EXPECT_EQ(lines[1] + lines[2],
              "Mustering out tables\r1D Material" + std::string(18, ' ') + "1D Financial\r");
    EXPECT_EQ(lines[8], "6  A benefit longer than 20  Cr1,234,567\r");
    EXPECT_EQ(lines.size(), 10u);
}

// Gambling and the top two ranks roll 7, past the tables' counts; money stops
// short of overflow. "Take 3 cash" rolls the rest unasked: cash up to three
// in all, then material. Named benefits are counted, in ten places at most.
TEST_F(MusterOutTest, TakeThreeCashAndRollsPastTheTables) {
    std::tie(c.CurTerm, c.Rank) = std::tuple(7, 9);
    c.Skills[3] = {"Gambling", 1};
    LoadedRules(t.g).Service.Cash[7] = 2000000000;
    LoadedRules(t.g).Service.Material.Edit()[7] = "Yacht share";
    for (int i = 1; i <= 8; ++i) c.Benefits[i] = "Heirloom";
    t.ui.Answer({"1", "3"});
    t.dice.Push({6, 6, 6, 3, 3, 6, 5});  // Middle Passage twice, Yacht share, one without room
    EXPECT_TRUE(MusterOut(t.g));
    EXPECT_EQ(t.ui.termAsks, 2);
    EXPECT_EQ(c.Money, 2147483647);
    const std::string& shown = t.g.windows.TermWindow.Label[1];
    EXPECT_EQ(shown.substr(shown.find("Middle")), "Middle Passage-2, Yacht share, ");
    EXPECT_EQ(c.Benefits[10], "Yacht share");
}
