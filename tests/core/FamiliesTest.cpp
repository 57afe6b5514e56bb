// Special assignments of the service families, and every family over the sample data.
#include <stdexcept>

#include "FamilyBench.h"
#include "startup/Service.h"

using namespace orrimar;
using namespace orrimar::familytest;

namespace {

// A few rows of each family: selectors, targets, grants and announcements.
TEST(SpecialsFamilies, RepresentativeRows) {
    const std::string sf = "Brawling/GUN COMBAT/Demolitions/SPECIAL COMBAT/Recon/BLADE COMBAT/";
    const std::string sd = sf + "Vacc Suit/Instruction/PHYSICAL/Grav Belt";
    const std::string pd = sf + "AIRCRAFT/Instruction/PHYSICAL/Parachute";
    const std::pair<Who, RowCase> cases[] = {
        {{"COPS"}, Opening({{7}, "- Cross-training", 0, "", "XTRAIN"}, "Detective", 3)},
        // DMIL: a number, or a digit of a string thrown for on 1Dn.
        {{"DMIL", 4, 10, "SEN", 3}, {{}, "- Aide", 0, "", "Steward/+1 Sen"}},
        {{"DMIL", 4, 10, "SEN", 2},
         {{3}, " - Protected Forces", 3, "Vacc Suit/Zero G Combat/Zero G Weapon"}},
        {{"DMIL", 4, 10, "SEN", 7}, {{}, ""}},
        // SOLSEC specialist training: 2D6, +4 each for Int and Par above 7.
        {{"SOLSEC", 3, 2, "PAR", 8, 8}, {{4, 1, 1}, "- Specialist Training", 0, "", "Ships Boat"}},
        {{"SOLSEC", 3, 2, "PAR", 8, 8}, {{4, 2, 3}, "- Specialist Training"}},
        {{"FMILIT", 10, 7}, {{3, 5}, "- Specialist School", 0, "", "INBORN"}},  // officers: +1
        // COAFC: "SD" (or plain) space skills, "PD" planetary; Int + Edu 15 gives "ACADEMIC".
        {{"COAFC"}, Opening({{5}, "- SSS School", 5, sd, ""}, "SSS", 2)},
        {{"COAFCPD", 10}, Opening({{5}, "- SAS School", 5, pd, ""}, "SAS", 2)},
        {{"COAFCSD", 3, 1, "SOC", 7, 8}, {{2, 3}, "- Specialist school", 0, "", "SPACE TECHNICAL"}},
        {{"COAFCPD", 3, 1, "SOC", 7, 9}, {{2, 6}, "- Specialist school", 0, "", "AIRCRAFT"}},
        {{"MERCHANT", 2, 7}, {{1, 2}, "- Trade Station", 4, "ECONOMIC/Liaison", "Trader"}}};
    for (const auto& [who, row] : cases) ExpectRow(who, row);
}

// Each face is one past its die (1D6 police of race type 2, digit dice, 1D3 picks, Aslan 1D2
// and 1D4, corsair 1D5, the general's 1D5), so a larger die fails here.
TEST(SpecialsFamilies, DiceSides) {
    const std::pair<Who, std::vector<int>> cases[] = {
        {{"COPS", 3, 2}, {7}},     {{"DMIL", 4, 10, "SEN", 4}, {3}}, {{"IMOJ", 8}, {1, 4}},
        {{"MERCHANT", 3, 6}, {3}}, {{"MERCHANT", 3, 7}, {1, 5}},     {{"PIRATE"}, {6}},
        {{"ARMY", 12}, {6, 5, 6}}};
    for (const auto& [who, faces] : cases) {
        Bench b(who);
        for (int f : faces) b.t.dice.Push(f);
        EXPECT_THROW(SpecialAssignment(b.g), std::logic_error) << who.type;
    }
}

// The thrown position picks the digit of the [SCHOOL] line and the race the file family (names
// read without case); races 6 and 7 have one academy, found on every throw but 9. A school the
// folder cannot give names the problem and makes the ordinary skill-table roll instead.
TEST(SpecialsPolice, SchoolFiles) {
    TempDir data;
    for (const char* f : {"ICOP5", "afcop"})
        data.Write(f + std::string(".SCH"),
                   {f + std::string(" Academy"), "a", "b", "c", "d", "e", "f"});
    data.Write("ICOP3.SCH", {"- Academy: Gap", "a", "b", "", "d", "e", "f"});
    data.Write("ICOP4.SCH", {"- Academy: Short", "a", "b", "c"});
    const std::string file = "The school file ";
    const std::tuple<int, int, const char*, std::string> cases[] = {
        {1, 2, "654321", "ICOP5 Academy"},
        {7, 2, "", "afcop Academy"},
        {1, 2, "123456", file + "ICOP2.SCH is not in the data folder"},
        {1, 3, "123456", file + "ICOP3.SCH needs a title line and six skill lines"},
        {1, 4, "123456", file + "ICOP4.SCH needs a title line and six skill lines"},
        {1, 3, "12 456", "The [SCHOOL] line of Test Service has no school digit at position 3"}};
    for (const auto& [race, face, school, text] : cases) {
        const bool found = Contains(text, "Academy");
        Bench b({"COPS", 3, race});
        b.g.DataLoc = data.Path();
        b.g.Service.School = school;
        b.t.dice.Push(face);
        found ? b.t.dice.Push({3, 3}) : b.SkillRolls(1);
        b.Run();
        EXPECT_EQ(b.Year(), found ? text + " " : "");
        EXPECT_EQ(b.Level(found ? "c" : "Rifle") * 10 + b.SkillsHeld(), found ? 21 : 11);
        EXPECT_EQ(b.t.ui.messages,
                  Names(found ? "" : text + "; a skill-table roll is made instead."));
    }
}

// IRIS: "Covert" adds 1 and "Strike" 2, read with case; 9 finds nothing. PARTY: +1 above 7,
// another above 11. SOLSEC: +1 up to term 5, +1 above 5, -1 below 5. IMOJ: +1 for Edu above
// 7; its attache rises while below rank 14. COAFC: OCS needs Soc above 10; attaches rise
// below the top rank. Aslan merchants: the department test needs Edu above 8 and a rank
// below the top. OCS: IMOJ 5 becomes 9, 6 becomes 10, others 8; the clan services 7
// becomes 11, 8 or more 12, others 10, and the space service opens its Staff branch.
TEST(SpecialsFamilies, ModifiersAndRanks) {
    const std::tuple<Who, const char*, int, std::vector<int>, const char*, int> cases[] = {
        {{"IRIS"}, "Covert Operations", 7, {5}, "- Commando school", 3},
        {{"IRIS"}, "covert operations", 7, {5}, "- Command college", 3},
        {{"IRIS"}, "Strike Teams", 7, {5}, "- Assassin training", 3},
        {{"PARTY", 3, 2, "PAR", 8}, "", 7, {4}, "- College", 3},
        {{"PARTY", 3, 2, "PAR", 12}, "", 7, {4}, "- Party Congress", 3},
        {{"SOLSEC", 3, 2, "PAR", 6}, "", 7, {1}, "- Crisis", 3},
        {{"SOLSEC", 3, 2, "PAR", 4}, "", 7, {2}, "- Cultural Exchange", 3},
        {{"IMOJ", 9}, "", 8, {5}, "- Medical School", 9},
        {{"IMOJ", 13}, "", 8, {6, 4}, "- MoJ Attache", 14},
        {{"IMOJ", 14}, "", 8, {6, 1}, "- MoJ Attache", 14},
        {{"COAFCPD", 3}, "", 7, {6}, "- Engineering School", 3},
        {{"COAFC", 14}, "", 7, {4}, "- COAFC Attache", 15},
        {{"COAFC", 15}, "", 7, {4}, "- COAFC Attache", 15},
        {{"MERCHANT", 3, 6}, "", 9, {2, 6}, "- Department test", 3},
        {{"MERCHANT", 15, 7}, "", 9, {2, 6}, "", 15},
        {{"MERCHANT", 3, 7}, "", 8, {2, 6}, "- Business School", 3},
        {{"IMOJ", 3}, "", 7, {6}, "- OCS", 8},
        {{"IMOJ", 5}, "", 7, {6}, "- OCS", 9},
        {{"IMOJ", 6}, "", 7, {6}, "- OCS", 10},
        {{"FMILIT", 7}, "", 7, {1}, "- OCS", 11},
        {{"MSPACE", 8}, "", 7, {1}, "- OCS", 12},
        {{"COAFCPD", 7, 1, "SOC", 11}, "", 7, {6}, "- OCS", 11}};
    for (const auto& [who, branch, edu, faces, history, rank] : cases) {
        Bench b(who);
        b.g.Service.BranchName = branch;
        b.c.Stats[StatEdu] = static_cast<int16_t>(edu);
        b.Outcome(faces);
        EXPECT_TRUE(*history ? StartsWith(b.Year(), history) : b.Year().empty()) << b.Year();
        EXPECT_EQ(b.c.Rank, rank) << who.type << " " << history;
        EXPECT_EQ(b.c.DeptTestPassed, std::string(history) == "- Department test" ? 1 : 0);
        EXPECT_EQ(b.c.BranchOpen[7], who.type == "MSPACE" ? 1 : 0);
    }
}

// Instructors: above level 2 in "Interrogation" (IMOJ, a throw above 4), "Admin" or "Medical"
// (IMOJ officers), "Medical" (female space service); above level 3 in "Medical" (IRIS).
TEST(SpecialsFamilies, Instructors) {
    const std::tuple<Who, const char*, std::vector<int>, const char*, bool, int> cases[] = {
        {{"IMOJ", 3}, "Interrogation-3", {4, 5}, "- Interrogator School  (Instructor) ", 1, 2},
        {{"IMOJ", 3}, "Interrogation-3", {4, 4, 4, 4, 4}, "- Interrogator School ", 0, 4},
        {{"IMOJ", 3}, "Interrogation-2", {4, 4, 4, 4}, "- Interrogator School ", 0, 4},
        {{"IMOJ", 10}, "Admin-3", {6, 5}, "- Medical School  (Instructor) ", 1, 2},
        {{"FSPACE", 11, 7}, "Medical-3", {5}, "- Medical Training (instructor) ", 1, 2},
        {{"IRIS"}, "Medical-4", {1}, "- Medical school ", 1, 2},
        {{"IRIS"}, "Medical-3", {1}, "- Medical school ", 0, 1}};
    for (const auto& [who, held, faces, history, teaches, skills] : cases) {
        Bench b(who);
        AddSkill(b.g, held);
        for (int f : faces) b.t.dice.Push(f);
        b.Run();
        EXPECT_EQ(b.Year(), history) << held;
        EXPECT_EQ(b.Level("Instruction") * 10 + b.SkillsHeld(), (teaches ? 10 : -10) + skills);
    }
}

// Every skill, characteristic and school file the tables hand out exists for their races.
TEST(SpecialsFamilies, SampleDataYearsWithoutADataMessage) {
    const std::string careers =
        "Imperial,Police|Zhodani,Police|Concord,Civic Police|Aslan male,Clan Enforcers|"
        "Aslan female,Clan Magistracy|Imperial,IRIS|Imperial,Ministry of Justice|Concord,Party|"
        "Concord,State Security|Tarrenai,Allied Forces: Planetary|Dominion,Allied Forces|"
        "Chelith,Allied Forces: Space|Dominion,Dominion Army|Dominion,Dominion Navy|"
        "Aslan male,Clan Military|Aslan female,Clan Military|Aslan male,Clan Space|"
        "Aslan female,Clan Space|Aslan male,Merchant|Aslan female,Merchant";
    for (const auto& career : Split(careers, '|')) {
        SCOPED_TRACE(career);
        TestGame t;
        t.LoadData(SampleDataDir());
        t.Pick(Split(career, ',')[0], Split(career, ',')[1]);
        SelectBranch(t.g, 0);
        t.dice.SetFallback(true);
        auto& c = t.g.Character;
        c.Options[OptAutoGen] = OptOn;
        for (int i = 1; i <= t.g.Race.NumStats; ++i) c.Stats[i] = 7;
        c.CurTerm = c.CurLine = 1;
        const CharacterRecord start = c;
        int logged = 0;
        for (int year = 0; year < 150; ++year) {
            c = start;  // every rank, and every standing the tables read
            c.Rank = static_cast<int16_t>(year % (t.g.Service.MaxRank + 1));
            c.Stats[6] = static_cast<int16_t>(1 + year % 6);
            SpecialAssignment(t.g);
            logged += Trim(c.TermLog[1].Lines[1]).empty() ? 0 : 1;
        }
        for (const auto& m : t.ui.messages) EXPECT_TRUE(StartsWith(m, "Transfer to branch ")) << m;
        EXPECT_GT(logged, 100) << "years with a history line";
    }
}

}  // namespace
