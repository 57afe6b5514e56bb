// Psionic training (strength, the "PSI" characteristic, the six passes of
// talent throws) and the psionic games.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "career/Psionics.h"
#include "model/Generate.h"
#include "model/Skills.h"
#include "model/Text.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

const std::string TrainingTitle = "Which talent do you want to try and learn next?";

// A human of six characteristics in year 1 of term 1 of a four-year term;
// the talent table as start-up fills it, with no race throws.
struct PsiBench : ::testing::Test {
    TestGame t;
    Game& g = t.g;
    CharacterRecord& c = t.g.Character;

    PsiBench() {
        g.Race.Name = "Testers";
        g.Race.Code = 1;
        g.Race.NumStats = g.Race.NumStatsCopy = 6;
        g.Race.StatName = {"", "STR", "DEX", "END", "INT", "EDU", "SOC"};
        g.Race.YearsPerTerm = 4;
        g.Race.BaseAge = 18;
        g.Race.AgeAt = 1000;
        for (int i = 1; i <= 6; ++i) c.Stats[i] = 7;
        c.CurTerm = 1;
        c.CurLine = 1;
    }

    // Race 4: Psi is its own seventh characteristic.
    void MakeRace4() {
        g.Race.Code = 4;
        g.Race.NumStats = g.Race.NumStatsCopy = 7;
        g.Race.StatName[7] = "PSI";
        c.Stats[7] = 8;
        c.Stats[6] = 10;
    }

    std::vector<std::string> TalentLists() const {
        std::vector<std::string> out;
        for (const auto& s : t.ui.shown)
            if (s.Kind == "pickone") {
                EXPECT_EQ(s.Title, TrainingTitle);
                out.push_back(s.Text);
            }
        return out;
    }
    void ExpectAllUsed() const {
        EXPECT_EQ(t.dice.Left(), 0u) << "throws left over";
        EXPECT_EQ(t.ui.AnswersLeft(), 0u) << "answers left over";
    }
    void SetSkill(int slot, const std::string& name, int level) {
        c.Skills[slot] = {name, static_cast<int16_t>(level)};
    }
};

}  // namespace

// The strength becomes "PSI", the seventh characteristic; each pass lists
// the talents not yet tried, one higher than the pass before; a throw at
// the target gains the talent.
TEST_F(PsiBench, TrainingPassesAndTargets) {
    t.dice.Push({4, 3});  // strength 7 - term 1
    t.dice.Push({2, 3});  // Telepathy at 5+: exactly 5
    t.dice.Push({3, 3});  // Clairvoyance at 7+ in the second pass: 6 fails
    t.ui.Answer({"1", "1", "0"});
    PsionicTraining(g);
    ExpectAllUsed();

    ASSERT_EQ(g.Race.NumStats, 7);
    EXPECT_EQ(g.Race.StatName[7], "PSI");
    EXPECT_EQ(c.Stats[7], 6);
    EXPECT_TRUE(Contains(g.TermWindow.Label[3], "PSI: 6"));
    const auto lists = TalentLists();
    ASSERT_EQ(lists.size(), 3u);
    EXPECT_EQ(lists[0],
              "Telepathy (5+)/Clairvoyance (6+)/Telekinesis (6+)/Awareness (7+)/Teleportation "
              "(9+)/Special (9+)");
    EXPECT_EQ(lists[1],
              "Clairvoyance (7+)/Telekinesis (7+)/Awareness (8+)/Teleportation (10+)/Special "
              "(10+)");
    EXPECT_EQ(lists[2], "Telekinesis (8+)/Awareness (9+)/Teleportation (11+)/Special (11+)");
    EXPECT_EQ(GetSkillLevel(g, "Telepathy"), 1);
    EXPECT_EQ(GetSkillLevel(g, "Clairvoyance"), -1);
    EXPECT_EQ(g.PsiTalent[2].Learned, 1);  // tried, though failed
    EXPECT_EQ(g.PsiTalent[3].Learned, 0);
    // Closing the window ended the training, which is done for good.
    EXPECT_EQ(c.PsiTrained, 1);
    PsionicTraining(g);
    EXPECT_EQ(g.Race.NumStats, 7);
    ExpectAllUsed();
}

// A throw below the current term gives strength 0, not a negative one.
TEST_F(PsiBench, StrengthNeverBelowZero) {
    c.CurTerm = 3;
    t.dice.Push({1, 1});
    t.ui.Answer("0");
    PsionicTraining(g);
    ExpectAllUsed();
    EXPECT_EQ(c.Stats[7], 0);
    EXPECT_EQ(g.Race.NumStats, 7);
}

// The race's own throws replace the base ones; a blank or bad digit of
// PSIrolls (-99) and a missing one (0) fall back to the base throw.
TEST_F(PsiBench, RaceThrows) {
    g.PsiTalent[1].RaceThrow = 3;
    g.PsiTalent[2].RaceThrow = -99;
    g.PsiTalent[4].RaceThrow = 11;
    t.dice.Push({3, 3});
    t.dice.Push({1, 2});  // Telepathy at 3+
    t.ui.Answer({"1", "0"});
    PsionicTraining(g);
    ExpectAllUsed();
    const auto lists = TalentLists();
    ASSERT_EQ(lists.size(), 2u);
    EXPECT_EQ(lists[0],
              "Telepathy (3+)/Clairvoyance (6+)/Telekinesis (6+)/Awareness (11+)/Teleportation "
              "(9+)/Special (9+)");
    EXPECT_EQ(GetSkillLevel(g, "Telepathy"), 1);
}

// Talents may be taken in any order; the pick is the text before "(".
TEST_F(PsiBench, ChosenTalentByName) {
    t.dice.Push({3, 3});
    t.dice.Push({5, 4});  // Teleportation at 9+
    t.dice.Push({6, 6});  // Special at 10+
    t.ui.Answer({"5", "5", "0"});
    PsionicTraining(g);
    ExpectAllUsed();
    EXPECT_EQ(GetSkillLevel(g, "Teleportation"), 1);
    EXPECT_EQ(GetSkillLevel(g, "Special"), 1);
    EXPECT_EQ(g.PsiTalent[1].Learned, 0);
}

// "Force academic success" makes every talent throw 99 (no dice): all six
// passes succeed, up to Special at 14+ in the sixth.
TEST_F(PsiBench, ForcedSuccessTakesAllSixPasses) {
    c.Options[OptForceAcademic] = OptOn;
    t.dice.Push({6, 6});
    t.ui.Answer({"1", "1", "1", "1", "1", "1"});
    PsionicTraining(g);
    ExpectAllUsed();
    const auto lists = TalentLists();
    ASSERT_EQ(lists.size(), 6u);
    EXPECT_EQ(lists[5], "Special (14+)");
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(GetSkillLevel(g, g.PsiTalent[i].Name), 1) << g.PsiTalent[i].Name;
        EXPECT_EQ(g.PsiTalent[i].Learned, 1);
    }
    EXPECT_EQ(c.PsiTrained, 1);
}

// Race 4 keeps its own Psi characteristic; nothing is appended.
TEST_F(PsiBench, Race4GainsNoNewCharacteristic) {
    MakeRace4();
    t.dice.Push({6, 6});
    t.ui.Answer("0");
    PsionicTraining(g);
    ExpectAllUsed();
    EXPECT_EQ(g.Race.NumStats, 7);
    EXPECT_EQ(c.Stats[7], 8);
}

// Race 8 appends nothing either, and adds 1D6 to every talent throw.
TEST_F(PsiBench, Race8AddsADie) {
    g.Race.Code = 8;
    t.dice.Push({2, 2});
    t.dice.Push({2, 2, 3});  // Awareness at 7+: 4 + 3
    t.dice.Push({1, 1, 3});  // Telepathy at 6+: 2 + 3 fails
    t.ui.Answer({"4", "1", "0"});
    PsionicTraining(g);
    ExpectAllUsed();
    EXPECT_EQ(g.Race.NumStats, 6);
    EXPECT_EQ(GetSkillLevel(g, "Awareness"), 1);
    EXPECT_EQ(GetSkillLevel(g, "Telepathy"), -1);
}

// A race that already uses all ten characteristics has no room for PSI:
// the record stays within its ten, the user is told the strength, and the
// talents are still offered.
TEST_F(PsiBench, NoRoomForAnEleventhCharacteristic) {
    g.Race.NumStats = g.Race.NumStatsCopy = 10;
    for (int i = 7; i <= 10; ++i) g.Race.StatName[i] = "X" + std::to_string(i);
    c.Stats[10] = 5;
    t.dice.Push({5, 4});
    t.ui.Answer("0");
    PsionicTraining(g);
    ExpectAllUsed();
    EXPECT_EQ(g.Race.NumStats, 10);
    EXPECT_EQ(c.Stats[10], 5);
    EXPECT_TRUE(t.ui.SawMessage("psionic strength 8 is not recorded"));
    EXPECT_EQ(TalentLists().size(), 1u);
}

// The appended characteristic belongs to one career: the next Generate
// cuts the race back to its own characteristics and forgets the talents.
TEST_F(PsiBench, GenerateCutsThePsiCharacteristicBack) {
    g.Race.StatDice = {0, 2, 2, 2, 2, 2, 2};
    t.dice.Push({4, 4});
    t.dice.Push({3, 3});
    t.ui.Answer({"1", "0"});
    PsionicTraining(g);
    ASSERT_EQ(g.Race.NumStats, 7);
    t.dice.SetFallback(true);
    Generate(g);
    EXPECT_EQ(g.Race.NumStats, 6);
    EXPECT_EQ(c.Stats[7], 0);
    EXPECT_EQ(c.PsiTrained, 0);
    EXPECT_EQ(g.PsiTalent[1].Learned, 0);
    EXPECT_FALSE(Contains(g.Form1.StatsText, "PSI"));
}

// The games: only "Telempathy" and the other five talents above level 0
// score; a throw at or under Psi scores +1, above it -1; exactly 12 wins.
TEST_F(PsiBench, GamesWonAtExactlyTwelve) {
    MakeRace4();
    SetSkill(1, "Telepathy", 3);     // not a games talent
    SetSkill(2, "Clairvoyance", 0);  // level 0 does not count
    SetSkill(3, "Telekinesis", 1);
    SetSkill(4, "Telempathy", 2);
    SetSkill(5, "Special", 1);
    t.ui.Answer("Y");
    t.dice.Push({4, 4});  // Telempathy: 8, not above Psi 8: +1
    t.dice.Push({5, 4});  // Telekinesis: 9: -1
    t.dice.Push({3, 3});  // Special: 6: +1
    t.dice.Push({5, 6});  // 11 + 1
    PsionicGames(g);
    ExpectAllUsed();
    ASSERT_EQ(t.ui.shown.size(), 1u);
    EXPECT_EQ(t.ui.shown[0].Text, "Compete in the Psionic Games");
    EXPECT_EQ(t.ui.shown[0].Title, g.AppTitle);
    EXPECT_EQ(c.Stats[6], 11);
    EXPECT_EQ(c.Stats[7], 9);
    EXPECT_EQ(c.SocialClass, "N");
    EXPECT_EQ(c.TermLog[1].Lines[1], "Psionic Games - Elevated to Nobility ");
    EXPECT_EQ(c.CurLine, 2);  // the games take a year
    EXPECT_EQ(c.PsiGamesDone, 1);
    PsionicGames(g);  // once in a career
    ExpectAllUsed();
}

TEST_F(PsiBench, GamesLostOneShort) {
    MakeRace4();
    SetSkill(1, "Awareness", 1);
    t.ui.Answer("Y");
    t.dice.Push({5, 4});  // 9 above Psi 8: -1
    t.dice.Push({6, 6});  // 12 - 1
    PsionicGames(g);
    ExpectAllUsed();
    EXPECT_EQ(c.Stats[6], 10);
    EXPECT_EQ(c.Stats[7], 8);
    EXPECT_EQ(c.TermLog[1].Lines[1], "Psionic Games - Failure ");
    EXPECT_EQ(c.CurLine, 2);
    EXPECT_EQ(c.PsiGamesDone, 1);
}

// Declining spends nothing, so the games are offered again.
TEST_F(PsiBench, GamesDeclined) {
    MakeRace4();
    t.ui.Answer("N");
    PsionicGames(g);
    ExpectAllUsed();
    EXPECT_EQ(c.PsiGamesDone, 0);
    EXPECT_EQ(c.CurLine, 1);
    EXPECT_EQ(c.TermLog[1].Lines[1], "");
}

// Under automatic generation 1D2 answers instead of the user: 2 declines,
// 1 competes.
TEST_F(PsiBench, GamesUnderAutomaticGeneration) {
    MakeRace4();
    c.Options[OptAutoGen] = OptOn;
    t.dice.Push(2);
    PsionicGames(g);
    EXPECT_EQ(c.PsiGamesDone, 0);
    t.dice.Push(1);
    t.dice.Push({1, 2});  // no talents: 3 fails
    PsionicGames(g);
    ExpectAllUsed();
    EXPECT_TRUE(t.ui.shown.empty());
    EXPECT_EQ(c.PsiGamesDone, 1);
    EXPECT_EQ(c.TermLog[1].Lines[1], "Psionic Games - Failure ");
}
