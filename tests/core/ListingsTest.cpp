// Data listings and the test plan over a small data folder: the listing's
// exact lines, the race and service lists, the cascade page with its
// escaping, the test plan's file and reports, and the _ZIP rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "model/Text.h"
#include "output/Listings.h"
#include "output/TestPlan.h"
#include "startup/Cascades.h"
#include "startup/Files.h"
#include "startup/Race.h"
#include "startup/Service.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

const std::string LongService = "Traders of the Long Road, sailing far               and beyond";
const std::string LongMaterial = "A very long material benefit name that runs past the column";

void WriteData(const TempDir& dir) {
    dir.Write("cascade.dat", {"GUN COMBAT/Handgun/Rifle", "BLADE COMBAT/Dagger & Knife"});
    dir.Write("ALPHA.ERI", {"Alpha folk", "Type=5", "yearsperterm=4", "ageat=34", "baseage=18",
                            "[STATS]", "STR=2D", "DEX=2D+3", "END=1D-2", "SOC=0D", "[NOTES]",
                            "[CASCADES]", "RACE ONE/Alpha<1>/Beta", "[FILES]",
                            "TEST.SRV=Test Service", "MERCH.SRV=" + LongService});
    dir.Write("BETA.ERI",
              {"  Beta people  ", "Type=5", "yearsperterm=3", "ageat=30", "baseage=16", "[STATS]",
               "STR=2D", "Psionic=S", "[CASCADES]", "[FILES]", "TEST.SRV=Test Service"});
    dir.Write("TEST.SRV", {"Test Service",
                           "type=ARMY",
                           "medal1=Bronze Leaf",
                           "medal2=Silver Leaf",
                           "medal3=Gold Leaf",
                           "reenlist=6",
                           "[ACADEMIC]",
                           "College",
                           "Military Academy",
                           "[RANKS]",
                           "Max=2",
                           "E1=Private",
                           "O1=Lieutenant",
                           "[CASCADES]",
                           "SVC ONE/<Gamma>/Delta & Co",
                           "[FILES]",
                           "ONE=Branch One",
                           "TWO=Branch Two",
                           "[SKILL TABLES]",
                           "Personal",
                           "Eli      All",
                           "DM +1TL> 11",
                           "Max=2",
                           "+1 STR",
                           "Brawling",
                           "[MUSTER]",
                           "Mat=3",
                           "Low Passage",
                           "+1 EDU",
                           "Weapon",
                           "Csh=6",
                           "1000,2000,5000",
                           "10000,0,1500000",
                           "[COMMAND]",
                           "Command=8",
                           "*ONE",
                           "Branch One",
                           "Assignments",
                           "First=2",
                           "Lst=3",
                           "Raid",
                           "Patrol",
                           "Assignment throws",
                           "A=Raid",
                           "Surv=5",
                           "Deco=8",
                           "Prom=7",
                           "Skil=6",
                           "A=Patrol",
                           "Surv=4",
                           "Deco=95",
                           "Prom=90",
                           "Skil=89",
                           "[SKILL TABLES]",
                           "Branch table",
                           "Eli      All",
                           "Max=1",
                           "Tactics",
                           "[END OF BRANCH]",
                           "*TWO",
                           "Branch Two",
                           "x",
                           "First=3",
                           "Lst=3",
                           "Guard",
                           "x",
                           "[END OF FILE]"});
    dir.Write("MERCH.SRV", {"Long Road Traders",
                            "type=merchant",
                            "medal1=Bonus x1",
                            "medal2=Bonus x2",
                            "medal3=Bonus x3",
                            "purple=None",
                            "reenlist=4",
                            "[ACADEMIC]",
                            "[RANKS]",
                            "Max=1",
                            "O1=Fourth Officer",
                            "[FILES]",
                            "DECK=Deck",
                            "[SKILL TABLES]",
                            "Ship",
                            "Eli      All",
                            "Max=1",
                            "Steward",
                            "[MUSTER]",
                            "Mat=1",
                            LongMaterial,
                            "Csh=1",
                            "2000",
                            "*DECK",
                            "Deck",
                            "Assignments",
                            "First=2",
                            "Lst=2",
                            "Voyage",
                            "Assignment throws",
                            "A=Voyage",
                            "Surv=3",
                            "Deco=99",
                            "Prom=95",
                            "Skil=90",
                            "[DECK QUALIF]",
                            "O1=6=Automatic-0",
                            "O2=7=Pilot-1",
                            "[END OF FILE]"});
}

struct ListingGame {
    TempDir dir;
    TestGame t;
    ListingGame() {
        WriteData(dir);
        t.g.DataLoc = dir.Path();
        if (std::string e = LoadCascades(t.g); !e.empty()) throw std::runtime_error(e);
        t.dice.SetFallback(true);  // race loads roll characteristics
        ListRaces(t.g);
    }
};

std::vector<std::string> Lines(const std::string& text) {
    EXPECT_TRUE(text.empty() || (text.size() >= 2 && text.substr(text.size() - 2) == "\r\n"))
        << "every line ends with CR LF";
    std::vector<std::string> lines = Split(text, '\n');
    lines.pop_back();  // after the last line end
    for (auto& line : lines) {
        EXPECT_TRUE(!line.empty() && line.back() == '\r');
        if (!line.empty()) line.pop_back();
    }
    return lines;
}

class EnvGuard {
  public:
    EnvGuard(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            had_ = true;
            old_ = old;
        }
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~EnvGuard() {
        if (had_)
            setenv(name_.c_str(), old_.c_str(), 1);
        else
            unsetenv(name_.c_str());
    }

  private:
    std::string name_, old_;
    bool had_ = false;
};

}  // namespace

TEST(ListingsTest, RaceServiceAndBranchDataLinesInOrder) {
    ListingGame lg;
    lg.t.Pick("Alpha", "Test Service", "Branch One");
    const std::vector<std::string> expected = {
        "------------------ Race data for Alpha folk ------------------",
        "",
        "  STR 2D",
        "  DEX 2D+3",
        "  END 1D-2 ",
        "  SOC 0D",
        "",
        "  Chance of discovering psionic training: No",
        "  Years in a term:  4 ",
        "  Starting age:  18 ",
        "  Aging rolls begin at:  34 ",
        "",
        "------------------ Service data for Test Service ------------------",
        "",
        "  Decoration  1 : Bronze Leaf",
        "  Decoration  2 : Silver Leaf",
        "  Decoration  3 : Gold Leaf",
        "  Wound award  4 : Purple Heart",
        "",
        "  Academic options:",
        "    College",
        "    Military Academy",
        "",
        "  Skill tables:",
        "",
        "    Personal",
        "     1 +1 STR",
        "     2 Brawling",
        "    Eli      All",
        "    DM +1TL> 11",
        "",
        "  Ranks:",
        std::string(14, ' '),
        "    E1        Private",
        "    O1        Lieutenant",
        "",
        "  Mustering-out Benefits:",
        "    Material                                     Financial",
        "     1 Low Passage                                1 1,000Cr",
        "     2 +1 EDU                                     2 2,000Cr",
        "     3 Weapon                                     3 5,000Cr",
        // Rows past the material table carry only the financial column;
        // "###,###" gives no digit for a zero amount.
        "     4 10,000Cr",
        "     5 Cr",
        "     6 1,500,000Cr",
        "",
        "  Re-enlist roll: +6",
        "",
        "------------------ Branch data for Branch One ------------------",
        "",
        "  Assignments",
        "    Raid",
        "      Survive:     +5",
        "      Decoration:  +8",
        "      Promotion:   +7",
        "      Skill:       +6",
        "    Patrol",
        "      Survive:     +4",
        "      Skill:       +89",
        "",
        "  Chance of command: +8",
        "",
        "  Skill tables:",
        "",
        "    Branch table",
        "     1 Tactics",
        "    Eli      All",
    };
    const auto lines = Lines(RaceServiceDataText(lg.t.g));
    EXPECT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < std::min(lines.size(), expected.size()); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
}

TEST(ListingsTest, MerchantBranchExaminationsHighTargetsAndLongMaterial) {
    ListingGame lg;
    lg.t.Pick("Alpha", "Traders");  // its only branch is selected with it
    ASSERT_EQ(lg.t.g.Service.BranchName, "Deck");
    const auto lines = Lines(RaceServiceDataText(lg.t.g));
    auto at = [&](const std::string& line) {
        auto it = std::find(lines.begin(), lines.end(), line);
        EXPECT_NE(it, lines.end()) << line;
        return it - lines.begin();
    };
    // The financial column of a row whose material name runs past it goes
    // on at its column on the next line.
    const auto row = at("     1 " + LongMaterial);
    EXPECT_EQ(lines[row + 1], std::string(49, ' ') + " 1 2,000Cr");
    EXPECT_EQ(lines[at("  Wound award  4 : None")], "  Wound award  4 : None");
    // Decoration 99, promotion 95 and skill 90 are never thrown: only the
    // survival line stays.
    const auto voyage = at("    Voyage");
    EXPECT_EQ(lines[voyage + 1], "      Survive:     +3");
    EXPECT_EQ(lines[voyage + 2], "");
    // No [COMMAND]: no chance of command; the type is compared in capitals.
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return Contains(l, "Chance of command"); }),
              0);
    const auto exams = at("  Examinations for merchant ranks");
    EXPECT_EQ(lines[exams - 1], "");
    EXPECT_EQ(lines[exams + 1], "    Rk 2D Skill required");
    EXPECT_EQ(lines[exams + 2], "    O1=6=Automatic-0");
    EXPECT_EQ(lines[exams + 3], "    O2=7=Pilot-1");
    EXPECT_EQ(lines[exams + 4], "");
    EXPECT_EQ(lines[exams + 5], "  Skill tables:");
    EXPECT_EQ(exams + 6, static_cast<long>(lines.size())) << "the branch has no skill tables";
}

TEST(ListingsTest, PsionicCodeListedAndRaceLeftUnchanged) {
    ListingGame lg;
    lg.t.Pick("Alpha", "Test Service", "Branch One");
    const RaceRecord before = lg.t.g.Race;
    EXPECT_TRUE(
        Contains(RaceServiceDataText(lg.t.g), "  Chance of discovering psionic training: No\r\n"));
    EXPECT_EQ(lg.t.g.Race, before);
    EXPECT_EQ(lg.t.g.Race.Psionic, "");

    lg.t.Pick("Beta", "Test Service", "Branch One");
    const auto lines = Lines(RaceServiceDataText(lg.t.g));
    EXPECT_EQ(lines[0], "------------------ Race data for   Beta people   ------------------");
    EXPECT_EQ(lines[4], "  Chance of discovering psionic training: S");
}

TEST(ListingsTest, ViewerTitleAndFont) {
    ListingGame lg;
    lg.t.Pick("Alpha", "Test Service", "Branch One");
    const TextViewerModel viewer = RaceServiceDataViewer(lg.t.g);
    EXPECT_EQ(viewer.TitleLine, "Race, Service and Branch Data");
    EXPECT_EQ(viewer.FontName, "courier new");
    EXPECT_EQ(viewer.FontSize, 10);

    lg.t.ui.Answer("OK");
    ShowRaceServiceData(lg.t.g);
    ASSERT_FALSE(lg.t.ui.shown.empty());
    EXPECT_EQ(lg.t.ui.shown.back().Kind, "viewtext");
    EXPECT_EQ(lg.t.ui.shown.back().Title, "Race, Service and Branch Data");
    EXPECT_EQ(lg.t.ui.shown.back().Text, viewer.Text);
}

TEST(ListingsTest, RaceAndServiceLists) {
    ListingGame lg;
    EXPECT_EQ(AllRacesText(lg.t.g), "Alpha folk\r\nBeta people\r\n");
    lg.t.Pick("Alpha");
    EXPECT_EQ(AllServicesText(lg.t.g), "Test Service\r\nTraders of the Long Road, sailing far\r\n");

    lg.t.ui.Answer({"OK", "OK"});
    ShowAllRaces(lg.t.g);
    EXPECT_EQ(lg.t.ui.shown.back().Title, "All races");
    ShowAllServicesForRace(lg.t.g);
    EXPECT_EQ(lg.t.ui.shown.back().Title, "All services available for Alpha folk");
    EXPECT_EQ(lg.t.ui.shown.back().Text, AllServicesText(lg.t.g));

    // "All branches for service" does nothing at all.
    const size_t shown = lg.t.ui.shown.size();
    ShowAllBranchesForService(lg.t.g);
    EXPECT_EQ(lg.t.ui.shown.size(), shown);
}

TEST(ListingsTest, RaceServicesWalksEveryRaceAndLeavesTheLastSelected) {
    ListingGame lg;
    lg.t.Pick("Alpha", "Test Service", "Branch One");
    lg.t.dice.SetFallback(true);
    lg.t.ui.Answer("OK");
    ShowRaceServices(lg.t.g);
    EXPECT_EQ(lg.t.ui.shown.back().Title, "All races and services");
    EXPECT_EQ(lg.t.ui.shown.back().Text,
              "Alpha folk\r\n    Test Service\r\n    Traders of the Long Road, sailing far\r\n"
              "Beta people\r\n    Test Service\r\n");
    EXPECT_EQ(lg.t.g.RaceList.Selected, 1);
    EXPECT_TRUE(Contains(lg.t.g.Race.Name, "Beta"));
    EXPECT_EQ(lg.t.g.ServiceList.Entries.size(), 1u);
    EXPECT_EQ(lg.t.g.BranchList.Current(), nullptr);
    EXPECT_FALSE(lg.t.g.Form1.AcceptEnabled);
}

TEST(ListingsTest, RaceServicesListsABrokenRaceByItsOwnServices) {
    ListingGame lg;
    // Sorted between ALPHA and BETA; its characteristic line breaks the format.
    lg.dir.Write("BAD.ERI", {"Broken kind", "Type=5", "[STATS]", "STR=two", "[FILES]",
                             "MERCH.SRV=Only Traders"});
    ListRaces(lg.t.g);
    const std::string text = RaceServicesText(lg.t.g);
    EXPECT_TRUE(Contains(text, "Broken kind\r\n    Only Traders\r\nBeta people"));
    EXPECT_TRUE(lg.t.ui.SawMessage("BAD.ERI"));
}

TEST(ListingsTest, CascadePageLinesAndEscaping) {
    ListingGame lg;
    lg.t.Pick("Alpha", "Test Service", "Branch One");
    lg.t.g.Service.BranchName = "Rock & <Roll>";
    const std::vector<std::string> expected = {
        "<HTML>",
        "<HEAD>",
        "<TITLE>Cascade Listing</TITLE>",
        "</HEAD>",
        "<BODY>",
        "",
        "<h1>Cascade Skill Listings for: Rock &amp; &lt;Roll&gt;</h1>",
        "<h2>Standard Cascades</h2>",
        "<table width=\"100%\">",
        "  <tr>",
        "    <td>",
        "GUN COMBAT/Handgun/Rifle",
        "    </td>",
        "  </tr>",
        "  <tr>",
        "    <td>",
        "BLADE COMBAT/Dagger &amp; Knife",
        "    </td>",
        "  </tr>",
        "</table>",
        "<h2>Race Cascades</h2>",
        "<table width=\"100%\">",
        "  <tr>",
        "    <td>",
        "RACE ONE/Alpha&lt;1&gt;/Beta",
        "    </td>",
        "  </tr>",
        "</table>",
        "<font color=red>These override the Standard ones</font>",
        "<h2>Service Cascades</h2>",
        "<table width=\"100%\">",
        "  <tr>",
        "    <td>",
        "SVC ONE/&lt;Gamma&gt;/Delta &amp; Co",
        "    </td>",
        "  </tr>",
        "</table>",
        "<font color=red>These override the Standard and Racial ones</font>",
        "</BODY>",
        "</HTML>"};
    EXPECT_EQ(Lines(CascadeListingHtml(lg.t.g)), expected);
}

TEST(ListingsTest, CascadePageCountsAreClampedToTheTables) {
    ListingGame lg;
    lg.t.g.Race.Cascade[0] = "999";  // a count past the table's 20 lines
    lg.t.g.Race.Cascade[20] = "LAST/One";
    lg.t.g.Service.Cascade[0] = "-3";
    const auto lines = Lines(CascadeListingHtml(lg.t.g));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "LAST/One"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "  <tr>"), 2 + 20);
}

TEST(ListingsTest, CascadePageWrittenToTheDataFolderAndOpened) {
    ListingGame lg;
    lg.t.Pick("Alpha", "Test Service", "Branch One");
    ShowCascadesListing(lg.t.g);
    ASSERT_EQ(lg.t.ui.pagesOpened.size(), 1u);
    EXPECT_EQ(lg.t.ui.pagesOpened[0], lg.dir.Path() + "clist.htm");
    EXPECT_EQ(lg.dir.Read("clist.htm"), CascadeListingHtml(lg.t.g));
    EXPECT_TRUE(lg.t.ui.messages.empty());
}

TEST(ListingsTest, CascadePageReplacesAnOldOneWhateverItsCase) {
    ListingGame lg;
    lg.dir.Write("CLIST.HTM", {"old page"});
    ShowCascadesListing(lg.t.g);
    ASSERT_EQ(lg.t.ui.pagesOpened.size(), 1u);
    EXPECT_EQ(lg.t.ui.pagesOpened[0], lg.dir.Path() + "CLIST.HTM");
    EXPECT_EQ(lg.dir.Read("CLIST.HTM"), CascadeListingHtml(lg.t.g));
}

TEST(ListingsTest, CascadePageThatCannotBeWrittenIsReportedAndNotOpened) {
    ListingGame lg;
    // A folder in the page's place cannot be replaced.
    std::filesystem::create_directories(lg.dir.Path() + "clist.htm/inside");
    ShowCascadesListing(lg.t.g);
    EXPECT_TRUE(lg.t.ui.pagesOpened.empty());
    ASSERT_EQ(lg.t.ui.messages.size(), 1u);
    EXPECT_TRUE(Contains(lg.t.ui.messages[0], "Cannot write " + lg.dir.Path() + "clist.htm"));
}

TEST(TestPlanTest, EveryCombinationWrittenAndBranchesWithoutAssignmentsReported) {
    ListingGame lg;
    EXPECT_EQ(RunTestPlan(lg.t.g), 5);
    EXPECT_EQ(lg.dir.Read("testplan.dat"),
              "c1=0\r\nc2=0\r\nc3=0\r\n"    // Alpha, Test Service, Branch One
              "c1=0\r\nc2=0\r\nc3=1\r\n"    // Alpha, Test Service, Branch Two
              "c1=0\r\nc2=1\r\nc3=0\r\n"    // Alpha, Traders, Deck
              "c1=1\r\nc2=0\r\nc3=0\r\n"    // Beta, Test Service, Branch One
              "c1=1\r\nc2=0\r\nc3=1\r\n");  // Beta, Test Service, Branch Two
    // Branch Two follows a branch with assignments in the same service; it
    // is still judged on its own.
    const std::vector<std::string> messages = {"Problem! Branch Two", "Problem! Branch Two",
                                               "Complete, 5 careers tested"};
    EXPECT_EQ(lg.t.ui.messages, messages);
    EXPECT_EQ(lg.t.ui.shown.back().Title, lg.t.g.AppTitle);
    EXPECT_EQ(lg.t.g.RaceList.Selected, 1);
}

TEST(TestPlanTest, BrokenServiceAndBranchAreReportedByFileAndTheRunGoesOn) {
    ListingGame lg;
    lg.dir.Write("BETA.ERI", {"Beta people", "Type=5", "[STATS]", "STR=2D", "Psionic=S", "[FILES]",
                              "NOPE.SRV=Missing Service", "MERCH.SRV=Traders"});
    // A listed branch without a section of its own.
    auto merch = *ReadLines(lg.dir.Path() + "MERCH.SRV");
    merch.insert(std::find(merch.begin(), merch.end(), "DECK=Deck") + 1, "LOST=Lost Branch");
    lg.dir.Write("MERCH.SRV", merch);
    ListRaces(lg.t.g);
    lg.t.ui.messages.clear();

    EXPECT_EQ(RunTestPlan(lg.t.g), 6);
    EXPECT_TRUE(lg.t.ui.SawMessage("NOPE.SRV"));
    int lost = 0;
    for (const auto& m : lg.t.ui.messages) lost += Contains(m, "\"LOST\"") ? 1 : 0;
    EXPECT_EQ(lost, 2) << "once for each race that lists the traders";
    // The lost branch is counted but not judged on the record its failed
    // load left behind.
    EXPECT_FALSE(lg.t.ui.SawMessage("Problem! Deck"));
    EXPECT_EQ(lg.t.ui.messages.back(), "Complete, 6 careers tested");
    EXPECT_TRUE(Contains(lg.dir.Read("testplan.dat"), "c1=1\r\nc2=1\r\nc3=1\r\n"));
}

TEST(TestPlanTest, PlanFileThatCannotBeWrittenIsReportedByName) {
    ListingGame lg;
    std::filesystem::create_directories(lg.dir.Path() + "testplan.dat/inside");
    EXPECT_EQ(RunTestPlan(lg.t.g), 5);
    ASSERT_GE(lg.t.ui.messages.size(), 2u);
    const std::string& failure = lg.t.ui.messages[lg.t.ui.messages.size() - 2];
    EXPECT_TRUE(Contains(failure, "Cannot write " + lg.dir.Path() + "testplan.dat"));
    EXPECT_EQ(lg.t.ui.messages.back(), "Complete, 5 careers tested");
}

TEST(TestPlanTest, EmptyRaceListTestsNothing) {
    TempDir empty;
    TestGame t;
    t.g.DataLoc = empty.Path();
    ListRaces(t.g);
    EXPECT_EQ(RunTestPlan(t.g), 0);
    EXPECT_EQ(t.ui.messages, std::vector<std::string>{"Complete, 0 careers tested"});
    EXPECT_EQ(empty.Read("testplan.dat"), "");
}

TEST(TestPlanTest, OfferedOnlyWhenZipHasAValue) {
    {
        EnvGuard zip("_ZIP", nullptr);
        EXPECT_FALSE(TestPlanOffered());
    }
    {
        EnvGuard zip("_ZIP", "");
        EXPECT_FALSE(TestPlanOffered());
    }
    {
        EnvGuard zip("_ZIP", "c:\\zip");
        EXPECT_TRUE(TestPlanOffered());
    }
}
