// One whole military career from acceptance to mustering out, checked
// against its full history: the seeded dice and the batch answer policy
// make every year repeatable.
#include <gtest/gtest.h>

#include "career/Driver.h"
#include "model/Display.h"
#include "model/Generate.h"
#include "startup/Cascades.h"
#include "startup/Main.h"
#include "support/TestGame.h"
#include "ui/AutoUi.h"

using namespace orrimar;

namespace {

std::string History(Game& g) {
    ShowHistory(g);
    BuildTermView(g);
    std::string text;
    for (const auto& line : g.TermWindow.History) text += line + "\n";
    return text;
}

int Find(const ChoiceList& list, const std::string& key) {
    for (size_t i = 0; i < list.Entries.size(); ++i)
        if (list.Entries[i].Key == key) return static_cast<int>(i);
    return -1;
}

// The batch's answers on a face that shows the term window, whose message
// log is kept only for a face that shows it.
struct ShownAutoUi : AutoUi {
    bool ShowsViews() const override { return true; }
};

}  // namespace

TEST(CareerHistory, ImperialArmyInfantryFromAcceptanceToMusteringOut) {
    ShownAutoUi ui;
    ui.TargetTerms = 4;
    SeededDice dice(20261206);
    Game g(ui, dice);
    ui.game = &g;
    SetAppTitle(g);
    FillTables(g);
    g.DataLoc = SampleDataDir();
    ASSERT_EQ(LoadCascades(g), "");
    ASSERT_EQ(LoadCoyns(g), "");
    ListRaces(g);
    g.Character.Options[OptAutoGen] = OptOn;
    g.Character.Options[OptCapSkills] = OptOn;
    SelectRace(g, Find(g.RaceList, "IMPERIAL.ERI"));
    SelectService(g, Find(g.ServiceList, "ARMY.SRV"));
    SelectBranch(g, Find(g.BranchList, "ARMYINF"));
    Generate(g);
    g.StartCharacter = g.Character;
    ASSERT_EQ(PlayCareer(g), CareerEnd::Finished);
    EXPECT_EQ(History(g),
              "Term: 1 Army Infantry\n"
              "    Military Academy - failed Police Action E2 \n"
              "    Field Exercise E3 \n"
              "    Garrison \n"
              "    Battle Valour Citation E4 \n"
              "Term: 2 Infantry\n"
              "    Field Exercise \n"
              "    Police Action \n"
              "    CtrIns \n"
              "    Battle Wnd (leg) Valour Citation E5 \n"
              "Term: 3 Infantry\n"
              "    Battle Star of Courage \n"
              "    Raid Valour Citation \n"
              "    Raid E6 \n"
              "    Garrison E7 \n"
              "Term: 4 Infantry\n"
              "    CtrIns \n"
              "    Field Exercise \n"
              "    Peacekeeping \n"
              "    Police Action \n");
    const auto& c = g.Character;
    // Stepped back to the last year served before mustering out.
    EXPECT_EQ(c.CurTerm, 4);
    EXPECT_EQ(c.CurLine, 4);
    EXPECT_EQ(c.Rank, 7);
    EXPECT_EQ(c.Medals[0], 1);  // the wound
    EXPECT_EQ(c.Medals[1], 3);
    EXPECT_EQ(c.Medals[2], 1);
    EXPECT_EQ(c.BenefitRolls, 4);
    EXPECT_EQ(c.Money, 27000);
    EXPECT_EQ(c.Pension, 4000);
    // The message log: the year's events, the separators when a term's last
    // year begins, aging, and the mustering-out gains.
    const std::string& log = g.TermWindow.Log;
    for (const char* part : {"End of term 3 ---------------------------\r\nGarrison\r\nE7\r\n",
                             "Aging rolls:\r\n-1 Dex\r\n-1 End\r\nPolice Action\r\n",
                             "Mustering out...\r\n+1 Int\r\n"})
        EXPECT_NE(log.find(part), std::string::npos) << part;
    EXPECT_TRUE(ui.Messages.empty());
}
