// Dice, characteristic rolls and Generate's rules.
#include <gtest/gtest.h>

#include <map>

#include "model/Generate.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {
void SetRace(Game& g, int code, std::vector<std::pair<int, int>> dice) {
    g.Race = RaceRecord{};
    g.Race.Code = code;
    g.Race.NumStats = g.Race.NumStatsCopy = static_cast<int>(dice.size());
    const char* names[] = {"", "STR", "DEX", "END", "INT", "EDU", "SOC", "PSI", "X8", "X9", "X10"};
    for (size_t i = 0; i < dice.size(); ++i) {
        g.Race.StatName[i + 1] = names[i + 1];
        g.Race.StatDice[i + 1] = dice[i].first;
        g.Race.StatMod[i + 1] = dice[i].second;
    }
}
}  // namespace

TEST(Dice, FacesStayInBoundsAndSeedsRepeat) {
    SeededDice a(42), b(42);
    ClockDice clock;
    std::map<int, int> seen;
    for (int i = 0; i < 6000; ++i) {
        const int face = a.Roll(6);
        ASSERT_EQ(face, b.Roll(6));
        seen[face]++;
        const int other = clock.Roll(10);
        ASSERT_TRUE(other >= 1 && other <= 10);
    }
    EXPECT_EQ(seen.size(), 6u);
    EXPECT_EQ(seen.begin()->first, 1);
    EXPECT_EQ(seen.rbegin()->first, 6);
}

TEST(Dice, RollStatKeepsTheBestDice) {
    TestGame t;
    t.dice.Push({1, 6, 5});
    EXPECT_EQ(RollStat(t.g, 2), 11);  // three dice, the 1 dropped
    t.dice.Push({3, 3, 3});
    EXPECT_EQ(RollStat(t.g, 2), 6);
    EXPECT_EQ(RollStat(t.g, 0), 0);
    t.g.Character.Options[OptTrue2D] = OptOn;
    t.dice.Push({1, 6});
    EXPECT_EQ(RollStat(t.g, 2), 7);  // plain 2D
    EXPECT_EQ(t.dice.Left(), 0u);
}

TEST(Dice, BestOfThreeFavoursHighResults) {
    TestGame t;
    t.dice.SetFallback(true);
    long sum = 0;
    for (int i = 0; i < 4000; ++i) {
        int v = RollStat(t.g, 2);
        ASSERT_GE(v, 2);
        ASSERT_LE(v, 12);
        sum += v;
    }
    EXPECT_GT(sum / 4000.0, 8.0);  // plain 2D averages 7
}

TEST(Generate, FloorsTechLevelRankAndOptions) {
    TestGame t;
    SetRace(t.g, 1, {{1, -3}, {0, 0}, {0, 5}});
    t.g.Character.Options[OptCapSkills] = OptOn;
    t.g.Character.Options[RankCap] = 7;
    t.g.Character.Skills[1] = {"Old skill", 3};
    t.g.Character.Money = 500;
    t.g.Service.PlusEdu[2] = 2;
    t.g.Service.PlusEdu[3] = 1;
    t.dice.Push({1, 1, 6});  // STR: best of 1d6+1d6 = 1, -3 -> raised to 1; then TL die 6
    Generate(t.g);
    const auto& c = t.g.Character;
    EXPECT_EQ(c.Stats[1], 1);
    EXPECT_EQ(c.Stats[2], 0);  // no dice, no modifier: stays 0
    EXPECT_EQ(c.Stats[3], 5);
    EXPECT_EQ(c.TechLevel, 14);
    EXPECT_EQ(c.Rank, 1);
    EXPECT_EQ(c.Options[OptCapSkills], OptOn);
    EXPECT_EQ(c.Options[RankCap], 7);
    EXPECT_EQ(c.Skills[1].Name, "");
    EXPECT_EQ(c.Money, 0);
    EXPECT_EQ(t.g.Service.PlusEdu[2], 1);
    EXPECT_EQ(t.g.Form1.Gauges[2].Max, 12);  // 0 dice, modifier 0
    EXPECT_EQ(c.HitPoints, 3 * (1 + 0 + 5));
}

TEST(Generate, MerchantsStartAtRankZeroAndTestLineSetsOptions) {
    TestGame t;
    SetRace(t.g, 1, {{2, 0}});
    t.g.Service.Type = "merchant";
    t.g.CommandLine = "TEST";
    t.dice.SetFallback(true);
    Generate(t.g);
    EXPECT_EQ(t.g.Character.Rank, 0);
    EXPECT_EQ(t.g.Service.RankName[0], "Enlisted");
    EXPECT_EQ(t.g.Service.RankCode[0], "En");
    EXPECT_EQ(t.g.Character.Options[OptForceSkill], OptOn);
    EXPECT_EQ(t.g.Character.Options[OptAnyTransfer], OptOn);
    EXPECT_EQ(t.g.Character.Options[OptAutoGen], OptOn);
}

TEST(Generate, RaceRules) {
    TestGame t;
    // Race 4: Psi 9 and Soc 7 -> Soc 10, Edu between 8 and 10, Intendant.
    SetRace(t.g, 4, {{0, 7}, {0, 7}, {0, 7}, {0, 7}, {0, 12}, {0, 7}, {0, 9}});
    t.dice.Push({3});
    Generate(t.g);
    EXPECT_EQ(t.g.Character.Stats[6], 10);
    EXPECT_EQ(t.g.Character.Stats[5], 10);
    EXPECT_EQ(t.g.Character.SocialClass, "I");
    SetRace(t.g, 4, {{0, 7}, {0, 7}, {0, 7}, {0, 7}, {0, 3}, {0, 11}, {0, 2}});
    t.dice.Push({3});
    Generate(t.g);
    EXPECT_EQ(t.g.Character.Stats[5], 8);
    EXPECT_EQ(t.g.Character.SocialClass, "N");

    SetRace(t.g, 12, {{0, 7}, {0, 7}, {0, 7}, {0, 7}, {0, 7}, {0, 2}});
    t.dice.Push({3});
    Generate(t.g);
    EXPECT_EQ(t.g.Character.SocialClass, "B");
    SetRace(t.g, 12, {{0, 7}, {0, 7}, {0, 7}, {0, 7}, {0, 7}, {0, 6}});
    t.dice.Push({3});
    Generate(t.g);
    EXPECT_EQ(t.g.Character.SocialClass, "");

    SetRace(t.g, 8, {{0, 7}});
    t.g.Race.Psionic = "S";
    t.dice.Push({3});
    Generate(t.g);
    EXPECT_EQ(t.g.Race.Psionic, "L");

    // A characteristic appended during a career is cut back.
    SetRace(t.g, 1, {{0, 7}});
    t.g.Race.NumStats = 2;
    t.dice.Push({3});
    Generate(t.g);
    EXPECT_EQ(t.g.Race.NumStats, 1);
}

TEST(Gauges, ColourFollowsTheShareOfTheMaximum) {
    TestGame t;
    SetRace(t.g, 1, {{0, 0}});
    for (auto [value, colour] : {std::pair{9, GaugeColour::Green},
                                 {8, GaugeColour::Yellow},
                                 {6, GaugeColour::Yellow},
                                 {5, GaugeColour::Red}}) {
        t.g.Character.Stats[1] = static_cast<int16_t>(value);
        RefreshGauge(t.g, 1);
        EXPECT_EQ(t.g.Form1.Gauges[1].Colour, colour) << value;
        EXPECT_EQ(t.g.Form1.Gauges[1].Max, 12);
    }
}
