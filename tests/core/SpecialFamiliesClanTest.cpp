// Special assignments of the FMILIT, MMILIT, FSPACE and MSPACE services.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SpecialFamiliesBench.h"

using namespace orrimar;
using namespace orrimar::familytest;

namespace {

// Enlisted throw the bare die; officers add one. Rows 1 to 6 come from an
// enlisted character, row 7 from an officer throwing 6.

TEST(SpecialsClanMilitary, MaleRows) {
    const std::vector<RowCase> enlisted = {
        {{2}, "- Special Forces", 5, "Dewclaw/GUN COMBAT/SPECIAL COMBAT/Survival/Recon", ""},
        {{3}, "- Protected Forces", 3, "Vacc Suit/High G Environ/Zero G Environ", ""},
        {{4},
         "- Assault Training",
         5,
         "ENVIRON/GUN COMBAT/SPECIAL COMBAT/Survival/Recon/HEAVY WEAPONS/Battledress",
         ""},
        {{5},
         "- Assassin Training",
         4,
         "Dewclaw/Personal Weapons/GUN COMBAT/Recon/Demolitions",
         "",
         "Transfer to branch Assassin now available"},
        {{6}, "- Attache", 0, "", "Tolerance/Independence"},
    };
    ExpectRows({"MMILIT", 3, 6}, nullptr, enlisted);
    ExpectRows(
        {"MMILIT", 10, 6}, nullptr,
        {{{6}, "- Command College", 4, "Tactics/Leader/Recon", ""},
         {{1}, "- Special Forces", 5, "Dewclaw/GUN COMBAT/SPECIAL COMBAT/Survival/Recon", ""}});

    Bench b("MMILIT", 3, 6);
    b.t.dice.Push({5, 1, 1, 1, 1, 1});
    b.Run();
    EXPECT_EQ(b.c.BranchOpen[6], 1);
    EXPECT_EQ(b.t.ui.shown.back().Title, b.g.AppTitle);
}

TEST(SpecialsClanMilitary, FemaleRows) {
    ExpectRows(
        {"FMILIT", 3, 7}, nullptr,
        {
            {{2}, "- Cross-train", 0, "", "XTRAIN"},
            {{3}, "- Protected Forces", 3, "Vacc Suit/High G Environ/Zero G Environ", ""},
            {{5}, "- Intelligence School", 4, "Forgery/Streetwise/Bribery/Interrogation", ""},
            {{6}, "- Attache", 0, "", "Tolerance/Steward"},
        });
    ExpectRows({"FMILIT", 12, 7}, nullptr,
               {{{6}, "- Staff College", 4, "Admin/Combat Eng/Computer", ""}});
}

// The female specialist school: one die, three more for officers, so an
// officer's 6 finds nothing.
TEST(SpecialsClanMilitary, FemaleSpecialistSchool) {
    const std::vector<std::string> list = {"",          "VEHICLE",   "MILITARY MEDICAL",
                                           "Commo",     "Gravitics", "TECHNICAL",
                                           "TECHNICAL", "Computer",  "INBORN"};
    for (int rank : {3, 10}) {
        for (int face = 1; face <= 6; ++face) {
            SCOPED_TRACE("rank " + std::to_string(rank) + " face " + std::to_string(face));
            Bench b("FMILIT", rank, 7);
            b.t.dice.Push({rank > 9 ? 3 : 4, face});
            b.Run();
            EXPECT_EQ(b.Year(), "- Specialist School ");
            const int result = face + (rank > 9 ? 3 : 0);
            if (result <= 8) {
                EXPECT_EQ(b.Level(list[result]), 1);
                EXPECT_EQ(b.SkillsHeld(), 1);
            } else {
                EXPECT_EQ(b.SkillsHeld(), 0);
            }
        }
    }
}

// OCS: 7 becomes 11, 8 and above 12, any other 10; three throws follow.
TEST(SpecialsClanMilitary, OfficerCandidateSchool) {
    struct Case {
        int from, to;
    };
    for (const char* type : {"FMILIT", "MMILIT"}) {
        for (const Case& k : {Case{0, 10}, Case{6, 10}, Case{7, 11}, Case{8, 12}, Case{9, 12}}) {
            SCOPED_TRACE(std::string(type) + " from " + std::to_string(k.from));
            Bench b(type, k.from);
            b.t.dice.Push(1);
            b.SkillRolls(3);
            b.Run();
            EXPECT_EQ(b.Year(), "- OCS ");
            EXPECT_EQ(b.c.Rank, k.to);
            EXPECT_EQ(b.Level("Rifle"), 3);
            EXPECT_TRUE(b.t.ui.messages.empty());
        }
    }
}

TEST(SpecialsClanSpace, SharedRows) {
    for (const char* type : {"FSPACE", "MSPACE"}) {
        ExpectRows({type}, nullptr, {{{3}, "- Cross Train", 0, "", "XTRAIN"}});
        const std::vector<std::string> list = {"TECHNICAL",     "SPACE TECHNICAL", "VEHICLE",
                                               "Interrogation", "SPACE COMBAT",    "ENVIRON"};
        for (int p = 1; p <= 6; ++p) {
            SCOPED_TRACE(std::string(type) + " specialist " + std::to_string(p));
            Bench b(type, 11);
            b.t.dice.Push({1, p});
            b.Run();
            EXPECT_EQ(b.Year(), "- Specialist School ");
            EXPECT_EQ(b.Level(list[p - 1]), 1);
        }
    }
}

TEST(SpecialsClanSpace, MaleRows) {
    ExpectRows(
        {"MSPACE", 3, 6}, nullptr,
        {
            {{4}, "- Flight School", 5, "SPACE COMBAT/Vacc Suit/Pilot", ""},
            {{5}, "- Gunnery School", 5, "GUNNERY/GUNNERY/GUNNERY/GUNNERY", ""},
            {{6}, "- Ship School", 4, "Personal Weapons/Tactics/Zero G Weapons/Zero G Combat", ""},
        });
    ExpectRows({"MSPACE", 10, 6}, nullptr,
               {{{6}, "- Command College", 4, "Tactics/Leader/Recon", ""}});
}

TEST(SpecialsClanSpace, FemaleRows) {
    ExpectRows({"FSPACE", 3, 7}, nullptr,
               {
                   {{4},
                    "- Intelligence School",
                    4,
                    "SPACE COMBAT/Bribery/Forgery/GUN COMBAT/Interrogation/Streetwise",
                    ""},
                   {{5},
                    " - Purser Training",
                    4,
                    "Admin/ECONOMIC/ECONOMIC/Computer/Liaison/Tolerance/Legal",
                    ""},
                   {{6}, "- Medical Training", 4, "Jack of Trades/Medical/Steward", "Medical-2"},
               });
    ExpectRows({"FSPACE", 10, 7}, nullptr,
               {{{6}, "- Staff College", 4, "Admin/Combat Eng/Computer", ""}});
}

// Above level 2 in Medical the character teaches and gains nothing else.
TEST(SpecialsClanSpace, FemaleMedicalInstructor) {
    Bench teacher("FSPACE", 11, 7);
    teacher.Has("Medical-3");
    teacher.t.dice.Push(5);  // 6 for an officer
    teacher.Run();
    EXPECT_EQ(teacher.Year(), "- Medical Training (instructor) ");
    EXPECT_EQ(teacher.Level("Instruction"), 1);
    EXPECT_EQ(teacher.Level("Medical"), 3);
    EXPECT_EQ(teacher.SkillsHeld(), 2);

    Bench student("FSPACE", 11, 7);
    student.Has("Medical-2");
    student.t.dice.Push({5, 4, 4, 3});
    student.Run();
    EXPECT_EQ(student.Year(), "- Medical Training ");
    EXPECT_EQ(student.Level("Medical"), 5);
    EXPECT_EQ(student.Level("Steward"), -1);
}

// The space OCS opens the Staff branch once the throws are made.
TEST(SpecialsClanSpace, OfficerCandidateSchoolOpensStaff) {
    struct Case {
        int from, to;
    };
    for (const char* type : {"FSPACE", "MSPACE"}) {
        for (const Case& k : {Case{2, 10}, Case{7, 11}, Case{8, 12}}) {
            SCOPED_TRACE(std::string(type) + " from " + std::to_string(k.from));
            Bench b(type, k.from);
            b.t.dice.Push(1);
            b.SkillRolls(3);
            b.Run();
            EXPECT_EQ(b.Year(), "- OCS ");
            EXPECT_EQ(b.c.Rank, k.to);
            EXPECT_EQ(b.Level("Rifle"), 3);
            EXPECT_EQ(b.c.BranchOpen[7], 1);
            ASSERT_EQ(b.t.ui.messages,
                      std::vector<std::string>{"Transfer to branch Staff now available"});
            EXPECT_EQ(b.t.ui.shown.back().Kind, "message");
            EXPECT_EQ(b.t.ui.shown.back().Title, b.g.AppTitle);
        }
    }
}

// Officers never reach OCS: their 1 is the second row.
TEST(SpecialsClanSpace, OfficersNeverReachOcs) {
    Bench b("MSPACE", 10);
    b.t.dice.Push({1, 2});
    b.Run();
    EXPECT_EQ(b.Year(), "- Specialist School ");
    EXPECT_EQ(b.c.Rank, 10);
    EXPECT_EQ(b.c.BranchOpen[7], 0);
}

}  // namespace
