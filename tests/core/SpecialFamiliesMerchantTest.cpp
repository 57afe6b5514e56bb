// Merchant special assignments of race type 6 ("M") and race type 7 ("F"):
// a training posting (1 on 1D2) or a school (2).
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "SpecialFamiliesBench.h"

using namespace orrimar;
using namespace orrimar::familytest;

namespace {

constexpr int Male = 6;
constexpr int Female = 7;

TEST(SpecialsAslanMerchant, FemaleTraining) {
    ExpectRows({"MERCHANT", 2, Female}, nullptr,
               {
                   {{1, 1},
                    "- Security Training",
                    4,
                    "ENVIRON/Zero G Weapon/Vacc Suit/HAND COMBAT/Computer/Security/Intrusion/"
                    "MIXED COMBAT",
                    ""},
                   {{1, 2}, "- Trade Station", 4, "ECONOMIC/Liaison", "Trader"},
                   {{1, 3}, "- Helm Training", 5, "Navigation/Pilot/SPACE", ""},
                   {{1, 4},
                    "- Drive Training",
                    5,
                    "Electronics/Engineering/SPACE TECHNICAL/TECHNICAL",
                    ""},
               });
}

TEST(SpecialsAslanMerchant, MaleTraining) {
    ExpectRows({"MERCHANT", 2, Male}, nullptr,
               {
                   {{1, 1},
                    "- Security Training",
                    4,
                    "ENVIRON/Zero G Weapon/Vacc Suit/HAND COMBAT/Security/Intrusion/MIXED COMBAT",
                    ""},
                   {{1, 2}, "- Trade Station", 0, "", "Independence"},
                   {{1, 3}, "- Helm Training", 5, "SPACE", ""},
                   {{1, 4}, "- Drive Training", 5, "SPACE TECHNICAL/TECHNICAL", ""},
               });
}

TEST(SpecialsAslanMerchant, FemaleSchools) {
    ExpectRows({"MERCHANT", 2, Female}, nullptr,
               {
                   {{2, 1}, "- Trade Station", 4, "ECONOMIC/INTERPERSONAL", "Trader"},
                   {{2, 2}, "- Command School", 5, "Admin/Legal/INBORN", ""},
                   {{2, 3}, "- Deck School", 5, "Commo/Computer/SPACE COMBAT", ""},
                   {{2, 4},
                    "- Engineering School",
                    5,
                    "Admin/Computer/Electronics/Engineering/TECHNICAL/SPACE TECHNICAL",
                    ""},
                   {{2, 5}, "- Purser School", 4, "Admin/Computer/Liaison", ""},
                   {{2, 6}, "- Business School", 4, "Admin/Computer/Liaison/Legal/ECONOMIC", ""},
               });
}

TEST(SpecialsAslanMerchant, MaleSchools) {
    ExpectRows({"MERCHANT", 2, Male}, nullptr,
               {
                   {{2, 1}, "- Trade Station", 4, "ECONOMIC/INTERPERSONAL", ""},
                   {{2, 2}, "- Command School", 5, "Leader/Ship Tactics/INBORN", ""},
                   {{2, 3}, "- Deck School", 5, "SPACE COMBAT", ""},
                   {{2, 4}, "- Engineering School", 5, "TECHNICAL/SPACE TECHNICAL", ""},
                   {{2, 5}, "- Purser School", 4, "Liaison", ""},
                   {{2, 6}, "- Business School", 4, "ECONOMIC", ""},
               });
}

// Result 7 of the schools needs Edu above 8, and a rank below the top.
TEST(SpecialsAslanMerchant, DepartmentTest) {
    for (int race : {Male, Female}) {
        SCOPED_TRACE("race " + std::to_string(race));
        Bench b("MERCHANT", 3, race);
        b.c.Stats[StatEdu] = 9;
        b.t.dice.Push({2, 6});
        b.Run();
        EXPECT_EQ(b.Year(), "- Department test ");
        EXPECT_EQ(b.c.DeptTestPassed, 1);
        EXPECT_EQ(b.SkillsHeld(), 0);

        Bench top("MERCHANT", 15, race);
        top.c.Stats[StatEdu] = 9;
        top.t.dice.Push({2, 6});
        top.Run();
        EXPECT_EQ(top.Year(), "");
        EXPECT_EQ(top.c.DeptTestPassed, 0);

        Bench plain("MERCHANT", 3, race);
        plain.c.Stats[StatEdu] = 8;
        plain.Outcome({2, 6});
        EXPECT_TRUE(plain.StartsWith("- Business School ")) << plain.Year();
        EXPECT_EQ(plain.c.DeptTestPassed, 0);

        // The training postings have no modifier.
        Bench training("MERCHANT", 3, race);
        training.c.Stats[StatEdu] = 9;
        training.Outcome({1, 4});
        EXPECT_TRUE(training.StartsWith("- Drive Training ")) << training.Year();
    }
}

// One die of two, then one of four for the postings.
TEST(SpecialsAslanMerchant, DiceSides) {
    Bench two("MERCHANT", 3, Male);
    two.t.dice.Push(3);
    EXPECT_THROW(SpecialAssignment(two.g), std::logic_error);
    Bench four("MERCHANT", 3, Female);
    four.t.dice.Push({1, 5});
    EXPECT_THROW(SpecialAssignment(four.g), std::logic_error);
}

}  // namespace
