

#include "career/Transfer.h"
#include "career/TransferRank.h"
#include "model/Display.h"
#include "support/TestGame.h"
#include "text/Text.h"

using namespace orrimar;

namespace {

// The sample Imperial Army's Infantry as term 2 begins.
struct TransferGame : TestGame {
    CharacterRecord& c = g.career.Character;

    TransferGame() {
        LoadData(SampleDataDir());
        Pick("Imperial", "Imperial Army", "Infantry");
        c.CurTerm = 2;
        c.TermLog[2].Title = g.rules.Service.BranchName;
        ShowCharacter(g, "");  // as in a career: the display tidies the rank codes
    }
    // The place of a service in the sorted dialog, as its answer.
    std::string Place(const std::string& service) const {
        int n = 1;
        for (const auto& e : g.windows.ServiceList.Entries) n += e.Display < service;
        return std::to_string(n);
    }
    // The dialog's last items, the selected service and branch, the term title.
    std::string State() const {
        std::string out;
        for (const auto& item : g.windows.Slist1.Items) out += item.Text + "/";
        const auto* branch = g.windows.BranchList.Current();
        return out + " " + g.windows.ServiceList.Entries.at(g.windows.ServiceList.Selected).Key +
               " " + (branch ? branch->Key : "-") + " " + c.TermLog[2].Title;
    }
};

}  // namespace

// Without "Allow any transfer" only the branch question comes, the current one
// refused; "/TN1" is offered, unmarked, once tag 1 (no other) opens. With it, a
// new service without a branch is undone; the current one is refused.
TEST(Transfer, BranchThenServiceChange) {
    TransferGame t;
    t.c.BranchOpen[2] = 1;
    t.ui.Answer({"3", "1"});
    TransferService(t.g);
    EXPECT_EQ(t.ui.messages, std::vector<std::string>{"Can't transfer to current branch!"});
    EXPECT_EQ(t.State(),
              "Armoured Cavalry/Artillery/Infantry/Support Corps/ ARMY.SRV ARMYARM "
              "Transferred to Armoured Cavalry");
    t.c.BranchOpen[1] = 1;
    t.ui.Answer("3");
    TransferService(t.g);
    EXPECT_EQ(t.State(),
              "Armoured Cavalry/Artillery/Commando/Infantry/Support Corps/ ARMY.SRV "
              "ARMYCDO Transferred to Commando");

    t.c.Options[OptAnyTransfer] = OptOn;
    const ServiceRecord before = t.g.rules.Service;
    const std::string navy = t.Place("Imperial Navy");
    const std::string branches = "Engineering Branch/Flight Wing/Line Fleet/Medical Service/ ";
    t.ui.Answer({"Y", navy, "<cancel>"});
    TransferService(t.g);
    EXPECT_EQ(t.g.rules.Service, before);
    EXPECT_TRUE(t.g.rules.StatsNamed ==
                NamedInTables(t.g.rules.Race, before));       // what skill rolls test
    EXPECT_EQ(t.g.rules.ServiceAsLoaded->Type, before.Type);  // later branches start from the Army
    EXPECT_EQ(t.State(), branches + "ARMY.SRV ARMYCDO Transferred to Commando");
    t.ui.Answer({"Y", t.Place("Imperial Army"), navy, "2"});
    TransferService(t.g);
    EXPECT_TRUE(t.ui.SawMessage("Can't transfer to current service!"));
    EXPECT_EQ(t.ui.shown.at(4).Text, "Change Service from Army");
    EXPECT_EQ(t.State(), branches + "NAVY.SRV NAVYFLT Transferred to Flight Wing");
    EXPECT_TRUE(Contains(t.g.windows.TermWindow.Log, "Transferred service to Navy"));
}

// A rank the new service has on the same side is kept; otherwise the grade
// on that side carries over (the first officer rank to the first officer
// rank), and a merchant officer is commissioned. The change is logged.
TEST(Transfer, TheRankMovesIntoTheNewService) {
    TransferGame t;
    auto load = [&](const char* file) {
        ServiceRecord s;
        DataProblem problem;
        EXPECT_TRUE(ReadServiceFile(SampleDataDir() + file, s, problem)) << problem.Text();
        NameRankZero(s);
        return s;
    };
    const ServiceRecord army = load("ARMY.SRV"), merchant = load("MERCHANT.SRV"),
                        navy = load("NAVY.SRV");
    const struct {
        const ServiceRecord &from, &to;
        int rank, expected;
    } moves[] = {
        {army, merchant, 10, 1},  // O1 Second Lieutenant -> O1 Fourth Officer
        {army, merchant, 17, 7},  // O8 past the merchants' top -> O7
        {army, merchant, 4, 0},   // E4 -> the merchants' only enlisted rank
        {merchant, army, 3, 12},  // O3 Second Officer -> O3 Captain
        {merchant, army, 0, 1},   // Enlisted -> E1
        {army, navy, 4, 4},       // E4 is E4
    };
    for (const auto& m : moves)
        EXPECT_EQ(TransferredRank(m.from, m.rank, m.to), m.expected) << m.rank;

    t.c.Rank = 10;
    t.c.Options[OptAnyTransfer] = OptOn;
    t.ui.Answer({"Y", t.Place("Merchant Service"), "1"});
    TransferService(t.g);
    EXPECT_EQ(std::tie(t.g.rules.Service.Name, t.c.Rank, t.c.Commissioned),
              std::make_tuple("Merchant Service", 1, 1));
    EXPECT_TRUE(Contains(CurrentYearLine(t.g.career), "Rank now O1"))
        << CurrentYearLine(t.g.career);
}
