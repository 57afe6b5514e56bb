// The sample data folder through the program's own selection path: the
// branch a batch loads at once. (The strict data check and the invariants
// sweep read every race, service and branch.)

#include "model/RaceChoice.h"
#include "model/ServiceChoice.h"
#include "support/TestGame.h"

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
            LoadedRules(t.g).Service.PlusEdu[1] = 7;  // left by the last character
            LoadedRules(t.g).Service.RankCode[0] = "X9";
            ASSERT_TRUE(SelectServiceForBranch(t.g, s));
            ASSERT_TRUE(SelectBranchOfNewService(t.g, b));
            EXPECT_EQ(t.g.rules.Service, selected)
                << t.g.windows.ServiceList.Entries[s].Key << " " << b;
        }
    }
    EXPECT_TRUE(t.ui.messages.empty());
}
