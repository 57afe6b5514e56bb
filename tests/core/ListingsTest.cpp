

#include "career/Cascades.h"
#include "data/Race.h"
#include "model/RaceChoice.h"
#include "output/Listings.h"
#include "output/TestPlan.h"
#include "support/TestGame.h"
#include "text/Text.h"

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
            "Alpha folk|Type=5|yearsperterm=4|ageat=34|baseage=18|[STATS]|STR=2D|DEX=2D+1|END=1D-2|"
            "SOC=0D|[NOTES]|[CASCADES]|RACE ONE/Alpha<1>/Beta|[FILES]|TEST.SRV=Test Service|"
            "MERCH.SRV=Traders of the Long Road, sailing far               and beyond");
        put("TEST.SRV",
            "Test Service|type=ARMY|reenlist=6|[ACADEMIC]|[RANKS]|Max=1|E1=Private|"
            "[CASCADES]|SVC ONE/<Gamma>/Delta & Co|[FILES]|ONE=Branch One|TWO=Branch Two|"
            "[SKILL TABLES]|Personal|Eli      All|DM +1TL> 11|Max=2|+1 STR|Brawling|[MUSTER]|Mat=3|"
            "A material benefit name long enough to pass the column|+1 EDU|Weapon|Csh=6|"
            "1000,2000,5000|10000,0,1500000|[COMMAND]|Command=8|*ONE|Branch One|Assignments|"
            "First=2|Lst=3|Raid|Patrol|Assignment throws|A=Raid|Surv=5|Deco=8|Prom=7|Skil=6|"
            "A=Patrol|Surv=4|Deco=95|Prom=90|Skil=89|[END OF BRANCH]|*TWO|Branch Two|x|First=3|"
            "Lst=3|Guard|x|[END OF FILE]");
        put("MERCH.SRV",
            "Long Road Traders|type=merchant|[RANKS]|Max=1|O1=Fourth Officer|[FILES]|DECK=Deck|"
            "[SKILL TABLES]|Ship|Eli      All|Max=1|Steward|[MUSTER]|Mat=1|Cargo|Csh=1|2000|*DECK|"
            "Deck|Assignments|First=2|Lst=2|Voyage|Assignment throws|A=Voyage|Surv=3|[DECK QUALIF]|"
            "O1=6=Automatic-0|O2=7=Pilot-1|[END OF FILE]");
        t.g.session.DataLoc = dir.Path();
        LoadCascades(t.g);
        t.dice.SetFallback(true);  // race loads roll characteristics
        ListRaces(t.g);
    }
    // The listing with its CR LF line ends made plain "\n".
    std::string Listing() {
        std::string text = RaceServiceDataText(t.g);
        EXPECT_EQ(std::erase(text, '\r'), static_cast<size_t>(std::ranges::count(text, '\n')));
        return text;
    }
    TempDir dir;
    TestGame t;
};

}  // namespace

TEST_F(ListingsTest, RaceServiceBranchAndCascadeListings) {
    t.Pick("Alpha", "Test Service", "Branch One");
    const std::string text = Listing();
    for (const char* key :
         {"  DEX 2D+1\n  END 1D-2 \n  SOC 0D\n\n  Chance of discovering psionic training: No\n"
          "  Years in a term:  4 \n  Starting age:  18 \n  Aging rolls begin at:  34 \n\n",
          "     2 Brawling\n    Eli      All\n    DM +1TL> 11\n\n",
          // A long material name pushes its cash to the next line; past the materials only
          // cash shows, a 0 as nothing.
          "column\n                                                  1 1,000Cr\n",
          "     3 Weapon                                     3 5,000Cr\n     4 10,000Cr\n"
          "     5 Cr\n     6 1,500,000Cr\n\n  Re-enlist roll: +6\n\n",
          // Targets of 90 and more are never thrown and not listed.
          "    Patrol\n      Survive:     +4\n      Skill:       +89\n\n"
          "  Chance of command: +8\n"})
        EXPECT_TRUE(Contains(text, key)) << key;

    LoadedRules(t.g).Service.BranchName = "Rock & <Roll>";
    dir.Write("CLIST.HTM", {"old page"});  // replaced whatever its case
    ShowCascadesListing(t.g);
    EXPECT_EQ(t.ui.pagesOpened, std::vector<std::string>{dir.Path() + "CLIST.HTM"});
    for (const char* key :
         {"<h1>Cascade Skill Listings for: Rock &amp; &lt;Roll&gt;</h1>\r\n",
          "\r\nBLADE COMBAT/Dagger &amp; Knife\r\n", "\r\nRACE ONE/Alpha&lt;1&gt;/Beta\r\n",
          "\r\nSVC ONE/&lt;Gamma&gt;/Delta &amp; Co\r\n"})
        EXPECT_TRUE(Contains(dir.Read("CLIST.HTM"), key)) << key;

    LoadedRules(t.g).Race.Cascade.Edit().Count = 999;  // counts outside the table's 20 lines
    LoadedRules(t.g).Service.Cascade.Edit().Count = -3;
    EXPECT_EQ(std::ranges::count(Split(CascadeListingHtml(t.g.rules), '\n'), "  <tr>\r"), 2 + 20);

    t.Pick("Alpha", "Traders");  // its only branch is selected with it
    EXPECT_TRUE(
        Listing().ends_with("\n  Examinations for merchant ranks\n    Rk 2D Skill required\n"
                            "    O1=6=Automatic-0\n    O2=7=Pilot-1\n\n  Skill tables:\n"));
}

TEST_F(ListingsTest, EveryCombinationWrittenAndBrokenFilesReported) {
    EXPECT_EQ(RunTestPlan(t.g), 3);  // Test Service's two branches, then the Traders' one
    EXPECT_EQ(dir.Read("testplan.dat"),
              "c1=0\r\nc2=0\r\nc3=0\r\nc1=0\r\nc2=0\r\nc3=1\r\nc1=0\r\nc2=1\r\nc3=0\r\n");
    // Branch Two follows a branch with assignments; it is still judged alone.
    EXPECT_EQ(t.ui.messages,
              (std::vector<std::string>{"Problem! Branch Two", "Complete, 3 careers tested"}));

    // A race whose characteristic line breaks the format (still listed, name trimmed), a
    // service file that is missing, and a plan file that cannot be written.
    dir.Write("BAD.ERI", {"  Broken kind  ", "Type=5", "[STATS]", "STR=two", "[FILES]",
                          "MERCH.SRV=Only Traders"});
    dir.Write("CHI.ERI", {"Chi people", "Type=5", "[STATS]", "STR=2D", "[FILES]",
                          "NOPE.SRV=Missing", "MERCH.SRV=Traders"});
    std::filesystem::remove(dir.Path() + "testplan.dat");
    std::filesystem::create_directories(dir.Path() + "testplan.dat/inside");
    ListRaces(t.g);
    EXPECT_EQ(RaceServicesText(t.g),
              "Alpha folk\r\n    Test Service\r\n    Traders of the Long Road, sailing far\r\n"
              "Broken kind\r\n    Only Traders\r\nChi people\r\n    Missing\r\n    Traders\r\n");
    EXPECT_EQ(t.g.windows.RaceList.Selected, 2);  // the last race stays selected
    EXPECT_EQ(RunTestPlan(t.g), 5);
    for (const char* file : {"BAD.ERI", "NOPE.SRV", "testplan.dat"})
        EXPECT_TRUE(t.ui.SawMessage(file)) << file;
    EXPECT_EQ(t.ui.messages.back(), "Complete, 5 careers tested");
    setenv("_ZIP", "", 1);  // the plan is offered only when _ZIP has a value
    EXPECT_FALSE(TestPlanOffered());
    unsetenv("_ZIP");
}
