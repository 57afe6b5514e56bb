// AddSkill: characteristic changes, skills, cascades with their lookup
// order, preferred skills, the level-6 cap and race 25's refusals.

#include "career/Cascades.h"
#include "career/Skills.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

struct SkillGame : TestGame {
    SkillGame() {
        LoadedRules(g).Race.NumStats = 6;
        LoadedRules(g).Race.StatName = {"", "STR", "DEX", "END", "INT", "EDU", "SOC"};
        g.career.Character.Stats = {0, 7, 7, 7, 7, 7, 7};
        LoadedRules(g).Race.Cascade.Edit().Count = 0;
        LoadedRules(g).Service.Cascade.Edit().Count = 0;
        SetStd({"SPACE COMBAT/Gunnery/Ship Tactics", "SPACE/Pilot/Navigation",
                "GUN COMBAT/Rifle/Pistol", "EMPTY/", "LOOP/LOOP"});
        g.career.Character.Options[OptCapSkills] = OptOn;
    }
    void SetStd(const std::vector<std::string>& lines) {
        for (size_t i = 0; i < lines.size(); ++i) LoadedRules(g).StdCascade[i + 1] = lines[i];
        LoadedRules(g).StdCascade.Count = static_cast<int>(lines.size());
    }
    int Level(const std::string& name) { return GetSkillLevel(g.career, name); }
};

}  // namespace

TEST(AddSkill, CharacteristicChangesAndTheSpeciesMaximum) {
    SkillGame t;
    t.g.career.Character.Stats[5] = 14;
    AddSkill(t.g, "+1 Edu");  // exactly the maximum is allowed
    EXPECT_TRUE(t.g.career.Character.Stats[5] == 15 && t.ui.messages.empty());
    AddSkill(t.g, "+1 Edu");
    EXPECT_EQ(t.g.career.Character.Stats[5], 15);
    EXPECT_TRUE(t.ui.SawMessage("Stat increase to EDU 16 disallowed; exceeds species maximum"));
    t.g.career.Character.Options[OptStatsOver15] = OptOn;
    AddSkill(t.g, "+1 Edu");
    EXPECT_EQ(t.g.career.Character.Stats[5], 16);
    AddSkill(t.g, "-9 Str");
    EXPECT_EQ(t.g.career.Character.Stats[1], -2);  // no floor
    AddSkill(t.g, "+1 Cha");
    EXPECT_TRUE(t.ui.SawMessage("Stat add fail +1 Cha"));
    EXPECT_EQ(t.g.career.Character.Skills[1].Name, "+1 Cha");  // then taken as a skill text
}

TEST(AddSkill, CascadesResolveThroughTheirLookupOrder) {
    SkillGame t;
    t.ui.Answer({"1"});
    std::string text = "SPACE-0";
    AddSkill(t.g, text);
    EXPECT_EQ(text, "Pilot-0");  // SPACE never matches "SPACE C..."
    EXPECT_EQ(t.Level("Pilot"), 0);
    EXPECT_EQ(t.ui.shown.back().Text, "Pilot/Navigation/Select for me, please!");
    EXPECT_EQ(t.ui.shown.back().Title, "Split cascade skill SPACE-0");

    LoadedRules(t.g).Race.Cascade.Edit()[1] = "GUN COMBAT/Spear";
    LoadedRules(t.g).Race.Cascade.Edit().Count = 1;
    EXPECT_EQ(*FindCascade(t.g.rules, "GUN COMBAT"), "Spear");
    LoadedRules(t.g).Service.Cascade.Edit()[1] = "GUN COMBAT/Laser";
    LoadedRules(t.g).Service.Cascade.Edit().Count = 1;
    EXPECT_EQ(*FindCascade(t.g.rules, "GUN COMBAT"), "Laser");
    EXPECT_FALSE(FindCascade(t.g.rules, "NOSUCH").has_value());
}

TEST(AddSkill, CascadeFaultsAreReported) {
    SkillGame t;
    AddSkill(t.g, "NOSUCH-1");
    EXPECT_TRUE(t.ui.SawMessage("Cascade not found NOSUCH"));
    EXPECT_EQ(t.Level("NOSUCH"), 1);
    AddSkill(t.g, "EMPTY");
    EXPECT_TRUE(t.ui.SawMessage("CASCADE BLANK ERROR! EMPTY"));
    EXPECT_EQ(t.Level("EMPTY"), -1);
    t.g.career.Character.Options[OptKeepCascades] = OptOn;
    AddSkill(t.g, "GUN COMBAT-2");
    EXPECT_EQ(t.Level("GUN COMBAT"), 2);
}

TEST(AddSkill, CascadeLeadingToItselfEnds) {
    SkillGame t;
    t.g.career.Character.Options[OptAutoGen] = OptOn;
    t.dice.SetFallback(true);
    AddSkill(t.g, "LOOP");
    // Given up after 25 splits, said, and never handed out as a skill.
    EXPECT_EQ(t.Level("LOOP"), -1);
    EXPECT_TRUE(
        t.ui.SawMessage("Cascade LOOP still names a cascade after 25 splits (LOOP); "
                        "nothing is recorded"));
}

TEST(AddSkill, PreferredSkillsAreRecommended) {
    SkillGame t;
    t.g.session.PrefSkill[1] = {"Pistol", 2};
    t.ui.Answer({"Y", "1"});  // take Pistol, then the list pick gives Rifle
    AddSkill(t.g, "GUN COMBAT");
    EXPECT_EQ(t.Level("Pistol"), 1);
    EXPECT_EQ(t.Level("Rifle"), 1);
    EXPECT_TRUE(t.ui.shown[0].Text == "Preferred skills recommends Pistol");
    t.g.career.Character.Skills[1].Level = 2;  // Pistol reached its wanted level
    t.ui.Answer({"1"});
    AddSkill(t.g, "GUN COMBAT");
    EXPECT_EQ(t.Level("Rifle"), 2);
}

// A preferred cascade whose choices name it again ("MECHANICAL" among the
// mechanical skills, or a one-letter name found in every list) ends, says
// so, and the gain is still made.
TEST(AddSkill, PreferredSkillsLeadingBackIntoTheirCascadeEnd) {
    for (const std::string pref : {"MECHANICAL", "A"}) {
        SkillGame t;
        t.SetStd({"MECHANICAL/Mechanical/Electronics", "A/Admin/A"});
        t.g.session.PrefSkill[1] = {pref, 1};
        t.g.career.Character.Options[OptCapSkills] = OptOff;
        t.g.career.Character.Options[OptAutoGen] = OptOn;
        t.dice.SetFallback(true);
        AddSkill(t.g, "MECHANICAL");
        EXPECT_TRUE(t.ui.SawMessage("Preferred skill " + pref + " leads back")) << pref;
        EXPECT_GE(t.Level("Mechanical") + t.Level("Electronics"), 0) << pref;
    }
}

// Twenty one-letter preferred skills stand in almost every list of
// choices: one gain takes at most twenty of them, not every one again at
// every split.
TEST(AddSkill, OneGainTakesAtMostTwentyPreferredSkills) {
    SkillGame t;
    t.SetStd({"MECHANICAL/Mechanical/Electronics", "A/Admin/Aircraft"});
    const char* letters = "AEIOUNRSTLAEIOUNRSTL";
    for (int p = 1; p <= 20; ++p) t.g.session.PrefSkill[p] = {std::string(1, letters[p - 1]), 9};
    t.g.career.Character.Options[OptAutoGen] = OptOn;
    t.g.career.Character.Options[OptCapSkills] = OptOff;
    t.dice.SetFallback(true);
    AddSkill(t.g, "MECHANICAL");
    int levels = 0;
    for (const auto& skill : t.g.career.Character.Skills) levels += std::max<int>(skill.Level, 0);
    EXPECT_LE(levels, 21);  // twenty preferred, and the gain itself
    EXPECT_TRUE(t.ui.SawMessage("leads back into the cascade"));
}

TEST(AddSkill, LevelSixCapAsksExceptForSatisfactionAndNewSkills) {
    SkillGame t;
    AddSkill(t.g, "Pilot-6");
    t.ui.Answer({"N"});
    AddSkill(t.g, "Pilot");
    EXPECT_EQ(t.Level("Pilot"), 7);
    EXPECT_TRUE(t.ui.shown.back().Text ==
                "Skill rolled for Pilot is too high. Roll again (Yes) or allow it anyway (No)?");
    AddSkill(t.g, "Satisfaction-6");
    AddSkill(t.g, "Satisfaction-1");
    EXPECT_EQ(t.Level("Satisfaction"), 7);
    AddSkill(t.g, "Leader-7");
    EXPECT_EQ(t.Level("Leader"), 7);
    EXPECT_EQ(t.ui.AnswersLeft(), 0u);
}

TEST(AddSkill, RollAgainMakesAFreshSkillTableRoll) {
    SkillGame t;
    LoadedRules(t.g).Service.SkillTable.Edit(1) = {
        "Only", {"", "Eli      All"}, {}, 1, {"", "Admin"}};
    AddSkill(t.g, "Pilot-6");
    t.ui.Answer({"Y", "1"});  // roll again; choose the only table
    t.dice.Push({4});
    AddSkill(t.g, "Pilot");
    EXPECT_EQ(t.Level("Pilot"), 6);
    EXPECT_EQ(t.Level("Admin"), 1);
}

TEST(AddSkill, Race25RefusesSomeSkillsAndTheTableHolds55) {
    SkillGame t;
    LoadedRules(t.g).Race.Code = 25;
    AddSkill(t.g, "Gambling-2");
    AddSkill(t.g, "Trader");
    EXPECT_EQ(t.Level("Gambling"), -1);
    EXPECT_EQ(t.Level("Trader"), -1);
    for (int i = 0; i < 60; ++i) AddSkill(t.g, "Skill" + std::to_string(i));
    EXPECT_EQ(t.Level("Skill54"), 1);
    EXPECT_EQ(t.Level("Skill55"), -1);
}
