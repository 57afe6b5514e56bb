// The history log, the character display and the choice dialogs' logic.

#include "model/Display.h"
#include "model/Skills.h"
#include "support/TestGame.h"
#include "ui/AutoUi.h"
#include "ui/Dialogs.h"
#include "ui/MainWindow.h"

using namespace orrimar;

namespace {
struct DisplayGame : TestGame {
    DisplayGame() {
        auto& r = g.Race;
        auto& c = g.Character;
        std::tie(r.Name, r.NumStats, r.StatName[1], r.StatName[2], r.YearsPerTerm) =
            std::tuple("Humans", 2, "STR", "DEX", 2);
        std::tie(g.Service.Name, g.Service.BranchName, g.Service.RankCode[1],
                 g.Service.RankName[1]) = std::tuple("Army", "Infantry", " E1 ", "Private ");
        std::tie(c.Stats[1], c.Stats[2], c.Rank, c.CurTerm, c.TermLog[1].Title, c.TechLevel,
                 c.Age) = std::tuple(0, 33, 1, 1, "Army Infantry", 12, 18);
    }
    // The character shown afresh: the term window's label `n`.
    std::string Shown(int n, const std::string& text = "") {
        ShowCharacter(g, text);
        BuildTermView(g);
        return g.TermWindow.Label[n];
    }
};
}  // namespace

TEST(Display, HistoryLinesAndTermHeadings) {
    DisplayGame t;
    ShowHistory(t.g);
    BuildTermView(t.g);
    EXPECT_EQ(t.g.TermWindow.History, (std::vector<std::string>{"Term: 1 Army Infantry"}));
    t.g.Character.CurLine = 1;
    AddHistory(t.g, "Raid");
    BuildTermView(t.g);
    AddHistory(t.g, "Raid");
    BuildTermView(t.g);
    EXPECT_EQ(t.g.Character.TermLog[1].Lines[1], "Raid Raid ");
    EXPECT_EQ(t.g.TermWindow.Log, "Raid\r\nRaid\r\n");
    t.g.Character.CurTerm = 2;
    t.g.Character.TermLog[2].Title = "Infantry";
    ShowHistory(t.g);
    BuildTermView(t.g);
    EXPECT_EQ(t.g.TermWindow.History,
              (std::vector<std::string>{"Term: 1 Army Infantry", "    Raid Raid ", "    ",
                                        "Term: 2 Infantry", "    "}));
}

TEST(Display, CharacterLinesAndRanks) {
    DisplayGame t;
    EXPECT_EQ(t.Shown(3, "  "), "STR: 0 DEX: -99 ");
    const auto& w = t.g.TermWindow;  // a blank text adds nothing to the log
    EXPECT_EQ(std::tie(w.Log, w.Label[2], w.Label[4], w.Label[5], t.g.Service.RankCode[1]),
              std::make_tuple("", "Humans Infantry", "HP: 99 TL: 12 Age: 18",
                              "T 1 Y 0 Private (E1)", "E1"));
    std::tie(t.g.Race.Code, t.g.Character.SocialClass, t.g.Service.Type, t.g.Character.Clearance) =
        std::tuple(12, "W", "SORAG", "3");
    EXPECT_EQ(t.Shown(3), "STR: 0 DEX: -99  (Well-Born) Clearance: C");

    // Merchants show what the next rank needs.
    std::tie(t.g.Service.Type, t.g.Character.Rank, t.g.Character.CurTerm) =
        std::tuple("Merchant", 0, 3);
    EXPECT_EQ(t.Shown(5), "T 3 Y 0 Enlisted (E3) Next req: Commission");
    t.g.Character.Rank = 1;
    t.g.Service.Qualif.Edit()[2] = "O2 exam=Edu 8+";
    EXPECT_EQ(t.Shown(5), "T 3 Y 0 Private (E1) Next req: Edu 8+");
    t.g.Service.Qualif.Edit()[2] = "";
    EXPECT_EQ(t.Shown(5), "T 3 Y 0 Private (E1) Next req: (n/a)");

    DisplayGame d;  // race 8's rank follows the term
    std::tie(d.g.Race.Code, d.g.Race.Name, d.g.Character.CurTerm) =
        std::tuple(8, "Droyne Leader", 4);
    EXPECT_EQ(d.Shown(5), "T 4 Y 0 Rank-3 (O3)");
    EXPECT_EQ(std::tie(d.g.Character.Rank, d.g.Service.MaxRank, d.g.Service.RankCode[3]),
              std::make_tuple(3, 3, "O3"));
}

// The view is built only when asked for, and only when something changed;
// a question asked through the game's Ui finds it built already.
TEST(Display, TheViewIsBuiltBeforeTheNextQuestion) {
    struct Watching : ScriptedUi {
        Game* game = nullptr;
        std::string skillsSeen;
        bool YesNo(const std::string& text, const std::string& title, bool defaultYes,
                   MsgIcon icon) override {
            for (const auto& item : game->TermWindow.Skills) skillsSeen += item.Text + ";";
            return ScriptedUi::YesNo(text, title, defaultYes, icon);
        }
    } face;
    ScriptedDice dice;
    Game g(face, dice);
    face.game = &g;
    g.Race.NumStats = 0;
    EXPECT_TRUE(BuildTermView(g));
    EXPECT_FALSE(BuildTermView(g));  // nothing changed since
    AddSkill(g, "Admin-1");
    EXPECT_TRUE(g.TermWindow.Skills.empty());  // not built yet
    face.Answer("Y");
    g.ui.YesNo("Go on?", "T", true, MsgIcon::None);
    EXPECT_EQ(face.skillsSeen, "Admin-1;");

    // A batch's face draws nothing: the view is never built for it.
    AutoUi batch;
    Game game(batch, dice);
    AddSkill(game, "Admin-1");
    game.ui.YesNo("Go on?", "T", true, MsgIcon::None);
    EXPECT_TRUE(game.TermWindow.Stale);
}

TEST(Display, SkillsByNameOrValueAndMoney) {
    DisplayGame t;
    t.g.Character.Skills[1] = {"Pilot", 2};
    t.g.Character.Skills[2] = {"Admin", 10};
    t.g.Character.Skills[3] = {"brawling", 2};
    const auto shown = [&] {
        ShowSkills(t.g);
        BuildTermView(t.g);
        std::string texts;
        for (const auto& item : t.g.TermWindow.Skills)
            texts += item.Text + "(" + std::to_string(item.Tag) + ") ";
        return texts;
    };
    // By name, whatever the letter case; by value as numbers, 10 after 2.
    EXPECT_EQ(shown(), "Admin-10(2) brawling-2(3) Pilot-2(1) ");
    t.g.Character.Options[OptSortSkills] = OptOn;
    EXPECT_EQ(shown(), "2 brawling(3) 2 Pilot(1) 10 Admin(2) ");

    t.g.Character.Money = 1234567;
    std::tie(t.g.Character.Benefits[1], t.g.Character.BenefitCount[1]) = std::tuple("Blade", 2);
    std::tie(t.g.Character.Benefits[3], t.g.Character.BenefitCount[3]) = std::tuple("Passage", 1);
    ClearTermWindow(t.g);
    ShowMoney(t.g);
    EXPECT_EQ(t.g.TermWindow.Label[1],
              "Current money: Cr1,234,567\r\nMaterial benefits: Blade-2, Passage, ");
}

// A list of one entry opens with it chosen: OK alone takes it.
TEST(Dialogs, TheOnlyEntryOfAPickListIsChosen) {
    DisplayGame t;
    PickListClear(t.g.Slist1);
    PickListAdd(t.g.Slist1, "Sample.htm");
    t.ui.Answer("");  // OK as the window opened
    ShowPickList(t.g);
    ASSERT_EQ(PickListSelection(t.g.Slist1).size(), 1u);
    EXPECT_EQ(PickListOkCheck(t.g.Slist1), "");
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
    ASSERT_EQ(t.g.Slist1.Items.size(), 1u);
    EXPECT_EQ(t.g.Slist1.Items[0].Text, "0001  ");
    for (int i = 1; i <= 12; ++i) t.g.TermWindow.Log += "Message " + std::to_string(i) + "\r\n";
    t.ui.Answer({"<cancel>"});
    ShowMessageLog(t.g);
    ASSERT_EQ(t.g.Slist1.Items.size(), 13u);
    EXPECT_EQ(std::tie(t.g.Slist1.Items[9].Text, t.g.Slist1.Items[12].Text, t.g.Slist1.Prompt),
              std::make_tuple("0010  Message 10", "0013  ", "Message log to date"));
}

TEST(MainWindow, TypedCharacteristicsAndTechLevel) {
    TestGame t;
    t.g.Race.NumStats = 3;
    std::tie(t.g.Race.StatName[1], t.g.Race.StatName[2], t.g.Race.StatName[3]) =
        std::tuple("STR", "DEX", "END");
    t.g.Race.StatDice[1] = t.g.Race.StatDice[2] = t.g.Race.StatDice[3] = 2;
    t.g.Character.Stats[2] = 9;
    t.ui.Answer({"12abc", "<cancel>", "99999999999999999999"});
    Form1TypeStats(t.g);
    // A cancelled answer keeps the value; a huge one stops at the most a value holds.
    EXPECT_EQ(std::tie(t.g.HandEntered, t.g.Form1.StatsText),
              std::make_tuple("E", "STR: 12\r\nDEX: 9\r\nEND: 32767\r\n"));
    t.ui.Answer({"letters", "<cancel>"});
    Form1TypeTechLevel(t.g);
    Form1TypeTechLevel(t.g);
    EXPECT_EQ(t.g.Character.TechLevel, 0);
    EXPECT_FALSE(Form1Accept(t.g));
    EXPECT_TRUE(t.ui.SawMessage("You have to select a service and branch!"));
    Form1SetVilaniLevel(t.g, 5);
    Form1SetVilaniLevel(t.g, 1);
    EXPECT_EQ(t.g.VilaniLevel, 1);
    const CharacterRecord before = t.g.Character;
    Form1LoadTrg(t.g);
    EXPECT_EQ(t.g.Character, before);
}
