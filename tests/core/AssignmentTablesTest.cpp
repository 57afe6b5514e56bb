// Special assignments: those of the core services, the dispatcher with its
// academic offer and the table interpreter, each service family's, and every
// family over the sample data. A small race and service: every case states
// its throws.

#include <stdexcept>

#include "career/HandOffs.h"
#include "career/Skills.h"
#include "career/specials/FamilyTable.h"
#include "data/Service.h"
#include "model/ServiceChoice.h"
#include "support/TestGame.h"
#include "text/Text.h"

namespace orrimar::familytest {

using namespace specials;

// Career code, rank, race type, the sixth characteristic's name and value, Int.
struct Who {
    std::string type;
    int rank = 3, race = 1;
    std::string sixth = "SOC";
    int16_t sixthValue = 7, intel = 7;
};

// Characteristics at 7 unless the Who says otherwise; ranks E0..E9, O1..O6;
// one skill table whose die 1 is "Rifle"; cascades kept whole ("XTRAIN").
struct Bench {
    TestGame t;
    Game& g = t.g;
    CharacterRecord& c = t.g.career.Character;

    explicit Bench(const Who& who) {
        LoadedRules(g).Race.Code = who.race;
        LoadedRules(g).Race.NumStats = 6;
        LoadedRules(g).Race.StatName = {"", "STR", "DEX", "END", "INT", "EDU", who.sixth};
        c.Stats = {0, 7, 7, 7, who.intel, 7, who.sixthValue};
        auto& s = LoadedRules(g).Service;
        s.Name = "Test Service";
        s.Type = who.type;
        s.MaxRank = 15;
        s.School = SchoolDigits("123456");
        for (int k = 0; k <= 15; ++k)
            s.RankCode[k] = k < 10 ? "E" + std::to_string(k) : "O" + std::to_string(k - 9);
        s.SkillTable.Edit(1).Eli[1] = "Eli      All";
        s.SkillTable.Edit(1).Max = 6;
        s.SkillTable.Edit(1).Entry = {"", "Rifle", "Tactics", "Leader", "Medic", "Recon", "Admin"};
        c.Rank = static_cast<int16_t>(who.rank);
        c.CurTerm = c.CurLine = 1;
        c.Options[OptKeepCascades] = OptOn;
    }

    std::string Year() const { return c.TermLog[c.CurTerm].Line(1); }
    int Level(const std::string& name) const { return GetSkillLevel(g.career, name); }
    int SkillsHeld() const {
        return static_cast<int>(std::count_if(c.Skills.begin(), c.Skills.end(),
                                              [](const auto& s) { return !s.Name.empty(); }));
    }
    // `count` skill-table throws, each landing on "Rifle".
    void SkillRolls(int count) {
        for (int k = 0; k < count; ++k) {
            t.ui.Answer("1");
            t.dice.Push(1);
        }
    }
    // Runs the special assignment; every scripted throw and answer is used.
    void Run() {
        SpecialAssignment(g);
        EXPECT_EQ(t.dice.Left() + t.ui.AnswersLeft(), 0u) << "throws or answers left over";
    }
    // The history after `faces`, further throws random, choices by dice.
    std::string Outcome(const std::vector<int>& faces) {
        c.Options[OptAutoGen] = OptOn;
        for (int f : faces) t.dice.Push(f);
        t.dice.SetFallback(true);
        SpecialAssignment(g);
        return Year();
    }
};

// One result: the faces leading to it, its history, the skills thrown for at `target` and
// those granted ("/"-separated; "+1 Soc" raises the sixth characteristic), its message and
// the BranchOpen entry it opens.
struct RowCase {
    std::vector<int> faces;
    std::string history;
    int target = 0;
    std::string tried = "";
    std::string granted = "";
    std::string message = "";
    int opens = 0;
};

inline RowCase Opening(RowCase row, const std::string& branch, int entry) {
    row.message = "Transfer to branch " + branch + " now available";
    row.opens = entry;
    return row;
}

inline std::vector<std::string> Names(const std::string& list) {
    return list.empty() ? std::vector<std::string>{} : Split(list, '/');
}

// Applies the row to a fresh character. The tried skills are thrown for alternately at the
// target (gained) and one below (not gained), checking the target and order, not just names.
inline void ExpectRow(const Who& who, const RowCase& row,
                      const std::function<void(Bench&)>& setup = nullptr) {
    SCOPED_TRACE(who.type + " " + std::to_string(who.rank) + ": " + row.history);
    Bench b(who);
    if (setup) setup(b);
    auto stats = b.c.Stats;
    std::map<std::string, int> levels;
    const auto note = [&](const std::string& text, bool gained) {
        if (text[0] == '+')
            stats[6] = static_cast<int16_t>(stats[6] + (gained ? ValInt(Mid(text, 2, 1)) : 0));
        else
            levels[text] += gained ? 1 : 0;
    };
    for (int f : row.faces) b.t.dice.Push(f);
    for (const auto& name : Names(row.granted)) note(name, true);
    const auto tried = Names(row.tried);
    for (size_t k = 0; k < tried.size(); ++k) {
        b.t.dice.Push(k % 2 == 0 ? row.target : row.target - 1);
        note(tried[k], k % 2 == 0);
    }
    b.Run();
    EXPECT_EQ(b.Year(), row.history.empty() ? "" : row.history + " ");
    int held = 0;
    for (const auto& [name, count] : levels) {
        EXPECT_EQ(b.Level(name), count > 0 ? count : -1) << name;
        held += count > 0 ? 1 : 0;
    }
    EXPECT_EQ(b.SkillsHeld(), held) << "no other skill";
    EXPECT_EQ(b.c.Stats, stats);
    EXPECT_EQ(b.t.ui.messages, Names(row.message));
    EXPECT_TRUE(row.opens == 0 || b.c.BranchOpen[row.opens] == 1) << "entry " << row.opens;
}

}  // namespace orrimar::familytest

using namespace orrimar;
using namespace orrimar::familytest;

namespace {

// A few rows of each table, with their targets, grants and announcements.
TEST(SpecialsCore, RepresentativeRows) {
    const std::string tav = "NV Comm/Psychology/INTERPERSONAL/TALENT";
    const std::pair<Who, RowCase> cases[] = {
        {{"GUARD", 3}, Opening({{3}, " - Tavrchedl' Training", 3, tav, ""}, "Tavrchedl'", 6)},
        {{"GUARD", 10}, Opening({{3}, "Tavrchedl' Training", 3, tav, ""}, "Tavrchedl'", 6)},
        {{"ARMY", 12},
         {{6, 5, 2}, "- General's Aide - Command College", 4, "Tactics/Leader/Recon", "+1 Soc"}},
        {{"MERCHANT", 0}, {{2}, "- Trade station", 4, "Broker/Liaison", "Trader"}},
        // Int + Edu of 15 takes the technical list, 16 the academic one.
        {{"NAVY", 3, 1, "SOC", 7, 8}, {{2, 6}, "- Specialist School", 0, "", "Ship's Boat"}},
        {{"NAVY", 3, 1, "SOC", 7, 9}, {{2, 1}, "- Specialist School", 0, "", "ACADEMIC"}},
        {{"ARMY", 3, 1, "SOC", 7, 8}, {{1, 5}, "- Specialist School", 0, "", "VEHICLE"}},
        {{"ARMY", 3, 1, "SOC", 7, 9}, {{1, 4}, "- Specialist School", 0, "", "ENVIRON"}}};
    for (const auto& [who, row] : cases) ExpectRow(who, row);
    // Once the branch is open the school takes the character as instructor.
    ExpectRow({"ARMY", 4}, {{2}, "- Commando School (as instructor)", 0, "", "Instruction"},
              [](Bench& b) { b.c.BranchOpen[1] = 1; });
    for (int rank : {14, 15}) {  // promoted only below the top rank
        Bench b({"ARMY", rank});
        b.t.dice.Push({6, 4});
        b.Run();
        EXPECT_EQ(b.Year(), "- Military Attache ");
        EXPECT_EQ(b.c.Stats[StatSoc] * 100 + b.c.Rank, 815);
        EXPECT_EQ(Contains(b.g.windows.TermWindow.Log, "Promoted!"), rank == 14);
    }
    // The admiral's aide throws 1D5 on the navy officer table without the
    // Edu modifier: its 4 posts the aide again, here as attache.
    ExpectRow({"NAVY", 12},
              {{3, 5, 4, 1}, "- Admiral's Aide - Naval Attache", 0, "", "+1 Soc/+1 Soc"},
              [](Bench& b) { b.c.Stats[StatEdu] = 8; });
}

// Army +1 for End 7 or more, marine for Edu above 6, officers never; navy +1 for Edu above 7;
// merchant +1 for Edu above 8, +1 outside "Deck" from rank 6, never above 7. Type, rank, End,
// Edu, branch, face -> the history's start.
TEST(SpecialsCore, Modifiers) {
    const std::tuple<const char*, int, int, int, const char*, int, const char*> cases[] = {
        {"ARMY", 8, 7, 6, "", 5, "- OCS"},           {"ARMY", 8, 6, 9, "", 5, "- Recruiting"},
        {"MARINE", 8, 6, 7, "", 5, "- OCS"},         {"MARINE", 8, 9, 6, "", 5, "- Recruiting"},
        {"ARMY", 11, 9, 9, "", 5, "- Recruiting"},   {"Navy", 3, 7, 7, "", 1, "- cross-train"},
        {"NAVY", 3, 7, 8, "", 1, "- Specialist"},    {"MERCHANT", 5, 7, 8, "", 5, "- Purser"},
        {"MERCHANT", 6, 7, 8, "", 5, "- Business"},  {"MERCHANT", 6, 7, 8, "Deck", 5, "- Purser"},
        {"MERCHANT", 2, 7, 9, "", 5, "- Business"},  {"MERCHANT", 6, 7, 9, "", 6, "- Department"},
        {"MERCHANT", 0, 7, 9, "", 6, "- Commission"}};
    for (const auto& [type, rank, end, edu, branch, face, history] : cases) {
        Bench b({type, rank});
        NameBranch(LoadedRules(b.g).Service, branch);
        b.c.Stats[StatEnd] = static_cast<int16_t>(end);
        b.c.Stats[StatEdu] = static_cast<int16_t>(edu);
        EXPECT_TRUE(StartsWith(b.Outcome({face}), history)) << type << rank << branch << b.Year();
        EXPECT_EQ(b.c.DeptTestPassed, std::string(history) == "- Department" ? 1 : 0);
        EXPECT_EQ(b.c.Commissioned, rank == 0 ? 1 : 0);
    }
}

// From rank, to rank, skill rolls and race type (12 trains instead).
TEST(SpecialsCore, OfficerCandidateSchool) {
    const int cases[][4] = {{3, 10, 2, 1}, {7, 11, 2, 1}, {8, 12, 0, 1}, {7, 7, 3, 12}};
    for (const auto& [from, to, rolls, race] : cases) {
        Bench b({"ARMY", from, race});
        b.t.dice.Push(6);
        b.SkillRolls(rolls);
        b.Run();
        EXPECT_EQ(b.Year(), race == 12 ? "- Training " : "- OCS ");
        EXPECT_EQ(b.c.Rank, to);
        EXPECT_EQ(b.Level("Rifle"), rolls > 0 ? rolls : -1);
        EXPECT_EQ(Contains(b.g.windows.TermWindow.Log,
                           "Promoted to officer rank O" + std::to_string(to - 9)),
                  to != from);
    }
}

TEST(SpecialsDispatch, CareerCodes) {
    for (const std::string type : {"SCOUT", "EXPLORER", "SORAG", "Explorer"}) {
        Bench b({type, 3});
        b.Run();
        EXPECT_EQ(b.t.ui.messages,
                  Names(type == "SCOUT" ? "Specials not defined for career type SCOUT" : ""));
        EXPECT_EQ(b.Year(), "") << type;
    }
}

// Courses marked 1 are offered in order (2: taken before, 8 on: no course); the normal choice
// or a closed window keeps the service's table; a course taken is marked 2.
TEST(SpecialsDispatch, AcademicOffer) {
    Bench b({"JOURNAL", 3});
    b.c.Options[OptAcademicSpecials] = OptOn;
    LoadedRules(b.g).Service.PlusEdu = {0, 1, 0, 2, 0, 0, 0, 1, 1, 1, 0};
    b.t.ui.Answer({"3", "0"});
    b.t.dice.Push({2, 3});
    SpecialAssignment(b.g);
    b.Run();
    ASSERT_EQ(b.t.ui.shown.size(), 2u);
    EXPECT_EQ(b.t.ui.shown[0].Text, "College/Flight School/Take normal Special Assignment");
    EXPECT_EQ(b.t.ui.shown[0].Title, "Academic available instead of Special");
    EXPECT_EQ(b.Year(), "- Journalism school - Space school ");

    b.t.ui.Answer("2");  // Flight School
    b.t.dice.SetFallback(true);
    SpecialAssignment(b.g);
    EXPECT_EQ(CourseOffer(b.g, 7) * 10 + CourseOffer(b.g, 1), 21);
    EXPECT_EQ(b.Year().find("Language"), std::string::npos) << "the journalist table was thrown";
}

// A characteristic as result, conditions, fixed re-throws into a table, ranges, picks.
TEST(SpecialsTable, InterpreterFeatures) {
    static const SpecialTable target{
        "Target",
        Die(1, 6),
        {At(2).Log("two"), At(4, 5).If(SkillAbove("Medical", 2)).Log("teach"),
         AtLeast(4).Log("study").Grant({"Medical-3"})}};
    const auto toTarget = []() -> const SpecialTable& { return target; };
    const SpecialTable bySoc{
        "By Soc",
        StatValue(StatSoc).Plus(1, {TermAtMost(5)}),
        {At(8).If(Not(RaceIs(3))).Then(toTarget, Fixed(2)), At(9).Then(toTarget, Fixed(4)),
         At(10).Log("pick").PickSkills(1, 3, "Brawling/BLADE COMBAT", "Select Skill")}};

    Bench b({"ARMY", 3});
    RunSpecialTable(b.g, bySoc);  // Soc 7 + 1 = 8: no throw at all
    b.c.Stats[StatSoc] = 8;
    RunSpecialTable(b.g, bySoc);
    RunSpecialTable(b.g, bySoc);
    EXPECT_EQ(b.Year(), "two study teach ");

    b.c.CurTerm = 6;
    RunSpecialTable(b.g, bySoc);  // 8 again, but race 3 has no row there
    LoadedRules(b.g).Race.Code = 3;
    RunSpecialTable(b.g, bySoc);
    b.c.Stats[StatSoc] = 10;
    b.t.dice.Push(2);           // two picks
    b.t.ui.Answer({"2", "0"});  // the closed window leaves it to a die
    b.t.dice.Push(1);
    RunSpecialTable(b.g, bySoc);
    EXPECT_EQ(b.Year(), "two pick ");
    EXPECT_EQ(b.Level("BLADE COMBAT") * 10 + b.Level("Brawling"), 11);
    EXPECT_EQ(b.t.dice.Left(), 0u);
}

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
        b.g.session.DataLoc = data.Path();
        LoadedRules(b.g).Service.School = SchoolDigits(school);
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
        NameBranch(LoadedRules(b.g).Service, branch);
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
        auto& c = t.g.career.Character;
        c.Options[OptAutoGen] = OptOn;
        for (int i = 1; i <= t.g.rules.Race.NumStats; ++i) c.Stats[i] = 7;
        c.CurTerm = c.CurLine = 1;
        const CharacterRecord start = c;
        int logged = 0;
        for (int year = 0; year < 150; ++year) {
            c = start;  // every rank, and every standing the tables read
            c.Rank = static_cast<int16_t>(year % (t.g.rules.Service.MaxRank + 1));
            c.Stats[6] = static_cast<int16_t>(1 + year % 6);
            SpecialAssignment(t.g);
            logged += Trim(c.TermLog[1].Line(1)).empty() ? 0 : 1;
        }
        for (const auto& m : t.ui.messages) EXPECT_TRUE(StartsWith(m, "Transfer to branch ")) << m;
        EXPECT_GT(logged, 100) << "years with a history line";
    }
}

}  // namespace
