// Service and branch transfer between terms: the option that allows a new
// service, the branch list with its "/TN" branches, the repeated questions,
// broken files, and the term title.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "career/Driver.h"
#include "career/Transfer.h"
#include "model/Display.h"
#include "model/Text.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

struct Branch {
    std::string Key, Display, Name;  // no Name: the file has no section for it
};

// A quiet service: one assignment every year, always survived, never
// promoted, decorated or trained.
std::vector<std::string> ServiceFile(const std::string& name, const std::vector<Branch>& branches) {
    std::vector<std::string> s = {name, "type=TESTERS", "reenlist=2", "[FILES]"};
    for (const auto& b : branches) s.push_back(b.Key + "=" + b.Display);
    for (const char* line : {"[RANKS]", "Max=2", "E1=Private", "E2=Corporal", "[SKILL TABLES]",
                             "Basic", "Eli      All", "Max=1", "Admin", "[MUSTER]", "Mat=1",
                             "Low Passage", "Csh=6", "1000,1000,1000,1000,1000,1000"})
        s.push_back(line);
    for (const auto& b : branches) {
        if (b.Name.empty()) continue;
        for (const std::string& line :
             {"*" + b.Key, b.Name, std::string("x"), std::string("First=2"), std::string("Lst=12")})
            s.push_back(line);
        for (int k = 2; k <= 12; ++k) s.push_back("Patrol");
        for (const char* line :
             {"x", "A=Patrol", "Surv=0", "Deco=99", "Prom=13", "Skil=13", "[END OF BRANCH]"})
            s.push_back(line);
    }
    s.push_back("[END OF FILE]");
    return s;
}

// The service list shows, sorted: Alpha, Beta, Broken, Gamma. Alpha's
// branch list: "Branch one", "Branch two", "Broken branch" and, once
// opened, "Secret".
struct TransferGame : TestGame {
    TempDir data;
    CharacterRecord& c = g.Character;

    TransferGame() {
        data.Write("TESTERS.ERI", {"Testers", "Type=1", "yearsperterm=2", "baseage=18", "ageat=90",
                                   "[STATS]", "STR=2D", "DEX=2D", "END=2D", "INT=2D", "EDU=2D",
                                   "SOC=2D", "[FILES]", "A.SRV=Alpha Service", "B.SRV=Beta Service",
                                   "G.SRV=Gamma Service", "BAD.SRV=Broken Service"});
        data.Write("A.SRV", ServiceFile("Alpha Service", {{"ONE", "Branch one", "Alpha one"},
                                                          {"TWO", "Branch two", "Alpha two"},
                                                          {"SEC", "Secret/TN3", "Secret ops"},
                                                          {"GONE", "Broken branch", ""}}));
        data.Write("B.SRV", ServiceFile("Beta Service", {{"B1", "Beta one", "Beta first"},
                                                         {"B2", "Beta two", "Beta second"}}));
        data.Write("G.SRV", ServiceFile("Gamma Service", {{"G1", "Gamma only", "Gamma corps"}}));
        data.Write("BAD.SRV", {"Broken Service", "[FILES]", "X=Nothing", "[MUSTER]"});
        data.Write("cascade.dat", {"VEHICLE/Car", "GUN COMBAT/Rifle", "* END *"});
        data.Write("COYNS.DAT", std::vector<std::string>(36, "COIN"));
        LoadData(data.Path());
        Pick("Testers", "Alpha Service", "Branch one");
        // Term 2 has just begun, titled by the branch in force.
        c.CurTerm = 2;
        c.CurLine = 1;
        c.TermLog[2].Title = g.Service.BranchName;
        ShowCharacter(g, "");  // as in a career: the display tidies the rank codes
    }

    std::vector<std::string> Items() const {
        std::vector<std::string> out;
        for (const auto& item : g.Slist1.Items) out.push_back(item.Text);
        return out;
    }
    std::string SelectedKey(const ChoiceList& list) const {
        return list.Current() ? list.Current()->Key : "(none)";
    }
    std::vector<std::string> Kinds() const {
        std::vector<std::string> out;
        for (const auto& s : ui.shown) out.push_back(s.Kind + ":" + s.Text);
        return out;
    }
    void ExpectAllAnswered() const { EXPECT_EQ(ui.AnswersLeft(), 0u) << "answers left over"; }
};

using Strings = std::vector<std::string>;

}  // namespace

// Without "Allow any transfer" no service question is asked: the branch
// list comes at once, without the closed "/TN" branch.
TEST(Transfer, BranchChangeOnlyWithoutTheOption) {
    TransferGame t;
    t.ui.Answer("2");
    TransferService(t.g);
    t.ExpectAllAnswered();
    EXPECT_EQ(t.Kinds(), Strings{"picklist:Select new branch"});
    EXPECT_EQ(t.Items(), (Strings{"Branch one", "Branch two", "Broken branch"}));
    EXPECT_EQ(t.g.Slist1.MaxText, "1");
    EXPECT_EQ(t.g.Slist1.MinText, "1");
    EXPECT_EQ(t.g.Service.BranchName, "Alpha two");
    EXPECT_EQ(t.g.Service.Name, "Alpha Service");
    EXPECT_EQ(t.SelectedKey(t.g.BranchList), "TWO");
    EXPECT_EQ(t.c.TermLog[2].Title, "Transferred to Alpha two");
    EXPECT_TRUE(Contains(t.g.TermWindow.Log, "Transferred to Alpha two"));
    EXPECT_TRUE(t.g.Form1.AcceptEnabled);
}

// The current branch is refused until another is chosen, or the window is
// closed, which leaves everything as it was.
TEST(Transfer, CurrentBranchAsksAgain) {
    {
        TransferGame t;
        t.ui.Answer({"1", "1", "2"});
        TransferService(t.g);
        t.ExpectAllAnswered();
        EXPECT_EQ(t.ui.messages, (Strings{"Can't transfer to current branch!",
                                          "Can't transfer to current branch!"}));
        EXPECT_EQ(t.g.Service.BranchName, "Alpha two");
    }
    {
        TransferGame t;
        t.ui.Answer({"1", "<cancel>"});
        TransferService(t.g);
        t.ExpectAllAnswered();
        EXPECT_EQ(t.g.Service.BranchName, "Alpha one");
        EXPECT_EQ(t.SelectedKey(t.g.BranchList), "ONE");
        EXPECT_EQ(t.c.TermLog[2].Title, "Alpha one");
        EXPECT_FALSE(Contains(t.g.TermWindow.Log, "Transferred"));
    }
}

// A "/TN3" branch is offered once an event opened tag 3 (another tag does
// not do), or under "Allow any transfer", and then without its marker.
TEST(Transfer, MarkedBranchOnlyWhenOpened) {
    {
        TransferGame t;
        t.c.BranchOpen[2] = 1;
        t.ui.Answer("<cancel>");
        TransferService(t.g);
        EXPECT_EQ(t.Items(), (Strings{"Branch one", "Branch two", "Broken branch"}));
    }
    {
        TransferGame t;
        t.c.BranchOpen[3] = 1;
        t.ui.Answer("4");
        TransferService(t.g);
        t.ExpectAllAnswered();
        EXPECT_EQ(t.Items(), (Strings{"Branch one", "Branch two", "Broken branch", "Secret"}));
        EXPECT_EQ(t.g.Service.BranchName, "Secret ops");
        EXPECT_EQ(t.SelectedKey(t.g.BranchList), "SEC");
        EXPECT_EQ(t.c.TermLog[2].Title, "Transferred to Secret ops");
    }
    {
        TransferGame t;
        t.c.Options[OptAnyTransfer] = OptOn;
        t.ui.Answer({"N", "<cancel>"});
        TransferService(t.g);
        t.ExpectAllAnswered();
        EXPECT_EQ(t.Items(), (Strings{"Branch one", "Branch two", "Broken branch", "Secret"}));
    }
}

// A branch the file lacks is reported by the loader; the loaded branch
// stays, stays selected, and the question repeats.
TEST(Transfer, BrokenBranchKeepsTheCurrentOne) {
    TransferGame t;
    t.ui.Answer({"3", "<cancel>"});
    TransferService(t.g);
    t.ExpectAllAnswered();
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_TRUE(Contains(t.ui.messages[0], "This branch cannot be used."));
    EXPECT_TRUE(Contains(t.ui.messages[0], "A.SRV"));
    EXPECT_EQ(t.g.Service.BranchName, "Alpha one");
    EXPECT_EQ(t.SelectedKey(t.g.BranchList), "ONE");
    EXPECT_EQ(t.c.TermLog[2].Title, "Alpha one");
    EXPECT_TRUE(t.g.Form1.AcceptEnabled);
}

// With the option: the service question ("No" by default), the current
// service refused, then the new service's branches offered.
TEST(Transfer, ServiceChangeThenItsBranches) {
    TransferGame t;
    t.c.Options[OptAnyTransfer] = OptOn;
    t.ui.Answer({"Y", "1", "2", "2"});
    TransferService(t.g);
    t.ExpectAllAnswered();
    EXPECT_EQ(t.Kinds(),
              (Strings{"yesno:Change Service from Alpha Service", "picklist:Select new service",
                       "message:Can't transfer to current service!", "picklist:Select new service",
                       "picklist:Select new branch"}));
    EXPECT_EQ(t.Items(), (Strings{"Beta one", "Beta two"}));
    EXPECT_EQ(t.g.Service.Name, "Beta Service");
    EXPECT_EQ(t.g.Service.BranchName, "Beta second");
    EXPECT_EQ(t.SelectedKey(t.g.ServiceList), "B.SRV");
    EXPECT_EQ(t.SelectedKey(t.g.BranchList), "B2");
    EXPECT_EQ(t.c.TermLog[2].Title, "Transferred to Beta second");
    EXPECT_TRUE(Contains(t.g.TermWindow.Log, "Transferred service to Beta Service"));
    EXPECT_TRUE(t.g.Form1.AcceptEnabled);
}

// A service of one branch loads it at once: the term title names it, and
// the branch question that follows can only refuse it or be closed.
TEST(Transfer, ServiceOfOneBranch) {
    TransferGame t;
    t.c.Options[OptAnyTransfer] = OptOn;
    t.ui.Answer({"Y", "4", "1", "<cancel>"});
    TransferService(t.g);
    t.ExpectAllAnswered();
    EXPECT_EQ(t.ui.messages, Strings{"Can't transfer to current branch!"});
    EXPECT_EQ(t.g.Service.Name, "Gamma Service");
    EXPECT_EQ(t.g.Service.BranchName, "Gamma corps");
    EXPECT_EQ(t.c.TermLog[2].Title, "Transferred service to Gamma corps");
}

// A new service whose branch is never chosen has nothing to serve in: the
// character stays in the old service and branch, lists and title included.
TEST(Transfer, NoBranchChosenUndoesTheServiceChange) {
    TransferGame t;
    t.c.Options[OptAnyTransfer] = OptOn;
    const ServiceRecord before = t.g.Service;
    t.ui.Answer({"Y", "2", "<cancel>"});
    TransferService(t.g);
    t.ExpectAllAnswered();
    EXPECT_EQ(t.g.Service, before);
    EXPECT_EQ(t.SelectedKey(t.g.ServiceList), "A.SRV");
    EXPECT_EQ(t.SelectedKey(t.g.BranchList), "ONE");
    EXPECT_EQ(t.c.TermLog[2].Title, "Alpha one");
    EXPECT_TRUE(t.g.Form1.AcceptEnabled);
}

// A broken service file gives the loader's message; the character's service
// and lists stay usable, the service question repeats, and closing it goes
// on to the branch change of the old service.
TEST(Transfer, BrokenServiceKeepsTheCurrentOne) {
    TransferGame t;
    t.c.Options[OptAnyTransfer] = OptOn;
    const ServiceRecord before = t.g.Service;
    t.ui.Answer({"Y", "3", "<cancel>", "2"});
    TransferService(t.g);
    t.ExpectAllAnswered();
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_TRUE(Contains(t.ui.messages[0], "This service file cannot be used."));
    EXPECT_TRUE(Contains(t.ui.messages[0], "BAD.SRV"));
    EXPECT_EQ(t.g.Service.Name, before.Name);
    EXPECT_EQ(t.SelectedKey(t.g.ServiceList), "A.SRV");
    EXPECT_EQ(t.g.Service.BranchName, "Alpha two");
    EXPECT_EQ(t.c.TermLog[2].Title, "Transferred to Alpha two");
}

// "Transfer and re-enlist" at the end of term 1 changes branch; term 2 is
// served and titled in the new branch.
TEST(Transfer, FromTheEndOfTermChoice) {
    TransferGame t;
    t.c.Options[OptAutoGen] = OptOn;
    t.dice.SetFallback(true);
    // No studies; transfer to "Branch two"; muster out after term 2; two
    // financial rolls.
    t.ui.Answer({"1", "2", "2", "3", "1", "1"});
    ASSERT_EQ(PlayCareer(t.g), CareerEnd::Finished);
    t.ExpectAllAnswered();
    EXPECT_EQ(t.c.TermLog[1].Title, "Alpha Service Alpha one");
    EXPECT_EQ(t.c.TermLog[2].Title, "Transferred to Alpha two");
    EXPECT_EQ(t.c.TermLog[2].Lines[2], "Patrol ");
    EXPECT_EQ(t.g.Service.BranchName, "Alpha two");
}
