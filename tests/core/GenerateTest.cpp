// Dice, characteristic rolls and Generate's rules.

#include "model/Generate.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {
void SetRace(Game& g, int code, std::vector<std::pair<int, int>> dice) {
    LoadedRules(g).Race = RaceRecord{};
    LoadedRules(g).Race.Code = code;
    LoadedRules(g).Race.NumStats = static_cast<int>(dice.size());
    const char* names[] = {"", "STR", "DEX", "END", "INT", "EDU", "SOC", "PSI", "X8", "X9", "X10"};
    for (size_t i = 0; i < dice.size(); ++i) {
        LoadedRules(g).Race.StatName[i + 1] = names[i + 1];
        LoadedRules(g).Race.StatDice[i + 1] = dice[i].first;
        LoadedRules(g).Race.StatMod[i + 1] = dice[i].second;
    }
}
}  // namespace

// (Seeded dice, their faces and repeatability, are what the golden pages stand on.)
TEST(Dice, FacesStayInBounds) {
    ClockDice clock;
    std::set<int> seen;
    for (int i = 0; i < 600; ++i) seen.insert(clock.Roll(10));
    EXPECT_TRUE(*seen.begin() >= 1 && *seen.rbegin() <= 10);
}

TEST(Dice, RollStatKeepsTheBestDice) {
    TestGame t;
    t.dice.Push({1, 6, 5});
    EXPECT_EQ(RollStat(t.g, 2), 11);  // three dice, the 1 dropped
    t.dice.Push({3, 3, 3});
    EXPECT_EQ(RollStat(t.g, 2), 6);
    EXPECT_EQ(RollStat(t.g, 0), 0);
    t.g.career.Character.Options[OptTrue2D] = OptOn;
    t.dice.Push({1, 6});
    EXPECT_EQ(RollStat(t.g, 2), 7);  // plain 2D
    EXPECT_EQ(t.dice.Left(), 0u);
}

TEST(Generate, FloorsTechLevelRankAndOptions) {
    TestGame t;
    SetRace(t.g, 1, {{1, -3}, {0, 0}, {0, 5}});
    auto& c = t.g.career.Character;
    std::tie(c.Options[OptCapSkills], c.Options[RankCap], c.Money) = std::tuple(OptOn, 7, 500);
    c.Skills[1] = {"Old skill", 3};
    std::tie(LoadedRules(t.g).Service.PlusEdu[2], LoadedRules(t.g).Service.PlusEdu[3]) =
        std::tuple(2, 1);
    t.dice.Push({1, 1, 6});  // STR: best of 1d6+1d6 = 1, -3 -> raised to 1; then TL die 6
    Generate(t.g);
    // No dice and no modifier stays 0; the old skills and money go, the options stay.
    EXPECT_EQ((std::array{+c.Stats[1], +c.Stats[2], +c.Stats[3], +c.TechLevel, +c.Rank, +c.Money,
                          +c.HitPoints, CourseOffer(t.g, 2), t.g.windows.Form1.Gauges[2].Max}),
              (std::array{1, 0, 5, 14, 1, 0, 3 * (1 + 0 + 5), 1, 12}));
    EXPECT_TRUE(c.Options[OptCapSkills] == OptOn && c.Options[RankCap] == 7);
    EXPECT_EQ(c.Skills[1].Name, "");
}

TEST(Generate, MerchantsStartAtRankZeroAndTestLineSetsOptions) {
    TestGame t;
    SetRace(t.g, 1, {{2, 0}});
    LoadedRules(t.g).Service.Type = "merchant";
    t.g.session.SetCommandLine("TEST");
    t.dice.SetFallback(true);
    Generate(t.g);
    const auto& o = t.g.career.Character.Options;
    EXPECT_EQ(t.g.career.Character.Rank, 0);
    EXPECT_EQ(RankNameOf(t.g, 0) + " " + RankCodeOf(t.g, 0), "Enlisted En");
    EXPECT_TRUE(o[OptForceSkill] == OptOn && o[OptAnyTransfer] == OptOn && o[OptAutoGen] == OptOn);
}

// Race 4: Psi 9 and Soc 7 give Soc 10, Edu between 8 and 10, Intendant; race 12's
// Soc 2 is Barbarian; race 8's "S" psionics become latent.
TEST(Generate, RaceRules) {
    const struct {
        int race, edu, soc, psi;
        const char *psionic, *socialClass;
        int eduAfter, socAfter;
    } cases[] = {
        {4, 12, 7, 9, "", "I", 10, 10}, {4, 3, 11, 2, "", "N", 8, 11}, {12, 7, 2, 0, "", "B", 7, 2},
        {12, 7, 6, 0, "", "", 7, 6},    {8, 7, 7, 0, "L", "", 7, 7},
    };
    TestGame t;
    for (const auto& k : cases) {
        std::vector<std::pair<int, int>> dice = {{0, 7}, {0, 7},     {0, 7},
                                                 {0, 7}, {0, k.edu}, {0, k.soc}};
        if (k.psi) dice.push_back({0, k.psi});
        SetRace(t.g, k.race, dice);
        if (*k.psionic) LoadedRules(t.g).Race.Psionic = "S";
        t.dice.Push({3});
        Generate(t.g);
        SCOPED_TRACE(k.race);
        EXPECT_EQ(t.g.career.Character.SocialClass, k.socialClass);
        EXPECT_EQ(t.g.career.Character.Stats[5] * 100 + t.g.career.Character.Stats[6],
                  k.eduAfter * 100 + k.socAfter);
        EXPECT_EQ(PsionicChance(t.g), *k.psionic ? k.psionic : "");
    }
    // A characteristic added during a career goes with it.
    SetRace(t.g, 1, {{0, 7}});
    t.g.career.Character.PsiStatAdded = true;
    t.dice.Push({3});
    Generate(t.g);
    EXPECT_EQ(StatCount(t.g), 1);
}

TEST(Gauges, ColourFollowsTheShareOfTheMaximum) {
    TestGame t;
    SetRace(t.g, 1, {{0, 0}});
    for (auto [value, colour] : {std::pair{9, GaugeColour::Green},
                                 {8, GaugeColour::Yellow},
                                 {6, GaugeColour::Yellow},
                                 {5, GaugeColour::Red}}) {
        t.g.career.Character.Stats[1] = static_cast<int16_t>(value);
        RefreshGauge(t.g, 1);
        EXPECT_EQ(t.g.windows.Form1.Gauges[1].Colour, colour) << value;
        EXPECT_EQ(t.g.windows.Form1.Gauges[1].Max, 12);
    }
    // A gauge reaches the race's highest throw; below 2 there is no range to show.
    for (auto [mod, top] : {std::pair{2, 2}, {1, 12}}) {
        SetRace(t.g, 1, {{0, mod}});
        RefreshGauge(t.g, 1);
        EXPECT_EQ(t.g.windows.Form1.Gauges[1].Max, top) << mod;
    }
}
