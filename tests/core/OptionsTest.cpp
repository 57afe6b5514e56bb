// Option sets, the start-up DEFAULT rule, and the options and preferred-skills window models.

#include "session/OptionSets.h"
#include "support/TestGame.h"
#include "text/Files.h"
#include "ui/MainWindow.h"
#include "ui/OptionsWindow.h"
#include "ui/Program.h"

using namespace orrimar;

namespace {

// A set's name, flag lines, 20 preferred skills (one of them named), `tail`.
std::vector<std::string> SetLines(const std::string& name, std::vector<std::string> flags,
                                  std::vector<std::string> tail = {}, int named = 2) {
    std::vector<std::string> lines = {name};
    lines.insert(lines.end(), flags.begin(), flags.end());
    for (int i = 1; i <= 20; ++i)  // a name is a whole line, commas and all
        lines.insert(lines.end(), {i == named ? "Rifle, long" : "", i == named ? "3" : "0"});
    lines.insert(lines.end(), tail.begin(), tail.end());
    return lines;
}

// Options(1..14) as 1 (on) and 0 (off), then the rank cap.
std::string Flags(const std::array<int16_t, 16>& o) {
    std::string s;
    for (int k = 1; k <= 14; ++k) s += o[k] == OptOn ? '1' : o[k] == OptOff ? '0' : '?';
    return s + " cap " + std::to_string(o[RankCap]);
}

struct Options : ::testing::Test {
    TestGame t;
    TempDir data;
    std::array<int16_t, 16>& o = t.g.career.Character.Options;
    void SetUp() override { t.g.session.DataLoc = data.Path(); }
};

}  // namespace

TEST_F(Options, SaveWritesSixtyOneLinesAndAsksBeforeOverwriting) {
    o[OptForceSkill] = o[OptCapRank] = o[OptTrue2D] = OptOn;
    o[RankCap] = 7;
    t.g.session.PrefSkill[2] = {"Rifle, long", 3};
    EXPECT_EQ(OptionSetSlotCaption(t.g.session, 1), "(empty slot)");
    t.ui.Answer("Wayfarer set");  // an empty button asks no overwrite question
    SaveOptionSet(t.g, 1);
    EXPECT_EQ(t.ui.shown.at(0).Text, "Set name?");
    const std::string saved = data.Read("osets1.txt");
    EXPECT_EQ(saved, JoinLinesCrLf(SetLines(
                         "Wayfarer set", {"-1", "0", "0", "0", "0", "0", "0", "0", "0", "-1"},
                         {"7", "0", "0", "-1", "0", "7", "dummy", "dummy", "dummy", "dummy"})));

    LoadOptionSetMenu(t.g);
    t.ui.Answer("N");
    SaveOptionSet(t.g, 1);
    EXPECT_EQ(t.ui.shown.back().Text, "Overwrite Wayfarer set, are you sure?");
    EXPECT_EQ(data.Read("osets1.txt"), saved);
    t.ui.Answer({"Y", "<cancel>"});
    SaveOptionSet(t.g, 1);
    EXPECT_EQ(ReadLines(data.Path() + "osets1.txt").value().at(0), "");  // an empty name
    // The menu keeps its start-up names.
    EXPECT_TRUE(t.g.session.OptionSetButton[1].empty() &&
                t.g.session.OptionSetMenuName[1] == "Wayfarer set");
    EXPECT_EQ(OptionSetSlotCaption(t.g.session, 1), "(no name)");
}

TEST_F(Options, DefaultSetsLoadAtStartUpThenSkillsAreCapped) {
    data.Write("IMPERIAL.ERI", {"Imperial test humans", "Type=1", "[STATS]", "STR=2D", "[FILES]",
                                "X.SRV=Service X"});
    data.Write("cascade.dat", {"GUN COMBAT/Rifle/Pistol", "* END *"});
    data.Write("COYNS.DAT", std::vector<std::string>(36, "COIN"));
    // Both DEFAULTs load, in slot order, each emptying every skill entry first. Slot 3 ends
    // after 51 lines, so the cap and flags 11..14 stay as slot 1 left them; numbers may share
    // a line, and the sixth number after the skills must not undo the cap.
    data.Write("osets1.txt", SetLines("DEFAULT", {"0,0,0,0,0,0,-1,0,0,0"}, {"2, 0, -1, 0,0,0"}, 5));
    data.Write("osets3.txt",
               SetLines("Default", {"-1", "0", "0", "0", "0", "0", "0", "0", "0", " -1 "}));
    data.Write("osets4.txt", SetLines("Other", {"0,-1,0,0,0,0,0,0,0,0"}));
    // A slot holding what never ends is said, and stays empty.
    std::filesystem::create_symlink("/dev/zero", data.Path() + "osets2.txt");
    t.g.session.DataLocOverride = data.Path();
    t.dice.SetFallback(true);
    EXPECT_THROW(Main(t.g), ProgramExit);         // the scripted main window ends the run
    EXPECT_EQ(Flags(o), "10000001010100 cap 2");  // "Cap skills at 6" on whatever the sets said
    EXPECT_TRUE(t.g.session.PrefSkill[2].Name == "Rifle, long" &&
                t.g.session.PrefSkill[5].Name.empty());
    EXPECT_TRUE(!t.g.session.OptionSetMenuAvailable[2] &&
                t.g.session.OptionSetButton[4] == "Other");
    Form1LoadOptionSet(t.g, 4);  // the last slot loads as the first does
    EXPECT_EQ(Flags(o), "01000000000100 cap 2");
    EXPECT_TRUE(t.ui.SawMessage("The option set " + data.Path() +
                                "osets2.txt cannot be read: it is not a regular file (a device, "
                                "pipe or socket). Its slot stays empty."));
}

TEST_F(Options, WindowBoxesAndRankCap) {
    const int box = OptionsWindowModel::CapRankBox;
    o[OptCapRank] = OptOn;  // opened on with no rank chosen: turned off
    auto m = PrepareOptions(t.g);
    EXPECT_FALSE(o[OptCapRank] || m.Checked[box] || m.RankListVisible);
    o[RankCap] = 3;  // ticked without a service
    OptionsTick(t.g, m, box, true);
    EXPECT_FALSE(o[OptCapRank] || m.Checked[box] || m.RankListVisible);
    EXPECT_EQ(t.ui.messages, (std::vector<std::string>{NoRankCapMessage, NoServiceRankMessage}));
    // Every other box sets its flag; boxes 14 and 15 are spare, so the cap stays.
    for (int other = -1; other <= 16; ++other)
        if (other != box) OptionsTick(t.g, m, other, true);
    OptionsTick(t.g, m, OptSortSkills - 1, false);
    EXPECT_EQ(Flags(o), "11111011101111 cap 3");

    LoadedRules(t.g).Service.MaxRank = 6;
    for (int i = 1; i <= 6; ++i) LoadedRules(t.g).Service.RankCode[i] = "E" + std::to_string(i);
    LoadedRules(t.g).Service.RankName[1] = "Recruit";
    m = PrepareOptions(t.g);
    EXPECT_EQ(m.RankList[0], "E1   (Recruit)");
    OptionsTick(t.g, m, box, true);
    OptionsSelectRank(t.g.career, m, 6);  // past the list: ignored
    EXPECT_TRUE(m.RankListVisible && m.RankSelected == 2 && o[RankCap] == 3);
    o[RankCap] = 9;  // above the service's ranks: nothing selected, and said
    LoadedRules(t.g).Service.Name = "Scouts";
    m = PrepareOptions(t.g);
    EXPECT_TRUE(m.RankListVisible && m.RankSelected == -1);
    EXPECT_EQ(m.RankNote,
              "The rank cap kept is rank 9, beyond the 6 ranks of Scouts: promotion never "
              "reaches it. Choose a rank to cap at.");
    OptionsSelectRank(t.g.career, m, 5);
    EXPECT_TRUE(m.RankNote.empty() && o[RankCap] == 6);
    m = PrepareOptions(t.g);  // a cap at the highest rank shows selected
    EXPECT_EQ(m.RankSelected, 5);
}

TEST_F(Options, PreferredSkillsAddAndSuggestions) {
    Game& g = t.g;
    g.session.PrefSkill[1] = {"Pilot", 3};
    g.session.PrefSkill[2] = {"  ", 5};  // blank: free
    PreferredSkillsModel m;
    FillPreferredList(g.session, m);
    PreferredAdd(m);
    m.Name = "Medic";
    PreferredOk(g, m);
    EXPECT_TRUE(m.List.size() == 2 && m.List[1].Text == "Medic-4" && m.List[1].Tag == 2);

    LoadedRules(g).Service.Cascade.Edit()[1] = "SHIPBOARD/Vacc Suit/Ship's Boat";
    LoadedRules(g).Service.Cascade.Edit()[11] =
        "LATE/Ship Tactics";  // past the first ten service lines
    LoadedRules(g).StdCascade[1] = "GUN COMBAT/Rifle/Pistol";
    LoadedRules(g).StdCascade[250] = "LAST/Shipwright/Rifle";
    EXPECT_EQ(SkillSuggestions(g.rules, "ship"),
              (std::vector<std::string>{"SHIPBOARD", "Shipwright"}));
    EXPECT_EQ(SkillSuggestions(g.rules, "IFLE"), (std::vector<std::string>{"ifle"}));  // once
    PreferredAdd(m);
    PreferredNameTyped(g.rules, m, "vacc");
    PreferredPickSuggestion(g, m, 0);  // acts as OK
    EXPECT_EQ(g.session.PrefSkill[3].Name, "Vacc Suit");
    // The twentieth, last place is edited and deleted as the first is.
    g.session.PrefSkill[20] = {"Gambling", 1};
    FillPreferredList(g.session, m);
    m.Selected = static_cast<int>(m.List.size()) - 1;
    PreferredDelete(g.session, m);
    EXPECT_EQ(g.session.PrefSkill[20].Name, "");
}
