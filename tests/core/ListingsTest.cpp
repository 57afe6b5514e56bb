#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "model/Text.h"
#include "output/Listings.h"
#include "output/TestPlan.h"
#include "startup/Cascades.h"
#include "startup/Race.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

class ListingsTest : public ::testing::Test {
  protected:
    ListingsTest() {
        // The data files, written compactly: "|" separates their lines.
        auto put = [&](const char* name, const std::string& lines) {
            dir.Write(name, Split(lines, '|'));
        };
        put("cascade.dat", "GUN COMBAT/Handgun/Rifle|BLADE COMBAT/Dagger & Knife");
        put("ALPHA.ERI",
            "Alpha folk|Type=5|yearsperterm=4|ageat=34|baseage=18|[STATS]|STR=2D|DEX=2D+3|END=1D-2|"
            "SOC=0D|[NOTES]|[CASCADES]|RACE ONE/Alpha<1>/Beta|[FILES]|TEST.SRV=Test Service|"
            "MERCH.SRV=Traders of the Long Road, sailing far               and beyond");
        put("BETA.ERI",
            "  Beta people  |Type=5|[STATS]|STR=2D|Psionic=S|[FILES]|TEST.SRV=Test Service");
        put("TEST.SRV",
            "Test Service|type=ARMY|medal1=Bronze|medal2=Silver|medal3=Gold Leaf|"
            "reenlist=6|[ACADEMIC]|College|Military Academy|[RANKS]|Max=2|E1=Private|O1=Lieutenant|"
            "[CASCADES]|SVC ONE/<Gamma>/Delta & Co|[FILES]|ONE=Branch One|TWO=Branch Two|"
            "[SKILL TABLES]|Personal|Eli      All|DM +1TL> 11|Max=2|+1 STR|Brawling|[MUSTER]|Mat=3|"
            "A material benefit name long enough to pass the column|+1 EDU|Weapon|Csh=6|"
            "1000,2000,5000|10000,0,1500000|[COMMAND]|Command=8|*ONE|Branch One|Assignments|"
            "First=2|Lst=3|Raid|Patrol|Assignment throws|A=Raid|Surv=5|Deco=8|Prom=7|Skil=6|"
            "A=Patrol|Surv=4|Deco=95|Prom=90|Skil=89|[SKILL TABLES]|Branch table|Eli      All|"
            "Max=1|Tactics|[END OF BRANCH]|*TWO|Branch Two|x|First=3|Lst=3|Guard|x|[END OF FILE]");
        put("MERCH.SRV",
            "Long Road Traders|type=merchant|[RANKS]|Max=1|O1=Fourth Officer|[FILES]|DECK=Deck|"
            "[SKILL TABLES]|Ship|Eli      All|Max=1|Steward|[MUSTER]|Mat=1|Cargo|Csh=1|2000|*DECK|"
            "Deck|Assignments|First=2|Lst=2|Voyage|Assignment throws|A=Voyage|Surv=3|"
            "[DECK QUALIF]|O1=6=Automatic-0|O2=7=Pilot-1|[END OF FILE]");
        t.g.DataLoc = dir.Path();
        LoadCascades(t.g);
        t.dice.SetFallback(true);  // race loads roll characteristics
        ListRaces(t.g);
    }
    TempDir dir;
    TestGame t;
};

// The text with its CR LF line ends made plain "\n".
std::string Plain(std::string text) {
    EXPECT_EQ(std::ranges::count(text, '\r'), std::ranges::count(text, '\n'));
    std::erase(text, '\r');
    return text;
}

}  // namespace

TEST_F(ListingsTest, RaceServiceAndBranchListingKeyLines) {
    t.Pick("Alpha", "Test Service", "Branch One");
    const RaceRecord before = t.g.Race;
    const std::string text = Plain(RaceServiceDataText(t.g));
    EXPECT_EQ(t.g.Race, before);  // the listing only reads
    for (const char* key :
         {"------------------ Race data for Alpha folk ------------------\n\n  STR 2D\n"
          "  DEX 2D+3\n  END 1D-2 \n  SOC 0D\n\n  Chance of discovering psionic training: No\n"
          "  Years in a term:  4 \n  Starting age:  18 \n  Aging rolls begin at:  34 \n\n"
          "------------------ Service data for Test Service ------------------\n\n"
          "  Decoration  1 : Bronze\n",
          "  Decoration  3 : Gold Leaf\n  Wound award  4 : Purple Heart\n\n",
          "\n    Personal\n     1 +1 STR\n     2 Brawling\n    Eli      All\n    DM +1TL> 11\n\n"
          "  Ranks:\n              \n    E1        Private\n",
          // A material name past the financial column pushes it to the next line; rows past
          // the material table have only the financial column, where 0 shows as nothing.
          "     1 A material benefit name long enough to pass the column\n"
          "                                                  1 1,000Cr\n",
          "     3 Weapon                                     3 5,000Cr\n     4 10,000Cr\n"
          "     5 Cr\n     6 1,500,000Cr\n\n  Re-enlist roll: +6\n\n",
          // Targets of 90 and more are never thrown and not listed.
          "    Patrol\n      Survive:     +4\n      Skill:       +89\n\n"
          "  Chance of command: +8\n\n  Skill tables:\n\n    Branch table\n     1 Tactics\n"})
        EXPECT_TRUE(Contains(text, key)) << key;

    t.Pick("Beta", "Test Service", "Branch One");
    EXPECT_TRUE(Contains(Plain(RaceServiceDataText(t.g)),
                         "  STR 2D\n\n  Chance of discovering psionic training: S\n"));
    t.Pick("Alpha", "Traders");  // its only branch is selected with it
    const std::string merchant = Plain(RaceServiceDataText(t.g));
    EXPECT_FALSE(Contains(merchant, "Chance of command"));
    EXPECT_TRUE(
        merchant.ends_with("\n\n  Examinations for merchant ranks\n    Rk 2D Skill required\n"
                           "    O1=6=Automatic-0\n    O2=7=Pilot-1\n\n  Skill tables:\n"));
}

TEST_F(ListingsTest, RaceAndServiceLists) {
    EXPECT_EQ(AllRacesText(t.g), "Alpha folk\r\nBeta people\r\n");
    EXPECT_EQ(AllServicesText(t.g), "Test Service\r\nTraders of the Long Road, sailing far\r\n");
    // Sorted between ALPHA and BETA; its characteristic line breaks the format.
    dir.Write("BAD.ERI",
              {"Broken kind", "Type=5", "[STATS]", "STR=two", "[FILES]", "MERCH.SRV=Only Traders"});
    ListRaces(t.g);
    EXPECT_EQ(RaceServicesText(t.g),
              "Alpha folk\r\n    Test Service\r\n    Traders of the Long Road, sailing far\r\n"
              "Broken kind\r\n    Only Traders\r\nBeta people\r\n    Test Service\r\n");
    EXPECT_TRUE(t.ui.SawMessage("BAD.ERI"));
    EXPECT_EQ(t.g.RaceList.Selected, 2);  // the last race stays selected
}

TEST_F(ListingsTest, CascadePageEscapedClampedWrittenAndOpened) {
    t.Pick("Alpha", "Test Service", "Branch One");
    t.g.Service.BranchName = "Rock & <Roll>";
    EXPECT_EQ(Plain(CascadeListingHtml(t.g)),
              "<HTML>\n<HEAD>\n<TITLE>Cascade Listing</TITLE>\n</HEAD>\n<BODY>\n\n"
              "<h1>Cascade Skill Listings for: Rock &amp; &lt;Roll&gt;</h1>\n"
              "<h2>Standard Cascades</h2>\n<table width=\"100%\">\n  <tr>\n    <td>\n"
              "GUN COMBAT/Handgun/Rifle\n    </td>\n  </tr>\n  <tr>\n    <td>\n"
              "BLADE COMBAT/Dagger &amp; Knife\n    </td>\n  </tr>\n</table>\n"
              "<h2>Race Cascades</h2>\n<table width=\"100%\">\n  <tr>\n    <td>\n"
              "RACE ONE/Alpha&lt;1&gt;/Beta\n    </td>\n  </tr>\n</table>\n"
              "<font color=red>These override the Standard ones</font>\n<h2>Service Cascades</h2>\n"
              "<table width=\"100%\">\n  <tr>\n    <td>\nSVC ONE/&lt;Gamma&gt;/Delta &amp; Co\n"
              "    </td>\n  </tr>\n</table>\n<font color=red>These override the Standard and Racial"
              " ones</font>\n</BODY>\n</HTML>\n");
    dir.Write("CLIST.HTM", {"old page"});  // replaced whatever its case
    ShowCascadesListing(t.g);
    EXPECT_EQ(t.ui.pagesOpened, std::vector<std::string>{dir.Path() + "CLIST.HTM"});
    EXPECT_EQ(dir.Read("CLIST.HTM"), CascadeListingHtml(t.g));

    t.g.Race.Cascade[0] = "999";  // counts outside the table's 20 lines
    t.g.Service.Cascade[0] = "-3";
    EXPECT_EQ(std::ranges::count(Split(Plain(CascadeListingHtml(t.g)), '\n'), "  <tr>"), 2 + 20);
}

TEST_F(ListingsTest, EveryCombinationWrittenAndBranchesWithoutAssignmentsReported) {
    EXPECT_EQ(RunTestPlan(t.g), 5);
    // Alpha: Test Service's two branches, then the Traders' one; Beta: Test Service's two.
    EXPECT_EQ(dir.Read("testplan.dat"),
              "c1=0\r\nc2=0\r\nc3=0\r\nc1=0\r\nc2=0\r\nc3=1\r\n"
              "c1=0\r\nc2=1\r\nc3=0\r\nc1=1\r\nc2=0\r\nc3=0\r\n"
              "c1=1\r\nc2=0\r\nc3=1\r\n");
    // Branch Two follows a branch with assignments; it is still judged alone.
    EXPECT_EQ(t.ui.messages, (std::vector<std::string>{"Problem! Branch Two", "Problem! Branch Two",
                                                       "Complete, 5 careers tested"}));

    // A service file that is missing, and a plan file that cannot be written.
    dir.Write("BETA.ERI", {"Beta people", "Type=5", "[STATS]", "STR=2D", "[FILES]",
                           "NOPE.SRV=Missing", "MERCH.SRV=Traders"});
    std::filesystem::remove(dir.Path() + "testplan.dat");
    std::filesystem::create_directories(dir.Path() + "testplan.dat/inside");
    ListRaces(t.g);
    EXPECT_EQ(RunTestPlan(t.g), 4);
    EXPECT_TRUE(t.ui.SawMessage("NOPE.SRV"));
    EXPECT_TRUE(Contains(t.ui.messages.end()[-2], "Cannot write " + dir.Path() + "testplan.dat"));
    EXPECT_EQ(t.ui.messages.back(), "Complete, 4 careers tested");
    setenv("_ZIP", "", 1);  // the plan is offered only when _ZIP has a value
    EXPECT_FALSE(TestPlanOffered());
    unsetenv("_ZIP");
}
