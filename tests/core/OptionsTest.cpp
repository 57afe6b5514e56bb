// Options, preferred skills and option sets: the slot file format both
// ways, the start-up load, saving, and the Form4/Form5 models.
#include <gtest/gtest.h>

#include "model/Text.h"
#include "startup/Files.h"
#include "startup/Main.h"
#include "startup/OptionSets.h"
#include "support/TestGame.h"
#include "ui/OptionsWindow.h"

using namespace orrimar;

namespace {

// The 51 lines of an option set without the rank cap and the later flags.
std::vector<std::string> ShortSet(const std::string& name, std::vector<std::string> flags) {
    std::vector<std::string> lines = {name};
    lines.insert(lines.end(), flags.begin(), flags.end());
    for (int i = 1; i <= 20; ++i) {
        lines.push_back(i == 2 ? "Pilot" : i == 5 ? "Vacc Suit" : "");
        lines.push_back(i == 2 ? "3" : i == 5 ? "-1" : "0");
    }
    return lines;
}

std::vector<std::string> FullSet(const std::string& name, std::vector<std::string> flags,
                                 std::vector<std::string> tail) {
    auto lines = ShortSet(name, std::move(flags));
    lines.insert(lines.end(), tail.begin(), tail.end());
    for (int k = 0; k < 4; ++k) lines.push_back("dummy");
    return lines;
}

const std::vector<std::string> AllOff(10, "0");

void WriteMinimalData(const TempDir& dir) {
    dir.Write("IMPERIAL.ERI",
              {"Imperial test humans", "Type=1", "[STATS]", "STR=2D", "DEX=2D", "END=2D", "[FILES]",
               "X.SRV=Service X", "yearsperterm=4", "baseage=18", "ageat=34"});
    dir.Write("cascade.dat", {"GUN COMBAT/Rifle/Pistol", "* END *"});
    dir.Write("COYNS.DAT", std::vector<std::string>(36, "COIN"));
}

int RunMain(TestGame& t) {
    try {
        t.dice.SetFallback(true);
        Main(t.g);
    } catch (const ProgramExit& exit) {
        return exit.Code;
    }
    return -1;
}

// A game with a service of `ranks` ranks loaded straight into the record.
void GiveRanks(Game& g, int ranks) {
    g.Service.MaxRank = ranks;
    for (int i = 1; i <= ranks; ++i) {
        g.Service.RankCode[i] = "E" + std::to_string(i);
        g.Service.RankName[i] = "Rank " + std::to_string(i);
    }
}

}  // namespace

TEST(OptionSetFile, SavedSetHasSixtyOneLinesAndLoadsBack) {
    TestGame t;
    TempDir data;
    t.g.DataLoc = data.Path();
    auto& o = t.g.Character.Options;
    o[OptForceSkill] = OptOn;
    o[OptCapRank] = OptOn;
    o[RankCap] = 7;
    o[OptTrue2D] = OptOn;
    t.g.PrefSkill[1] = {"Pilot", 3};
    t.g.PrefSkill[20] = {"Vacc Suit", -2};
    t.ui.Answer("Traveller set");  // "Set name?"; an empty button asks no overwrite question
    SaveOptionSet(t.g, 2);
    ASSERT_EQ(t.ui.shown.size(), 1u);
    EXPECT_EQ(t.ui.shown[0].Text, "Set name?");
    EXPECT_EQ(t.ui.shown[0].Title, t.g.AppTitle);
    EXPECT_EQ(t.g.OptionSetButton[2], "Traveller set");

    auto lines = ReadLines(data.Path() + "osets2.txt");
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 61u);
    EXPECT_EQ(data.Read("osets2.txt").substr(0, 15), "Traveller set\r\n");
    const auto& l = *lines;
    EXPECT_EQ(l[0], "Traveller set");
    EXPECT_EQ(l[1], "-1");   // Options(1)
    EXPECT_EQ(l[2], "0");    // Options(2)
    EXPECT_EQ(l[10], "-1");  // Options(10), Cap rank
    EXPECT_EQ(l[11], "Pilot");
    EXPECT_EQ(l[12], "3");
    EXPECT_EQ(l[13], "");  // a free entry: empty name, level 0
    EXPECT_EQ(l[14], "0");
    EXPECT_EQ(l[49], "Vacc Suit");
    EXPECT_EQ(l[50], "-2");
    EXPECT_EQ(l[51], "7");   // RankCap
    EXPECT_EQ(l[54], "-1");  // Options(13), true 2D
    for (int k = 57; k < 61; ++k) EXPECT_EQ(l[k], "dummy");

    TestGame back;
    back.g.DataLoc = data.Path();
    LoadOptionSet(back.g, 2);
    for (int k = 1; k <= 14; ++k) EXPECT_EQ(back.g.Character.Options[k], o[k]) << "option " << k;
    EXPECT_EQ(back.g.Character.Options[RankCap], 7);
    EXPECT_EQ(back.g.PrefSkill[1].Name, "Pilot");
    EXPECT_EQ(back.g.PrefSkill[20].Level, -2);
}

TEST(OptionSetFile, FiftyOneLinesKeepRankCapAndLaterFlags) {
    TestGame t;
    TempDir data;
    t.g.DataLoc = data.Path();
    data.Write("osets1.txt",
               ShortSet("short", {"-1", "0", "0", "0", "0", "0", "-1", "0", "0", "-1"}));
    auto& o = t.g.Character.Options;
    o[OptCapSkills] = OptOn;
    o[OptStatsOver15] = OptOn;
    o[RankCap] = 4;
    t.g.PrefSkill[7] = {"Leftover", 2};
    LoadOptionSet(t.g, 1);
    EXPECT_EQ(o[OptForceSkill], OptOn);
    EXPECT_EQ(o[OptAutoGen], OptOn);
    EXPECT_EQ(o[OptCapSkills], OptOff);  // flags 1..10 are all read
    EXPECT_EQ(o[OptCapRank], OptOn);
    EXPECT_EQ(o[OptStatsOver15], OptOn);  // flag 12 and the cap untouched
    EXPECT_EQ(o[RankCap], 4);
    EXPECT_EQ(t.g.PrefSkill[2].Name, "Pilot");
    EXPECT_EQ(t.g.PrefSkill[2].Level, 3);
    EXPECT_EQ(t.g.PrefSkill[5].Level, -1);
    EXPECT_EQ(t.g.PrefSkill[7].Name, "");  // every entry emptied first
}

TEST(OptionSetFile, NumbersMayShareALineSeparatedByCommas) {
    TestGame t;
    TempDir data;
    t.g.DataLoc = data.Path();
    std::vector<std::string> lines = {"commas", " -1 , 0,0,0, -1,0,0,0,0,0"};
    for (int i = 1; i <= 20; ++i) {
        lines.push_back(i == 1 ? "Rifle, long" : "");  // names are whole lines, commas and all
        lines.push_back("2");
    }
    lines.push_back("3, 0, -1, 0, 0, 3");  // the cap, flags 11..14, the cap again
    data.Write("osets3.txt", lines);
    LoadOptionSet(t.g, 3);
    EXPECT_EQ(t.g.Character.Options[OptForceSkill], OptOn);
    EXPECT_EQ(t.g.Character.Options[OptAnyTransfer], OptOn);
    EXPECT_EQ(t.g.Character.Options[OptSortSkills], OptOff);
    EXPECT_EQ(t.g.PrefSkill[1].Name, "Rifle, long");
    EXPECT_EQ(t.g.PrefSkill[1].Level, 2);
    EXPECT_EQ(t.g.Character.Options[RankCap], 3);
    EXPECT_EQ(t.g.Character.Options[OptStatsOver15], OptOn);
}

TEST(OptionSetStartup, DefaultSetsLoadInSlotOrderThenSkillsAreCapped) {
    TestGame t;
    TempDir data;
    WriteMinimalData(data);
    // Both named DEFAULT in some letter case: slot 3 loads last and wins.
    data.Write("osets1.txt", FullSet("DEFAULT", {"0", "0", "0", "0", "0", "0", "-1", "0", "0", "0"},
                                     {"0", "0", "0", "0", "0", "0"}));
    data.Write("osets3.txt", FullSet("Default", {"-1", "0", "0", "0", "0", "0", "0", "0", "0", "0"},
                                     {"0", "0", "-1", "0", "0", "0"}));
    data.Write("osets4.txt", FullSet("Other", {"0", "-1", "0", "0", "0", "0", "0", "0", "0", "0"},
                                     {"0", "0", "0", "0", "0", "0"}));
    t.g.DataLocOverride = data.Path();
    EXPECT_EQ(RunMain(t), 0);  // the scripted main window ends the run

    const auto& o = t.g.Character.Options;
    EXPECT_EQ(o[OptForceSkill], OptOn);
    EXPECT_EQ(o[OptAutoGen], OptOff);
    EXPECT_EQ(o[OptStatsOver15], OptOn);
    EXPECT_EQ(o[OptForceSpecial], OptOff);  // "Other" is not loaded
    EXPECT_EQ(o[OptCapSkills], OptOn);      // on whatever the set said
    EXPECT_EQ(t.g.PrefSkill[2].Name, "Pilot");

    EXPECT_TRUE(t.g.OptionSetMenuAvailable[1]);
    EXPECT_FALSE(t.g.OptionSetMenuAvailable[2]);
    EXPECT_EQ(t.g.OptionSetMenuName[3], "Default");
    EXPECT_EQ(t.g.OptionSetButton[4], "Other");
    EXPECT_EQ(t.g.OptionSetButton[2], "");
}

TEST(SaveOptionSet, OverwriteQuestionAndCancelledName) {
    TestGame t;
    TempDir data;
    t.g.DataLoc = data.Path();
    const auto old = FullSet("Old set", AllOff, {"0", "0", "0", "0", "0", "0"});
    data.Write("osets1.txt", old);
    const std::string before = data.Read("osets1.txt");
    LoadOptionSetMenu(t.g);
    ASSERT_EQ(t.g.OptionSetButton[1], "Old set");
    t.g.Character.Options[OptAutoGen] = OptOn;

    t.ui.Answer("N");
    SaveOptionSet(t.g, 1);
    ASSERT_EQ(t.ui.shown.size(), 1u);
    EXPECT_EQ(t.ui.shown[0].Kind, "yesno");
    EXPECT_EQ(t.ui.shown[0].Text, "Overwrite Old set, are you sure?");
    EXPECT_EQ(t.ui.shown[0].Title, t.g.AppTitle);
    EXPECT_EQ(data.Read("osets1.txt"), before);
    EXPECT_EQ(t.g.OptionSetButton[1], "Old set");

    t.ui.Answer({"Y", "<cancel>"});
    SaveOptionSet(t.g, 1);
    auto lines = ReadLines(data.Path() + "osets1.txt");
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->size(), 61u);
    EXPECT_EQ(lines->at(0), "");    // saved under an empty name
    EXPECT_EQ(lines->at(7), "-1");  // Options(7)
    EXPECT_EQ(t.g.OptionSetButton[1], "");
    EXPECT_EQ(t.g.OptionSetMenuName[1], "Old set");  // the menu keeps its start-up names

    // An empty button asks no overwrite question.
    t.ui.Answer("Fresh");
    SaveOptionSet(t.g, 1);
    EXPECT_EQ(t.ui.shown.back().Text, "Set name?");
    EXPECT_EQ(t.g.OptionSetButton[1], "Fresh");
}

TEST(OptionsWindow, BoxesFollowTheFlags) {
    TestGame t;
    auto& o = t.g.Character.Options;
    o[OptSortSkills] = OptOn;
    o[OptTrue2D] = OptOn;
    auto m = PrepareOptions(t.g);
    EXPECT_TRUE(m.Checked[5]);
    EXPECT_TRUE(m.Checked[12]);
    EXPECT_FALSE(m.Checked[0]);
    EXPECT_FALSE(m.RankListVisible);

    for (int box = 0; box <= 12; ++box) {
        if (box == OptionsWindowModel::CapRankBox) continue;
        OptionsTick(t.g, m, box, true);
        EXPECT_EQ(o[box + 1], OptOn) << "box " << box;
        OptionsTick(t.g, m, box, false);
        EXPECT_EQ(o[box + 1], OptOff) << "box " << box;
    }
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST(OptionsWindow, SpareBoxesNeverTouchTheRankCap) {
    TestGame t;
    auto& o = t.g.Character.Options;
    o[RankCap] = 5;
    auto m = PrepareOptions(t.g);
    OptionsTick(t.g, m, 13, true);
    EXPECT_EQ(o[OptSpare], OptOn);
    OptionsTick(t.g, m, 14, true);
    OptionsTick(t.g, m, 15, true);
    EXPECT_TRUE(m.Checked[15]);
    EXPECT_EQ(o[RankCap], 5);
    OptionsTick(t.g, m, 16, true);  // no such box
    OptionsTick(t.g, m, -1, true);
    EXPECT_EQ(o[RankCap], 5);
}

TEST(OptionsWindow, RankListFromTheService) {
    TestGame t;
    t.LoadData(SampleDataDir());
    t.Pick("Imperial", "Imperial Navy", "Line Fleet");
    t.g.Character.Options[OptCapRank] = OptOn;
    t.g.Character.Options[RankCap] = 2;
    auto m = PrepareOptions(t.g);
    ASSERT_EQ(m.RankList.size(), 18u);
    EXPECT_EQ(m.RankList[0], "E1   (Spacehand Recruit)");
    EXPECT_EQ(m.RankList[9], "O1   (Ensign)");
    EXPECT_TRUE(m.RankListVisible);
    EXPECT_EQ(m.RankSelected, 1);
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST(OptionsWindow, CapRankWithoutARankIsTurnedOffOnOpening) {
    TestGame t;
    GiveRanks(t.g, 6);
    auto& o = t.g.Character.Options;
    for (int cap : {0, -3}) {
        o[OptCapRank] = OptOn;
        o[RankCap] = static_cast<int16_t>(cap);
        auto m = PrepareOptions(t.g);
        EXPECT_EQ(t.ui.messages.back(),
                  "Rank Capping option selected but no maximum rank selected. Capping has been "
                  "turned off!");
        EXPECT_EQ(o[OptCapRank], OptOff);
        EXPECT_FALSE(m.Checked[OptionsWindowModel::CapRankBox]);
        EXPECT_FALSE(m.RankListVisible);
    }
    EXPECT_EQ(t.ui.messages.size(), 2u);
}

TEST(OptionsWindow, CapAboveTheServiceRanksSelectsNothingAndStays) {
    TestGame t;
    GiveRanks(t.g, 4);
    auto& o = t.g.Character.Options;
    o[OptCapRank] = OptOn;
    o[RankCap] = 9;
    auto m = PrepareOptions(t.g);
    EXPECT_TRUE(m.RankListVisible);
    EXPECT_EQ(m.RankSelected, -1);
    EXPECT_EQ(o[OptCapRank], OptOn);
    EXPECT_EQ(o[RankCap], 9);
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST(OptionsWindow, TickingCapRank) {
    TestGame t;
    auto& o = t.g.Character.Options;
    o[RankCap] = 3;

    // No service: the message, and the option goes off again.
    auto none = PrepareOptions(t.g);
    OptionsTick(t.g, none, OptionsWindowModel::CapRankBox, true);
    EXPECT_EQ(t.ui.messages.back(),
              "You must choose a service and branch before setting Rank Cap options");
    EXPECT_EQ(o[OptCapRank], OptOff);
    EXPECT_FALSE(none.Checked[OptionsWindowModel::CapRankBox]);
    EXPECT_FALSE(none.RankListVisible);

    // With ranks: the third entry is selected and the cap stays 3.
    GiveRanks(t.g, 6);
    auto m = PrepareOptions(t.g);
    OptionsTick(t.g, m, OptionsWindowModel::CapRankBox, true);
    EXPECT_EQ(o[OptCapRank], OptOn);
    EXPECT_TRUE(m.RankListVisible);
    EXPECT_EQ(m.RankSelected, 2);
    EXPECT_EQ(o[RankCap], 3);
    EXPECT_EQ(t.ui.messages.size(), 1u);

    OptionsSelectRank(t.g, m, 4);
    EXPECT_EQ(o[RankCap], 5);
    OptionsSelectRank(t.g, m, 6);  // past the list: ignored
    EXPECT_EQ(o[RankCap], 5);

    OptionsTick(t.g, m, OptionsWindowModel::CapRankBox, false);
    EXPECT_FALSE(m.RankListVisible);
    EXPECT_EQ(o[OptCapRank], OptOff);
    EXPECT_EQ(o[RankCap], 5);

    o[RankCap] = 0;  // ticked with no cap chosen: shown, nothing selected, no message
    OptionsTick(t.g, m, OptionsWindowModel::CapRankBox, true);
    EXPECT_TRUE(m.RankListVisible);
    EXPECT_EQ(m.RankSelected, -1);
    EXPECT_EQ(t.ui.messages.size(), 1u);
}

TEST(OptionsWindow, DoneRefreshesTheSkillDisplay) {
    TestGame t;
    t.g.Character.Skills[1] = {"Pilot", 2};
    auto m = PrepareOptions(t.g);
    OptionsTick(t.g, m, OptSortSkills - 1, true);
    OptionsDone(t.g);
    ASSERT_EQ(t.g.TermWindow.Skills.size(), 1u);
    EXPECT_EQ(t.g.TermWindow.Skills[0].Text, "2 Pilot");
}

TEST(PreferredSkills, ListShowsNamedEntriesWithTheirNumbers) {
    TestGame t;
    t.g.PrefSkill[2] = {"Pilot", 3};
    t.g.PrefSkill[4] = {"   ", 2};  // blank: free
    t.g.PrefSkill[9] = {"Medic", -1};
    PreferredSkillsModel m;
    FillPreferredList(t.g, m);
    ASSERT_EQ(m.List.size(), 2u);
    EXPECT_EQ(m.List[0].Text, "Pilot-3");
    EXPECT_EQ(m.List[0].Tag, 2);
    EXPECT_EQ(m.List[1].Text, "Medic--1");
    EXPECT_EQ(m.List[1].Tag, 9);
}

TEST(PreferredSkills, AddTakesTheFirstFreeEntryWithLevelFour) {
    TestGame t;
    t.g.PrefSkill[1] = {"Pilot", 3};
    t.g.PrefSkill[2] = {" ", 5};
    PreferredSkillsModel m;
    FillPreferredList(t.g, m);
    PreferredAdd(m);
    EXPECT_EQ(m.Mode, PanelMode::Add);
    EXPECT_EQ(m.Name, "");
    EXPECT_EQ(m.Level, "4");
    m.Name = "Vacc Suit";
    PreferredOk(t.g, m);
    EXPECT_EQ(m.Mode, PanelMode::None);
    EXPECT_EQ(t.g.PrefSkill[2].Name, "Vacc Suit");
    EXPECT_EQ(t.g.PrefSkill[2].Level, 4);
    ASSERT_EQ(m.List.size(), 2u);
    EXPECT_EQ(m.List[1].Text, "Vacc Suit-4");

    PreferredAdd(m);  // an empty name adds nothing
    PreferredOk(t.g, m);
    EXPECT_EQ(m.List.size(), 2u);
    EXPECT_EQ(m.Mode, PanelMode::None);
}

TEST(PreferredSkills, EditDeleteAndTheLevelButtons) {
    TestGame t;
    t.g.PrefSkill[3] = {"Pilot", 3};
    t.g.PrefSkill[6] = {"Medic", 1};
    PreferredSkillsModel m;
    FillPreferredList(t.g, m);

    PreferredEdit(t.g, m);  // nothing selected: nothing happens
    EXPECT_EQ(m.Mode, PanelMode::None);
    PreferredDelete(t.g, m);
    EXPECT_EQ(m.List.size(), 2u);

    m.Selected = 1;
    PreferredEdit(t.g, m);
    EXPECT_EQ(m.Mode, PanelMode::Edit);
    EXPECT_EQ(m.Name, "Medic");
    EXPECT_EQ(m.Level, "1");
    PreferredMinus(m);
    PreferredMinus(m);
    EXPECT_EQ(m.Level, "-1");  // no lower bound
    m.Level = "12";
    PreferredPlus(m);
    EXPECT_EQ(m.Level, "13");  // nor an upper one
    m.Name = "Surgeon";
    PreferredOk(t.g, m);
    EXPECT_EQ(t.g.PrefSkill[6].Name, "Surgeon");
    EXPECT_EQ(t.g.PrefSkill[6].Level, 13);
    EXPECT_EQ(m.List[1].Text, "Surgeon-13");
    EXPECT_EQ(m.Selected, -1);

    m.Selected = 0;
    PreferredEdit(t.g, m);
    m.Name = "Changed";
    PreferredCancel(m);
    EXPECT_EQ(m.Mode, PanelMode::None);
    EXPECT_EQ(t.g.PrefSkill[3].Name, "Pilot");

    m.Selected = 0;
    PreferredDelete(t.g, m);
    EXPECT_EQ(t.g.PrefSkill[3].Name, "");
    ASSERT_EQ(m.List.size(), 1u);
    EXPECT_EQ(m.List[0].Tag, 6);

    m.Level = "x";  // no number: counts from 0
    PreferredPlus(m);
    EXPECT_EQ(m.Level, "1");
}

TEST(PreferredSkills, FullTableTellsTheUser) {
    TestGame t;
    for (int i = 1; i <= 20; ++i) t.g.PrefSkill[i] = {"Skill" + std::to_string(i), 1};
    PreferredSkillsModel m;
    FillPreferredList(t.g, m);
    PreferredAdd(m);
    m.Name = "One too many";
    PreferredOk(t.g, m);
    EXPECT_EQ(t.ui.messages.back(), PreferredListFull);
    EXPECT_EQ(m.List.size(), 20u);
    EXPECT_EQ(t.g.PrefSkill[20].Name, "Skill20");
}

TEST(PreferredSkills, SuggestionsFromTheCascades) {
    TestGame t;
    auto& g = t.g;
    g.Service.Cascade[1] = "SHIPBOARD/Vacc Suit/Ship's Boat";
    g.Service.Cascade[11] = "LATE/Ship Tactics";  // past the first ten service lines
    g.Race.Cascade[10] = "RACE ARMS/Claw/Ship Rifle";
    g.StdCascade[1] = "GUN COMBAT/Rifle/Pistol";
    g.StdCascade[250] = "LAST/Shipwright";

    EXPECT_EQ(SkillSuggestions(g, "ship"),
              (std::vector<std::string>{"SHIPBOARD", "Ship Rifle", "Shipwright"}));
    // The text runs from the match to the next "/", or the line's end; the
    // same text found twice is offered once.
    EXPECT_EQ(SkillSuggestions(g, "IFLE"), (std::vector<std::string>{"ifle"}));
    EXPECT_EQ(SkillSuggestions(g, "rif"), (std::vector<std::string>{"Rifle"}));
    EXPECT_EQ(SkillSuggestions(g, "pistol"), (std::vector<std::string>{"Pistol"}));
    EXPECT_TRUE(SkillSuggestions(g, "").empty());
    EXPECT_TRUE(SkillSuggestions(g, "Zero-G").empty());

    PreferredSkillsModel m;
    PreferredAdd(m);
    PreferredNameTyped(g, m, "vacc");
    ASSERT_EQ(m.Suggestions, (std::vector<std::string>{"Vacc Suit"}));
    PreferredPlus(m);
    PreferredPickSuggestion(g, m, 0);  // acts as OK
    EXPECT_EQ(g.PrefSkill[1].Name, "Vacc Suit");
    EXPECT_EQ(g.PrefSkill[1].Level, 5);
    EXPECT_EQ(m.Mode, PanelMode::None);
    EXPECT_TRUE(m.Suggestions.empty());
    PreferredPickSuggestion(g, m, 3);  // no such suggestion
    EXPECT_EQ(m.List.size(), 1u);
}
