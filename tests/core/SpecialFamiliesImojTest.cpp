// Special assignments of the IMOJ service: enlisted below rank 8,
// officers from 8.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "SpecialFamiliesBench.h"

using namespace orrimar;
using namespace orrimar::familytest;

namespace {

const std::string Commando =
    "Battle Dress/HAND COMBAT/Demolitions/HEAVY WEAPONS/Intrusion/Recon/Stealth/Survival/Battle "
    "Dress/SPECIAL COMBAT";

// Edu 7: no modifier.
TEST(SpecialsImoj, EnlistedRows) {
    ExpectRows(
        {"IMOJ", 7}, nullptr,
        {
            {{1}, "- Cross-train", 0, "", "XTRAIN/XTRAIN"},
            {{2}, "- Commando School", 5, Commando, "GUN COMBAT"},
            {{3},
             "- Support School",
             4,
             "Commo/Computer/Demolitions/Forensic/Sensor Ops/TECHNICAL",
             ""},
            {{4}, "- Interrogator School", 4, "INFLUENCE/INVESTIGATION/VICE", "Interrogation"},
            {{5},
             "- Intelligence School",
             4,
             "VICE/Commo/Computer/INFLUENCE/INVESTIGATION/Language/Streetwise",
             ""},
        });
}

TEST(SpecialsImoj, OfficerRows) {
    ExpectRows(
        {"IMOJ", 8}, nullptr,
        {
            {{2}, "- Commando School", 5, Commando, "GUN COMBAT"},
            {{3},
             "- Naval Studies",
             5,
             "Computer/Engineering/GUNNERY/Navigation/Pilot/Sensor Ops/Ship's Boat/Vacc "
             "Suit/Zero G Environ",
             ""},
            {{4}, "- Interrogator School", 4, "INFLUENCE/INVESTIGATION/VICE", "Interrogation"},
            {{5},
             "- Command College",
             4,
             "Combat Engineering/Leader/Recon/INFLUENCE/Ship Tactics/Tactics",
             ""},
            {{6}, "- Medical School", 0, "", "Admin/Medical/SCIENCE"},
        });
}

// Enlisted OCS: 5 becomes 9, 6 and 7 become 10 without throws, any other
// rank 8; throws follow unless the new rank is 10.
TEST(SpecialsImoj, OfficerCandidateSchool) {
    struct Case {
        int from, to, rolls;
    };
    for (const Case& k : {Case{0, 8, 3}, Case{3, 8, 3}, Case{4, 8, 3}, Case{5, 9, 3},
                          Case{6, 10, 0}, Case{7, 10, 0}}) {
        SCOPED_TRACE("from rank " + std::to_string(k.from));
        Bench b("IMOJ", k.from);
        b.t.dice.Push(6);
        b.SkillRolls(k.rolls);
        b.Run();
        EXPECT_EQ(b.Year(), "- OCS ");
        EXPECT_EQ(b.c.Rank, k.to);
        EXPECT_EQ(b.Level("Rifle"), k.rolls > 0 ? k.rolls : -1);
    }
}

// Edu above 7 adds one: an enlisted 6 still goes to OCS, an officer 6
// becomes the attache throw, and a 5 the medical school.
TEST(SpecialsImoj, EducationModifier) {
    Bench enlisted("IMOJ", 3);
    enlisted.c.Stats[StatEdu] = 8;
    enlisted.t.dice.Push(6);
    enlisted.SkillRolls(3);
    enlisted.Run();
    EXPECT_EQ(enlisted.Year(), "- OCS ");

    Bench plain("IMOJ", 9);
    plain.Outcome({5});
    EXPECT_TRUE(plain.StartsWith("- Command College ")) << plain.Year();
    Bench educated("IMOJ", 9);
    educated.c.Stats[StatEdu] = 8;
    educated.Outcome({5});
    EXPECT_TRUE(educated.StartsWith("- Medical School ")) << educated.Year();
    Bench top("IMOJ", 9);
    top.c.Stats[StatEdu] = 8;
    top.t.dice.Push({6, 5});
    top.Run();
    EXPECT_EQ(top.Year(), "- MoJ Aide ");
}

// A seasoned interrogator (above level 2) throws: 5 or 6 teaches and gains
// nothing else; 4 or less takes the course. Level 2 takes it unthrown.
TEST(SpecialsImoj, InterrogatorInstructor) {
    Bench teacher("IMOJ", 3);
    teacher.Has("Interrogation-3");
    teacher.t.dice.Push({4, 5});
    teacher.Run();
    EXPECT_EQ(teacher.Year(), "- Interrogator School  (Instructor) ");
    EXPECT_EQ(teacher.Level("Instruction"), 1);
    EXPECT_EQ(teacher.Level("Interrogation"), 3);
    EXPECT_EQ(teacher.SkillsHeld(), 2);

    Bench student("IMOJ", 8);
    student.Has("Interrogation-3");
    student.t.dice.Push({4, 4, 4, 3, 4});
    student.Run();
    EXPECT_EQ(student.Year(), "- Interrogator School ");
    EXPECT_EQ(student.Level("Interrogation"), 4);
    EXPECT_EQ(student.Level("INVESTIGATION"), -1);
    EXPECT_EQ(student.Level("VICE"), 1);

    Bench level2("IMOJ", 3);
    level2.Has("Interrogation-2");
    level2.t.dice.Push({4, 4, 4, 4});  // no instructor throw
    level2.Run();
    EXPECT_EQ(level2.Level("Interrogation"), 3);
    EXPECT_EQ(level2.Level("Instruction"), -1);
}

// "Admin" or "Medical" above level 2, and a throw above 4, makes an
// instructor; without either skill no throw is made.
TEST(SpecialsImoj, MedicalSchoolInstructor) {
    struct Case {
        const char* held;
        std::vector<int> faces;
        bool teaches;
    };
    for (const Case& k : {Case{"Admin-3", {6, 5}, true}, Case{"Medical-3", {6, 6}, true},
                          Case{"Medical-3", {6, 4}, false}, Case{"Admin-2", {6}, false},
                          Case{"Medical-2", {6}, false}}) {
        SCOPED_TRACE(std::string(k.held) + " " + std::to_string(k.faces.size()));
        Bench b("IMOJ", 10);
        b.Has(k.held);
        for (int f : k.faces) b.t.dice.Push(f);
        b.Run();
        EXPECT_EQ(b.Year(), k.teaches ? "- Medical School  (Instructor) " : "- Medical School ");
        EXPECT_EQ(b.Level("Instruction"), k.teaches ? 1 : -1);
        EXPECT_EQ(b.Level("SCIENCE"), k.teaches ? -1 : 1);
    }
}

// The attache rises while below rank 14; the aide only gains standing.
TEST(SpecialsImoj, AttacheAndAide) {
    struct Case {
        int rank, face;
        const char* history;
        int after;
    };
    for (const Case& k : {Case{13, 4, "- MoJ Attache", 14}, Case{14, 1, "- MoJ Attache", 14},
                          Case{15, 1, "- MoJ Attache", 15}, Case{12, 5, "- MoJ Aide", 12},
                          Case{12, 6, "- MoJ Aide", 12}}) {
        SCOPED_TRACE("rank " + std::to_string(k.rank) + " face " + std::to_string(k.face));
        Bench b("IMOJ", k.rank);
        b.c.Stats[StatEdu] = 8;
        b.t.dice.Push({6, k.face});
        b.Run();
        EXPECT_EQ(b.Year(), std::string(k.history) + " ");
        EXPECT_EQ(b.c.Rank, k.after);
        EXPECT_EQ(b.c.Stats[StatSoc], 8);
    }
}

// 1D3 picks, each chosen by the user from four skills.
TEST(SpecialsImoj, AssassinationTraining) {
    Bench b("IMOJ", 8);
    b.t.dice.Push({1, 3});
    b.t.ui.Answer({"2", "4", "2"});
    b.Run();
    EXPECT_EQ(b.Year(), "- Assassination Training ");
    EXPECT_EQ(b.Level("Martial Arts"), 2);
    EXPECT_EQ(b.Level("GUN COMBAT"), 1);
    int picks = 0;
    for (const auto& s : b.t.ui.shown) {
        if (s.Kind != "pickone") continue;
        ++picks;
        EXPECT_EQ(s.Text, "Brawling/Martial Arts/BLADE COMBAT/GUN COMBAT");
        EXPECT_EQ(s.Title, "Select Skill");
    }
    EXPECT_EQ(picks, 3);

    // A 1D3: a 4 is no face of it.
    Bench d("IMOJ", 8);
    d.t.dice.Push({1, 4});
    EXPECT_THROW(SpecialAssignment(d.g), std::logic_error);
}

// Under automatic generation the dice choose and nothing is asked.
TEST(SpecialsImoj, AssassinationPickedByDice) {
    Bench b("IMOJ", 8);
    b.c.Options[OptAutoGen] = OptOn;
    b.t.dice.SetFallback(true);
    b.t.dice.Push({1, 2});
    SpecialAssignment(b.g);
    EXPECT_TRUE(b.t.ui.shown.empty());
    int levels = 0;
    for (const char* s : {"Brawling", "Martial Arts", "BLADE COMBAT", "GUN COMBAT"})
        levels += std::max(0, b.Level(s));
    EXPECT_EQ(levels, 2);
}

}  // namespace
