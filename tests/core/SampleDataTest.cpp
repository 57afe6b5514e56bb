// The sample data folder, loaded through the program's own selection path:
// every race, service and branch loads without a message, and every branch
// has assignments and skill tables. Keeps the sample data from rotting.
#include <gtest/gtest.h>

#include "model/Text.h"
#include "startup/Cascades.h"
#include "support/TestGame.h"

using namespace orrimar;

TEST(SampleData, EveryRaceServiceAndBranchLoads) {
    TestGame t;
    t.LoadData(SampleDataDir());
    t.dice.SetFallback(true);
    t.g.Character.Options[OptAnyTransfer] = OptOn;  // list the "/TN" branches too
    ASSERT_GE(t.g.RaceList.Entries.size(), 13u);
    int branches = 0;
    for (int r = 0; r < static_cast<int>(t.g.RaceList.Entries.size()); ++r) {
        SelectRace(t.g, r);
        const std::string race = t.g.RaceList.Entries[r].Key;
        EXPECT_GT(t.g.Race.NumStats, 0) << race;
        EXPECT_FALSE(t.g.ServiceList.Entries.empty()) << race;
        for (int s = 0; s < static_cast<int>(t.g.ServiceList.Entries.size()); ++s) {
            SelectService(t.g, s);
            const std::string service = race + " " + t.g.ServiceList.Entries[s].Key;
            ASSERT_GE(t.g.BranchList.Entries.size(), 2u) << service;
            for (int b = 0; b < static_cast<int>(t.g.BranchList.Entries.size()); ++b) {
                SelectBranch(t.g, b);
                ++branches;
                const std::string where = service + " " + t.g.BranchList.Entries[b].Key;
                const auto& sv = t.g.Service;
                EXPECT_FALSE(Trim(sv.BranchName).empty()) << where;
                for (int k = 2; k <= 12; ++k)
                    EXPECT_FALSE(Trim(sv.AssignByRoll[k]).empty()) << where << " roll " << k;
                EXPECT_FALSE(Trim(sv.Assignment[1].Name).empty()) << where;
                bool allTable = false;
                for (int k = 1; k <= 10; ++k) {
                    for (const auto* table : {&sv.SkillTable[k], &sv.BranchSkillTable[k]}) {
                        if (table->Title.empty()) continue;
                        EXPECT_GT(table->Max, 0) << where << " " << table->Title;
                        for (int e = 1; e <= table->Max; ++e)
                            EXPECT_FALSE(Trim(table->Entry[e]).empty())
                                << where << " " << table->Title;
                        for (const auto& eli : table->Eli) allTable = allTable || eli.All;
                    }
                }
                EXPECT_TRUE(allTable) << where << ": no table is open to everyone";
                EXPECT_GT(sv.MaxRank, 0) << where;
                EXPECT_GT(sv.CashCount, 0) << where;
                EXPECT_GT(sv.MaterialCount, 0) << where;
            }
        }
    }
    EXPECT_GT(branches, 300);
    EXPECT_TRUE(t.ui.messages.empty()) << t.ui.messages.front();
}

// A batch loads the service for the branch it chooses at once, without
// copying the record in between: whatever the last character left in the
// record, the branch comes out as the two selections make it.
TEST(SampleData, ServiceLoadedForItsBranchMatchesTheTwoSelections) {
    TestGame t;
    t.LoadData(SampleDataDir());
    t.dice.SetFallback(true);
    SelectRace(t.g, 0);
    for (int s = 0; s < static_cast<int>(t.g.ServiceList.Entries.size()); ++s) {
        SelectService(t.g, s);
        for (int b = 0; b < static_cast<int>(t.g.BranchList.Entries.size()); ++b) {
            SelectService(t.g, s);
            SelectBranch(t.g, b);
            const ServiceRecord selected = t.g.Service;
            t.g.Service.PlusEdu[1] = 7;  // left by the last character
            t.g.Service.RankCode[0] = "X9";
            ASSERT_TRUE(SelectServiceForBranch(t.g, s));
            ASSERT_TRUE(SelectBranch(t.g, b));
            EXPECT_EQ(t.g.Service, selected) << t.g.ServiceList.Entries[s].Key << " " << b;
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
        EXPECT_TRUE(FindCascade(t.g, name).has_value()) << name;
    // "SPACE" resolves through its own line, not "SPACE COMBAT" or "SPACE TECHNICAL".
    EXPECT_NE(*FindCascade(t.g, "SPACE"), *FindCascade(t.g, "SPACE COMBAT"));
}

TEST(Coins, MarksFollowTheLetterCase) {
    TestGame t;
    t.g.Character.CurTerm = 1;
    t.g.Character.CurLine = 1;
    t.g.Coyns[1] = "GOLDEN SUN";
    t.g.Coyns[2] = "golden sun";
    t.g.Coyns[3] = "Golden Sun";
    t.g.Coyns[4] = "* 0 *";
    t.dice.Push({1, 2, 3, 4});
    for (int i = 0; i < 4; ++i) ShowCoyns(t.g);
    EXPECT_EQ(t.g.Character.TermLog[1].Lines[1],
              "Coyn: Golden sun(+)   Coyn: Golden sun(-)   Coyn: Golden sun   Coyn: * 0 *(-)   ");
}
