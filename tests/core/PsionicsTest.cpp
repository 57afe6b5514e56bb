

#include "career/Psionics.h"
#include "career/SkillTables.h"
#include "career/Skills.h"
#include "model/Generate.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

// Six characteristics, year 1 of term 1; the talents as start-up fills them.
struct PsiBench : ::testing::Test {
    TestGame t;
    Game& g = t.g;
    CharacterRecord& c = t.g.career.Character;

    PsiBench() {
        LoadedRules(g).Race.NumStats = 6;
        LoadedRules(g).Race.YearsPerTerm = 4;
        c.CurTerm = c.CurLine = 1;
    }
    // Trains on these throws and picks; returns the talent lists offered.
    std::vector<std::string> Train(std::initializer_list<int> faces,
                                   std::initializer_list<std::string> picks) {
        t.dice.Push(faces);
        t.ui.Answer(picks);
        PsionicTraining(g);
        EXPECT_EQ(t.dice.Left() + t.ui.AnswersLeft(), 0u) << "throws or answers left over";
        std::vector<std::string> lists;
        for (const auto& s : t.ui.shown)
            if (s.Title == "Which talent do you want to try and learn next?")
                lists.push_back(s.Text);
        return lists;
    }
};

}  // namespace

// The strength, 2D6 less the term, becomes "PSI", the seventh characteristic,
// until the next Generate. Each pass lists the talents not yet tried one
// higher, from the race's throw where it is real; a throw at it gains the
// talent. Race 8 has its own strength and adds 1D6 to each throw.
TEST_F(PsiBench, TrainingPassesAndTargets) {
    LoadedRules(g).Race.StatName = {"", "STR", "DEX", "END", "INT", "EDU", "SOC"};
    LoadedRules(g).Service.SkillTable.Edit(1) = {
        "Mind", {"", "Eli      Int>5"}, {}, 1, {"", "Meditation"}};
    LoadedRules(g).NameStatsInTables();           // as choosing the service does
    LoadedRules(g).PsiTalent[2].RaceThrow = -99;  // a bad digit in the race file
    LoadedRules(g).PsiTalent[4].RaceThrow = 11;
    // Strength 6; Telepathy 5 at 5+; Telekinesis 6 at 7+; then the window closed.
    const auto lists = Train({4, 3, 2, 3, 3, 3}, {"1", "2", "0"});
    ASSERT_EQ(StatCount(g), 7);
    EXPECT_EQ(g.rules.Race.NumStats, 6);  // the character's, not the race's
    EXPECT_EQ(StatName(g, 7) + " " + std::to_string(c.Stats[7]), "PSI 6");
    // A table testing INT (0 here) does not test the PSI appended (6).
    const auto options = c.Options;
    c.Options[OptAutoGen] = OptOn;
    t.dice.SetFallback(true);
    RollSkill(g);
    t.dice.SetFallback(false);
    c.Options = options;
    EXPECT_EQ(GetSkillLevel(g.career, "Meditation"), -1);
    EXPECT_EQ(lists.at(0),
              "Telepathy (5+)/Clairvoyance (6+)/Telekinesis (6+)/Awareness (11+)/Teleportation "
              "(9+)/Special (9+)");
    EXPECT_EQ(lists.at(2), "Clairvoyance (8+)/Awareness (13+)/Teleportation (11+)/Special (11+)");
    EXPECT_EQ(std::make_tuple(GetSkillLevel(g.career, "Telepathy"),
                              GetSkillLevel(g.career, "Telekinesis")),
              std::make_tuple(1, -1));
    Train({}, {});  // done for good: no second PSI
    EXPECT_EQ(StatCount(g), 7);
    t.dice.SetFallback(true);
    Generate(g);
    EXPECT_EQ(StatCount(g), 6);
    EXPECT_EQ(c.Stats[7] + c.PsiTrained + g.career.PsiTried[1], 0);
    LoadedRules(g).Race.Code = 8;
    Train({2, 2, 1, 1, 3}, {"1", "0"});  // Telepathy at 5+: 2 + 3
    EXPECT_EQ(StatCount(g) * 10 + GetSkillLevel(g.career, "Telepathy"), 61);
}

// With all ten characteristics in use there is no room for PSI: the strength
// (never below 0) is told instead. "Force academic success" makes every
// talent throw 99: all six passes succeed, up to Special at 14+.
TEST_F(PsiBench, NoRoomForPsiAndForcedSuccess) {
    LoadedRules(g).Race.NumStats = 10;
    c.CurTerm = 3;
    c.Options[OptForceAcademic] = OptOn;
    const auto lists = Train({1, 1}, {"1", "1", "1", "1", "1", "1"});
    EXPECT_TRUE(t.ui.SawMessage("psionic strength 0 is not recorded"));
    EXPECT_EQ(StatCount(g), 10);
    EXPECT_EQ(lists.at(5), "Special (14+)");
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(GetSkillLevel(g.career, g.rules.PsiTalent[i].Name), 1);
}

// Only "Telempathy" and the other five talents above level 0 score: a throw
// at or under Psi +1, above it -1. Exactly 12 wins; once a career; a year.
TEST_F(PsiBench, Games) {
    std::tie(LoadedRules(g).Race.NumStats, LoadedRules(g).Race.StatName[7], c.Stats[7]) =
        std::tuple(7, "PSI", 8);
    const char* names[] = {"Telepathy", "Clairvoyance", "Telekinesis", "Special"};
    for (int k = 1; k <= 4; ++k) c.Skills[k] = {names[k - 1], static_cast<int16_t>(k != 2)};
    // Automatic generation answers 1D2: 2 declines, 1 competes; -1 +1; 11 loses.
    c.Options[OptAutoGen] = OptOn;
    t.dice.Push({2, 1, 5, 5, 3, 3, 5, 6});
    PsionicGames(g);
    PsionicGames(g);
    EXPECT_EQ(c.TermLog[1].Line(1), "Psionic Games - Failure ");
    c.PsiGamesDone = 0;
    c.Options[OptAutoGen] = OptOff;
    c.Skills[5] = {"Telempathy", 1};
    t.ui.Answer("Y");
    t.dice.Push({4, 4, 5, 4, 3, 3, 5, 6});  // Telempathy 8, Telekinesis 9, Special 6; 11 + 1 wins
    PsionicGames(g);
    PsionicGames(g);
    EXPECT_EQ(t.dice.Left() + t.ui.AnswersLeft(), 0u);
    EXPECT_EQ(t.ui.shown.size(), 1u);  // asked only without automatic generation
    EXPECT_EQ(std::make_tuple(+c.Stats[6], +c.Stats[7], +c.CurLine), std::make_tuple(11, 9, 3));
    EXPECT_EQ(c.TermLog[1].Line(2), "Psionic Games - Elevated to Nobility ");
}
