// The history log, the character display and the choice dialogs' logic.

#include "batch/AutoUi.h"
#include "career/Skills.h"
#include "model/Display.h"
#include "support/TestGame.h"
#include "ui/Dialogs.h"
#include "ui/MainWindow.h"

using namespace orrimar;

namespace {
struct DisplayGame : TestGame {
    DisplayGame() {
        auto& r = LoadedRules(g).Race;
        auto& c = g.career.Character;
        std::tie(r.Name, r.NumStats, r.StatName[1], r.StatName[2], r.YearsPerTerm) =
            std::tuple("Humans", 2, "STR", "DEX", 2);
        std::tie(LoadedRules(g).Service.Name, LoadedRules(g).Service.BranchName,
                 LoadedRules(g).Service.RankCode[1], LoadedRules(g).Service.RankName[1]) =
            std::tuple("Army", "Infantry", " E1 ", "Private ");
        std::tie(c.Stats[1], c.Stats[2], c.Rank, c.CurTerm, c.TermLog[1].Title, c.TechLevel,
                 c.Age) = std::tuple(0, 33, 1, 1, "Army Infantry", 12, 18);
    }
    // The character shown afresh: the term window's label `n`.
    std::string Shown(int n, const std::string& text = "") {
        ShowCharacter(g, text);
        BuildTermView(g);
        return g.windows.TermWindow.Label[n];
    }
};
}  // namespace

TEST(Display, HistoryLinesAndTermHeadings) {
    DisplayGame t;
    ShowHistory(t.g.windows);
    BuildTermView(t.g);
    EXPECT_EQ(t.g.windows.TermWindow.History, (std::vector<std::string>{"Term: 1 Army Infantry"}));
    t.g.career.Character.CurLine = 1;
    AddHistory(t.g, "Raid");
    BuildTermView(t.g);
    AddHistory(t.g, "Raid");
    BuildTermView(t.g);
    EXPECT_EQ(t.g.windows.TermWindow.Log, "Raid\r\nRaid\r\n");
    t.g.career.Character.CurTerm = 2;
    t.g.career.Character.TermLog[2].Title = "Infantry";
    ShowHistory(t.g.windows);
    BuildTermView(t.g);
    EXPECT_EQ(t.g.windows.TermWindow.History,
              (std::vector<std::string>{"Term: 1 Army Infantry", "    Raid Raid ", "    ",
                                        "Term: 2 Infantry", "    "}));
}

TEST(Display, CharacterLinesAndRanks) {
    DisplayGame t;
    EXPECT_EQ(t.Shown(3, "  "), "STR: 0 DEX: -99 ");
    const auto& w = t.g.windows.TermWindow;  // a blank text adds nothing to the log
    EXPECT_EQ(
        std::tie(w.Log, w.Label[2], w.Label[4], w.Label[5]),
        std::make_tuple("", "Humans Infantry", "HP: 99 TL: 12 Age: 18", "T 1 Y 0 Private (E1)"));
    std::tie(LoadedRules(t.g).Race.Code, t.g.career.Character.SocialClass,
             LoadedRules(t.g).Service.Type, t.g.career.Character.Clearance) =
        std::tuple(12, "W", "SORAG", "3");
    EXPECT_EQ(t.Shown(3), "STR: 0 DEX: -99  (Well-Born) Clearance: C");

    // Merchants show what the next rank needs.
    std::tie(LoadedRules(t.g).Service.Type, t.g.career.Character.Rank,
             t.g.career.Character.CurTerm) = std::tuple("Merchant", 0, 3);
    EXPECT_EQ(t.Shown(5), "T 3 Y 0 Enlisted (E3) Next req: Commission");
    t.g.career.Character.Rank = 1;
    LoadedRules(t.g).Service.Qualif.Edit()[2] = "O2 exam=Edu 8+";
    EXPECT_EQ(t.Shown(5), "T 3 Y 0 Private (E1) Next req: Edu 8+");
    LoadedRules(t.g).Service.Qualif.Edit()[2] = "";
    EXPECT_EQ(t.Shown(5), "T 3 Y 0 Private (E1) Next req: (n/a)");

    DisplayGame d;  // race 8's rank follows the term
    std::tie(LoadedRules(d.g).Race.Code, LoadedRules(d.g).Race.Name, d.g.career.Character.CurTerm) =
        std::tuple(8, "Droyne Leader", 4);
    const int fileTop = d.g.rules.Service.MaxRank;
    EXPECT_EQ(d.Shown(5), "T 4 Y 0 Rank-3 (O3)");
    // The ranks are the career's: the service as loaded keeps its own.
    EXPECT_EQ(std::make_tuple(d.g.career.Character.Rank, TopRankOf(d.g), RankCodeOf(d.g, 3)),
              std::make_tuple(3, 3, "O3"));
    EXPECT_EQ(d.g.rules.Service.MaxRank, fileTop);
}

// The view is built only when asked for, and only when something changed;
// a question asked through the game's Ui finds it built already.
TEST(Display, TheViewIsBuiltBeforeTheNextQuestion) {
    struct Watching : ScriptedUi {
        Game* game = nullptr;
        std::string skillsSeen;
        bool YesNo(const std::string& text, const std::string& title, bool defaultYes,
                   MsgIcon icon) override {
            for (const auto& item : game->windows.TermWindow.Skills) skillsSeen += item.Text + ";";
            return ScriptedUi::YesNo(text, title, defaultYes, icon);
        }
    } face;
    ScriptedDice dice;
    Game g(face, dice);
    face.game = &g;
    LoadedRules(g).Race.NumStats = 0;
    EXPECT_TRUE(BuildTermView(g));
    EXPECT_FALSE(BuildTermView(g));  // nothing changed since
    AddSkill(g, "Admin-1");
    EXPECT_TRUE(g.windows.TermWindow.Skills.empty());  // not built yet
    face.Answer("Y");
    g.ui.YesNo("Go on?", "T", true, MsgIcon::None);
    EXPECT_EQ(face.skillsSeen, "Admin-1;");

    // A batch's face draws nothing: the view is never built for it.
    AutoUi batch;
    Game game(batch, dice);
    AddSkill(game, "Admin-1");
    game.ui.YesNo("Go on?", "T", true, MsgIcon::None);
    EXPECT_TRUE(game.windows.TermWindow.Stale);
}

TEST(Display, SkillsByNameOrValue) {
    DisplayGame t;
    t.g.career.Character.Skills[1] = {"Pilot", 2};
    t.g.career.Character.Skills[2] = {"Admin", 10};
    t.g.career.Character.Skills[3] = {"brawling", 2};
    const auto shown = [&] {
        ShowSkills(t.g.windows);
        BuildTermView(t.g);
        std::string texts;
        for (const auto& item : t.g.windows.TermWindow.Skills)
            texts += item.Text + "(" + std::to_string(item.Tag) + ") ";
        return texts;
    };
    // By name, whatever the letter case; by value as numbers, 10 after 2.
    EXPECT_EQ(shown(), "Admin-10(2) brawling-2(3) Pilot-2(1) ");
    t.g.career.Character.Options[OptSortSkills] = OptOn;
    EXPECT_EQ(shown(), "2 brawling(3) 2 Pilot(1) 10 Admin(2) ");
}

TEST(Dialogs, PickListChecksAndMarks) {
    PickListModel list;
    PickListAdd(list, "school");
    PickListAdd(list, "Medical School");
    PickListAdd(list, "Army");
    EXPECT_EQ(list.Items[0].Text, "Army");  // shown sorted
    EXPECT_EQ(PickListOkCheck(list), "No items selected");
    list.MinText = "0";
    EXPECT_EQ(PickListOkCheck(list), "No items selected");
    list.MinText = "1";
    list.Selected[0] = true;
    PickListMatchMark(list, "sch");
    EXPECT_EQ(list.Selected, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(PickListOkCheck(list), "Too many items selected; limit is 1");
    list.MaxText = "3";
    list.MinText = "4";
    EXPECT_EQ(PickListOkCheck(list), "Too few items selected; minimum is 4");
    list.Current = 1;
    PickListCancel(list);
    EXPECT_EQ(list.Selected, (std::vector<bool>{false, false, false}));
    EXPECT_EQ(list.Current, -1);
}

TEST(Dialogs, MessageLogIsNumbered) {
    TestGame t;
    t.ui.Answer({"<cancel>"});
    ShowMessageLog(t.g);
    ASSERT_EQ(t.g.windows.Slist1.Items.size(), 1u);
    EXPECT_EQ(t.g.windows.Slist1.Items[0].Text, "0001  ");
    for (int i = 1; i <= 12; ++i)
        t.g.windows.TermWindow.Log += "Message " + std::to_string(i) + "\r\n";
    t.ui.Answer({"<cancel>"});
    ShowMessageLog(t.g);
    ASSERT_EQ(t.g.windows.Slist1.Items.size(), 13u);
    EXPECT_EQ(std::tie(t.g.windows.Slist1.Items[9].Text, t.g.windows.Slist1.Items[12].Text,
                       t.g.windows.Slist1.Prompt),
              std::make_tuple("0010  Message 10", "0013  ", "Message log to date"));
}

TEST(MainWindow, TypedCharacteristicsAndTechLevel) {
    TestGame t;
    LoadedRules(t.g).Race.NumStats = 3;
    std::tie(LoadedRules(t.g).Race.StatName[1], LoadedRules(t.g).Race.StatName[2],
             LoadedRules(t.g).Race.StatName[3]) = std::tuple("STR", "DEX", "END");
    LoadedRules(t.g).Race.StatDice[1] = LoadedRules(t.g).Race.StatDice[2] =
        LoadedRules(t.g).Race.StatDice[3] = 2;
    t.g.career.Character.Stats[2] = 9;
    t.ui.Answer({"12abc", "<cancel>", "99999999999999999999"});  // a leading number counts
    Form1TypeStats(t.g);
    // A cancelled answer keeps the value; a huge one stops at the most a value holds.
    EXPECT_EQ(std::tie(t.g.career.HandEntered, t.g.windows.Form1.StatsText),
              std::make_tuple("E", "STR: 12\r\nDEX: 9\r\nEND: 32767\r\n"));
    t.ui.Answer({"letters", "<cancel>"});
    Form1TypeTechLevel(t.g);
    Form1TypeTechLevel(t.g);
    EXPECT_EQ(t.g.career.Character.TechLevel, 0);
    EXPECT_TRUE(t.ui.SawMessage("\"letters\" holds no number: the tech level is set to 0."));
    EXPECT_EQ(t.ui.messages.size(), 1u);  // "12abc" and the huge number hold one
    EXPECT_FALSE(Form1Accept(t.g));
    EXPECT_TRUE(t.ui.SawMessage("You have to select a service and branch!"));
    Form1SetVilaniLevel(t.g.career, 5);
    Form1SetVilaniLevel(t.g.career, 1);
    EXPECT_EQ(t.g.career.VilaniLevel, 1);
    const CharacterRecord before = t.g.career.Character;
    Form1LoadTrg(t.g);
    EXPECT_EQ(t.g.career.Character, before);
}
