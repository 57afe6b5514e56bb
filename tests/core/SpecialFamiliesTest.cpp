// Special assignments of the service families, and one pass of every
// family over the sample data.
#include <stdexcept>

#include "SpecialFamiliesBench.h"
#include "startup/Files.h"
#include "startup/Service.h"

using namespace orrimar;
using namespace orrimar::familytest;

namespace {

Who Sen(const char* type, int value) {
    return {type, 4, 10, "SEN", value};
}

// A few rows of each family: selectors, targets, grants and announcements.
TEST(SpecialsFamilies, RepresentativeRows) {
    const std::string as = "Dewclaw/Personal Weapons/GUN COMBAT/Recon/Demolitions";
    const std::string sf = "Brawling/GUN COMBAT/Demolitions/SPECIAL COMBAT/Recon/BLADE COMBAT/";
    const std::string sd = sf + "Vacc Suit/Instruction/PHYSICAL/Grav Belt";
    const std::string pd = sf + "AIRCRAFT/Instruction/PHYSICAL/Parachute";
    const std::string pt = "Admin/ECONOMIC/ECONOMIC/Computer/Liaison/Tolerance/Legal";
    const std::pair<Who, RowCase> cases[] = {
        {{"COPS"}, Opening({{7}, "- Cross-training", 0, "", "XTRAIN"}, "Detective", 3)},
        // DMIL and DNAVY: a number, or a digit of a string thrown for on 1Dn.
        {Sen("DMIL", 3), {{}, "- Aide", 0, "", "Steward/+1 Sen"}},
        {Sen("DMIL", 2), {{3}, " - Protected Forces", 3, "Vacc Suit/Zero G Combat/Zero G Weapon"}},
        {Sen("DMIL", 4), Opening({{1}, "- Cross-train", 0, "", "XTRAIN"}, "Drop Troops", 8)},
        {Sen("DMIL", 6), {{1}, "- OCS - Command College", 4, "Tactics/Leader/Recon"}},
        {Sen("DMIL", 7), {{}, ""}},
        {Sen("DNAVY", 5), {{2}, "Command College", 4, "TACTICAL/TACTICAL/Leader"}},
        {Sen("DNAVY", 6), {{1}, "- OCS Command College", 4, "TACTICAL/TACTICAL/Leader"}},
        {{"PARTY", 3, 2, "PAR"},
         {{6}, "- Party Congress", 4, "Admin/Liaison/Streetwise/Leader", "+2 Par"}},
        {{"SOLSEC", 3, 2, "PAR", 6}, {{5}, "- Proteg\xe9", 3, "Leader/+1 Par", "+1 Par"}},
        // SOLSEC specialist training: 2D6, +4 for Int above 7, +4 for Par above 7.
        {{"SOLSEC", 3, 2, "PAR", 5}, {{5, 1, 1}, "- Specialist Training", 0, "", "Medical"}},
        {{"SOLSEC", 3, 2, "PAR", 5}, {{5, 6, 6}, "- Specialist Training", 0, "", "Trader"}},
        {{"SOLSEC", 3, 2, "PAR", 5, 8}, {{5, 1, 1}, "- Specialist Training", 0, "", "Gravitics"}},
        {{"SOLSEC", 3, 2, "PAR", 8, 8}, {{4, 1, 1}, "- Specialist Training", 0, "", "Ships Boat"}},
        {{"SOLSEC", 3, 2, "PAR", 8, 8}, {{4, 2, 3}, "- Specialist Training"}},
        {{"IMOJ", 7}, {{1}, "- Cross-train", 0, "", "XTRAIN/XTRAIN"}},
        // The clan services: officers add one.
        {{"MMILIT", 3, 6}, Opening({{5}, "- Assassin Training", 4, as, ""}, "Assassin", 6)},
        {{"MMILIT", 10, 6}, {{6}, "- Command College", 4, "Tactics/Leader/Recon"}},
        {{"FMILIT", 12, 7}, {{6}, "- Staff College", 4, "Admin/Combat Eng/Computer"}},
        {{"FMILIT", 10, 7}, {{3, 5}, "- Specialist School", 0, "", "INBORN"}},
        {{"MSPACE", 11, 6}, {{1, 5}, "- Specialist School", 0, "", "SPACE COMBAT"}},
        {{"FSPACE", 3, 7}, {{5}, " - Purser Training", 4, pt}},
        // COAFC: "SD" (also plain COAFC) names space skills, "PD" planetary.
        {{"COAFC"}, Opening({{5}, "- SSS School", 5, sd, ""}, "SSS", 2)},
        {{"COAFCPD", 10}, Opening({{5}, "- SAS School", 5, pd, ""}, "SAS", 2)},
        {{"COAFCPD", 3, 10}, {{5}, ""}},
        {{"COAFCSD", 10},
         {{2}, "IntSch ", 4, "Forgery/GUN COMBAT/Bribery/Streetwise/Interrogation"}},
        {{"coafcpd", 10, 1, "SOC", 11},
         {{6}, "- Command college", 4, "Airplane Tactics/Commo/Leader/Computer/Leader"}},
        // Int + Edu 15 takes the list beginning "ACADEMIC", the other way round
        // from the core services.
        {{"COAFCSD", 3, 1, "SOC", 7, 8}, {{2, 3}, "- Specialist school", 0, "", "SPACE TECHNICAL"}},
        {{"COAFCPD", 3, 1, "SOC", 7, 8}, {{2, 4}, "- Specialist school", 0, "", "VEHICLE"}},
        {{"COAFCSD", 3, 1, "SOC", 7, 9}, {{2, 3}, "- Specialist school", 0, "", "Gravitics"}},
        {{"COAFCPD", 3, 1, "SOC", 7, 9}, {{2, 6}, "- Specialist school", 0, "", "AIRCRAFT"}},
        // Aslan merchants: 1D2 picks the postings (1D4) or the schools (1D6).
        {{"MERCHANT", 2, 7}, {{1, 2}, "- Trade Station", 4, "ECONOMIC/Liaison", "Trader"}},
        {{"MERCHANT", 2, 6}, {{1, 2}, "- Trade Station", 0, "", "Independence"}},
        {{"MERCHANT", 2, 7}, {{2, 2}, "- Command School", 5, "Admin/Legal/INBORN"}},
        {{"MERCHANT", 2, 6}, {{2, 2}, "- Command School", 5, "Leader/Ship Tactics/INBORN"}}};
    for (const auto& [who, row] : cases) ExpectRow(who, row);
}

// Each face is one past its die (1D6 police of race type 2, digit dice, 1D3
// picks, Aslan 1D2 and 1D4, corsair 1D5), so a larger die fails here.
TEST(SpecialsFamilies, DiceSides) {
    const std::pair<Who, std::vector<int>> cases[] = {
        {{"COPS", 3, 2}, {7}},     {Sen("DMIL", 4), {3}},        {{"IMOJ", 8}, {1, 4}},
        {{"MERCHANT", 3, 6}, {3}}, {{"MERCHANT", 3, 7}, {1, 5}}, {{"PIRATE"}, {6}},
        {Sen("DNAVY", 4), {4}}};
    for (const auto& [who, faces] : cases) {
        Bench b(who);
        for (int f : faces) b.t.dice.Push(f);
        EXPECT_THROW(SpecialAssignment(b.g), std::logic_error) << who.type;
    }
}

// The thrown position picks the digit of the [SCHOOL] line and the race the
// file family (names read without case); races 6 and 7 have one academy,
// found on every throw but 9. A school the folder cannot give names the
// problem and makes the ordinary skill-table roll instead.
TEST(SpecialsPolice, SchoolFiles) {
    TempDir data;
    for (const char* f : {"ICOP5", "ZCOP3", "SCOP6", "AMCOP", "afcop"})
        data.Write(f + std::string(".SCH"),
                   {f + std::string(" Academy"), "a", "b", "c", "d", "e", "f"});
    data.Write("ICOP3.SCH", {"- Academy: Short", "a", "b", "c"});
    data.Write("ICOP4.SCH", {"- Academy: Gap", "a", "b", "", "d", "e", "f"});
    const std::string file = "The school file ", lines = " needs a title line and six skill lines";
    const std::tuple<int, int, const char*, std::string> cases[] = {
        {1, 2, "654321", "ICOP5 Academy"},
        {4, 4, "654321", "ZCOP3 Academy"},
        {2, 1, "654321", "SCOP6 Academy"},
        {6, 8, "", "AMCOP Academy"},
        {7, 2, "", "afcop Academy"},
        {1, 2, "123456", file + "ICOP2.SCH is not in the data folder"},
        {1, 3, "123456", file + "ICOP3.SCH" + lines},
        {1, 4, "123456", file + "ICOP4.SCH" + lines},
        {1, 3, "12 456", "The [SCHOOL] line of Test Service has no school digit at position 3"}};
    for (const auto& [race, face, school, text] : cases) {
        const bool found = Contains(text, "Academy");
        Bench b("COPS", 3, race);
        b.g.DataLoc = data.Path();
        b.g.Service.School = school;
        b.t.dice.Push(face);
        found ? b.t.dice.Push({3, 3}) : b.SkillRolls(1);
        b.Run();
        EXPECT_EQ(b.Year(), found ? text + " " : "");
        EXPECT_EQ(b.SkillsHeld(), 1);
        EXPECT_EQ(b.Level(found ? "c" : "Rifle"), found ? 2 : 1);
        EXPECT_EQ(b.t.ui.messages,
                  Names(found ? "" : text + "; a skill-table roll is made instead."));
    }
}

// IRIS: "Covert" adds 1 and "Strike" 2, read with case; 9 finds nothing.
// PARTY: +1 above 7, another above 11. SOLSEC: +1 up to term 5, +1 above
// 5, -1 below 5. IMOJ: +1 for Edu above 7; its attache rises while below
// rank 14, its aide never. COAFC: OCS needs Soc above 10; attaches rise
// below the top rank. Aslan merchants: the department test needs Edu above
// 8 and a rank below the top.
TEST(SpecialsFamilies, ModifiersAndRankLimits) {
    const std::tuple<Who, const char*, int, std::vector<int>, const char*, int> cases[] = {
        {{"IRIS"}, "Covert Operations", 7, {5}, "- Commando school", 3},
        {{"IRIS"}, "covert operations", 7, {5}, "- Command college", 3},
        {{"IRIS"}, "Strike Teams", 7, {5}, "- Assassin training", 3},
        {{"IRIS"}, "Covert Strike", 7, {6}, "", 3},
        {{"PARTY", 3, 2, "PAR", 7}, "", 7, {4}, "- Council Secretary", 3},
        {{"PARTY", 3, 2, "PAR", 8}, "", 7, {4}, "- College", 3},
        {{"PARTY", 3, 2, "PAR", 12}, "", 7, {4}, "- Party Congress", 3},
        {{"SOLSEC", 3, 2, "PAR", 5}, "", 7, {1}, "- Cultural Exchange", 3},
        {{"SOLSEC", 3, 2, "PAR", 6}, "", 7, {1}, "- Crisis", 3},
        {{"SOLSEC", 3, 2, "PAR", 4}, "", 7, {2}, "- Cultural Exchange", 3},
        {{"IMOJ", 9}, "", 8, {5}, "- Medical School", 9},
        {{"IMOJ", 13}, "", 8, {6, 4}, "- MoJ Attache", 14},
        {{"IMOJ", 14}, "", 8, {6, 1}, "- MoJ Attache", 14},
        {{"IMOJ", 12}, "", 8, {6, 5}, "- MoJ Aide", 12},
        {{"COAFCPD", 3}, "", 7, {6}, "- Engineering School", 3},
        {{"COAFC", 14}, "", 7, {4}, "- COAFC Attache", 15},
        {{"COAFC", 15}, "", 7, {4}, "- COAFC Attache", 15},
        {{"MERCHANT", 3, 6}, "", 9, {2, 6}, "- Department test", 3},
        {{"MERCHANT", 15, 7}, "", 9, {2, 6}, "", 15},
        {{"MERCHANT", 3, 7}, "", 8, {2, 6}, "- Business School", 3},
        {{"MERCHANT", 3, 6}, "", 9, {1, 4}, "- Drive Training", 3}};
    for (const auto& [who, branch, edu, faces, history, rank] : cases) {
        Bench b(who);
        b.g.Service.BranchName = branch;
        b.c.Stats[StatEdu] = static_cast<int16_t>(edu);
        for (int f : faces) b.t.dice.Push(f);
        b.Outcome({});
        EXPECT_EQ(b.Year().rfind(history, 0), 0u) << b.Year();
        EXPECT_EQ(b.Year().empty(), !*history) << b.Year();
        EXPECT_EQ(b.c.Rank, rank) << history;
        EXPECT_EQ(b.c.DeptTestPassed, std::string(history) == "- Department test" ? 1 : 0);
    }
}

// OCS: IMOJ 5 becomes 9, 6 becomes 10 without throws, others 8; the clan
// services 7 becomes 11, 8 or more 12, others 10, and the space service
// opens its Staff branch; COAFC enlisted need Soc above 10 to reach it.
TEST(SpecialsFamilies, OfficerCandidateSchool) {
    const std::tuple<Who, int, int, int> cases[] = {
        // who, face, new rank, throws
        {{"IMOJ", 3}, 6, 8, 3},    {{"IMOJ", 5}, 6, 9, 3},
        {{"IMOJ", 6}, 6, 10, 0},   {{"MMILIT", 0}, 1, 10, 3},
        {{"FMILIT", 7}, 1, 11, 3}, {{"MSPACE", 8}, 1, 12, 3},
        {{"FSPACE", 2}, 1, 10, 3}, {{"COAFCPD", 7, 1, "SOC", 11}, 6, 11, 3}};
    for (const auto& [who, face, rank, rolls] : cases) {
        Bench b(who);
        b.t.dice.Push(face);
        b.SkillRolls(rolls);
        b.Run();
        EXPECT_EQ(b.Year(), "- OCS ");
        EXPECT_EQ(b.c.Rank, rank) << who.type << " from " << who.rank;
        const bool staff = who.type.find("SPACE") != std::string::npos;
        EXPECT_EQ(b.c.BranchOpen[7], staff ? 1 : 0);
        EXPECT_EQ(b.t.ui.messages.size(), staff ? 1u : 0u);
    }
}

// Instructors: above level 2 in "Interrogation" (IMOJ, a throw above 4),
// "Admin" or "Medical" (IMOJ officers, a throw above 4), "Medical" (female
// space service); above level 3 in "Medical" (IRIS).
TEST(SpecialsFamilies, Instructors) {
    const std::tuple<Who, const char*, std::vector<int>, const char*, bool, int> cases[] = {
        {{"IMOJ", 3}, "Interrogation-3", {4, 5}, "- Interrogator School  (Instructor) ", 1, 2},
        {{"IMOJ", 3}, "Interrogation-3", {4, 4, 4, 4, 4}, "- Interrogator School ", 0, 4},
        {{"IMOJ", 3}, "Interrogation-2", {4, 4, 4, 4}, "- Interrogator School ", 0, 4},
        {{"IMOJ", 10}, "Admin-3", {6, 5}, "- Medical School  (Instructor) ", 1, 2},
        {{"IMOJ", 10}, "Medical-3", {6, 4}, "- Medical School ", 0, 3},
        {{"IMOJ", 10}, "Medical-2", {6}, "- Medical School ", 0, 3},
        {{"FSPACE", 11, 7}, "Medical-3", {5}, "- Medical Training (instructor) ", 1, 2},
        {{"FSPACE", 11, 7}, "Medical-2", {5, 4, 4, 3}, "- Medical Training ", 0, 2},
        {{"IRIS"}, "Medical-4", {1}, "- Medical school ", 1, 2},
        {{"IRIS"}, "Medical-3", {1}, "- Medical school ", 0, 1}};
    for (const auto& [who, held, faces, history, teaches, skills] : cases) {
        Bench b(who);
        AddSkill(b.g, held);
        for (int f : faces) b.t.dice.Push(f);
        b.Run();
        EXPECT_EQ(b.Year(), history) << held;
        EXPECT_EQ(b.Level("Instruction"), teaches ? 1 : -1);
        EXPECT_EQ(b.SkillsHeld(), skills);
    }
}

// 1D3 picks from four skills; under automatic generation the dice choose.
TEST(SpecialsFamilies, ImojAssassinationPicks) {
    Bench b("IMOJ", 8);
    b.t.dice.Push({1, 3});
    b.t.ui.Answer({"2", "4", "2"});
    b.Run();
    EXPECT_EQ(b.Year(), "- Assassination Training ");
    EXPECT_EQ(b.Level("Martial Arts"), 2);
    ASSERT_EQ(b.t.ui.shown.size(), 3u);
    EXPECT_EQ(b.t.ui.shown[2].Text, "Brawling/Martial Arts/BLADE COMBAT/GUN COMBAT");
    EXPECT_EQ(b.t.ui.shown[2].Title, "Select Skill");
    Bench automatic("IMOJ", 8);
    automatic.Outcome({1, 2});
    EXPECT_TRUE(automatic.t.ui.shown.empty());
}

// Every family against the sample data: every skill, characteristic and
// school file its tables hand out exists for the races of those services.
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
            for (const auto& m : t.ui.messages)
                EXPECT_TRUE(StartsWith(m, "Transfer to branch ")) << m;
            t.ui.messages.clear();
            logged += Trim(c.TermLog[1].Lines[1]).empty() ? 0 : 1;
        }
        EXPECT_GT(logged, 100) << "years with a history line";
    }
}

}  // namespace
