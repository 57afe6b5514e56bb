// Special assignments of the COAFC services: space ("SD") and planetary
// ("PD") forms of one table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SpecialFamiliesBench.h"

using namespace orrimar;
using namespace orrimar::familytest;

namespace {

struct Form {
    const char* type;
    bool planetary;
};
const Form Forms[] = {{"COAFCSD", false}, {"COAFCPD", true}};

std::string Pick(const Form& f, const char* space, const char* planetary) {
    return f.planetary ? planetary : space;
}

// Soc 7: no modifier.
TEST(SpecialsCoafc, EnlistedRows) {
    for (const Form& f : Forms) {
        ExpectRows({f.type}, nullptr,
                   {
                       {{1}, "- Cross-training", 0, "", "XTRAIN"},
                       {{3}, "- Recruiting", 0, "", "Recruiting"},
                       {{4},
                        "- Gunnery school",
                        5,
                        "WEAPON SYSTEM/WEAPON SYSTEM/WEAPON SYSTEM/WEAPON SYSTEM",
                        ""},
                       {{6},
                        "- Engineering School",
                        4,
                        "Mechanical/Electronics/Engineering/" + Pick(f, "Gravitics", "Combat Eng"),
                        ""},
                   });
    }
}

TEST(SpecialsCoafc, OfficerRows) {
    for (const Form& f : Forms) {
        const std::string arm = Pick(f, "Ship Tactics/Robot Ops", "Airplane Tactics/Commo");
        ExpectRows(
            {f.type, 10}, nullptr,
            {
                {{1}, "- Cross training", 0, "", "XTRAIN"},
                {{2}, "IntSch ", 4, "Forgery/GUN COMBAT/Bribery/Streetwise/Interrogation", ""},
                {{3}, "- Recruiting", 0, "", "Recruiting"},
                {{4}, "- COAFC Attache", 0, "", "+1 Soc"},
                {{6}, "- Staff college", 4, arm + "/Admin/Computer/Liaison", ""},
            });
        // Command college: "Leader" twice, with "Computer" between.
        ExpectRows({f.type, 10}, [](Bench& b) { b.c.Stats[StatSoc] = 11; },
                   {{{6}, "- Command college", 4, arm + "/Leader/Computer/Leader", ""}});
    }
}

TEST(SpecialsCoafc, AttacheRisesBelowMaxRank) {
    for (int rank : {14, 15}) {
        Bench b("COAFC", rank);
        b.t.dice.Push(4);
        b.Run();
        EXPECT_EQ(b.c.Rank, 15);
        EXPECT_EQ(b.c.Stats[StatSoc], 8);
    }
}

// Special forces school, and its branch, for enlisted and officers alike.
TEST(SpecialsCoafc, SpecialForcesSchool) {
    for (const Form& f : Forms) {
        const std::string skills =
            "Brawling/GUN COMBAT/Demolitions/SPECIAL COMBAT/Recon/BLADE COMBAT/" +
            Pick(f, "Vacc Suit", "AIRCRAFT") + "/Instruction/PHYSICAL/" +
            Pick(f, "Grav Belt", "Parachute");
        const std::string history = Pick(f, "- SSS School", "- SAS School");
        const std::string message =
            Pick(f, "Transfer to branch SSS now available", "Transfer to branch SAS now available");
        for (int rank : {3, 10}) {
            ExpectRows({f.type, rank}, nullptr, {{{5}, history, 5, skills, "", message}});
            Bench b(f.type, rank);
            b.t.dice.Push({5, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
            b.Run();
            EXPECT_EQ(b.c.BranchOpen[2], 1);
            EXPECT_EQ(b.t.ui.shown.back().Title, b.g.AppTitle);
        }
    }
}

// Race type 10 has no such school: result 5 gives nothing at all.
TEST(SpecialsCoafc, RaceTenHasNoSpecialForces) {
    for (const Form& f : Forms) {
        for (int rank : {3, 10}) {
            Bench b(f.type, rank, 10);
            b.t.dice.Push(5);
            b.Run();
            EXPECT_EQ(b.Year(), "");
            EXPECT_EQ(b.c.BranchOpen[2], 0);
            EXPECT_TRUE(b.t.ui.messages.empty());
        }
    }
}

// Int + Edu of 15 takes the list beginning "ACADEMIC", 16 the one beginning
// "Mechanical": the reverse of the core services.
TEST(SpecialsCoafc, SpecialistSchoolLists) {
    for (const Form& f : Forms) {
        const std::vector<std::string> lower = {"ACADEMIC",
                                                "Medical",
                                                Pick(f, "SPACE TECHNICAL", "TECHNICAL"),
                                                Pick(f, "SPACE", "VEHICLE"),
                                                "Computer",
                                                "INTERPERSONAL"};
        const std::vector<std::string> upper = {
            "Mechanical", "Electronics", Pick(f, "Gravitics", "Mechanical"),
            "Commo",      "Engineering", Pick(f, "Ship's Boat", "AIRCRAFT")};
        for (int sum : {15, 16}) {
            for (int p = 1; p <= 6; ++p) {
                SCOPED_TRACE(std::string(f.type) + " Int+Edu " + std::to_string(sum) + " p " +
                             std::to_string(p));
                Bench b(f.type, 3);
                b.c.Stats[StatInt] = static_cast<int16_t>(sum - 7);
                b.t.dice.Push({2, p});
                b.Run();
                EXPECT_EQ(b.Year(), "- Specialist school ");
                EXPECT_EQ(b.Level((sum == 15 ? lower : upper)[p - 1]), 1);
                EXPECT_EQ(b.SkillsHeld(), 1);
            }
        }
    }
}

// Enlisted reach 7 (OCS) only with Soc above 10.
TEST(SpecialsCoafc, OfficerCandidateSchool) {
    struct Case {
        int from, to;
    };
    for (const Case& k : {Case{3, 10}, Case{7, 11}, Case{8, 12}, Case{9, 12}}) {
        SCOPED_TRACE("from " + std::to_string(k.from));
        Bench b("COAFCPD", k.from);
        b.c.Stats[StatSoc] = 11;
        b.t.dice.Push(6);
        b.SkillRolls(3);
        b.Run();
        EXPECT_EQ(b.Year(), "- OCS ");
        EXPECT_EQ(b.c.Rank, k.to);
        EXPECT_EQ(b.Level("Rifle"), 3);
    }
    Bench plain("COAFCPD", 3);
    plain.c.Stats[StatSoc] = 10;
    plain.t.dice.Push({6, 1, 1, 1, 1});
    plain.Run();
    EXPECT_EQ(plain.Year(), "- Engineering School ");

    Bench trained("COAFCSD", 7, 12);
    trained.c.Stats[StatSoc] = 11;
    trained.t.dice.Push(6);
    trained.SkillRolls(3);
    trained.Run();
    EXPECT_EQ(trained.Year(), "- Training ");
    EXPECT_EQ(trained.c.Rank, 7);
    EXPECT_EQ(trained.Level("Rifle"), 3);
}

// COAFC and COAFCSD take the space form, COAFCPD the planetary one.
TEST(SpecialsCoafc, CareerCodeChoosesTheForm) {
    for (const auto& [type, history] :
         {std::pair{"COAFC", "- SSS School "}, std::pair{"COAFCSD", "- SSS School "},
          std::pair{"COAFCPD", "- SAS School "}, std::pair{"coafcpd", "- SAS School "}}) {
        Bench b(type, 3);
        b.Outcome({5});
        EXPECT_EQ(b.Year(), history) << type;
    }
}

}  // namespace
