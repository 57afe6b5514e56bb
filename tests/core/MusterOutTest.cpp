#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "career/MusterOut.h"
#include "model/Text.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

class MusterOutTest : public ::testing::Test {
  protected:
    TestGame t;
    CharacterRecord& c = t.g.Character;

    void SetUp() override {
        auto& r = t.g.Race;
        r.Code = 1;
        r.NumStats = 6;
        const char* names[] = {"", "STR", "DEX", "END", "INT", "EDU", "SOC"};
        for (int i = 1; i <= 6; ++i) {
            r.StatName[i] = names[i];
            c.Stats[i] = 7;
        }
        r.YearsPerTerm = 4;
        auto& s = t.g.Service;
        s.Name = "Survey Fleet";
        s.MaxRank = 10;
        s.MaterialCount = 6;
        const char* material[] = {
            "", "Low Passage", "+1 Edu", "Skill roll", "Middle Passage", "High Tolerance", "Blade"};
        for (int i = 1; i <= 6; ++i) s.Material[i] = material[i];
        s.CashCount = 6;
        const int cash[] = {0, 1000, 2000, 5000, 10000, 20000, 50000};
        for (int i = 1; i <= 6; ++i) s.Cash[i] = cash[i];
        c.CurTerm = 3;
        c.CurLine = 4;
    }

    // The term-window questions asked so far: prompt and visible buttons.
    std::vector<std::string> Questions() const {
        std::vector<std::string> q;
        for (const auto& s : t.ui.shown)
            if (s.Kind == "term") q.push_back(s.Text);
        return q;
    }
    std::string Buttons(size_t question) const {
        const std::string text = Questions().at(question);
        return text.substr(text.find(" [") + 2);
    }
    // Rolls and pension as counted, read through an immediate "Go back".
    int RollsCounted() {
        t.ui.Answer("5");
        EXPECT_FALSE(MusterOut(t.g));
        return c.BenefitRolls;
    }
};

}  // namespace

TEST_F(MusterOutTest, BenefitRollsFollowTermsRankAndRace) {
    c.CurTerm = 4;
    c.Rank = 13;
    EXPECT_EQ(RollsCounted(), 6);
    c.Rank = 15;
    EXPECT_EQ(RollsCounted(), 7);
    c.Rank = 9;
    EXPECT_EQ(RollsCounted(), 4);
    c.Rank = 13;
    c.CareerEnded = 1;
    EXPECT_EQ(RollsCounted(), 1);
    EXPECT_EQ(c.Pension, 0);

    c.CareerEnded = 0;
    c.CurTerm = 3;
    c.Rank = 2;
    t.g.Race.Code = 6;
    EXPECT_EQ(RollsCounted(), 6);
    c.Warranted = 1;
    EXPECT_EQ(RollsCounted(), 7);
    t.g.Race.Code = 7;
    c.CareerEnded = 1;
    EXPECT_EQ(RollsCounted(), 3);  // one roll, doubled, then the warrant
    EXPECT_TRUE(Contains(Questions().back(), "Muster out: 3 benefits to roll\r\n"));
}

TEST_F(MusterOutTest, PensionByTermsAndInvaliding) {
    c.CurTerm = 4;
    RollsCounted();
    EXPECT_EQ(c.Pension, 4000);
    c.TermLog[4].Lines[4] = "Wounded; invalided out ";
    RollsCounted();
    EXPECT_EQ(c.Pension, 6000);
    // Only the current year's line counts.
    c.TermLog[4].Lines[4].clear();
    c.TermLog[4].Lines[3] = "invalid ";
    RollsCounted();
    EXPECT_EQ(c.Pension, 4000);
}

TEST_F(MusterOutTest, ButtonsShowAndHideByRollsLeftAndCashTaken) {
    c.CurTerm = 5;
    t.ui.Answer({"1", "1", "1", "1", "2", "2"});  // the fourth "1" is no longer offered
    t.dice.Push({1, 2, 3, 1, 1});
    EXPECT_TRUE(MusterOut(t.g));
    auto q = Questions();
    ASSERT_EQ(q.size(), 6u);
    EXPECT_EQ(q[0],
              "Muster out: 5 benefits to roll\r\nCurrent money: Cr0\r\nMaterial benefits:  "
              "[Financial table/Material table/Take 3 cash, 2 material/Show tables/Whoops! Go "
              "back/]");
    EXPECT_EQ(Buttons(1), "Financial table/Material table/Take 3 cash, 1 material/Show tables/]");
    EXPECT_EQ(Buttons(2), "Financial table/Material table/Show tables/]");
    EXPECT_TRUE(Contains(q[3], "Current money: Cr8,000\r\n"));
    EXPECT_EQ(Buttons(3), "Material table/Show tables/]");
    EXPECT_EQ(Buttons(4), "Material table/Show tables/]");  // asked again after the hidden "1"
    EXPECT_EQ(Buttons(5), "Material table/Show tables/]");
    EXPECT_EQ(c.Money, 8000);
    EXPECT_EQ(c.Benefits[1], "Low Passage");
    EXPECT_EQ(c.BenefitCount[1], 2);
    EXPECT_EQ(t.dice.Left(), 0u);
}

TEST_F(MusterOutTest, ClosedWindowAndUnofferedAnswersAskAgain) {
    c.CurTerm = 2;
    t.ui.Answer({"", "9", "3", "2", "5", "1"});
    t.dice.Push({4, 6});
    EXPECT_TRUE(MusterOut(t.g));
    // "3" is not offered with two rolls; "5" not after the first roll.
    EXPECT_EQ(Questions().size(), 6u);
    EXPECT_EQ(c.Benefits[1], "Middle Passage");
    EXPECT_EQ(c.Money, 50000);
}

TEST_F(MusterOutTest, TakeThreeCashRollsTheRestWithoutAsking) {
    c.CurTerm = 5;
    t.ui.Answer("3");
    t.dice.Push({6, 6, 6, 1, 1});
    EXPECT_TRUE(MusterOut(t.g));
    EXPECT_EQ(t.ui.termAsks, 1);
    EXPECT_EQ(c.Money, 150000);
    EXPECT_EQ(c.Benefits[1], "Low Passage");
    EXPECT_EQ(c.BenefitCount[1], 2);
    // The prompt still follows each roll.
    EXPECT_TRUE(Contains(t.g.TermWindow.Label[1], "Muster out: 1 benefits to roll\r\n"));

    // After one cash roll by hand, the switch takes two more, then material.
    TestGame u;
    u.g.Race = t.g.Race;
    u.g.Service = t.g.Service;
    u.g.Character.CurTerm = 5;
    u.ui.Answer({"1", "3"});
    u.dice.Push({1, 1, 1, 4, 4});
    EXPECT_TRUE(MusterOut(u.g));
    EXPECT_EQ(u.ui.termAsks, 2);
    EXPECT_EQ(u.g.Character.Money, 3000);
    EXPECT_EQ(u.g.Character.Benefits[1], "Middle Passage");
    EXPECT_EQ(u.g.Character.BenefitCount[1], 2);
}

TEST_F(MusterOutTest, ShowTablesListsBothTablesThenAsksAgain) {
    c.CurTerm = 1;
    t.g.Service.Material[6] = "A benefit longer than twenty columns";
    t.g.Service.Cash[6] = 1234567;
    t.ui.Answer({"4", "OK", "5"});
    EXPECT_FALSE(MusterOut(t.g));
    ASSERT_EQ(Questions().size(), 2u);
    EXPECT_EQ(Questions()[0], Questions()[1]);
    const ScriptedUi::Shown* viewer = nullptr;
    for (const auto& s : t.ui.shown)
        if (s.Kind == "viewtext") viewer = &s;
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->Title, "Mustering out tables for Survey Fleet");
    auto row = [](const std::string& material, const std::string& cash) {
        return TrimRight(Fit(material, 20) + cash) + "\r\n";
    };
    const std::string expected =
        "\r\nMustering out tables\r\n" + row("1D Material", "1D Financial") +
        row("1  Low Passage", "  Cr1,000") + row("2  +1 Edu", "  Cr2,000") +
        row("3  Skill roll", "  Cr5,000") + row("4  Middle Passage", "  Cr10,000") +
        row("5  High Tolerance", "  Cr20,000") + row("6  A benefit longer", "  Cr1,234,567") +
        row("7", "  Cr0") + row("8", "  Cr0") + row("9", "  Cr0") + row("10", "  Cr0");
    EXPECT_EQ(Split(viewer->Text, '\n')[2], "1D Material         1D Financial\r");
    EXPECT_EQ(viewer->Text, expected);
}

TEST_F(MusterOutTest, GoBackOnlyFromTheFirstRoll) {
    c.CurTerm = 2;
    t.ui.Answer("5");
    EXPECT_FALSE(MusterOut(t.g));
    EXPECT_EQ(t.dice.Thrown(), 0);
    EXPECT_EQ(c.Money, 0);

    t.ui.shown.clear();
    t.ui.Answer({"1", "5", "1"});
    t.dice.Push({1, 1});
    EXPECT_TRUE(MusterOut(t.g));
    EXPECT_EQ(Buttons(1), "Financial table/Material table/Show tables/]");
    EXPECT_EQ(Questions().size(), 3u);
    EXPECT_EQ(c.Money, 2000);
}

TEST_F(MusterOutTest, GamblingReachesTheSeventhCashEntry) {
    c.CurTerm = 2;
    c.Skills[3] = {"Gambling", 1};
    t.g.Service.Cash[7] = 99000;  // an entry past the count is still read
    t.ui.Answer({"1", "1"});
    t.dice.Push({6, 1});
    EXPECT_TRUE(MusterOut(t.g));
    EXPECT_EQ(c.Money, 99000 + 2000);

    // Only the exact name counts; an unset seventh entry gives nothing.
    TestGame u;
    u.g.Service = t.g.Service;
    u.g.Service.Cash[7] = 0;
    u.g.Character.CurTerm = 1;
    u.g.Character.Skills[1] = {"gambling", 2};
    u.ui.Answer("1");
    u.dice.Push(6);
    EXPECT_TRUE(MusterOut(u.g));
    EXPECT_EQ(u.g.Character.Money, 50000);
}

TEST_F(MusterOutTest, MoneyNeverOverflows) {
    c.CurTerm = 2;
    t.g.Service.Cash[1] = 2000000000;
    t.ui.Answer({"1", "1"});
    t.dice.Push({1, 1});
    EXPECT_TRUE(MusterOut(t.g));
    EXPECT_EQ(c.Money, 2147483647);
}

TEST_F(MusterOutTest, MaterialResultsByKind) {
    c.CurTerm = 5;
    c.Options[OptAutoGen] = OptOn;
    auto& table = t.g.Service.SkillTable[1];
    table.Title = "Shipboard Life";
    table.Eli[1] = "Eli All";
    table.Max = 1;
    table.Entry[1] = "Pilot";
    t.ui.Answer({"2", "2", "2", "2", "2"});
    // Blade twice; +1 Edu; Skill roll (table 1 of 1, then its entry); High Tolerance.
    t.dice.Push({6, 6, 2, 3, 1, 4, 5});
    EXPECT_TRUE(MusterOut(t.g));
    EXPECT_EQ(t.dice.Left(), 0u);
    EXPECT_EQ(c.Benefits[1], "Blade");
    EXPECT_EQ(c.BenefitCount[1], 2);
    EXPECT_TRUE(c.Benefits[2].empty());
    EXPECT_TRUE(Contains(Questions()[2], "Material benefits: Blade-2,  ["));
    EXPECT_EQ(c.Stats[5], 8);
    EXPECT_EQ(c.Skills[1].Name, "Pilot");
    EXPECT_EQ(c.Skills[2].Name, "High Tolerance");
}

TEST_F(MusterOutTest, TopRanksRollOneHigherOnMaterial) {
    c.CurTerm = 1;
    c.Rank = 9;  // MaxRank 10: rank 9 and above add one
    t.g.Service.Material[7] = "Yacht share";
    t.ui.Answer("2");
    t.dice.Push(6);
    EXPECT_TRUE(MusterOut(t.g));
    EXPECT_EQ(c.Benefits[1], "Yacht share");

    // A roll past a short table reads an empty entry: nothing is recorded.
    t.g.Service.Material[7].clear();
    t.ui.Answer("2");
    t.dice.Push(6);
    EXPECT_TRUE(MusterOut(t.g));
    EXPECT_EQ(c.BenefitCount[1], 1);
    EXPECT_TRUE(c.Benefits[2].empty());
}

TEST_F(MusterOutTest, TenBenefitPlacesAtMost) {
    c.CurTerm = 2;
    for (int i = 1; i <= 10; ++i) {
        c.Benefits[i] = "Heirloom " + std::to_string(i);
        c.BenefitCount[i] = 1;
    }
    c.Benefits[7] = "Blade";
    t.ui.Answer({"2", "2"});
    t.dice.Push({1, 6});  // a new eleventh benefit, then one already held
    EXPECT_TRUE(MusterOut(t.g));
    for (int i = 1; i <= 10; ++i) EXPECT_NE(c.Benefits[i], "Low Passage");
    EXPECT_EQ(c.BenefitCount[7], 2);
    EXPECT_EQ(c.Benefits[10], "Heirloom 10");
}
