// Special assignments of the core services, the dispatcher with its
// academic offer, and the table interpreter.
#include <stdexcept>

#include "FamilyBench.h"

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
        EXPECT_EQ(Contains(b.g.TermWindow.Log, "Promoted!"), rank == 14);
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
        b.g.Service.BranchName = branch;
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
        EXPECT_EQ(
            Contains(b.g.TermWindow.Log, "Promoted to officer rank O" + std::to_string(to - 9)),
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
    b.g.Service.PlusEdu = {0, 1, 0, 2, 0, 0, 0, 1, 1, 1, 0};
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
    b.g.Race.Code = 3;
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

// A table that leads back to itself stops with a message, not a crash.
TEST(SpecialsTable, EndlessChainIsBounded) {
    static SpecialTable loop{"Loop", NoThrow(), {}};
    loop.Rows = {Any().Log("x").Then([]() -> const SpecialTable& { return loop; })};
    Bench b({"ARMY", 3});
    RunSpecialTable(b.g, loop);
    EXPECT_TRUE(b.t.ui.SawMessage("Special assignment tables lead too deep at Loop"));
    EXPECT_EQ(b.Year().size(), 2u * 21);
}

}  // namespace
