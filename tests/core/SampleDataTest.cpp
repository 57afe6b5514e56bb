// The sample data folder through the program's own selection path: the
// branch a batch loads at once, and every cascade the rules hand out. (The
// strict data check and the invariants sweep read every race, service and
// branch.)

#include "career/Cascades.h"
#include "model/RaceChoice.h"
#include "model/ServiceChoice.h"
#include "support/TestGame.h"
#include "text/Text.h"

using namespace orrimar;

// A batch loads the service for the branch it chooses at once, without
// copying the record in between: whatever the last character left in the
// record, the branch comes out as the two selections make it.
TEST(SampleData, ServiceLoadedForItsBranchMatchesTheTwoSelections) {
    TestGame t;
    t.LoadData(SampleDataDir());
    t.dice.SetFallback(true);
    SelectRace(t.g, 0);
    for (int s = 0; s < static_cast<int>(t.g.windows.ServiceList.Entries.size()); ++s) {
        SelectService(t.g, s);
        for (int b = 0; b < static_cast<int>(t.g.windows.BranchList.Entries.size()); ++b) {
            SelectService(t.g, s);
            SelectBranch(t.g, b);
            const ServiceRecord selected = t.g.rules.Service;
            t.g.rules.Service.PlusEdu[1] = 7;  // left by the last character
            t.g.rules.Service.RankCode[0] = "X9";
            ASSERT_TRUE(SelectServiceForBranch(t.g, s));
            ASSERT_TRUE(SelectBranch(t.g, b));
            EXPECT_EQ(t.g.rules.Service, selected)
                << t.g.windows.ServiceList.Entries[s].Key << " " << b;
        }
    }
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST(SampleData, EveryCascadeNameHandedOutExists) {
    TestGame t;
    t.LoadData(SampleDataDir());
    for (const char* name :
         {"GUN COMBAT",       "BLADE COMBAT",    "VEHICLE",   "XTRAIN",        "SPACE",
          "SPACE TECHNICAL",  "TECHNICAL",       "ENVIRON",   "ACADEMIC",      "OASCIENCE",
          "INTERPERSONAL",    "TALENT",          "GUNNERY",   "HEAVY WEAPONS", "VICE",
          "MILITARY MEDICAL", "PSIONIC",         "INFLUENCE", "INVESTIGATION", "SPECIAL COMBAT",
          "HAND COMBAT",      "SCIENCE",         "AIRCRAFT",  "PHYSICAL",      "WEAPON SYSTEM",
          "STUN WEAPONS",     "SPECIAL WEAPONS", "INBORN",    "ECONOMIC",      "MIXED COMBAT",
          "TACTICAL",         "SPACE COMBAT"})
        EXPECT_TRUE(FindCascade(t.g.rules, name).has_value()) << name;
    // "SPACE" resolves through its own line, not "SPACE COMBAT" or "SPACE TECHNICAL".
    EXPECT_NE(*FindCascade(t.g.rules, "SPACE"), *FindCascade(t.g.rules, "SPACE COMBAT"));
}

TEST(Coins, MarksFollowTheLetterCase) {
    TestGame t;
    t.g.career.Character.CurTerm = 1;
    t.g.career.Character.CurLine = 1;
    t.g.rules.Coyns[1] = "GOLDEN SUN";
    t.g.rules.Coyns[2] = "golden sun";
    t.g.rules.Coyns[3] = "Golden Sun";
    t.g.rules.Coyns[4] = "* 0 *";
    t.dice.Push({1, 2, 3, 4});
    for (int i = 0; i < 4; ++i) ShowCoyns(t.g);
    EXPECT_EQ(t.g.career.Character.TermLog[1].Lines[1],
              "Coyn: Golden sun(+)   Coyn: Golden sun(-)   Coyn: Golden sun   Coyn: * 0 *(-)   ");
}
